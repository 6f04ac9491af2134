#pragma once

#include <QString>
#include <QStringList>

class TLanguage;

// The language file of a language: AppDir + language name + ".Ini".
QString LanguageFilePath(const QString &languageName);

// The keys of section [Language], in the order of the fields of TLanguage.
QStringList LanguageTextKeys();

// Sets every field of texts from section [Language] of the file, or to its built-in default where
// the key is missing, so no text of a previous language survives.
void LoadLanguageTexts(TLanguage &texts, const QString &filePath);

// The same for the program's message texts (Language) from the file of languageName.
void LoadLanguageTexts(const QString &languageName);
