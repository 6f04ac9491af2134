#include "codeplug/ChannelTable.h"
#include "codeplug/Codeplug.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

ChannelData sampleChannel()
{
    ChannelData c;
    c.rx = 462.5625;
    c.tx = -1.0;
    c.decodeTone = QStringLiteral("88.5");
    c.power = 1;
    c.width = 0;
    c.scanAdd = 0;
    c.beatShift = 1;
    c.busyLockout = 1;
    return c;
}

TEST(ClearChannelTable, BuildsRowsWithNumbersWhenTheCountDiffers)
{
    ChannelTable t;
    for (int c = 1; c <= ChannelColumnCount; ++c)
        t.setColumnKind(c, c == ColNumber || c >= ColPower ? 2 : 3);
    t.setText(ColRx, 1, QStringLiteral("RX Frequency"));
    ClearChannelTable(t, 16);
    ASSERT_EQ(t.rowCount(), 18);
    EXPECT_EQ(t.fixedRows(), 1);
    EXPECT_EQ(t.text(ColRx, 1), QStringLiteral("RX Frequency")) << "the header row stays";
    for (int r = 2; r <= 17; ++r) {
        EXPECT_EQ(t.text(ColNumber, r), QString::number(r - 1));
        EXPECT_TRUE(t.value(ColNumber, r).isEmpty());
        for (int c = ColRx; c <= ColBusyLockout; ++c)
            EXPECT_TRUE(t.text(c, r).isEmpty());
        EXPECT_FALSE(t.readOnly(ColRx, r)) << "RX cells are editable";
        EXPECT_TRUE(t.readOnly(ColTx, r));
        EXPECT_TRUE(t.readOnly(ColPower, r));
        EXPECT_EQ(t.shade(ColNumber, r), CellShade::ButtonFace);
        EXPECT_EQ(t.alignment(ColRx, r) & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        EXPECT_EQ(t.alignment(ColPower, r) & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    }
    EXPECT_EQ(t.alignment(ColRx, 1) & Qt::AlignHorizontal_Mask, Qt::AlignHCenter) << "titles are centred";
}

TEST(ClearChannelTable, EmptiesRowsInPlaceWhenTheCountMatches)
{
    ChannelTable t;
    ClearChannelTable(t, 16);
    StoreChannelRow(t, 5, sampleChannel());
    ASSERT_TRUE(t.rowInUse(5));
    ASSERT_FALSE(t.readOnly(ColTx, 5));
    ClearChannelTable(t, 16);
    EXPECT_EQ(t.rowCount(), 18);
    EXPECT_EQ(t.text(ColNumber, 5), QStringLiteral("4")) << "channel numbers stay";
    EXPECT_TRUE(t.value(ColNumber, 5).isEmpty()) << "the in-use mark goes";
    for (int c = ColRx; c <= ColBusyLockout; ++c) {
        EXPECT_TRUE(t.text(c, 5).isEmpty());
        EXPECT_TRUE(t.value(c, 5).isEmpty());
    }
    EXPECT_TRUE(t.readOnly(ColTx, 5));
}

TEST(ChannelRows, StoreAndReadBackAChannel)
{
    ChannelTable t;
    ClearChannelTable(t, 16);
    StoreChannelRow(t, 2, sampleChannel());
    EXPECT_EQ(t.value(ColNumber, 2), QStringLiteral("1"));
    EXPECT_EQ(t.text(ColRx, 2), QStringLiteral("462.56250"));
    EXPECT_TRUE(t.text(ColTx, 2).isEmpty());
    EXPECT_EQ(t.text(ColDecode, 2), QStringLiteral("88.5"));
    EXPECT_EQ(t.text(ColEncode, 2), QStringLiteral("None"));
    EXPECT_EQ(t.text(ColPower, 2), QStringLiteral("High"));
    EXPECT_EQ(t.text(ColWidth, 2), QStringLiteral("Wide"));
    EXPECT_EQ(t.text(ColScanAdd, 2), QStringLiteral("Yes"));
    EXPECT_EQ(t.text(ColBusyLockout, 2), QStringLiteral("No"));
    EXPECT_EQ(t.value(ColBusyLockout, 2), QStringLiteral("1"));

    ChannelData back;
    ASSERT_EQ(ReadChannelRow(t, 2, back), RowState::InUse);
    EXPECT_EQ(back, sampleChannel());
    EXPECT_EQ(ReadChannelRow(t, 3, back), RowState::NotInUse);

    t.setText(ColTx, 2, QStringLiteral("abc"));
    QString why;
    EXPECT_EQ(ReadChannelRow(t, 2, back, &why), RowState::Invalid);
    EXPECT_TRUE(why.contains(QStringLiteral("abc")));
}

TEST(ChannelRows, ToneCellShowingTheCurrentNoToneTextCarriesNoTone)
{
    ChannelTable t;
    ClearChannelTable(t, 16);
    t.setNoToneText(QStringLiteral("无"));
    ChannelData c = sampleChannel();
    c.decodeTone.clear();
    StoreChannelRow(t, 3, c);
    EXPECT_EQ(t.text(ColDecode, 3), QStringLiteral("无"));
    ChannelData back;
    ASSERT_EQ(ReadChannelRow(t, 3, back), RowState::InUse);
    EXPECT_TRUE(back.decodeTone.isEmpty());
}

TEST(LoadStagedChannels, CopiesStagedChannelsWithItemTexts)
{
    ChannelTable table;
    ClearChannelTable(table, 16);
    StoreChannelRow(table, 9, sampleChannel()); // the old content goes
    table.setPowerItems({QStringLiteral("低"), QStringLiteral("高")});

    ChannelTable staging;
    ResetStagingGrid(staging, 16);
    ASSERT_EQ(staging.rowCount(), 18);
    ChannelData c = sampleChannel();
    c.tx = -1.0;
    c.decodeTone.clear();
    StageChannelRow(staging, 2, c);
    EXPECT_TRUE(staging.text(ColDecode, 2).isEmpty()) << "staged tones stay empty for no tone";

    LoadStagedChannels(table, staging, 16);
    EXPECT_FALSE(table.rowInUse(9));
    EXPECT_TRUE(table.value(ColNumber, 9).isEmpty());
    EXPECT_EQ(table.text(ColRx, 2), QStringLiteral("462.56250"));
    EXPECT_TRUE(table.text(ColTx, 2).isEmpty()) << "no TX stays empty and the channel stays in use";
    EXPECT_EQ(table.value(ColNumber, 2), QStringLiteral("1"));
    EXPECT_FALSE(table.readOnly(ColTx, 2));
    EXPECT_EQ(table.text(ColDecode, 2), QStringLiteral("None"));
    EXPECT_EQ(table.text(ColPower, 2), QStringLiteral("高"));
    EXPECT_EQ(table.value(ColPower, 2), QStringLiteral("1"));
    for (int r = 3; r <= 17; ++r)
        EXPECT_FALSE(table.rowInUse(r));
}

TEST(ChannelTable, SuspendedUpdatesEndInOneReset)
{
    ChannelTable t;
    ClearChannelTable(t, 16);
    QSignalSpy cells(&t, &ChannelTable::cellChanged);
    QSignalSpy resets(&t, &ChannelTable::tableReset);
    t.setText(ColRx, 2, QStringLiteral("1"));
    EXPECT_EQ(cells.count(), 1);
    t.beginUpdate();
    t.beginUpdate();
    t.setText(ColRx, 3, QStringLiteral("2"));
    t.endUpdate();
    EXPECT_EQ(resets.count(), 0) << "still suspended";
    t.endUpdate();
    EXPECT_EQ(cells.count(), 1);
    EXPECT_EQ(resets.count(), 1);
    EXPECT_TRUE(t.text(50, 50).isEmpty()) << "cells outside the table read as empty";
    t.setText(50, 50, QStringLiteral("x")); // ignored, no crash
}

} // namespace
