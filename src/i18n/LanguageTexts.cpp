#include "i18n/LanguageTexts.h"

#include "app/Globals.h"
#include "app/TALL.h"
#include "i18n/IniFile.h"
#include "i18n/TLanguage.h"

#include <array>

namespace {

struct TextField
{
    const char *key;
    QString TLanguage::*field;
};

const std::array<TextField, 21> Fields = {{
    {"Confirmation", &TLanguage::Confirmation},
    {"ExitProgram", &TLanguage::ExitProgram},
    {"SaveProgram", &TLanguage::SaveProgram},
    {"Channel", &TLanguage::Channel},
    {"Info", &TLanguage::Info},
    {"OutRange", &TLanguage::OutRange},
    {"Caution", &TLanguage::Caution},
    {"FChBigT", &TLanguage::FChBigT},
    {"Close", &TLanguage::Close},
    {"Open", &TLanguage::Open},
    {"ComError", &TLanguage::ComError},
    {"ModError", &TLanguage::ModError},
    {"ClearData", &TLanguage::ClearData},
    {"Modforce", &TLanguage::Modforce},
    {"All", &TLanguage::All},
    {"ErrRange", &TLanguage::ErrRange},
    {"ModelType", &TLanguage::ModelType},
    {"Frequency", &TLanguage::Frequency},
    {"ReadOk", &TLanguage::ReadOk},
    {"WriteOk", &TLanguage::WriteOk},
    {"LPortError", &TLanguage::LPortError},
}};

}

QString LanguageFilePath(const QString &languageName)
{
    return (ALL ? ALL->AppDir : QString()) + languageName + QStringLiteral(".Ini");
}

QStringList LanguageTextKeys()
{
    QStringList keys;
    for (const TextField &f : Fields)
        keys << QString::fromLatin1(f.key);
    return keys;
}

void LoadLanguageTexts(TLanguage &texts, const QString &filePath)
{
    const TLanguage defaults;
    const IniFile file(filePath);
    const QString section = QStringLiteral("Language");
    for (const TextField &f : Fields)
        texts.*f.field = file.readString(section, QString::fromLatin1(f.key), defaults.*f.field);
}

void LoadLanguageTexts(const QString &languageName)
{
    if (Language)
        LoadLanguageTexts(*Language, LanguageFilePath(languageName));
}
