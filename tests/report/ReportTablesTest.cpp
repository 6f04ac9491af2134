#include "ReportSample.h"
#include "support/CoreFixture.h"

#include "app/Globals.h"
#include "app/TALL.h"
#include "codeplug/ChannelTable.h"
#include "i18n/TLanguage.h"
#include "report/ReportTables.h"
#include "report/TMemTable.h"

#include <gtest/gtest.h>

namespace {

using Row = QStringList; // TypeID, TypeName, AField, AValue, BField, BValue

QList<Row> rowsOf(const TMemTable &t)
{
    QList<Row> rows;
    for (int r = 0; r < t.RowCount(); ++r) {
        Row row;
        for (const TMemTable::Field &f : t.fields())
            row.append(t.TextAt(r, f.name));
        rows.append(row);
    }
    return rows;
}

QStringList fieldNames(const TMemTable &t)
{
    QStringList names;
    for (const TMemTable::Field &f : t.fields())
        names.append(QStringLiteral("%1:%2").arg(f.name).arg(f.size));
    return names;
}

class ReportTablesTest : public CoreFixture
{
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        SetChannelTitles(*Channels);
    }
};

TEST_F(ReportTablesTest, StartUpCreatesBothTablesEmptyWithTheirFields)
{
    ASSERT_NE(myAdo, nullptr);
    ASSERT_NE(myMain, nullptr);
    EXPECT_EQ(myAdo->RowCount(), 0);
    EXPECT_EQ(myMain->RowCount(), 0);
    EXPECT_EQ(fieldNames(*myAdo), QStringList({"TypeID:0", "TypeName:20", "AField:100", "AValue:100", "BField:100",
                                               "BValue:100"}));
    EXPECT_EQ(myAdo->fields().first().type, TMemTable::Integer);
    EXPECT_EQ(fieldNames(*myMain), QStringList({"Title:20", "AField:100", "AValue:100", "BField:100", "BValue:100",
                                                "CField:30", "CValue:30"}));
}

TEST_F(ReportTablesTest, ChannelRowsFollowTheTitleRowAndSkipChannelsWithoutRx)
{
    StoreSampleChannel(*Channels, 1);
    StoreSampleChannel(*Channels, 3);
    // Row of channel 5 holds values but no receive frequency: it is not a channel.
    StoreSampleChannel(*Channels, 5);
    Channels->setText(ColRx, 6, QString());
    Channels->setText(ColNumber, 17, QStringLiteral("16"));

    AppendChannelRows(*myAdo, *Channels, *Language);

    const QString s = QStringLiteral("信道信息");
    const QList<Row> expected = {
        {"8", s, "", "", "", ""},
        {"8", s, "Channel No.1", "", "", ""},
        {"8", s, "RX Frequency", "451.00125", "TX Frequency", "461.00250"},
        {"8", s, "QT/DQT Dec", "67.0", "QT/DQT Enc", "250.3"},
        {"8", s, "TX Power", "High", "W/N", "Wide"},
        {"8", s, "Scan Add", "Yes", "Beat Shift", "Yes"},
        {"8", s, "Busy Lockout", "Yes", "", ""},
        {"8", s, "Channel No.3", "", "", ""},
        {"8", s, "RX Frequency", "453.00375", "TX Frequency", "463.00750"},
        {"8", s, "QT/DQT Dec", "250.3", "QT/DQT Enc", "None"},
        {"8", s, "TX Power", "High", "W/N", "Narrow"},
        {"8", s, "Scan Add", "No", "Beat Shift", "Yes"},
        {"8", s, "Busy Lockout", "Yes", "", ""},
    };
    EXPECT_EQ(rowsOf(*myAdo), expected);
}

