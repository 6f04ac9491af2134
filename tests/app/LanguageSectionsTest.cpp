#include "about/TfFrmAbout.h"
#include "app/TfMainFrm.h"
#include "channels/TfChInfo.h"
#include "channels/TfToneOption.h"
#include "i18n/FormLanguage.h"
#include "support/CoreFixture.h"

#include <QLabel>
#include <QListWidget>

namespace {

class LanguageSectionsTest : public CoreFixture
{
protected:
    static void expectAllKeys(QWidget *window, bool translateItems)
    {
        for (const char *language : {"English", "Chinese"}) {
            const QString path = QStringLiteral(ZQ_DATA_DIR "/%1.Ini").arg(QLatin1String(language));
            const QStringList missing = MissingLanguageKeys(window, translateItems, path);
            EXPECT_TRUE(missing.isEmpty()) << language << ": " << missing.join(QStringLiteral(", ")).toStdString();
        }
    }
};

TEST_F(LanguageSectionsTest, ShippedFilesHoldEveryKeyOfTheseWindows)
{
    TfMainFrm main;
    expectAllKeys(&main, true);
    TfChInfo channels;
    expectAllKeys(&channels, true);
    TfToneOption picker;
    expectAllKeys(&picker, false);
    TfFrmAbout about;
    expectAllKeys(&about, false);
}

TEST_F(LanguageSectionsTest, ChineseFileTranslatesTheseWindows)
{
    TfMainFrm main;
    ApplyFormLanguageFile(&main, QStringLiteral(ZQ_DATA_DIR "/Chinese.Ini"), true);
    EXPECT_EQ(main.lMode->text(), QStringLiteral("机型: "));
    TfChInfo channels;
    ApplyFormLanguageFile(&channels, QStringLiteral(ZQ_DATA_DIR "/Chinese.Ini"), true);
    EXPECT_NE(channels.windowTitle(), "Channel Information");
    // Widths and alignment kinds are the same in both files.
    TfChInfo english;
    ApplyFormLanguageFile(&english, QStringLiteral(ZQ_DATA_DIR "/English.Ini"), true);
    for (int i = 10; i < 30; ++i)
        EXPECT_EQ(english.BColText->item(i)->text(), channels.BColText->item(i)->text()) << i;
}

} // namespace
