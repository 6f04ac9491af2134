#include "about/TfFrmAbout.h"
#include "app/Globals.h"
#include "app/TALL.h"
#include "support/CoreFixture.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

namespace {

class AboutTest : public CoreFixture
{
protected:
    void writeLanguage(const QByteArray &section)
    {
        QFile f(pathOf("Test.Ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[fFrmAbout]\n" + section);
    }
};

TEST_F(AboutTest, WithoutLanguageTextsShowsItsPlaceholders)
{
    ALL->LanguageName = "Missing";
    TfFrmAbout about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    EXPECT_EQ(about.windowTitle(), "ZQ-410");
    EXPECT_EQ(about.size(), QSize(408, 269));
    const QStringList shown = {about.Label1->text(), about.Label2->text(), about.Label3->text(),
                               about.Label8->text(), about.Label4->text(), about.Label9->text()};
    EXPECT_EQ(shown, (QStringList{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(about.Memo1->toPlainText(), "7\n8\n\n9");
    EXPECT_FALSE(about.Panel1->isVisible());
}

TEST_F(AboutTest, TakesEveryLineFromTheLanguageFileEvenForTheFirstLanguage)
{
    writeLanguage("fFrmAbout.Caption=Ignored\nLabel1.Caption=Title line\nLabel9.Caption=Sixth\n"
                  "Label5.Caption=Memo one\nLabel7.Caption=Memo three\n");
    ALL->LanguageName = "Test";
    ALL->LanguageIndex = 0;
    TfFrmAbout about;
    about.show();
    EXPECT_EQ(about.windowTitle(), ALL->ProductTitle);
    EXPECT_EQ(about.Label1->text(), "Title line");
    EXPECT_EQ(about.Label9->text(), "Sixth");
    EXPECT_EQ(about.Label2->text(), "2");
    EXPECT_EQ(about.Memo1->toPlainText(), "Memo one\n8\n\nMemo three");
}

TEST_F(AboutTest, ClosesOnAClickOnItsBackgroundOrALabelButNotOnTheMemoOrIcon)
{
    TfFrmAbout about;
    about.show();
    QTest::mouseClick(about.Memo1->viewport(), Qt::LeftButton);
    EXPECT_TRUE(about.isVisible());
    QTest::mouseClick(about.ImApp, Qt::LeftButton);
    EXPECT_TRUE(about.isVisible());
    QTest::mouseClick(about.Label4, Qt::RightButton);
    EXPECT_FALSE(about.isVisible());

    TfFrmAbout again;
    again.show();
    QTest::mouseClick(&again, Qt::LeftButton, {}, QPoint(400, 140));
    EXPECT_FALSE(again.isVisible());
}

} // namespace
