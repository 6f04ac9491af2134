#include "codeplug/TFun.h"
#include "radio/TBWriteRead.h"

#include <QByteArray>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

Record rec(const char *hexText)
{
    const QByteArray b = QByteArray::fromHex(QByteArray(hexText).replace(' ', ""));
    Record r;
    r.fill(0xFF);
    for (int i = 0; i < b.size() && i < 16; ++i)
        r[size_t(i)] = quint8(b[i]);
    return r;
}

QString hexOf(const Record &r)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(r.data()), 16).toHex(' ').toUpper());
}

TEST(ChannelRecord, WorkedExampleBothWays)
{
    ChannelData c;
    c.rx = 462.5625;
    c.tx = -1.0;
    c.decodeTone = QStringLiteral("88.5");
    c.power = 1;       // High
    c.width = 0;       // Wide
    c.scanAdd = 0;     // Yes
    c.beatShift = 1;   // No
    c.busyLockout = 1; // No
    Record r;
    ASSERT_TRUE(TBWriteRead::EncodeChannel(r, c));
    EXPECT_EQ(hexOf(r), QStringLiteral("50 62 25 46 FF FF FF FF 85 08 FF FF 0B FF FF FF"));
    ChannelData back;
    ASSERT_TRUE(TBWriteRead::DecodeChannel(r, back));
    EXPECT_EQ(back, c);
}

TEST(ChannelRecord, FrequencyDigits)
{
    ChannelData c;
    c.rx = 145.0;
    c.tx = 136.00625;
    Record r;
    ASSERT_TRUE(TBWriteRead::EncodeChannel(r, c));
    EXPECT_EQ(hexOf(r).left(23), QStringLiteral("00 00 50 14 25 06 60 13"));
    c.rx = 1000.0; // nine digits do not fit
    EXPECT_FALSE(TBWriteRead::EncodeChannel(r, c));
    c.rx = -5.0;
    EXPECT_FALSE(TBWriteRead::EncodeChannel(r, c));
}

TEST(ChannelRecord, EmptyAndDamagedRecordsAreNotInUse)
{
    ChannelData c;
    EXPECT_FALSE(TBWriteRead::DecodeChannel(rec(""), c));
    EXPECT_FALSE(TBWriteRead::DecodeChannel(rec("50 62 2A 46"), c)) << "a hex letter in the RX digits";
    ASSERT_TRUE(TBWriteRead::DecodeChannel(rec("50 62 25 46 50 6B 25 46 FF FF FF FF 1F"), c));
    EXPECT_EQ(c.tx, -1.0) << "TX with a hex letter means no transmit frequency";
    EXPECT_EQ(c.scanAdd + c.power + c.width + c.beatShift + c.busyLockout, 5);
}

struct ToneCase
{
    const char *text;
    quint8 low;
    quint8 high;
};

class ToneCodes : public ::testing::TestWithParam<ToneCase>
{
};

TEST_P(ToneCodes, EncodeAndDecode)
{
    const ToneCase c = GetParam();
    quint8 low = 0, high = 0;
    ASSERT_TRUE(TBWriteRead::EncodeTone(QString::fromLatin1(c.text), low, high)) << c.text;
    EXPECT_EQ(low, c.low) << c.text;
    EXPECT_EQ(high, c.high) << c.text;
    EXPECT_EQ(TBWriteRead::DecodeTone(c.low, c.high), QString::fromLatin1(c.text));
}

INSTANTIATE_TEST_SUITE_P(Tones, ToneCodes,
                         ::testing::Values(ToneCase{"", 0xFF, 0xFF}, ToneCase{"88.5", 0x85, 0x08},
                                           ToneCase{"250.3", 0x03, 0x25}, ToneCase{"67.0", 0x70, 0x06},
                                           ToneCase{"100.0", 0x00, 0x10}, ToneCase{"D023N", 0x23, 0x80},
                                           ToneCase{"D023I", 0x23, 0xC0}, ToneCase{"D754I", 0x54, 0xC7}));

TEST(ToneCodes, BytesThatNameNoToneDecodeAsNone)
{
    EXPECT_TRUE(TBWriteRead::DecodeTone(0xAB, 0x12).isEmpty()) << "hex letters, high digit neither 8 nor C";
    EXPECT_TRUE(TBWriteRead::DecodeTone(0xFF, 0xFF).isEmpty());
    EXPECT_EQ(TBWriteRead::DecodeTone(0x12, 0x8A), QStringLiteral("DA12N")) << "kept so it is written back unchanged";
}

TEST(ToneCodes, TextsThatCannotBeStoredAreRefused)
{
    quint8 low, high;
    for (const char *t : {"abc", "D023", "D023X", "10000.0", "-5"})
        EXPECT_FALSE(TBWriteRead::EncodeTone(QString::fromLatin1(t), low, high)) << t;
}

TEST(MessageRecord, CharactersOneToOneAndFFSkipped)
{
    Record r;
    TBWriteRead::EncodeText(r, QStringLiteral("HELLO"));
    EXPECT_EQ(hexOf(r), QStringLiteral("48 45 4C 4C 4F FF FF FF FF FF FF FF FF FF FF FF"));
    EXPECT_EQ(TBWriteRead::DecodeText(r), QStringLiteral("HELLO"));
    EXPECT_EQ(TBWriteRead::DecodeText(rec("48 FF 49 FF FF 21")), QStringLiteral("HI!"));
    TBWriteRead::EncodeText(r, QStringLiteral("0123456789ABCDEFGHIJ"));
    EXPECT_EQ(TBWriteRead::DecodeText(r), QStringLiteral("0123456789ABCDEF")) << "at most 16 characters";
    // Any byte but FF read from a radio comes back as the same byte.
    const Record odd = rec("00 01 7F 80 A0 FE");
    TBWriteRead::EncodeText(r, TBWriteRead::DecodeText(odd));
    EXPECT_EQ(r, odd);
}

