#include "app/Globals.h"
#include "app/TALL.h"
#include "i18n/FormLanguage.h"
#include "i18n/SysInfo.h"
#include "i18n/TLanguage.h"
#include "i18n/TfSetLanguage.h"
#include "support/CoreFixture.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

class TfSetLanguageTest : public CoreFixture
{
protected:
    void write(const QString &name, const QByteArray &body)
    {
        QFile file(pathOf(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(body);
    }

    // Shows the dialog as the main window does, without waiting in its event loop.
    void show()
    {
        dialog = std::make_unique<TfSetLanguage>();
        dialog->show();
        combo = dialog->findChild<QComboBox *>(QStringLiteral("cbLanguage"));
        fileNames = dialog->findChild<QListWidget *>(QStringLiteral("Language"));
        ASSERT_NE(combo, nullptr);
        ASSERT_NE(fileNames, nullptr);
    }

    void click(const char *name)
    {
        auto *button = dialog->findChild<QPushButton *>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr);
        button->click();
    }

    QStringList items() const
    {
        QStringList t;
        for (int i = 0; i < combo->count(); ++i)
            t << combo->itemText(i);
        return t;
    }

    QStringList files() const
    {
        QStringList t;
        for (int i = 0; i < fileNames->count(); ++i)
            t << fileNames->item(i)->text();
        return t;
    }

    std::unique_ptr<TfSetLanguage> dialog;
    QComboBox *combo = nullptr;
    QListWidget *fileNames = nullptr;
};

TEST_F(TfSetLanguageTest, WithoutSysInfoOffersTheBuiltInLists)
{
    ReadSysInfo(*ALL);
    show();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Language File Setup"));
    EXPECT_EQ(items(), QStringList({"中文", "英文"}));
    EXPECT_EQ(files(), QStringList({"Chinese", "English"}));
    EXPECT_FALSE(fileNames->isVisible());
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_FALSE(dialog->LanguageChanged);

    combo->setCurrentIndex(1);
    click("btnOk");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(dialog->LanguageChanged);
    EXPECT_EQ(ALL->LanguageName, QStringLiteral("English"));
    EXPECT_EQ(ALL->LanguageIndex, 1);
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(TfSetLanguageTest, OkWithTheCurrentLanguageOrCancelChangesNothing)
{
    write(QStringLiteral("SysInfo.Ini"), "[SysInfo]\nLanguage=English|Chinese\nEnglish=English|Chinese\n");
    ReadSysInfo(*ALL);
    show();
    EXPECT_EQ(items(), QStringList({"English", "Chinese"}));
    click("btnOk");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(dialog->LanguageChanged);
    EXPECT_EQ(ALL->LanguageName, QStringLiteral("English"));

    show();
    combo->setCurrentIndex(1);
    click("btnCancel");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->LanguageChanged);
    EXPECT_EQ(ALL->LanguageName, QStringLiteral("English"));
    EXPECT_EQ(ALL->LanguageIndex, 0);
}

TEST_F(TfSetLanguageTest, RelabelsItselfAndTakesTheFileNamesTheLanguageFileGives)
{
    write(QStringLiteral("SysInfo.Ini"), "[SysInfo]\nLanguage=English|Chinese|German\nDefaultLanguage=1\n"
                                         "Chinese=英文|中文|德文\n");
    write(QStringLiteral("Chinese.Ini"), "[fSetLanguage]\nfSetLanguage.Caption=语言文件设置\n"
                                         "lbName.Caption=语言模式：\ncbLanguage.0=never read\n"
                                         "Language.2=Deutsch\n");
    ReadSysInfo(*ALL);
    show();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("语言文件设置"));
    EXPECT_EQ(dialog->findChild<QLabel *>(QStringLiteral("lbName"))->text(), QStringLiteral("语言模式："));
    EXPECT_EQ(dialog->findChild<QPushButton *>(QStringLiteral("btnOk"))->text(), QStringLiteral("&Ok"));
    EXPECT_EQ(items(), QStringList({"英文", "中文", "德文"}));
    EXPECT_EQ(files(), QStringList({"English", "Chinese", "Deutsch"}));
    EXPECT_EQ(combo->currentIndex(), 1);

    combo->setCurrentIndex(2);
    click("btnOk");
    EXPECT_TRUE(dialog->LanguageChanged);
    EXPECT_EQ(ALL->LanguageName, QStringLiteral("Deutsch"));
    EXPECT_EQ(ALL->LanguageIndex, 2);
}

TEST_F(TfSetLanguageTest, ALanguageWithoutAFileNameIsRefusedWithAMessage)
{
    write(QStringLiteral("SysInfo.Ini"), "[SysInfo]\nLanguage=Chinese\n");
    ReadSysInfo(*ALL);
    show();
    EXPECT_EQ(items(), QStringList({"中文", "英文"}));
    combo->setCurrentIndex(1);
    click("btnOk");
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.asked().first().caption, Language->Caution);
    EXPECT_EQ(messages.asked().first().text,
              dialog->findChild<QLabel *>(QStringLiteral("lbNoFile"))->text());
    EXPECT_FALSE(messages.asked().first().text.isEmpty());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->LanguageChanged);
    EXPECT_EQ(ALL->LanguageName, QStringLiteral("Chinese"));
    EXPECT_EQ(ALL->LanguageIndex, 0);

    click("btnCancel");
    EXPECT_FALSE(dialog->LanguageChanged);
}

TEST_F(TfSetLanguageTest, AnIndexOutsideTheListShowsNoChoice)
{
    for (const QByteArray index : {"5", "-1"}) {
        write(QStringLiteral("SysInfo.Ini"), "[SysInfo]\nLanguage=English|Chinese\nDefaultLanguage=" + index + "\n");
        ReadSysInfo(*ALL);
        const QString name = ALL->LanguageName;
        show();
        EXPECT_EQ(combo->currentIndex(), -1) << index.constData();
        click("btnOk");
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_FALSE(dialog->LanguageChanged);
        EXPECT_EQ(ALL->LanguageIndex, index.toInt());
        EXPECT_EQ(ALL->LanguageName, name);
        EXPECT_EQ(messages.count(), 0);
    }
}

TEST_F(TfSetLanguageTest, ShippedFilesHoldEveryKeyOfTheDialog)
{
    ReadSysInfo(*ALL);
    show();
    QStringList read;
    for (const LanguageKey &k : FormLanguageKeys(dialog.get(), false))
        read << k.key;
    // The hidden list of file names is read too, but the shipped files leave it alone so that
    // SysInfo.Ini alone names the language files.
    EXPECT_TRUE(read.contains(QStringLiteral("Language.0")));
    for (const char *file : {"English.Ini", "Chinese.Ini"}) {
        const QString path = QStringLiteral(ZQ_SOURCE_DATA_DIR "/") + QString::fromLatin1(file);
        QStringList missing = MissingLanguageKeys(dialog.get(), false, path);
        EXPECT_EQ(missing.removeIf([](const QString &k) { return k.startsWith(QLatin1String("[fSetLanguage] Language.")); }),
                  fileNames->count())
            << file;
        EXPECT_TRUE(missing.isEmpty()) << file << ": " << missing.join(QLatin1Char(' ')).toStdString();
    }
}

}
