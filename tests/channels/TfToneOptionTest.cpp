#include "channels/CellGrid.h"
#include "channels/TfToneOption.h"
#include "codeplug/ChannelTable.h"
#include "support/CoreFixture.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QTest>

namespace {

class ToneOptionTest : public CoreFixture
{
protected:
    // Finds the cell of a grid that shows `text`.
    static QPoint cellOf(CellGrid *grid, const QString &text)
    {
        ChannelTable *t = grid->table();
        for (int r = 1; r < t->rowCount(); ++r)
            for (int c = 1; c < t->colCount(); ++c)
                if (t->text(c, r) == text)
                    return {c, r};
        return {-1, -1};
    }
    static void doubleClick(CellGrid *grid, QPoint cell)
    {
        const QPoint at = grid->cellRect(cell.x(), cell.y()).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
    }
};

TEST_F(ToneOptionTest, OpensOnCtcssAndPicksAnInvertedCodeFromTheDcsITable)
{
    TfToneOption picker;
    picker.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
    EXPECT_EQ(picker.windowTitle(), "Channel Tone Option");
    EXPECT_EQ(picker.size(), QSize(585, 308));
    EXPECT_EQ(picker.gbList->title(), "CTCSS");
    EXPECT_TRUE(picker.gvCtcss->isVisible());
    EXPECT_FALSE(picker.gvDcsI->isVisible());

    QTest::mouseClick(picker.rDCSI, Qt::LeftButton, {}, QPoint(8, picker.rDCSI->height() / 2));
    EXPECT_EQ(picker.gbList->title(), "DCS-I");
    EXPECT_TRUE(picker.gvDcsI->isVisible());
    EXPECT_FALSE(picker.gvCtcss->isVisible());
    EXPECT_FALSE(picker.gvDcsN->isVisible());

    const QPoint d023i = cellOf(picker.gvDcsI, "D023I");
    ASSERT_EQ(d023i, QPoint(2, 1));
    // The number beside a code is not a pick column: nothing happens.
    doubleClick(picker.gvDcsI, {1, 1});
    EXPECT_TRUE(picker.isVisible());
    EXPECT_TRUE(picker.PickedTone.isEmpty());
    doubleClick(picker.gvDcsI, d023i);
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picker.PickedTone, "D023I");
}

TEST_F(ToneOptionTest, TablesCarryTheirCodesColoursAndBoldPickColumns)
{
    TfToneOption picker;
    picker.show();
    ChannelTable *ctcss = picker.gvCtcss->table();
    ASSERT_EQ(ctcss->colCount(), 16);
    ASSERT_EQ(ctcss->rowCount(), 10);
    // Filled down each group of three columns before the next group begins.
    EXPECT_EQ(ctcss->text(1, 1), "01");
    EXPECT_EQ(ctcss->text(2, 1), "67.0");
    EXPECT_EQ(ctcss->text(3, 1), "XZ");
    EXPECT_EQ(ctcss->text(2, 9), "88.5");
    EXPECT_EQ(ctcss->text(5, 1), "91.5");
    EXPECT_EQ(ctcss->text(14, 6), "254.1");
    EXPECT_TRUE(ctcss->text(14, 7).isEmpty());
    EXPECT_EQ(ctcss->columnWidth(1), 32);
    EXPECT_EQ(ctcss->columnWidth(2), 43);
    EXPECT_EQ(ctcss->background(1, 3), 0xF98DE3u);
    EXPECT_EQ(ctcss->background(2, 3), 0xFFFFFFu);
    EXPECT_EQ(ctcss->background(3, 3), 0xE1F970u);
    EXPECT_TRUE(ctcss->bold(2, 4));
    EXPECT_FALSE(ctcss->bold(1, 4));
    EXPECT_EQ(ctcss->alignment(3, 5), Qt::AlignCenter);
    EXPECT_TRUE(ctcss->borders(3, 5));

    ChannelTable *n = picker.gvDcsN->table();
    ChannelTable *i = picker.gvDcsI->table();
    EXPECT_EQ(n->text(1, 1), "1");
    EXPECT_EQ(n->text(2, 1), "D023N");
    EXPECT_EQ(i->text(2, 1), "D023I");
    EXPECT_EQ(i->text(1, 1), "1");
    EXPECT_EQ(n->text(12, 9), "D525N"); // number 64: group 6, row 9
    EXPECT_EQ(n->text(16, 8), "D754N"); // number 85: group 8, row 8
    EXPECT_TRUE(n->text(16, 9).isEmpty());
    EXPECT_TRUE(n->text(15, 9).isEmpty());
    EXPECT_EQ(n->background(1, 2), 0x2FE7DCu);
    EXPECT_TRUE(i->bold(4, 2));
}

TEST_F(ToneOptionTest, PicksTonesTheDropDownListLacksAndEmptyCellsPickNothing)
{
    {
        TfToneOption picker;
        picker.show();
        doubleClick(picker.gvCtcss, cellOf(picker.gvCtcss, "206.5"));
        EXPECT_EQ(picker.PickedTone, "206.5");
    }
    {
        TfToneOption picker;
        picker.show();
        QTest::mouseClick(picker.rDCSN, Qt::LeftButton, {}, QPoint(8, picker.rDCSN->height() / 2));
        EXPECT_EQ(picker.gbList->title(), "DCS-N");
        doubleClick(picker.gvDcsN, cellOf(picker.gvDcsN, "D525N"));
        EXPECT_EQ(picker.PickedTone, "D525N");
    }
    {
        TfToneOption picker;
        picker.show();
        doubleClick(picker.gvCtcss, {14, 8});
        EXPECT_FALSE(picker.isVisible());
        EXPECT_TRUE(picker.PickedTone.isEmpty());
    }
    {
        // Closed from the system menu: nothing picked.
        TfToneOption picker;
        picker.show();
        picker.close();
        EXPECT_TRUE(picker.PickedTone.isEmpty());
    }
}

} // namespace