TEST(SettingsRecords, WorkedExamplesBothWays)
{
    TFun f;
    Record a;
    TBWriteRead::EncodeSettingsA(a, f);
    EXPECT_EQ(hexOf(a), QStringLiteral("03 05 01 06 FF FF FF FF FF FF FF FF FF FF FF FF"));
    Record b;
    TBWriteRead::EncodeSettingsB(b, f);
    EXPECT_EQ(hexOf(b), QStringLiteral("01 01 00 00 04 00 01 01 00 01 FF FF FF FF FF FF"));

    TFun g;
    g.BatterySave = 0;
    g.BeepTone = 1;
    g.SquelchLevel = 9;
    g.SideKey = 4;
    g.TxTimeout = 10;
    g.VoicePrompt = 0;
    g.VoiceLanguage = 0;
    g.ScanMode = 1;
    g.VoxEnabled = 1;
    g.VoxLevel = 2;
    g.VoxInhibitOnReceive = 1;
    g.LowVolInhibitTx = 0;
    g.HighVolInhibitTx = 1;
    g.Alarm = 1;
    g.FmRadio = 0;
    TBWriteRead::EncodeSettingsA(a, g);
    TBWriteRead::EncodeSettingsB(b, g);
    EXPECT_EQ(hexOf(b).left(29), QStringLiteral("00 00 01 01 02 01 00 01 01 00"));
    TFun back;
    TBWriteRead::DecodeSettingsA(a, back);
    TBWriteRead::DecodeSettingsB(b, back);
    EXPECT_EQ(back, g);

    TBWriteRead::DecodeSettingsA(rec(""), back);
    EXPECT_EQ(back.BatterySave, 1);
    EXPECT_EQ(back.SquelchLevel, 255) << "stored as it comes; Normalize brings it into range";
}

TEST(IdentityRecord, WorkedExampleBothWays)
{
    Record r;
    TBWriteRead::EncodeIdentity(r, QStringLiteral("5917"), 0xF4);
    EXPECT_EQ(hexOf(r), QStringLiteral("00 00 F4 37 31 39 35 50 FF FF FF FF FF FF FF FF"));
    QString code;
    EXPECT_EQ(TBWriteRead::DecodeIdentity(r, code), 0xF4);
    EXPECT_EQ(code, QStringLiteral("5917"));
    TBWriteRead::EncodeIdentity(r, QStringLiteral("59"), 0xF0);
    EXPECT_EQ(hexOf(r).left(23), QStringLiteral("00 00 F0 20 20 39 35 50"));
    TBWriteRead::DecodeIdentity(r, code);
    EXPECT_EQ(code, QStringLiteral("59")) << "blanks trimmed";
}

TEST(ChannelMapRecord, BitsFromTheLeftIntoLowBitsFirst)
{
    Record r;
    TBWriteRead::EncodeChannelMap(r, QStringLiteral("1000000011"));
    EXPECT_EQ(hexOf(r), QStringLiteral("01 03 00 00 00 00 00 00 00 00 00 00 00 00 00 00"));
    TBWriteRead::EncodeChannelMap(r, QString(128, QLatin1Char('1')));
    EXPECT_EQ(hexOf(r), QStringLiteral("FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF"));
}

TEST(HeaderRecord, WorkedExampleBothWays)
{
    Record r;
    ASSERT_TRUE(TBWriteRead::EncodeHeader(r, QStringLiteral("2024-03-05 14:07"), QStringLiteral("450470"),
                                          QStringLiteral("P5917")));
    EXPECT_EQ(hexOf(r), QStringLiteral("50 35 39 31 37 45 04 70 E8 07 03 05 0E 07 FF FF"));
    QString date, digits, model;
    TBWriteRead::DecodeHeader(r, date, digits, model);
    EXPECT_EQ(date, QStringLiteral("2024-03-05 14:07"));
    EXPECT_EQ(digits, QStringLiteral("450470"));
    EXPECT_EQ(model, QStringLiteral("P5917"));
    EXPECT_FALSE(TBWriteRead::EncodeHeader(r, QStringLiteral("2024-03-05 14:07"), QStringLiteral("45047"),
                                           QStringLiteral("P5917")));
}

TEST(Decoders, AnyRecordDecodesWithoutFailure)
{
    QRandomGenerator rng(16);
    for (int i = 0; i < 2000; ++i) {
        Record r;
        for (auto &b : r)
            b = quint8(rng.bounded(256));
        ChannelData c;
        if (TBWriteRead::DecodeChannel(r, c)) {
            Record again;
            ASSERT_TRUE(TBWriteRead::EncodeChannel(again, c)) << qPrintable(hexOf(r));
            ChannelData c2;
            ASSERT_TRUE(TBWriteRead::DecodeChannel(again, c2));
            EXPECT_EQ(c2, c);
        }
        QString a, b, m;
        TBWriteRead::DecodeHeader(r, a, b, m);
        TBWriteRead::DecodeText(r);
        TFun f;
        TBWriteRead::DecodeSettingsA(r, f);
        TBWriteRead::DecodeSettingsB(r, f);
    }
}

} // namespace
