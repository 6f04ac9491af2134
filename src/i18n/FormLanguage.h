#pragma once

#include <QString>

class QWidget;

// Re-labels a window from section [objectName of the window] of AppDir + languageName + ".Ini".
// translateItems allows combo box items to be translated. Before the file is applied, every
// text the window was built with is restored, so a key the file lacks shows the built-in text.
void ApplyFormLanguage(QWidget *window, const QString &languageName, bool translateItems);
