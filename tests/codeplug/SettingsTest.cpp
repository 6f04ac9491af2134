#include "codeplug/Codeplug.h"
#include "codeplug/TEnMsg.h"
#include "codeplug/TFun.h"
#include "codeplug/TTestFre.h"

#include <gtest/gtest.h>

namespace {

TEST(TFun, Defaults)
{
    const TFun f;
    const qint32 expected[] = {1, 1, 5, 1, 6, 0, 0, 4, 1, 0, 1, 1, 1, 0, 1};
    const qint32 actual[] = {f.BatterySave, f.BeepTone, f.SquelchLevel, f.SideKey, f.TxTimeout,
                             f.VoxEnabled, f.VoxInhibitOnReceive, f.VoxLevel, f.VoiceLanguage, f.ScanMode,
                             f.VoicePrompt, f.HighVolInhibitTx, f.LowVolInhibitTx, f.Alarm, f.FmRadio};
    for (size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(actual[i], expected[i]) << "field " << i;
}

struct NormalizeCase
{
    qint32 TFun::*field;
    qint32 in;
    qint32 out;
    const char *name;
};

class NormalizeTest : public ::testing::TestWithParam<NormalizeCase>
{
};

TEST_P(NormalizeTest, ForcesIntoRange)
{
    const NormalizeCase c = GetParam();
    TFun f;
    f.*c.field = c.in;
    f.Normalize();
    EXPECT_EQ(f.*c.field, c.out) << c.name << " " << c.in;
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, NormalizeTest,
    ::testing::Values(NormalizeCase{&TFun::SquelchLevel, 12, 5, "SquelchLevel"},
                      NormalizeCase{&TFun::SquelchLevel, 9, 9, "SquelchLevel"},
                      NormalizeCase{&TFun::SquelchLevel, -1, 5, "SquelchLevel"},
                      NormalizeCase{&TFun::SideKey, 5, 5, "SideKey"},
                      NormalizeCase{&TFun::SideKey, 6, 0, "SideKey"},
                      NormalizeCase{&TFun::SideKey, 255, 0, "SideKey"},
                      NormalizeCase{&TFun::TxTimeout, 10, 10, "TxTimeout"},
                      NormalizeCase{&TFun::TxTimeout, 11, 6, "TxTimeout"},
                      NormalizeCase{&TFun::VoxLevel, 255, 4, "VoxLevel"},
                      NormalizeCase{&TFun::VoxLevel, 0, 0, "VoxLevel"},
                      NormalizeCase{&TFun::BatterySave, 2, 0, "BatterySave"},
                      NormalizeCase{&TFun::BatterySave, 255, 1, "BatterySave"},
                      NormalizeCase{&TFun::FmRadio, 3, 1, "FmRadio"},
                      NormalizeCase{&TFun::Alarm, -2, 0, "Alarm"}));

TEST(TFun, UnprogrammedRadioNormalizesToFallbacks)
{
    TFun f;
    for (qint32 *v : {&f.BatterySave, &f.BeepTone, &f.SquelchLevel, &f.SideKey, &f.TxTimeout, &f.VoxEnabled,
                      &f.VoxInhibitOnReceive, &f.VoxLevel, &f.VoiceLanguage, &f.ScanMode, &f.VoicePrompt,
                      &f.HighVolInhibitTx, &f.LowVolInhibitTx, &f.Alarm, &f.FmRadio})
        *v = 255;
    f.Normalize();
    EXPECT_EQ(f.SquelchLevel, 5);
    EXPECT_EQ(f.SideKey, 0);
    EXPECT_EQ(f.TxTimeout, 6);
    EXPECT_EQ(f.VoxLevel, 4);
    for (qint32 v : {f.BatterySave, f.BeepTone, f.VoxEnabled, f.VoxInhibitOnReceive, f.VoiceLanguage, f.ScanMode,
                     f.VoicePrompt, f.HighVolInhibitTx, f.LowVolInhibitTx, f.Alarm, f.FmRadio})
        EXPECT_EQ(v, 1);
}

TEST(TestFrequencies, DefaultsAndTheRestEmpty)
{
    TTestFre t;
    EXPECT_EQ(t.RxFreq[1], QStringLiteral("460.05000"));
    EXPECT_EQ(t.TxFreq[1], QStringLiteral("460.10000"));
    EXPECT_EQ(t.RxFreq[3], QStringLiteral("479.95000"));
    EXPECT_EQ(t.TxFreq[3], QStringLiteral("479.90000"));
    EXPECT_EQ(t.TxFreq[6], QStringLiteral("460.40000"));
    for (int n = 7; n <= 16; ++n) {
        EXPECT_TRUE(t.RxFreq[size_t(n)].isEmpty());
        EXPECT_TRUE(t.TxFreq[size_t(n)].isEmpty());
    }
}

TEST(ResetSettings, ResetsFunAndMessageButNotTestFrequencies)
{
    TFun f;
    f.SquelchLevel = 0;
    TEnMsg m;
    m.Line1 = QStringLiteral("HELLO");
    m.Line2 = QStringLiteral("WORLD");
    ResetSettings(f, m);
    EXPECT_EQ(f, TFun());
    EXPECT_TRUE(m.Line1.isEmpty());
    EXPECT_TRUE(m.Line2.isEmpty());
}

} // namespace
