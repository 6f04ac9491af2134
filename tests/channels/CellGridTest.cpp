#include "channels/CellGrid.h"
#include "codeplug/ChannelTable.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A 5 x 40 table with one fixed row and column, like the channel grid.
class CellGridTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        table.setColCount(6);
        table.setRowCount(41);
        table.setFixedRows(1);
        table.setFixedCols(1);
        for (int c = 1; c < 6; ++c)
            table.setColumnWidth(c, 80);
        grid.setTable(&table);
        grid.resize(300, 200);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }
    void click(int col, int row)
    {
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.cellRect(col, row).center());
    }

    ChannelTable table;
    CellGrid grid;
};

TEST_F(CellGridTest, FixedRowsAndColumnsStayWhileTheRestScrolls)
{
    const QRect header = grid.cellRect(3, 1);
    const QRect number = grid.cellRect(1, 20);
    const QRect body = grid.cellRect(3, 20);
    grid.verticalScrollBar()->setValue(100);
    grid.horizontalScrollBar()->setValue(40);
    EXPECT_EQ(grid.cellRect(3, 1).top(), header.top());
    EXPECT_EQ(grid.cellRect(3, 1).left(), header.left() - 40);
    EXPECT_EQ(grid.cellRect(1, 20).left(), number.left());
    EXPECT_EQ(grid.cellRect(1, 20).top(), number.top() - 100);
    EXPECT_EQ(grid.cellRect(3, 20), body.translated(-40, -100));
    EXPECT_EQ(grid.cellAt(grid.cellRect(3, 20).center()), QPoint(3, 20));
    // The hidden title row and column take no room.
    EXPECT_EQ(grid.cellRect(1, 1).topLeft(), QPoint(0, 0));
    EXPECT_TRUE(grid.cellRect(0, 2).isEmpty());
}

TEST_F(CellGridTest, SelectionAsksTheHandlerAndSkipsFixedCells)
{
    QList<QPoint> asked;
    bool allow = true;
    grid.setSelectHandler([&](int c, int r) {
        asked.append({c, r});
        return allow;
    });
    QList<QPoint> pressed;
    QObject::connect(&grid, &CellGrid::mousePressed, [&](Qt::MouseButton, int c, int r) { pressed.append({c, r}); });

    click(3, 4);
    EXPECT_EQ(grid.currentCol(), 3);
    EXPECT_EQ(grid.currentRow(), 4);
    click(3, 1); // a title cannot be selected, but the press is still reported
    EXPECT_EQ(grid.currentRow(), 4);
    allow = false;
    click(4, 5);
    EXPECT_EQ(grid.currentCol(), 3);
    EXPECT_EQ(asked, (QList<QPoint>{{3, 4}, {4, 5}}));
    EXPECT_EQ(pressed, (QList<QPoint>{{3, 4}, {3, 1}, {4, 5}}));
}

TEST_F(CellGridTest, EditorCommitsThroughTheSetTextHandlerWhichMayChangeTheText)
{
    QList<QPoint> set;
    grid.setSetTextHandler([&](int c, int r, QString &text) {
        set.append({c, r});
        text = text.toUpper();
    });
    grid.setKeyHandler([](QChar &key) {
        if (key == QLatin1Char(','))
            key = QLatin1Char('.');
        else if (key == QLatin1Char('x'))
            key = QChar();
    });
    table.setReadOnly(2, 3, true);
    click(2, 3);
    EXPECT_FALSE(grid.startEditing());

    click(2, 2);
    ASSERT_TRUE(grid.startEditing());
    QTest::keyClicks(grid.editor(), "ab,xc");
    EXPECT_EQ(grid.editor()->text(), "ab.c");
    QTest::keyClick(grid.editor(), Qt::Key_Return);
    EXPECT_FALSE(grid.isEditing());
    EXPECT_EQ(table.text(2, 2), "AB.C");
    EXPECT_EQ(set, (QList<QPoint>{{2, 2}}));

    // Leaving the editor unchanged sets nothing; Escape throws the typing away.
    ASSERT_TRUE(grid.startEditing());
    QTest::keyClick(grid.editor(), Qt::Key_Return);
    ASSERT_TRUE(grid.startEditing());
    QTest::keyClicks(grid.editor(), "zz");
    QTest::keyClick(grid.editor(), Qt::Key_Escape);
    EXPECT_EQ(table.text(2, 2), "AB.C");
    EXPECT_EQ(set.size(), 1);

    // Typing on a cell opens the editor with the typed key; a dropped key opens nothing.
    click(2, 5);
    QTest::keyClick(&grid, 'x');
    EXPECT_FALSE(grid.isEditing());
    QTest::keyClick(&grid, 'q');
    ASSERT_TRUE(grid.isEditing());
    EXPECT_EQ(grid.editor()->text(), "q");
    grid.endEditing();
    EXPECT_EQ(table.text(2, 5), "Q");

    // Writing the table directly raises no set-text event.
    table.setText(2, 6, "direct");
    EXPECT_EQ(set.size(), 2);
}

TEST_F(CellGridTest, TitlesAreTheFirstVisibleRow)
{
    grid.setGridTitle(2, "RX");
    EXPECT_EQ(table.text(2, 1), "RX");
    EXPECT_EQ(grid.gridTitle(2), "RX");
    EXPECT_EQ(grid.gridColumnCount(), 6);
}

} // namespace
