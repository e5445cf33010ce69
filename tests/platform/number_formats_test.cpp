#include "platform/number_formats.h"

#include <gtest/gtest.h>

TEST(LeadingNumber, ReadsTheLongestLeadingNumber)
{
    EXPECT_DOUBLE_EQ(leadingNumber(u"12abc"), 12.0);
    EXPECT_DOUBLE_EQ(leadingNumber(u"1.7.7"), 1.7);
    EXPECT_DOUBLE_EQ(leadingNumber(u" 25"), 25.0);
    EXPECT_DOUBLE_EQ(leadingNumber(u"-2147483630"), -2147483630.0);
    EXPECT_DOUBLE_EQ(leadingNumber(u"-4.5F"), -4.5);
    EXPECT_DOUBLE_EQ(leadingNumber(u".5"), 0.5);
    EXPECT_DOUBLE_EQ(leadingNumber(u"3E2x"), 300.0);
    EXPECT_DOUBLE_EQ(leadingNumber(u"3Ex"), 3.0);
    EXPECT_DOUBLE_EQ(leadingNumber(u""), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumber(u"abc"), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumber(u"-"), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumber(u"."), 0.0);
}

TEST(RoundHalfEven, RoundsHalvesToTheEvenNumber)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.6), 3);
    EXPECT_EQ(roundHalfEven(0.4999), 0);
}

TEST(ToInt16, RefusesNumbersOutsideTheRange)
{
    int out = 7;
    EXPECT_TRUE(toInt16(u" 45", out));
    EXPECT_EQ(out, 45);
    EXPECT_FALSE(toInt16(u"40000", out));
    EXPECT_EQ(out, 45);
    EXPECT_TRUE(toInt16(u"letters", out));
    EXPECT_EQ(out, 0);
}

TEST(NumberAndTruthForms, WriteAndReadBack)
{
    EXPECT_EQ(numberForm(25), " 25");
    EXPECT_EQ(numberForm(0), " 0");
    EXPECT_EQ(numberForm(-1), "-1");
    EXPECT_EQ(numberForm(static_cast<qint32>(0x80000012u)), "-2147483630");
    EXPECT_EQ(truthForm(true), "True");
    EXPECT_EQ(truthForm(false), "False");

    bool value = false;
    EXPECT_TRUE(parseTruth(u"True", value));
    EXPECT_TRUE(value);
    EXPECT_TRUE(parseTruth(u"0", value));
    EXPECT_FALSE(value);
    EXPECT_TRUE(parseTruth(u"-1", value));
    EXPECT_TRUE(value);
    EXPECT_FALSE(parseTruth(u"Maybe", value));
    EXPECT_FALSE(parseTruth(u"", value));
}

TEST(FormatDigits, WholeNumberPlaceholders)
{
    EXPECT_EQ(formatDigits(72.4, u"###"), "72");
    EXPECT_EQ(formatDigits(72.5, u"###"), "73");
    EXPECT_EQ(formatDigits(-3.5, u"###"), "-4");
    EXPECT_EQ(formatDigits(0.4, u"###"), "");
    EXPECT_EQ(formatDigits(1013.25, u"####"), "1013");
    EXPECT_EQ(formatDigits(12345.0, u"###"), "12345");
}

TEST(FormatDigits, DecimalPlaceholders)
{
    EXPECT_EQ(formatDigits(30.0, u"###.##"), "30.");
    EXPECT_EQ(formatDigits(0.5, u"###.##"), ".5");
    EXPECT_EQ(formatDigits(29.916, u"###.##"), "29.92");
    EXPECT_EQ(formatDigits(29.9, u"##.00"), "29.90");
    EXPECT_EQ(formatDigits(0.0, u"0.0"), "0.0");
}
