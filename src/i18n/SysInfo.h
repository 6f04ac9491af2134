#pragma once

#include <QString>
#include <QStringList>

class TALL;

// SysInfo.Ini beside the executable, section [SysInfo]: the port, the language, the help file
// prefix, the background picture and the language lists of the language dialog.

QString SysInfoFilePath(const TALL &all);

// A list value: entries separated by "|", no escape, no trimming; a bar at the very end adds no
// entry, two bars in a row give an empty entry, an empty value gives none.
QStringList SplitLanguageList(const QString &value);

// Entry index of the list; empty when the index is negative or past the list.
QString PickLanguageName(const QString &list, int index);

// Reads PortName, LanguageIndex, HelpPrefix, PictureIndex and LanguageName, with their defaults
// for whatever the file lacks or holds in a form that cannot be used.
void ReadSysInfo(TALL &all);

// Writes "Com", "DefaultLanguage" and "PicID" back, all or nothing; every other line of the file
// stays. Returns an empty text on success, else "Unable to write to " and the file name.
QString WriteSysInfo(const TALL &all);

// Appends the language file names ("Language") to fileNames and the display names (the key named
// after the current LanguageName) to displayNames.
void ReadLanguageLists(const TALL &all, QStringList &displayNames, QStringList &fileNames);
