#include "app/Globals.h"
#include "app/TALL.h"
#include "i18n/CodePage.h"
#include "i18n/IniFile.h"
#include "i18n/LanguageTexts.h"
#include "i18n/TLanguage.h"
#include "support/CoreFixture.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

namespace {

// Every field with its key, written out here so a field read from the wrong key is caught.
QList<QPair<QString, QString TLanguage::*>> fieldsByKey()
{
    return {
        {"Confirmation", &TLanguage::Confirmation}, {"ExitProgram", &TLanguage::ExitProgram},
        {"SaveProgram", &TLanguage::SaveProgram},   {"Channel", &TLanguage::Channel},
        {"Info", &TLanguage::Info},                 {"OutRange", &TLanguage::OutRange},
        {"Caution", &TLanguage::Caution},           {"FChBigT", &TLanguage::FChBigT},
        {"Close", &TLanguage::Close},               {"Open", &TLanguage::Open},
        {"ComError", &TLanguage::ComError},         {"ModError", &TLanguage::ModError},
        {"ClearData", &TLanguage::ClearData},       {"Modforce", &TLanguage::Modforce},
        {"All", &TLanguage::All},                   {"ErrRange", &TLanguage::ErrRange},
        {"ModelType", &TLanguage::ModelType},       {"Frequency", &TLanguage::Frequency},
        {"ReadOk", &TLanguage::ReadOk},             {"WriteOk", &TLanguage::WriteOk},
        {"LPortError", &TLanguage::LPortError},
    };
}

class LanguageTextsTest : public CoreFixture
{
protected:
    void writeLanguage(const QString &name, const QByteArray &body)
    {
        QFile file(LanguageFilePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(body);
    }
};

TEST_F(LanguageTextsTest, FileIsBesideTheExecutable)
{
    EXPECT_EQ(LanguageFilePath(QStringLiteral("English")), ALL->AppDir + QStringLiteral("English.Ini"));
    EXPECT_EQ(LanguageFilePath(QString()), ALL->AppDir + QStringLiteral(".Ini"));
}

TEST_F(LanguageTextsTest, EveryFieldIsOverwrittenOnEachLoad)
{
    QByteArray full = "[Language]\r\n";
    for (const auto &f : fieldsByKey())
        full += f.first.toUpper().toUtf8() + "=Text of " + f.first.toUtf8() + "\r\n";
    writeLanguage(QStringLiteral("Full"), full);
    writeLanguage(QStringLiteral("Partial"), "[Language]\r\nReadOk=Done\r\nOpen=\r\n[Other]\r\nWriteOk=no\r\n");

    LoadLanguageTexts(QStringLiteral("Full"));
    for (const auto &f : fieldsByKey())
        EXPECT_EQ(Language->*f.second, QStringLiteral("Text of ") + f.first) << f.first.toStdString();

    LoadLanguageTexts(QStringLiteral("Partial"));
    const TLanguage defaults;
    for (const auto &f : fieldsByKey()) {
        const QString expected = f.first == QLatin1String("ReadOk") ? QStringLiteral("Done")
                                 : f.first == QLatin1String("Open") ? QString()
                                                                    : defaults.*f.second;
        EXPECT_EQ(Language->*f.second, expected) << f.first.toStdString();
    }
    EXPECT_EQ(Language->WriteOk, QStringLiteral("写入完成！"));

    LoadLanguageTexts(QStringLiteral("Full"));
    LoadLanguageTexts(QStringLiteral("Missing"));
    for (const auto &f : fieldsByKey())
        EXPECT_EQ(Language->*f.second, defaults.*f.second) << f.first.toStdString();
}

TEST_F(LanguageTextsTest, KeysFollowTheFieldOrder)
{
    QStringList expected;
    for (const auto &f : fieldsByKey())
        expected << f.first;
    EXPECT_EQ(LanguageTextKeys(), expected);
}

}

namespace {

QString shippedFile(const char *name)
{
    return QStringLiteral(ZQ_SOURCE_DATA_DIR "/") + QString::fromLatin1(name);
}

TEST(ShippedLanguageFiles, HoldEveryMessageText)
{
    TLanguage english;
    TLanguage chinese;
    LoadLanguageTexts(english, shippedFile("English.Ini"));
    LoadLanguageTexts(chinese, shippedFile("Chinese.Ini"));
    const TLanguage defaults;
    for (const char *name : {"English.Ini", "Chinese.Ini"}) {
        const IniFile file(shippedFile(name));
        ASSERT_TRUE(file.wasRead()) << name;
        EXPECT_EQ(file.encoding(), IniFile::Encoding::Utf8) << name;
        for (const QString &key : LanguageTextKeys())
            EXPECT_TRUE(file.contains(QStringLiteral("Language"), key)) << name << " " << key.toStdString();
    }
    for (const auto &f : fieldsByKey()) {
        EXPECT_EQ(chinese.*f.second, defaults.*f.second) << f.first.toStdString();
        const QString text = english.*f.second;
        EXPECT_FALSE(text.trimmed().isEmpty()) << f.first.toStdString();
        EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; }))
            << f.first.toStdString();
    }
    EXPECT_EQ(english.Channel + english.Info, QStringLiteral("Channel Information"));
}

TEST(ShippedLanguageFiles, ReadTheSameInTheLegacyCodePage)
{
    QFile shipped(shippedFile("Chinese.Ini"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    QByteArray legacy;
    ASSERT_TRUE(CodePage::fromUnicode(QString::fromUtf8(shipped.readAll()), legacy));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Chinese.Ini"));
    QFile copy(path);
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.write(legacy);
    copy.close();
    ASSERT_EQ(IniFile(path).encoding(), IniFile::Encoding::Gbk);

    TLanguage fromUtf8;
    TLanguage fromLegacy;
    fromUtf8.Info.clear();
    fromLegacy.Info.clear();
    LoadLanguageTexts(fromUtf8, shippedFile("Chinese.Ini"));
    LoadLanguageTexts(fromLegacy, path);
    for (const auto &f : fieldsByKey())
        EXPECT_EQ(fromLegacy.*f.second, fromUtf8.*f.second) << f.first.toStdString();
}

}
