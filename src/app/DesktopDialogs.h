#pragma once

class QWidget;

// Installs message boxes and the desktop's open and save dialogs as the program's message and
// file dialog service. Boxes are centred on `parent` (the main window) when given.
void InstallDesktopDialogs(QWidget *parent);
