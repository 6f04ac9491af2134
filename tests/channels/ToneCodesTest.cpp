#include "channels/ToneCodes.h"

#include <gtest/gtest.h>

TEST(NormalizeToneText, FollowsTheToneTextRule)
{
    struct Case
    {
        const char *in;
        const char *out;
    };
    const Case cases[] = {
        {"", ""},
        {"100", "100.0"},
        {"123.46", "123.5"},
        {"88", "88.0"},
        {"25", "30.0"},
        {"0.5", "30.0"},
        {"300", "290.0"},
        {"290.04", "290.0"},
        {"1D", "290.0"},
        {"1.2.3", "290.0"},
        {"D023N", "D023N"},
        {"D023n", "D023N"},
        {"D754i", "D754I"},
        {"D089N", "D777N"},
        {"D23N", "D777N"},
        {"D0234N", "D777N"},
        {"d023n", "D777N"},
        {"D023X", "D777N"},
        {"None", "D777N"},
        {".5", "D777N"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(NormalizeToneText(QString::fromLatin1(c.in)), QString::fromLatin1(c.out)) << "input " << c.in;
}

TEST(DropDownToneList, HasNoneThenCtcssThenDcsNormalThenInverted)
{
    const QStringList items = DropDownToneList();
    ASSERT_EQ(items.size(), 206);
    EXPECT_EQ(items[0], "None");
    EXPECT_EQ(items[1], "67.0");
    EXPECT_EQ(items[39], "250.3");
    EXPECT_EQ(items[40], "D023N");
    EXPECT_EQ(items[122], "D754N");
    EXPECT_EQ(items[123], "D023I");
    EXPECT_EQ(items[205], "D754I");
    for (int i = 0; i < 83; ++i) {
        ASSERT_TRUE(items[40 + i].endsWith('N'));
        EXPECT_EQ(items[40 + i].chopped(1) + 'I', items[123 + i]);
    }
    // Every item is already in canonical form, so choosing one stores it unchanged.
    for (int i = 1; i < items.size(); ++i)
        EXPECT_EQ(NormalizeToneText(items[i]), items[i]);
    EXPECT_FALSE(items.contains("206.5"));
    EXPECT_FALSE(items.contains("D525N"));
}

TEST(PickerToneValues, HoldsBothPickerTables)
{
    const QStringList v = PickerToneValues();
    ASSERT_EQ(v.size(), 133);
    EXPECT_EQ(v[0], "01-67.0-XZ");
    EXPECT_EQ(v[9], "0A-91.5-ZZ");
    EXPECT_EQ(v[33], "22-206.5-8Z");
    EXPECT_EQ(v[41], "2A-254.1-0Z");
    EXPECT_TRUE(v[42].isEmpty() && v[43].isEmpty() && v[44].isEmpty());
    EXPECT_EQ(v[45], "1-D023");
    EXPECT_EQ(v[45 + 63], "64-D525");
    EXPECT_EQ(v[45 + 73], "74-D645");
    EXPECT_EQ(v[45 + 84], "85-D754");
    EXPECT_TRUE(v[130].isEmpty() && v[131].isEmpty() && v[132].isEmpty());
    // The picker's tones all survive the tone-text rule unchanged, the five extra ones included.
    for (int i = 0; i < 42; ++i)
        EXPECT_EQ(NormalizeToneText(v[i].section('-', 1, 1)), v[i].section('-', 1, 1));
}