TEST_F(ReportTablesTest, ChannelRowsShowTheNoToneTextAndTheTitlesOfAnotherLanguage)
{
    Channels->setNoToneText(QStringLiteral("无"));
    Channels->setPowerItems({QStringLiteral("低"), QStringLiteral("高")});
    SetChannelTitles(*Channels, {"信道号", "接收频率", "发射频率", "接收亚音", "发射亚音", "功率", "带宽", "扫描",
                                 "移频", "繁忙锁定"});
    StoreSampleChannel(*Channels, 5); // no decode tone
    Language->Channel = QStringLiteral("Channel ");
    Language->Info = QStringLiteral("Info");

    AppendChannelRows(*myAdo, *Channels, *Language);

    ASSERT_EQ(myAdo->RowCount(), 7);
    EXPECT_EQ(myAdo->TextAt(1, "TypeName"), QStringLiteral("Channel Info"));
    EXPECT_EQ(myAdo->TextAt(1, "AField"), QStringLiteral("信道号5"));
    EXPECT_EQ(myAdo->TextAt(3, "AField"), QStringLiteral("接收亚音"));
    EXPECT_EQ(myAdo->TextAt(3, "AValue"), QStringLiteral("无"));
    EXPECT_EQ(myAdo->TextAt(4, "AValue"), QStringLiteral("高"));
    EXPECT_EQ(myAdo->TextAt(6, "AField"), QStringLiteral("繁忙锁定"));
}

TEST_F(ReportTablesTest, ACodeplugWithoutChannelsPrintsOnlyTheEmptyLine)
{
    AppendChannelRows(*myAdo, *Channels, *Language);
    ASSERT_EQ(myAdo->RowCount(), 1);
    EXPECT_EQ(rowsOf(*myAdo).first(), Row({"8", "信道信息", "", "", "", ""}));
}

TEST_F(ReportTablesTest, TextsAreCutToTheFieldWidthInLegacyBytes)
{
    struct Case
    {
        QString channel, info, expected;
    } cases[] = {
        {"信道信道信道", "信息信息信", "信道信道信道信息信息"},     // 22 bytes: two characters go
        {"A信道信道信道信道", "信息", "A信道信道信道信道信"},       // 21 bytes: a whole character goes
        {"Channel", "Information!", "ChannelInformation!"},        // 19 bytes: kept
        {"ChannelChannel", "Information", "ChannelChannelInform"}, // 25 bytes: cut to 20
    };
    for (const Case &c : cases) {
        EmptyTable(*myAdo);
        Language->Channel = c.channel;
        Language->Info = c.info;
        AppendChannelRows(*myAdo, *Channels, *Language);
        EXPECT_EQ(myAdo->TextAt(0, "TypeName"), c.expected) << qPrintable(c.channel + c.info);
    }

    const ReportHeaderTexts texts{QString(120, QLatin1Char('M')), QStringLiteral("频率频率频率频率频率频率频率频率"),
                                  QStringLiteral("450 - 470MHz")};
    AppendHeaderRow(*myMain, QStringLiteral("ZQ-410 ZQ-410 ZQ-410 ZQ-410"), QStringLiteral("ZQ-410(UHF)"), texts);
    EXPECT_EQ(myMain->TextAt(0, "Title"), QStringLiteral("ZQ-410 ZQ-410 ZQ-410"));
    EXPECT_EQ(myMain->TextAt(0, "AField"), QString(100, QLatin1Char('M')));
    EXPECT_EQ(myMain->TextAt(0, "CField"), QStringLiteral("频率频率频率频率频率频率频率频"));
    EXPECT_EQ(myMain->TextAt(0, "CValue"), QStringLiteral("450 - 470MHz"));
}

TEST_F(ReportTablesTest, HeaderRowHoldsTitleModelAndBand)
{
    AppendHeaderRow(*myMain, ALL->ProductTitle, ALL->ModelName,
                    {QStringLiteral("Model Type: "), QStringLiteral("Frequency: "), ALL->BandText});
    ASSERT_EQ(myMain->RowCount(), 1);
    EXPECT_EQ(rowsOf(*myMain).first(),
              Row({"ZQ-410", "Model Type: ", "ZQ-410(UHF)", "", "", "Frequency: ", "450 - 470MHz"}));
}

TEST_F(ReportTablesTest, EmptyingBeforeEachRunGivesTheSameRowsTwice)
{
    for (int k : {2, 7, 16})
        StoreSampleChannel(*Channels, k);
    QList<QList<Row>> runs;
    for (int run = 0; run < 2; ++run) {
        EmptyTable(*myAdo);
        EmptyTable(*myMain);
        AppendHeaderRow(*myMain, ALL->ProductTitle, ALL->ModelName, {"M", "F", ALL->BandText});
        AppendChannelRows(*myAdo, *Channels, *Language);
        runs.append(rowsOf(*myMain) + rowsOf(*myAdo));
    }
    EXPECT_EQ(runs[0].size(), 1 + 1 + 3 * 6);
    EXPECT_EQ(runs[0], runs[1]);
}

} // namespace
