#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

// What is re-labelled, by objectName (objects without a name, and names starting with "qt_",
// are left alone, and so are labels marked with SetStaticText), in the order the window owns them, first fitting kind wins:
//   QLabel                                   name.Caption
//   QAction in a QMenu, or a QMenu's title   name.Caption
//   QPushButton                              name.Caption
//   QAction in a QToolBar, or QToolButton    name.Caption, name.Hint (the tool tip)
//   a GridTitles object, unless Tag -2       name.1 ... name.(gridColumnCount() - 1)
//   QComboBox, only with translateItems,     name.0 ... name.(count - 1); Tag -3: name.0 only;
//     unless Tag -2                            the selected index is kept
//   QCheckBox, QRadioButton, QGroupBox       name.Caption
//   a page of a QTabWidget                   name.Caption (its tab text)
//   QListWidget, unless Tag -2               name.0 ... name.(count - 1), whatever translateItems
// The window's own title comes from windowName.Caption. Dialogs and MDI sub-windows inside the
// window are windows of their own and are not visited.
//
// Re-labels a window from section [objectName of the window] of AppDir + languageName + ".Ini".
// translateItems allows combo box items to be translated. Before the file is applied, every
// text the window was built with is restored, so a key the file lacks shows the built-in text.
void ApplyFormLanguage(QWidget *window, const QString &languageName, bool translateItems);

// The same from a language file given by its path.
void ApplyFormLanguageFile(QWidget *window, const QString &filePath, bool translateItems);

// Marks a QLabel that shows a value rather than a caption (a static text): the language files
// leave it alone.
void SetStaticText(QWidget *label);

// A key a window reads from the language files.
struct LanguageKey
{
    QString section;
    QString key;
    bool operator==(const LanguageKey &other) const = default;
};

// Every key ApplyFormLanguage reads for the window as it stands, in the order it reads them.
// Changes nothing.
QList<LanguageKey> FormLanguageKeys(QWidget *window, bool translateItems);

// The keys of FormLanguageKeys the language file lacks, as "[section] key" texts; empty when the
// file holds them all.
QStringList MissingLanguageKeys(QWidget *window, bool translateItems, const QString &filePath);
