#include "i18n/CodePage.h"
#include "i18n/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray gbk(const QString &text)
{
    QByteArray bytes;
    EXPECT_TRUE(CodePage::fromUnicode(text, bytes));
    return bytes;
}

class IniFileTest : public ::testing::Test
{
protected:
    QString write(const QByteArray &bytes, const QString &name = QStringLiteral("Test.Ini"))
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QByteArray contents(const QString &path)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    QTemporaryDir dir;
};

struct ReadCase
{
    const char *what;
    QByteArray file;
    const char *section;
    const char *key;
    QString expected;
};

TEST_F(IniFileTest, ReadsLikeThePrivateProfileRoutines)
{
    const QString def = QStringLiteral("<default>");
    const QList<ReadCase> cases = {
        {"names match without regard to case", "[SysInfo]\nCom=Com3\n", "SYSINFO", "com", "Com3"},
        {"first matching key wins", "[A]\nk=1\nK=2\n", "a", "k", "1"},
        {"first matching section wins", "[A]\nk=1\n[a]\nk=2\n", "A", "k", "1"},
        {"only the first matching section is searched", "[A]\nx=1\n[a]\nk=2\n", "A", "k", def},
        {"blanks around names and values dropped", "  [ A ]  \n \t k \t=  v w \t\n", "A", "k", "v w"},
        {"double quotes dropped", "[A]\nk=\"  v  \"\n", "A", "k", "  v  "},
        {"single quotes dropped", "[A]\nk='v'\n", "A", "k", "v"},
        {"only one pair of quotes", "[A]\nk=\"\"v\"\"\n", "A", "k", "\"v\""},
        {"mismatched quotes kept", "[A]\nk=\"v'\n", "A", "k", "\"v'"},
        {"a lone quote kept", "[A]\nk=\"\n", "A", "k", "\""},
        {"empty value is a value", "[A]\nk=\n", "A", "k", ""},
        {"empty quotes give an empty value", "[A]\nk=\"\"\n", "A", "k", ""},
        {"value keeps its equals signs", "[A]\nk=a=b\n", "A", "k", "a=b"},
        {"comment line", "[A]\n;k=1\n", "A", "k", def},
        {"indented comment line", "[A]\n  ;k=1\nk=2\n", "A", "k", "2"},
        {"line without equals sign is no key", "[A]\nk\n", "A", "k", def},
        {"key before any section belongs to none", "k=1\n[A]\n", "A", "k", def},
        {"missing section", "[A]\nk=1\n", "B", "k", def},
        {"missing key", "[A]\nk=1\n", "A", "j", def},
        {"key of another section", "[A]\n[B]\nk=1\n", "A", "k", def},
        {"CRLF line ends", "[A]\r\nk=v\r\n", "A", "k", "v"},
        {"no line end at the end", "[A]\nk=v", "A", "k", "v"},
        {"section without closing bracket", "[A\nk=v\n", "A", "k", "v"},
        {"UTF-8 BOM dropped", "\xEF\xBB\xBF[A]\nk=v\n", "A", "k", "v"},
        {"UTF-8 text", "[A]\nk=\xE4\xB8\xAD\xE6\x96\x87\n", "A", "k", QStringLiteral("中文")},
        {"GBK text", "[A]\nk=\xD6\xD0\xCE\xC4\n", "A", "k", QStringLiteral("中文")},
        {"ASCII cut to 2047 bytes", "[A]\nk=" + QByteArray(3000, 'x') + "\n", "A", "k", QString(2047, QLatin1Char('x'))},
        {"UTF-8 cut on a character boundary", "[A]\nk=" + QStringLiteral("中").repeated(1000).toUtf8() + "\n", "A",
         "k", QStringLiteral("中").repeated(682)},
        {"UTF-8 cut exactly at 2047", "[A]\nk=x" + QStringLiteral("中").repeated(1000).toUtf8() + "\n", "A", "k",
         QStringLiteral("x") + QStringLiteral("中").repeated(682)},
        {"GBK cut on a character boundary", "[A]\nk=" + gbk(QStringLiteral("中").repeated(1500)) + "\n", "A", "k",
         QStringLiteral("中").repeated(1023)},
        {"GBK cut exactly at 2047", "[A]\nk=x" + gbk(QStringLiteral("中").repeated(1500)) + "\n", "A", "k",
         QStringLiteral("x") + QStringLiteral("中").repeated(1023)},
    };
    for (const ReadCase &c : cases) {
        const IniFile ini(write(c.file));
        EXPECT_EQ(ini.readString(QString::fromLatin1(c.section), QString::fromLatin1(c.key), def), c.expected)
            << c.what;
        EXPECT_EQ(ini.contains(QString::fromLatin1(c.section), QString::fromLatin1(c.key)), c.expected != def)
            << c.what;
    }
}

