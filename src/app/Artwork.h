#pragma once

#include <QImage>

// The program's own pictures, drawn rather than shipped.

// The main window's background: a 200 x 150, 24-bit picture that tiles without seams.
QImage BackgroundPicture();

enum class ToolbarPicture { New, Open, Save, ChannelEdit, Print, PrintPreview, Read, Write, Help };
constexpr int ToolbarPictureCount = 9;

// A 16 x 16 tool bar picture with a transparent background.
QImage ToolbarImage(ToolbarPicture picture);

// The application's 32 x 32 icon.
QImage ApplicationIcon();
