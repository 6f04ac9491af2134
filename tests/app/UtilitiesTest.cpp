#include "app/ShowMessage.h"
#include "app/Utilities.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

struct SnapCase
{
    double in;
    double out;
};

class SnapFrequencyTest : public ::testing::TestWithParam<SnapCase>
{
};

TEST_P(SnapFrequencyTest, RoundsDownOntoTheRaster)
{
    const SnapCase c = GetParam();
    EXPECT_EQ(FormatFrequency(SnapFrequency(c.in)), FormatFrequency(c.out)) << c.in;
}

INSTANTIATE_TEST_SUITE_P(Raster, SnapFrequencyTest,
                         ::testing::Values(SnapCase{460.0125, 460.0125},   // multiple of 6.25 kHz
                                           SnapCase{460.0070, 460.0050},   // 5 kHz raster, remainder 200
                                           SnapCase{460.0030, 460.0000},
                                           SnapCase{460.00625, 460.00625},
                                           SnapCase{460.0080, 460.0050},   // 100 Hz/10 Hz digits 00
                                           SnapCase{460.0073, 460.00625},  // 6.25 kHz raster
                                           SnapCase{460.005, 460.005},
                                           SnapCase{450.0, 450.0},
                                           SnapCase{469.99999, 469.99375}, // remainder 624
                                           SnapCase{67.5, 67.5},           // seven digits padded to eight
                                           SnapCase{450.01875, 450.01875}));

TEST(SnapFrequency, ReturnsTheArgumentUnroundedWhenOnTheRaster)
{
    // 460.0125 is on the raster; the argument itself comes back, not a recomputed value.
    const double f = 460.0125000001;
    EXPECT_EQ(SnapFrequency(f), f);
}

TEST(ParseBandText, ReadsBothLimits)
{
    const struct { const char *text; double low; double high; } cases[] = {
        {" 27 -  72MHz", 27.0, 72.0},
        {"136 - 174MHz", 136.0, 174.0},
        {"450 - 470MHz", 450.0, 470.0},
    };
    for (const auto &c : cases) {
        double low = -1, high = -1;
        ASSERT_TRUE(ParseBandText(QString::fromLatin1(c.text), low, high)) << c.text;
        EXPECT_EQ(low, c.low);
        EXPECT_EQ(high, c.high);
    }
}

TEST(ParseBandText, RefusesTextsWithoutDashNumberOrUnit)
{
    for (const char *text : {"450 470MHz", " - 470MHz", "450 - 470", "abc - 470MHz", ""}) {
        double low = 1.5, high = 2.5;
        EXPECT_FALSE(ParseBandText(QString::fromLatin1(text), low, high)) << text;
        EXPECT_EQ(low, 1.5) << "outputs stay untouched";
        EXPECT_EQ(high, 2.5);
    }
}

TEST(TextConversions, BinaryReverseBytesIfThen)
{
    EXPECT_EQ(BinaryTextToDecimal(QStringLiteral("00000101")), QStringLiteral("5"));
    EXPECT_EQ(BinaryTextToDecimal(QString()), QStringLiteral("0"));
    EXPECT_EQ(BinaryTextToDecimal(QStringLiteral("11111111")), QStringLiteral("255"));
    EXPECT_EQ(ReverseText(QStringLiteral("10000000")), QStringLiteral("00000001"));
    const char bytes[] = {'\x06', 'P', '\xff'};
    const QString t = BytesToText(bytes, 3);
    ASSERT_EQ(t.size(), 3);
    EXPECT_EQ(t.at(0).unicode(), 6);
    EXPECT_EQ(t.at(2).unicode(), 0xFF);
    EXPECT_EQ(IfThenText(true, QStringLiteral("a"), QStringLiteral("b")), QStringLiteral("a"));
    EXPECT_EQ(IfThenText(false, QStringLiteral("a"), QStringLiteral("b")), QStringLiteral("b"));
}

TEST(Numbers, PointIsTheSeparatorWhateverTheLocaleSays)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
    EXPECT_EQ(FormatFrequency(460.05), QStringLiteral("460.05000"));
    EXPECT_EQ(FormatNumber(88.5, 1), QStringLiteral("88.5"));
    double v = 0;
    EXPECT_TRUE(ParseNumber(QStringLiteral("460.05000"), v));
    EXPECT_DOUBLE_EQ(v, 460.05);
    EXPECT_TRUE(ParseNumber(QStringLiteral(" 455 "), v));
    EXPECT_DOUBLE_EQ(v, 455.0);
    EXPECT_FALSE(ParseNumber(QStringLiteral("460,05"), v));
    EXPECT_FALSE(ParseNumber(QStringLiteral("1.2.3"), v));
    EXPECT_FALSE(ParseNumber(QString(), v));
    QLocale::setDefault(previous);
}

TEST(Numbers, FiveDecimalsRoundHalfAway)
{
    EXPECT_EQ(FormatFrequency(462.5625), QStringLiteral("462.56250"));
    EXPECT_EQ(FormatFrequency(450.018749999), QStringLiteral("450.01875"));
    EXPECT_EQ(FormatFrequency(-0.000001), QStringLiteral("0.00000"));
}

TEST(ShowMessage, UnknownTypeShowsNothingAndAnswersOne)
{
    int calls = 0;
    MessageHandler previous = SetMessageHandler([&](const QString &, const QString &, int) {
        ++calls;
        return ResultNo;
    });
    EXPECT_EQ(ShowMessage(QStringLiteral("c"), QStringLiteral("t"), 3), 1);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(ShowMessage(QStringLiteral("c"), QStringLiteral("t"), MsgYesNo), ResultNo);
    EXPECT_EQ(calls, 1);
    SetMessageHandler(std::move(previous));
}

} // namespace
