#include "app/Globals.h"
#include "app/TALL.h"
#include "app/TfMaindb.h"
#include "codeplug/ChannelTable.h"
#include "codeplug/TEnMsg.h"
#include "codeplug/TFun.h"
#include "codeplug/TMacList.h"
#include "codeplug/TTestFre.h"
#include "support/CoreFixture.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

TEST(TALL, StartsZeroEmptyAndFalse)
{
    const TALL all;
    EXPECT_TRUE(all.LanguageName.isEmpty());
    EXPECT_EQ(all.LanguageIndex, 0);
    EXPECT_TRUE(all.PortName.isEmpty());
    EXPECT_EQ(all.ChannelCount, 0);
    EXPECT_EQ(all.ModelFreqLimitA, 0.0);
    EXPECT_EQ(all.BandLow, 0.0);
    EXPECT_EQ(all.PictureIndex, 0);
    EXPECT_FALSE(all.Modified);
    EXPECT_FALSE(all.Relabeling);
    EXPECT_EQ(all.CurrentModel, nullptr);
}

TEST(DataModule, CreatesEverySingletonAndForgetsThemWhenDestroyed)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    {
        TfMaindb db(QStringLiteral("/tmp/zq410-startup"));
        ASSERT_NE(MacList, nullptr);
        ASSERT_NE(ALL, nullptr);
        ASSERT_NE(TestFre, nullptr);
        ASSERT_NE(EnMsg, nullptr);
        ASSERT_NE(Fun, nullptr);
        ASSERT_NE(FrqList, nullptr);
        ASSERT_NE(Language, nullptr);
        ASSERT_NE(Channels, nullptr);
        ASSERT_NE(Staging, nullptr);
        EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral("."));
        EXPECT_EQ(ALL->AppDir, QStringLiteral("/tmp/zq410-startup/"));
        EXPECT_EQ(ALL->ProductTitle, QStringLiteral("ZQ-410"));
        EXPECT_EQ(MacList->count(), 2);
        EXPECT_EQ(*Fun, TFun());
        EXPECT_TRUE(EnMsg->Line1.isEmpty());
        EXPECT_EQ(TestFre->RxFreq[1], QStringLiteral("460.05000"));
        EXPECT_FALSE(ALL->Relabeling);
        // The model is made current by the main window, not by the data module.
        EXPECT_EQ(ALL->CurrentModel, nullptr);
    }
    EXPECT_EQ(ALL, nullptr);
    EXPECT_EQ(Channels, nullptr);
}

TEST(DataModule, EachInstanceStartsFromFreshState)
{
    {
        TfMaindb db(QStringLiteral("/tmp"));
        Fun->SquelchLevel = 9;
        EnMsg->Line1 = QStringLiteral("changed");
        ALL->Modified = true;
    }
    TfMaindb db(QStringLiteral("/tmp"));
    EXPECT_EQ(Fun->SquelchLevel, 5);
    EXPECT_TRUE(EnMsg->Line1.isEmpty());
    EXPECT_FALSE(ALL->Modified);
}

class StartupState : public CoreFixture
{
};

TEST_F(StartupState, FirstModelWithItsDefaultBand)
{
    EXPECT_EQ(ALL->ModelName, QStringLiteral("ZQ-410(UHF)"));
    EXPECT_EQ(ALL->ModelCode, QStringLiteral("5917"));
    EXPECT_EQ(ALL->BandText, QStringLiteral("450 - 470MHz"));
    EXPECT_EQ(ALL->BandLow, 450.0);
    EXPECT_EQ(ALL->BandHigh, 470.0);
    EXPECT_EQ(ALL->ModelFreqLimitB, 300.0);
    EXPECT_EQ(ALL->ModelFreqLimitA, 650.0);
    EXPECT_EQ(ALL->ChannelCount, 16);
    EXPECT_FALSE(ALL->Modified);
    EXPECT_EQ(ALL->CurrentModel, MacList->ModelAt(0));
}

} // namespace