TEST_F(IniFileTest, MissingFileGivesDefaults)
{
    const IniFile ini(dir.filePath(QStringLiteral("None.Ini")));
    EXPECT_FALSE(ini.wasRead());
    EXPECT_EQ(ini.readString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("d")), QStringLiteral("d"));
    EXPECT_FALSE(ini.contains(QStringLiteral("A"), QStringLiteral("k")));
}

TEST_F(IniFileTest, GbkAndUtf8FilesGiveTheSameTexts)
{
    const QString text = QStringLiteral("[SysInfo]\r\nLanguage=Chinese|English\r\nChinese=中文|英文\r\n"
                                        "[Language]\r\nConfirmation=提示\r\nExitProgram=确定要退出系统？\r\n"
                                        "ComError=检查所有连接及通信端口设置！\r\n");
    const IniFile utf8(write(text.toUtf8(), QStringLiteral("u.Ini")));
    const IniFile legacy(write(gbk(text), QStringLiteral("g.Ini")));
    EXPECT_EQ(utf8.encoding(), IniFile::Encoding::Utf8);
    EXPECT_EQ(legacy.encoding(), IniFile::Encoding::Gbk);
    const QList<QPair<QString, QString>> keys = {
        {"SysInfo", "Language"}, {"SysInfo", "Chinese"}, {"Language", "Confirmation"},
        {"Language", "ExitProgram"}, {"Language", "ComError"}};
    for (const auto &k : keys) {
        const QString fromUtf8 = utf8.readString(k.first, k.second, QString());
        EXPECT_FALSE(fromUtf8.isEmpty()) << k.second.toStdString();
        EXPECT_EQ(legacy.readString(k.first, k.second, QString()), fromUtf8) << k.second.toStdString();
    }
    EXPECT_EQ(legacy.readString(QStringLiteral("sysinfo"), QStringLiteral("chinese"), QString()),
              QStringLiteral("中文|英文"));
}

TEST_F(IniFileTest, WritingReplacesInPlaceAndKeepsEveryOtherLine)
{
    const QByteArray before = "; settings\r\n"
                              "[Other]\r\n"
                              "Com=keep\r\n"
                              "\r\n"
                              "[SysInfo]\n"
                              "  Com  =  Com1   \r\n"
                              "Unknown = x \r\n"
                              "com=second\r\n"
                              "\r\n"
                              "[Tail]\r\n"
                              "a=b";
    const QString path = write(before);
    IniFile ini(path);
    ASSERT_TRUE(ini.writeString(QStringLiteral("sysinfo"), QStringLiteral("COM"), QStringLiteral("COM3")));
    ASSERT_TRUE(ini.writeString(QStringLiteral("SysInfo"), QStringLiteral("PicID"), QStringLiteral("2")));
    ASSERT_TRUE(ini.writeString(QStringLiteral("Tail"), QStringLiteral("c"), QStringLiteral("d")));
    ASSERT_TRUE(ini.writeString(QStringLiteral("New"), QStringLiteral("k"), QStringLiteral("v")));
    ASSERT_TRUE(ini.save()) << ini.errorString().toStdString();
    EXPECT_EQ(contents(path), QByteArray("; settings\r\n"
                                         "[Other]\r\n"
                                         "Com=keep\r\n"
                                         "\r\n"
                                         "[SysInfo]\n"
                                         "Com=COM3\r\n"
                                         "Unknown = x \r\n"
                                         "com=second\r\n"
                                         "PicID=2\r\n"
                                         "\r\n"
                                         "[Tail]\r\n"
                                         "a=b\r\n"
                                         "c=d\r\n"
                                         "[New]\r\n"
                                         "k=v\r\n"));
    const IniFile again(path);
    EXPECT_EQ(again.readString(QStringLiteral("SysInfo"), QStringLiteral("Com"), QString()), QStringLiteral("COM3"));
}

