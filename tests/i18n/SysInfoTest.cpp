#include "app/Globals.h"
#include "app/TALL.h"
#include "i18n/SysInfo.h"
#include "i18n/TLanguage.h"
#include "support/CoreFixture.h"

#include <QDir>
#include <QFile>

namespace {

class SysInfoTest : public CoreFixture
{
protected:
    void writeSysInfo(const QByteArray &body) { writeFile(SysInfoFilePath(*ALL), body); }

    static void writeFile(const QString &path, const QByteArray &body)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(body);
    }

    QByteArray sysInfo() const
    {
        QFile file(SysInfoFilePath(*ALL));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
};

TEST_F(SysInfoTest, NoFileGivesTheDefaultsAndExitCreatesOne)
{
    ReadSysInfo(*ALL);
    EXPECT_EQ(ALL->PortName, QStringLiteral("Com1"));
    EXPECT_EQ(ALL->LanguageIndex, 0);
    EXPECT_EQ(ALL->LanguageName, QStringLiteral("Chinese"));
    EXPECT_EQ(ALL->HelpPrefix, QStringLiteral("QM"));
    EXPECT_EQ(ALL->PictureIndex, 1);

    ALL->PortName = QStringLiteral("COM3");
    EXPECT_EQ(WriteSysInfo(*ALL), QString());
    EXPECT_EQ(sysInfo().replace("\r\n", "\n"), QByteArray("[SysInfo]\nCom=COM3\nDefaultLanguage=0\nPicID=0\n"));
}

TEST_F(SysInfoTest, LanguageIndexPicksTheLanguageName)
{
    struct Case
    {
        QByteArray value;
        int index;
        QString name;
    };
    const QList<Case> cases = {
        {"0", 0, "English"}, {"1", 1, "Chinese"}, {"2", 2, ""},     {"-1", -1, ""},
        {"abc", 0, "English"}, {"", 0, "English"}, {"1.5", 0, "English"}, {"99999999999", 0, "English"},
    };
    for (const Case &c : cases) {
        writeSysInfo("[SysInfo]\r\nLanguage=English|Chinese\r\nDefaultLanguage=" + c.value + "\r\n");
        ReadSysInfo(*ALL);
        EXPECT_EQ(ALL->LanguageIndex, c.index) << c.value.constData();
        EXPECT_EQ(ALL->LanguageName, c.name) << c.value.constData();
    }
}

TEST_F(SysInfoTest, ValuesThatAreNoNumbersAreWrittenBackAsZero)
{
    const QByteArray before = "; kept\r\n[SysInfo]\r\nCom=com2\r\nDefaultLanguage=x\r\nHelp=QM\r\n"
                              "Language=English|Chinese\r\nPicID=y\r\n";
    writeSysInfo(before);
    ReadSysInfo(*ALL);
    EXPECT_EQ(ALL->PictureIndex, 1);
    EXPECT_EQ(ALL->LanguageIndex, 0);
    ASSERT_EQ(WriteSysInfo(*ALL), QString());
    EXPECT_EQ(sysInfo(), QByteArray("; kept\r\n[SysInfo]\r\nCom=com2\r\nDefaultLanguage=0\r\nHelp=QM\r\n"
                                    "Language=English|Chinese\r\nPicID=0\r\n"));
}

TEST_F(SysInfoTest, PictureNumberIsCountedFromOneInsideTheProgram)
{
    writeSysInfo("[SysInfo]\nPicID=3\nCom=COM4\nDefaultLanguage=1\n");
    ReadSysInfo(*ALL);
    EXPECT_EQ(ALL->PictureIndex, 4);
    EXPECT_EQ(ALL->PortName, QStringLiteral("COM4"));
    EXPECT_EQ(ALL->LanguageName, QStringLiteral("English"));
    ASSERT_EQ(WriteSysInfo(*ALL), QString());
    EXPECT_EQ(sysInfo(), QByteArray("[SysInfo]\nPicID=3\nCom=COM4\nDefaultLanguage=1\n"));

    writeSysInfo("[SysInfo]\nPicID=2147483647\n");
    ReadSysInfo(*ALL);
    EXPECT_EQ(ALL->PictureIndex, 1);
}

TEST_F(SysInfoTest, FailedWriteNamesTheFileAndChangesNothing)
{
    writeFile(pathOf(QStringLiteral("blocker")), "a file where the directory should be");
    ALL->AppDir = pathOf(QStringLiteral("blocker")) + QLatin1Char('/');
    ALL->PortName = QStringLiteral("COM1");
    EXPECT_EQ(WriteSysInfo(*ALL),
              QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(SysInfoFilePath(*ALL)));

    ALL->AppDir = dir.path() + QLatin1Char('/');
    writeSysInfo("[SysInfo]\nCom=COM2\n");
    ALL->PortName = QString::fromUtf8("COM\n1");
    EXPECT_FALSE(WriteSysInfo(*ALL).isEmpty());
    EXPECT_EQ(sysInfo(), QByteArray("[SysInfo]\nCom=COM2\n"));
}

TEST(LanguageListRule, SplitsAtEveryBar)
{
    const QList<QPair<QString, QStringList>> cases = {
        {"English|Chinese", {"English", "Chinese"}},
        {"English|", {"English"}},
        {"English||Chinese", {"English", "", "Chinese"}},
        {"|English", {"", "English"}},
        {"|", {""}},
        {"", {}},
        {"English", {"English"}},
        {" English | Chinese ", {" English ", " Chinese "}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(SplitLanguageList(c.first), c.second) << c.first.toStdString();
        for (int i = -1; i <= c.second.size(); ++i)
            EXPECT_EQ(PickLanguageName(c.first, i), i >= 0 && i < c.second.size() ? c.second[i] : QString())
                << c.first.toStdString() << " " << i;
    }
}

TEST_F(SysInfoTest, LanguageListsAreAppended)
{
    QStringList display = {"kept"};
    QStringList files;
    ALL->LanguageName = QStringLiteral("English");
    ReadLanguageLists(*ALL, display, files);
    EXPECT_EQ(files, QStringList({"Chinese", "English"}));
    EXPECT_EQ(display, QStringList({"kept", "中文", "英文"}));

    writeSysInfo("[SysInfo]\nLanguage=English|Chinese|German\nenglish=English|Chinese|German\n"
                 "Chinese=英文|中文\n");
    display.clear();
    files.clear();
    ReadLanguageLists(*ALL, display, files);
    EXPECT_EQ(files, QStringList({"English", "Chinese", "German"}));
    EXPECT_EQ(display, QStringList({"English", "Chinese", "German"}));

    display.clear();
    ALL->LanguageName = QStringLiteral("Chinese");
    ReadLanguageLists(*ALL, display, files);
    EXPECT_EQ(display, QStringList({"英文", "中文"}));

    display.clear();
    ALL->LanguageName.clear();
    ReadLanguageLists(*ALL, display, files);
    EXPECT_EQ(display, QStringList({"中文", "英文"}));
}

TEST_F(SysInfoTest, StartUpReadsTheConfigurationThenTheMessageTexts)
{
    writeSysInfo("[SysInfo]\nLanguage=Chinese|English\nDefaultLanguage=1\nCom=COM7\nHelp=ZQ\nPicID=1\n");
    writeFile(pathOf(QStringLiteral("English.Ini")), "[Language]\nReadOk=Reading finished!\n");
    db.reset();
    db = std::make_unique<TfMaindb>(dir.path());
    EXPECT_EQ(ALL->LanguageName, QStringLiteral("English"));
    EXPECT_EQ(ALL->LanguageIndex, 1);
    EXPECT_EQ(ALL->PortName, QStringLiteral("COM7"));
    EXPECT_EQ(ALL->HelpPrefix, QStringLiteral("ZQ"));
    EXPECT_EQ(ALL->PictureIndex, 2);
    EXPECT_EQ(Language->ReadOk, QStringLiteral("Reading finished!"));
    EXPECT_EQ(Language->WriteOk, TLanguage().WriteOk);
}

TEST_F(SysInfoTest, AFreshStartIsEnglishThroughout)
{
    for (const char *name : {"SysInfo.Ini", "English.Ini", "Chinese.Ini"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(ZQ_SOURCE_DATA_DIR "/") + QString::fromLatin1(name),
                                pathOf(QString::fromLatin1(name))));
    db.reset();
    db = std::make_unique<TfMaindb>(dir.path());
    EXPECT_EQ(ALL->LanguageName, QStringLiteral("English"));
    EXPECT_EQ(ALL->LanguageIndex, 0);
    EXPECT_EQ(Language->ExitProgram, QStringLiteral("Do you want to exit the program?"));
    EXPECT_EQ(Language->Channel + Language->Info, QStringLiteral("Channel Information"));
}

TEST(ShippedSysInfo, StartsInEnglishAndOffersChinese)
{
    TALL all;
    all.AppDir = QStringLiteral(ZQ_SOURCE_DATA_DIR "/");
    ReadSysInfo(all);
    EXPECT_EQ(all.LanguageName, QStringLiteral("English"));
    EXPECT_EQ(all.LanguageIndex, 0);
    EXPECT_EQ(all.PortName, QStringLiteral("Com1"));
    EXPECT_EQ(all.HelpPrefix, QStringLiteral("QM"));
    EXPECT_EQ(all.PictureIndex, 1);

    QStringList display;
    QStringList files;
    ReadLanguageLists(all, display, files);
    EXPECT_EQ(files, QStringList({"English", "Chinese"}));
    EXPECT_EQ(display, QStringList({"English", "Chinese"}));
    display.clear();
    all.LanguageName = QStringLiteral("Chinese");
    ReadLanguageLists(all, display, files);
    EXPECT_EQ(display, QStringList({"英文", "中文"}));
    for (const QString &name : files)
        EXPECT_TRUE(QFile::exists(all.AppDir + name + QStringLiteral(".Ini"))) << name.toStdString();
}

}
