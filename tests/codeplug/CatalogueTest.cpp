#include "app/Globals.h"
#include "codeplug/TFrqList.h"
#include "codeplug/TMacList.h"
#include "support/CoreFixture.h"

#include <gtest/gtest.h>

namespace {

class Catalogue : public CoreFixture
{
};

TEST_F(Catalogue, BandLookupsAndTheirFallback)
{
    EXPECT_EQ(FrqList->count(), 14);
    EXPECT_EQ(FrqList->CodeOf(QStringLiteral("450 - 470MHz")), 244);
    EXPECT_EQ(FrqList->TextOf(244), QStringLiteral("450 - 470MHz"));
    EXPECT_EQ(FrqList->CodeOf(QStringLiteral("450-470MHz")), 253) << "unpadded text falls back to the first entry";
    EXPECT_EQ(FrqList->TextOf(0), QStringLiteral(" 27 -  72MHz"));
    EXPECT_EQ(FrqList->TextOf(247), QStringLiteral("400 - 480MHz"));
}

TEST_F(Catalogue, EveryBandAModelOffersReadsBackAsItself)
{
    for (int i = 0; i < MacList->count(); ++i) {
        const TMacType *m = MacList->ModelAt(i);
        EXPECT_TRUE(m->Bands.contains(m->DefaultBand)) << qPrintable(m->Name);
        for (const QString &band : m->Bands) {
            EXPECT_EQ(band.size(), 12) << qPrintable(band);
            EXPECT_EQ(FrqList->TextOf(FrqList->CodeOf(band)), band) << qPrintable(band);
            EXPECT_NE(FrqList->CodeOf(band), 253) << qPrintable(band) << " must have its own code";
        }
    }
}

TEST_F(Catalogue, ModelsAsRegistered)
{
    ASSERT_EQ(MacList->count(), 2);
    const TMacType *uhf = MacList->ModelAt(0);
    const TMacType *vhf = MacList->ModelAt(1);
    EXPECT_EQ(uhf->Code, QStringLiteral("5917"));
    EXPECT_EQ(uhf->FreqLimitB, 300.0);
    EXPECT_EQ(uhf->FreqLimitA, 650.0);
    EXPECT_EQ(uhf->ReservedBlocks, 39);
    EXPECT_EQ(uhf->Bands.size(), 9);
    EXPECT_EQ(uhf->Bands.at(4), QStringLiteral("400 - 480MHz"));
    EXPECT_EQ(vhf->Name, QStringLiteral("ZQ-410(VHF)"));
    EXPECT_EQ(vhf->FreqLimitB, 67.0);
    EXPECT_EQ(vhf->FreqLimitA, 300.0);
    EXPECT_EQ(vhf->DefaultBand, QStringLiteral("150 - 174MHz"));
    EXPECT_EQ(vhf->Bands, QStringList({"136 - 150MHz", "136 - 174MHz", "150 - 174MHz", "216 - 223MHz"}));
    EXPECT_EQ(MacList->ModelAt(2), nullptr);
    EXPECT_EQ(MacList->ModelAt(-1), nullptr);
}

TEST_F(Catalogue, LookupsAreExact)
{
    EXPECT_EQ(MacList->FindByCode(QStringLiteral("5918")), MacList->ModelAt(1));
    EXPECT_EQ(MacList->FindByCode(QStringLiteral("5918 ")), nullptr);
    EXPECT_EQ(MacList->FindByName(QStringLiteral("ZQ-410(UHF)")), MacList->ModelAt(0));
    EXPECT_EQ(MacList->FindByName(QStringLiteral("zq-410(uhf)")), nullptr);
    QStringList names{QStringLiteral("stale")};
    MacList->GetNames(names);
    EXPECT_EQ(names, QStringList({"ZQ-410(UHF)", "ZQ-410(VHF)"}));
}

} // namespace
