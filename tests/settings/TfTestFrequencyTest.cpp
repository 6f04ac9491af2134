#include "app/Globals.h"
#include "app/TALL.h"
#include "channels/CellGrid.h"
#include "codeplug/ChannelTable.h"
#include "codeplug/TTestFre.h"
#include "i18n/TLanguage.h"
#include "settings/TfTestFrequency.h"
#include "support/CoreFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

class TestFrequencyTest : public CoreFixture
{
protected:
    void open()
    {
        dialog = std::make_unique<TfTestFrequency>();
        dialog->show();
    }
    void TearDown() override
    {
        dialog.reset();
        CoreFixture::TearDown();
    }

    // Types into a cell with the grid's editor and commits with Enter.
    void type(int n, int col, const QString &text)
    {
        ASSERT_TRUE(dialog->gvData->setCurrentCell(col, n + 1));
        ASSERT_TRUE(dialog->gvData->startEditing(true));
        if (text.isEmpty())
            QTest::keyClick(dialog->gvData->editor(), Qt::Key_Backspace);
        else
            QTest::keyClicks(dialog->gvData->editor(), text);
        QTest::keyClick(dialog->gvData->editor(), Qt::Key_Return);
    }
    QString cell(int n, int col) const { return dialog->gvData->table()->text(col, n + 1); }

    std::unique_ptr<TfTestFrequency> dialog;
};

TEST_F(TestFrequencyTest, ShowsTheSixteenPairsAndWritesThemBackOnOk)
{
    open();
    const ChannelTable &t = *dialog->gvData->table();
    EXPECT_EQ(t.colCount(), 4);
    EXPECT_EQ(t.rowCount(), 18);
    EXPECT_EQ(t.text(1, 1), QStringLiteral("信道"));
    EXPECT_EQ(t.text(2, 1), QStringLiteral("接收[MHz]"));
    EXPECT_EQ(t.text(3, 1), QStringLiteral("发射[MHz]"));
    EXPECT_EQ(t.text(1, 17), QStringLiteral("16"));
    EXPECT_EQ(cell(1, 2), QStringLiteral("460.05000"));
    EXPECT_EQ(cell(3, 3), QStringLiteral("479.90000"));
    EXPECT_TRUE(cell(7, 2).isEmpty());
    EXPECT_TRUE(t.readOnly(1, 5));
    EXPECT_FALSE(t.readOnly(2, 5));

    const TTestFre before = *TestFre;
    QTest::mouseClick(dialog->btnOk, Qt::LeftButton);
    for (int n = 1; n <= 16; ++n) {
        EXPECT_EQ(TestFre->RxFreq[n], before.RxFreq[n]) << n;
        EXPECT_EQ(TestFre->TxFreq[n], before.TxFreq[n]) << n;
    }
    // Untouched cells show no notice, and nothing marks the codeplug modified.
    EXPECT_EQ(messages.count(), 0);
    EXPECT_FALSE(ALL->Modified);
}

TEST_F(TestFrequencyTest, CommittedCellsAreCheckedAgainstModelAndBand)
{
    const struct
    {
        const char *typed, *shown, *message;
    } cases[] = {
        {"460.05", "460.05000", ""},
        {"700", "470.00000", "ErrRange"},
        {"100", "450.00000", "ErrRange"},
        {"480", "480.00000", "OutRange"},
        {"460.0073", "460.00730", ""}, // no raster here
    };
    open();
    for (const auto &c : cases) {
        messages.clear();
        type(8, 3, QString::fromLatin1(c.typed));
        EXPECT_EQ(cell(8, 3), QString::fromLatin1(c.shown)) << c.typed;
        if (*c.message) {
            ASSERT_EQ(messages.count(), 1) << c.typed;
            EXPECT_EQ(messages.asked().at(0).caption, Language->Caution);
            EXPECT_EQ(messages.asked().at(0).text,
                      QLatin1String(c.message) == QLatin1String("ErrRange") ? Language->ErrRange : Language->OutRange);
        } else {
            EXPECT_EQ(messages.count(), 0) << c.typed;
        }
    }
    EXPECT_TRUE(dialog->Edited);
    // Signs and letters cannot be typed, nor a sixth digit after the point.
    type(9, 2, QStringLiteral("-4a60.1234567"));
    EXPECT_EQ(cell(9, 2), QStringLiteral("460.12345"));
}

TEST_F(TestFrequencyTest, ATextThatIsNoNumberIsReportedAndTheCellKeepsItsText)
{
    open();
    type(1, 2, QString());
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.asked().at(0).text, QStringLiteral("'' is not a valid floating point value"));
    EXPECT_EQ(cell(1, 2), QStringLiteral("460.05000"));
    messages.clear();
    type(2, 2, QStringLiteral("."));
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.asked().at(0).text, QStringLiteral("'.' is not a valid floating point value"));
    EXPECT_EQ(cell(2, 2), QStringLiteral("440.05000"));
    EXPECT_FALSE(dialog->Edited);
    messages.clear();
    QTest::mouseClick(dialog->btnCancel, Qt::LeftButton);
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(TestFrequencyTest, ClosingAfterAnEditShowsTheNoticeWhateverTheWay)
{
    for (int way = 0; way < 3; ++way) {
        *TestFre = TTestFre();
        open();
        type(10, 2, QStringLiteral("455"));
        messages.clear();
        if (way == 0)
            QTest::mouseClick(dialog->btnOk, Qt::LeftButton);
        else if (way == 1)
            QTest::mouseClick(dialog->btnCancel, Qt::LeftButton);
        else
            dialog->close();
        ASSERT_EQ(messages.count(), 1) << way;
        EXPECT_EQ(messages.asked().at(0).caption, Language->Confirmation);
        EXPECT_EQ(messages.asked().at(0).text, dialog->Label1->text());
        EXPECT_EQ(messages.asked().at(0).type, 1);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(TestFre->RxFreq[10], way == 0 ? QStringLiteral("455.00000") : QString()) << way;
    }
    EXPECT_FALSE(ALL->Modified);
}

} // namespace