TEST_F(IniFileTest, ValuesComeBackAsWritten)
{
    const QString path = dir.filePath(QStringLiteral("New.Ini"));
    IniFile ini(path);
    const QStringList values = {QStringLiteral("  padded  "), QStringLiteral("\"quoted\""), QStringLiteral("'q'"),
                                QString(), QStringLiteral("中文")};
    for (int i = 0; i < values.size(); ++i)
        ASSERT_TRUE(ini.writeString(QStringLiteral("A"), QStringLiteral("k%1").arg(i), values[i]));
    ASSERT_TRUE(ini.save());
    EXPECT_FALSE(contents(path).startsWith("\xEF\xBB\xBF"));
    const IniFile again(path);
    EXPECT_EQ(again.encoding(), IniFile::Encoding::Utf8);
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(again.readString(QStringLiteral("A"), QStringLiteral("k%1").arg(i), QStringLiteral("x")), values[i]);
}

TEST_F(IniFileTest, FileIsWrittenBackInTheEncodingItWasReadIn)
{
    const QString legacyPath = write(QByteArray("[A]\r\nk=\xD6\xD0\xCE\xC4\r\nj=1\r\n"), QStringLiteral("g.Ini"));
    IniFile legacy(legacyPath);
    ASSERT_TRUE(legacy.writeString(QStringLiteral("A"), QStringLiteral("j"), QStringLiteral("英文")));
    ASSERT_TRUE(legacy.save());
    EXPECT_EQ(contents(legacyPath), QByteArray("[A]\r\nk=\xD6\xD0\xCE\xC4\r\nj=\xD3\xA2\xCE\xC4\r\n"));

    const QString bomPath = write(QByteArray("\xEF\xBB\xBF[A]\nk=1\n"), QStringLiteral("b.Ini"));
    IniFile bom(bomPath);
    ASSERT_TRUE(bom.writeString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("英")));
    ASSERT_TRUE(bom.save());
    EXPECT_EQ(contents(bomPath), QByteArray("\xEF\xBB\xBF[A]\nk=\xE8\x8B\xB1\n"));
}

TEST_F(IniFileTest, RefusesWhatCannotBeWritten)
{
    const QString legacyPath = write(QByteArray("[A]\r\nk=\xD6\xD0\r\n"), QStringLiteral("g.Ini"));
    IniFile ini(legacyPath);
    EXPECT_FALSE(ini.writeString(QStringLiteral("A"), QStringLiteral("k"), QString::fromUtf8("\xF0\x9F\x98\x80")));
    EXPECT_FALSE(ini.writeString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("two\nlines")));
    EXPECT_FALSE(ini.writeString(QStringLiteral("A"), QStringLiteral("a=b"), QStringLiteral("v")));
    EXPECT_FALSE(ini.writeString(QStringLiteral("A]"), QStringLiteral("k"), QStringLiteral("v")));
    EXPECT_FALSE(ini.writeString(QStringLiteral("A"), QString(), QStringLiteral("v")));
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(contents(legacyPath), QByteArray("[A]\r\nk=\xD6\xD0\r\n"));
}

TEST_F(IniFileTest, FailedSaveReportsAndLeavesNothing)
{
    const QString blocker = write("not a directory", QStringLiteral("blocker"));
    IniFile ini(blocker + QStringLiteral("/SysInfo.Ini"));
    ASSERT_TRUE(ini.writeString(QStringLiteral("SysInfo"), QStringLiteral("Com"), QStringLiteral("COM1")));
    EXPECT_FALSE(ini.save());
    EXPECT_FALSE(ini.errorString().isEmpty());
    EXPECT_EQ(contents(blocker), QByteArray("not a directory"));
}

TEST(CodePageTest, ConvertsBothWays)
{
    QString text;
    ASSERT_TRUE(CodePage::toUnicode(QByteArray("\xD6\xD0\xCE\xC4 ok \xCC\xE1\xCA\xBE"), text));
    EXPECT_EQ(text, QStringLiteral("中文 ok 提示"));
    QByteArray bytes;
    ASSERT_TRUE(CodePage::fromUnicode(QStringLiteral("英文"), bytes));
    EXPECT_EQ(bytes, QByteArray("\xD3\xA2\xCE\xC4"));

    EXPECT_FALSE(CodePage::toUnicode(QByteArray("ab\xD6"), text));
    EXPECT_TRUE(text.isEmpty());
    EXPECT_FALSE(CodePage::fromUnicode(QString::fromUtf8("a\xF0\x9F\x98\x80"), bytes));
    EXPECT_TRUE(bytes.isEmpty());
}

}
