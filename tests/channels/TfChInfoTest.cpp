#include "app/Globals.h"
#include "app/TALL.h"
#include "channels/CellGrid.h"
#include "channels/TfChInfo.h"
#include "channels/TfToneOption.h"
#include "codeplug/ChannelTable.h"
#include "i18n/TLanguage.h"
#include "support/CoreFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>

namespace {

class ChInfoTest : public CoreFixture
{
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        // The table as the program starts: no rows built before the window's first show.
        Channels->setRowCount(2);
        window = std::make_unique<TfChInfo>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ALL->Modified = false;
    }
    void TearDown() override
    {
        window.reset();
        CoreFixture::TearDown();
    }

    void click(int col, int row)
    {
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->cellRect(col, row).center());
    }
    // Types into a cell through the grid's editor, as a user does: click, type, Enter.
    void type(int col, int row, const QString &keys)
    {
        click(col, row);
        ASSERT_TRUE(grid()->isEditing()) << "no editor on " << col << "," << row;
        QTest::keyClick(grid()->editor(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(grid()->editor(), Qt::Key_Backspace);
        QTest::keyClicks(grid()->editor(), keys);
        QTest::keyClick(grid()->editor(), Qt::Key_Return);
    }
    CellGrid *grid() const { return window->gvData; }
    QString text(int col, int row) const { return Channels->text(col, row); }
    QString value(int col, int row) const { return Channels->value(col, row); }
    QComboBox *visibleBox() const
    {
        for (QComboBox *b : {window->cbQT, window->cbDQT, window->cbfsgl, window->cbkz, window->cbHave})
            if (b->isVisible())
                return b;
        return nullptr;
    }

    std::unique_ptr<TfChInfo> window;
};

TEST_F(ChInfoTest, FirstShowLaysOutTheTable)
{
    EXPECT_EQ(window->width(), 810);
    EXPECT_LE(window->height(), 480);
    ASSERT_EQ(Channels->colCount(), 11);
    ASSERT_EQ(Channels->rowCount(), 18);
    EXPECT_EQ(text(1, 1), "Channel No.");
    EXPECT_EQ(text(10, 1), "Busy Lockout");
    EXPECT_EQ(text(1, 2), "1");
    EXPECT_EQ(text(1, 17), "16");
    EXPECT_EQ(Channels->columnWidth(2), 90);
    EXPECT_EQ(Channels->alignment(2, 5), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(Channels->alignment(6, 5), Qt::AlignHCenter | Qt::AlignVCenter);
    EXPECT_FALSE(Channels->readOnly(ColRx, 3));
    EXPECT_TRUE(Channels->readOnly(ColTx, 3));
    EXPECT_EQ(window->lNone->text(), "None");
    EXPECT_EQ(Channels->noToneText(), "None");
    EXPECT_EQ(Channels->fixedCols(), 1);
    EXPECT_EQ(Channels->fixedRows(), 1);
}

TEST_F(ChInfoTest, ReceiveFrequencyInAFreeRowMakesAChannelWithTheDefaults)
{
    type(ColRx, 2, "455");
    EXPECT_EQ(messages.count(), 0);
    EXPECT_EQ(text(ColRx, 2), "455.00000");
    EXPECT_EQ(value(ColNumber, 2), "1");
    EXPECT_EQ(text(ColTx, 2), "455.00000");
    EXPECT_EQ(text(ColDecode, 2), "None");
    EXPECT_EQ(value(ColDecode, 2), "0");
    EXPECT_EQ(text(ColEncode, 2), "None");
    EXPECT_EQ(text(ColPower, 2), "High");
    EXPECT_EQ(value(ColPower, 2), "1");
    EXPECT_EQ(text(ColWidth, 2), "Wide");
    EXPECT_EQ(value(ColWidth, 2), "0");
    for (int c : {ColScanAdd, ColBeatShift, ColBusyLockout}) {
        EXPECT_EQ(text(c, 2), "No");
        EXPECT_EQ(value(c, 2), "1");
    }
    EXPECT_FALSE(Channels->readOnly(ColTx, 2));
    EXPECT_TRUE(ALL->Modified);
    // The next row stays free.
    EXPECT_TRUE(text(ColRx, 3).isEmpty());
}

TEST_F(ChInfoTest, TypedFrequenciesAreCheckedAndSnappedToTheRaster)
{
    struct Case
    {
        const char *typed;
        const char *stored;
        QString message; // empty: none
    };
    const Case cases[] = {
        {"460.0073", "460.00625", {}},
        {"460.007", "460.00500", {}},
        {"460.005", "460.00500", {}},
        {"460,0125", "460.01250", {}},     // a comma is taken as the decimal point
        {"4a6b0x.c1", "460.10000", {}},    // letters cannot be typed
        {"700", "470.00000", Language->ErrRange},
        {"650", "650.00000", Language->OutRange}, // the model's limit itself is allowed
        {"200", "450.00000", Language->ErrRange},
        {"440", "440.00000", Language->OutRange},
        {"1.2.3", "470.00000", Language->OutRange},
    };
    int row = FirstChannelRow;
    for (const Case &c : cases) {
        messages.clear();
        type(ColRx, row, QString::fromLatin1(c.typed));
        EXPECT_EQ(text(ColRx, row), QString::fromLatin1(c.stored)) << c.typed;
        if (c.message.isEmpty()) {
            EXPECT_EQ(messages.count(), 0) << c.typed << " " << messages.texts().join(',').toStdString();
        } else {
            ASSERT_EQ(messages.count(), 1) << c.typed;
            EXPECT_EQ(messages.asked()[0].caption, Language->Caution);
            EXPECT_EQ(messages.asked()[0].text, c.message) << c.typed;
            EXPECT_EQ(messages.asked()[0].type, MsgInformation);
        }
        EXPECT_EQ(value(ColNumber, row), "1");
        ++row;
    }
    // A TX entry is checked the same way but does not touch the rest of the row.
    messages.clear();
    type(ColTx, FirstChannelRow, "465.0073");
    EXPECT_EQ(text(ColTx, FirstChannelRow), "465.00625");
    EXPECT_EQ(text(ColRx, FirstChannelRow), "460.00625");
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(ChInfoTest, ErasingReceiveFreesTheRowAndErasingTransmitLeavesAChannelWithoutIt)
{
    type(ColRx, 2, "460.05");
    type(ColRx, 3, "461.05");
    type(ColTx, 3, "");
    EXPECT_TRUE(text(ColTx, 3).isEmpty());
    EXPECT_EQ(value(ColNumber, 3), "1");
    EXPECT_EQ(text(ColPower, 3), "High");

    type(ColRx, 2, "");
    EXPECT_TRUE(value(ColNumber, 2).isEmpty());
    for (int c = ColRx; c <= ColBusyLockout; ++c) {
        EXPECT_TRUE(text(c, 2).isEmpty()) << c;
        EXPECT_TRUE(value(c, 2).isEmpty()) << c;
    }
    EXPECT_TRUE(Channels->readOnly(ColTx, 2));
    // The TX cell of a free row opens no editor.
    click(ColTx, 2);
    EXPECT_FALSE(grid()->isEditing());
}

TEST_F(ChInfoTest, BoxesOpenOnlyOverCellsThatTakeThem)
{
    type(ColRx, 2, "460.05");
    type(ColRx, 3, "461.05");
    type(ColTx, 3, "");

    click(ColDecode, 4); // a free row
    EXPECT_EQ(visibleBox(), nullptr);
    click(ColPower, 4);
    EXPECT_EQ(visibleBox(), nullptr);
    click(ColEncode, 3); // no TX frequency
    EXPECT_EQ(visibleBox(), nullptr);

    const bool modified = ALL->Modified;
    ALL->Modified = false;
    click(ColDecode, 3);
    ASSERT_EQ(visibleBox(), window->cbQT);
    EXPECT_EQ(window->cbQT->currentText(), "None");
    const QRect cell = grid()->cellRect(ColDecode, 3);
    const QPoint at = grid()->viewport()->mapTo(window.get(), cell.topLeft());
    EXPECT_EQ(window->cbQT->pos(), at + QPoint(2, 2));
    EXPECT_EQ(window->cbQT->width(), 80);
    // Laying a box over a cell is no edit.
    EXPECT_FALSE(ALL->Modified);
    ALL->Modified = modified;

    click(ColEncode, 2);
    EXPECT_EQ(visibleBox(), window->cbDQT);
    click(ColWidth, 2);
    EXPECT_EQ(visibleBox(), window->cbkz);
    EXPECT_EQ(window->cbkz->currentIndex(), 0);
    click(ColBusyLockout, 2);
    EXPECT_EQ(visibleBox(), window->cbHave);
    EXPECT_EQ(window->cbHave->currentIndex(), 1);
    // The header brings back the box of the cell selected before.
    click(ColRx, 1);
    EXPECT_EQ(visibleBox(), window->cbHave);
}

TEST_F(ChInfoTest, ToneBoxesFilterKeysAndStoreTheToneTextRule)
{
    type(ColRx, 2, "460.05");
    struct Case
    {
        const char *typed;
        const char *stored;
    };
    const Case cases[] = {
        {"d023n", "D777N"}, {"88", "88.0"}, {"D023i", "D023I"}, {"D0x2y3zN", "D023N"}, {"67,0", "67.0"}, {"", "None"},
    };
    for (const Case &c : cases) {
        click(ColDecode, 2);
        QComboBox *box = visibleBox();
        ASSERT_EQ(box, window->cbQT);
        box->lineEdit()->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, QString::fromLatin1(c.typed));
        ALL->Modified = false;
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_FALSE(box->isVisible());
        EXPECT_TRUE(grid()->hasFocus());
        EXPECT_EQ(text(ColDecode, 2), QString::fromLatin1(c.stored)) << c.typed;
        EXPECT_TRUE(ALL->Modified);
    }
    // Choosing an item writes it at once; the no-tone item gives the no-tone text.
    click(ColEncode, 2);
    ASSERT_EQ(visibleBox(), window->cbDQT);
    window->cbDQT->setCurrentIndex(40);
    emit window->cbDQT->activated(40);
    EXPECT_EQ(text(ColEncode, 2), "D023N");
    window->cbDQT->setCurrentIndex(0);
    emit window->cbDQT->activated(0);
    EXPECT_EQ(text(ColEncode, 2), "None");
}

TEST_F(ChInfoTest, ListBoxesWriteTheirIndexAndText)
{
    type(ColRx, 2, "460.05");
    click(ColPower, 2);
    ASSERT_EQ(visibleBox(), window->cbfsgl);
    ALL->Modified = false;
    QTest::keyClick(window->cbfsgl, Qt::Key_Up);
    EXPECT_EQ(text(ColPower, 2), "Low");
    EXPECT_EQ(value(ColPower, 2), "0");
    EXPECT_TRUE(ALL->Modified);
    click(ColScanAdd, 2);
    ASSERT_EQ(visibleBox(), window->cbHave);
    QTest::keyClick(window->cbHave, Qt::Key_Up);
    EXPECT_EQ(text(ColScanAdd, 2), "Yes");
    EXPECT_EQ(value(ColScanAdd, 2), "0");
    EXPECT_EQ(text(ColBeatShift, 2), "No");
    // Focus loss hides the box.
    click(ColRx, 3);
    EXPECT_EQ(visibleBox(), nullptr);
}

TEST_F(ChInfoTest, CloseEditorsCommitsWhatWasTypedAndHidesTheBoxes)
{
    type(ColRx, 2, "460.05");
    click(ColDecode, 2);
    QTest::keyClicks(visibleBox(), "100");
    window->CloseEditors();
    EXPECT_EQ(visibleBox(), nullptr);
    EXPECT_EQ(text(ColDecode, 2), "100.0");

    click(ColRx, 3);
    QTest::keyClicks(grid()->editor(), "462");
    window->CloseEditors();
    EXPECT_FALSE(grid()->isEditing());
    EXPECT_EQ(text(ColRx, 3), "462.00000");
}

TEST_F(ChInfoTest, DoubleClickInAToneBoxPicksFromThePicker)
{
    type(ColRx, 2, "460.05");
    click(ColEncode, 2);
    ASSERT_EQ(visibleBox(), window->cbDQT);
    bool picked = false;
    QTimer::singleShot(0, [&] {
        auto *picker = qobject_cast<TfToneOption *>(QApplication::activeModalWidget());
        ASSERT_NE(picker, nullptr);
        QTest::mouseClick(picker->rDCSI, Qt::LeftButton, {}, QPoint(8, picker->rDCSI->height() / 2));
        const QPoint at = picker->gvDcsI->cellRect(2, 1).center();
        QTest::mouseClick(picker->gvDcsI->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(picker->gvDcsI->viewport(), Qt::LeftButton, {}, at);
        picked = true;
    });
    ALL->Modified = false;
    QTest::mouseDClick(window->cbDQT->lineEdit(), Qt::LeftButton);
    EXPECT_TRUE(picked);
    EXPECT_EQ(text(ColEncode, 2), "D023I");
    EXPECT_EQ(window->cbDQT->currentText(), "D023I");
    EXPECT_TRUE(ALL->Modified);
}

TEST_F(ChInfoTest, RelabelGridRederivesShownTextsFromValuesAndKeepsModified)
{
    type(ColRx, 2, "460.05");
    type(ColRx, 3, "461.05");
    click(ColDecode, 3);
    QTest::keyClicks(visibleBox(), "88");
    QTest::keyClick(visibleBox(), Qt::Key_Return);
    ALL->Modified = false;

    QFile file(pathOf("Test.Ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[fChInfo]\ncbQT.0=Off\ncbQT.5=ignored\ncbDQT.0=Off\ncbfsgl.1=Hi\ncbkz.0=W\ncbHave.1=N\nBColText.1=RX\n");
    file.close();
    ALL->LanguageName = "Test";
    window->RelabelGrid();

    EXPECT_EQ(text(ColRx, 1), "RX");
    EXPECT_EQ(text(ColDecode, 2), "Off");
    EXPECT_EQ(text(ColEncode, 2), "Off");
    EXPECT_EQ(text(ColDecode, 3), "88.0");
    EXPECT_EQ(text(ColPower, 2), "Hi");
    EXPECT_EQ(text(ColWidth, 2), "W");
    EXPECT_EQ(text(ColBusyLockout, 2), "N");
    EXPECT_EQ(value(ColPower, 2), "1");
    EXPECT_EQ(value(ColBusyLockout, 2), "1");
    EXPECT_TRUE(text(ColDecode, 4).isEmpty());
    EXPECT_EQ(window->lNone->text(), "Off");
    EXPECT_EQ(Channels->noToneText(), "Off");
    EXPECT_EQ(Channels->itemText(ColPower, 1), "Hi");
    EXPECT_EQ(window->cbQT->itemText(5), "77.0");
    EXPECT_FALSE(ALL->Modified);
    EXPECT_FALSE(ALL->Relabeling);
    // A new channel takes the new texts.
    type(ColRx, 4, "462");
    EXPECT_EQ(text(ColDecode, 4), "Off");
    EXPECT_EQ(text(ColScanAdd, 4), "N");
}

TEST_F(ChInfoTest, ClosingOnlyMinimises)
{
    window->close();
    EXPECT_TRUE(window->isVisible() || window->isMinimized());
    EXPECT_TRUE(window->isMinimized());
}

} // namespace
