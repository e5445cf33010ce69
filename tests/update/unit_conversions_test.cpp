#include "settings/string_routines.h"
#include "update/parse_failure.h"
#include "update/unit_conversions.h"

#include <gtest/gtest.h>

TEST(ConvertWind, CompassWordsAndMilesPerHour)
{
    EXPECT_EQ(Convert_Wind("90 AT 10"), "E12");
    EXPECT_EQ(Convert_Wind("45 AT 10"), "NE12");
    EXPECT_EQ(Convert_Wind("0 AT 10"), "N12");
    EXPECT_EQ(Convert_Wind("360 AT 10"), "N12");
    EXPECT_EQ(Convert_Wind("180 AT 10"), "S12");
    EXPECT_EQ(Convert_Wind("270 AT 15"), "W17");
    EXPECT_EQ(Convert_Wind("135 AT 20"), "SE23");
    EXPECT_EQ(Convert_Wind("225 AT 20"), "SW23");
    EXPECT_EQ(Convert_Wind("315 AT 20"), "NW23");
    // Blanks around both parts do not matter.
    EXPECT_EQ(Convert_Wind("  91 AT   10   "), "SE12");
}

TEST(ConvertWind, CalmWhateverTheDirection)
{
    EXPECT_EQ(Convert_Wind("270 AT 0"), "CALM");
    EXPECT_EQ(Convert_Wind("VRB AT 00"), "CALM");
}

TEST(ConvertWind, DirectionsOutsideTheRangesStayAsWritten)
{
    EXPECT_EQ(Convert_Wind("89.5 AT 10"), "89.512");
    EXPECT_EQ(Convert_Wind("400 AT 10"), "40012");
    EXPECT_EQ(Convert_Wind("-10 AT 10"), "-1012");
    // A word such as a variable wind stays.
    EXPECT_EQ(Convert_Wind("VRB AT 10"), "VRB12");
}

TEST(ConvertWind, WithoutAtTheSpeedStartsAtTheThirdCharacter)
{
    EXPECT_EQ(Convert_Wind("xx10"), "N12");
}

TEST(CalcHumidity, FromFahrenheitAndCelsiusCaptions)
{
    EXPECT_EQ(Calc_Humidity("72", "50", false), "46"); // 22 and 10 degrees Celsius
    EXPECT_EQ(Calc_Humidity("22", "10", true), "46");
    EXPECT_EQ(Calc_Humidity("68", "59", false), "73");
    // Equal temperature and dewpoint: saturated.
    EXPECT_EQ(Calc_Humidity("70", "70", false), "100");
    EXPECT_EQ(Calc_Humidity("-3", "-3", true), "100");
    // No upper bound: a dewpoint above the temperature gives more than 100.
    EXPECT_EQ(Calc_Humidity("10", "22", true), "215");
}

TEST(CalcHumidity, FahrenheitIsRoundedToWholeDegreesFirst)
{
    // 72.4 rounds to 72 (22 C), 49.6 rounds to 50 (10 C).
    EXPECT_EQ(Calc_Humidity("72.4", "49.6", false), "46");
    // Celsius captions are used as they are.
    EXPECT_NE(Calc_Humidity("22.4", "9.6", true), "46");
}

TEST(CalcHumidity, MissingValuesAndBadNumbers)
{
    EXPECT_EQ(Calc_Humidity("---", "50", false), "NA");
    EXPECT_EQ(Calc_Humidity("72", "---", false), "NA");
    EXPECT_EQ(Calc_Humidity("---", "---", true), "NA");
    // A Fahrenheit value beyond the 16-bit range is a failure, not a wrap.
    EXPECT_THROW(Calc_Humidity("40000", "50", false), ParseFailure);
    EXPECT_THROW(Calc_Humidity("72", "-40000", false), ParseFailure);
    // A dewpoint at the formula's pole cannot be computed.
    EXPECT_THROW(Calc_Humidity("20", "-237.3", true), ParseFailure);
    EXPECT_THROW(Calc_Humidity("-237.3", "20", true), ParseFailure);
    // A result too large for a number.
    EXPECT_THROW(Calc_Humidity("20", "-237.5", true), ParseFailure);
    // A humidity that rounds to 0 is an empty caption.
    EXPECT_EQ(Calc_Humidity("40", "-200", true), "");
}

TEST(ConvertToMillibars, KeepsTheTrendLetter)
{
    EXPECT_EQ(Convert_To_Millibars("30.05R"), "1018R");
    EXPECT_EQ(Convert_To_Millibars("  29.92S  "), "1013S");
    EXPECT_EQ(Convert_To_Millibars("30.12F"), "1020F");
    EXPECT_EQ(Convert_To_Millibars("29.87"), "1012");
    // Any other last character is not carried over.
    EXPECT_EQ(Convert_To_Millibars("29.87X"), "1012");
}

TEST(ConvertToInches, AlwaysTwoDecimals)
{
    EXPECT_EQ(Convert_To_Inches("1013"), "29.91");
    EXPECT_EQ(Convert_To_Inches("1013.2"), "29.92");
    EXPECT_EQ(Convert_To_Inches("0"), ".00");
    // 1015.92 mb is 30.0000... inches: the point and two zeros are added.
    EXPECT_EQ(Convert_To_Inches("1015.92"), "30.00");
    EXPECT_EQ(Convert_To_Inches("1009.8R"), "29.82");
}

// A wind caption is read by its form, one to three direction letters, one to
// three speed digits, and for a gust a letter and one to three digits, both
// in the metric conversion and in the digital window's split of it.
TEST(WindCaptions, EveryFormConvertsAndSplits)
{
    struct Case { const char* caption; const char* kmh; const char* direction; const char* speed; const char* gust; };
    const Case cases[] = {
        {"N8", "N13", " N ", "8  ", ""},
        {"N12", "N19", " N ", "12 ", ""},
        {"N100", "N161", " N ", "100", ""},
        {"SW8", "SW13", "SW ", "8  ", ""},
        {"SW12", "SW19", "SW ", "12 ", ""},
        {"SW100", "SW161", "SW ", "100", ""},
        {"WSW8", "WSW13", "WSW", "8  ", ""},
        {"WSW22", "WSW35", "WSW", "22 ", ""},
        {"WSW100", "WSW161", "WSW", "100", ""},
        {"N8G9", "N13G14", " N ", "8  ", "9  "},
        {"N8G25", "N13G40", " N ", "8  ", "25 "},
        {"N12G9", "N19G14", " N ", "12 ", "9  "},
        {"N12G25", "N19G40", " N ", "12 ", "25 "},
        {"NE8G25", "NE13G40", "NE ", "8  ", "25 "},
        {"NE12G9", "NE19G14", "NE ", "12 ", "9  "},
        {"NE12G25", "NE19G40", "NE ", "12 ", "25 "},
        {"NE12G100", "NE19G161", "NE ", "12 ", "100"},
        {"WSW12G25", "WSW19G40", "WSW", "12 ", "25 "},
        {"WSW100G120", "WSW161G193", "WSW", "100", "120"},
        // Variable winds with a gust, and gusts of three digits.
        {"VRB5G17", "VRB8G27", "VRB", "5  ", "17 "},
        {"VRB5", "VRB8", "VRB", "5  ", ""},
        {"VRB12G25", "VRB19G40", "VRB", "12 ", "25 "},
        {"N5G105", "N8G169", " N ", "5  ", "105"},
        {"N15G105", "N24G169", " N ", "15 ", "105"},
        {"WNW12G104", "WNW19G167", "WNW", "12 ", "104"},
        {"S100G5", "S161G8", " S ", "100", "5  "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Convert_Speed(c.caption), c.kmh) << c.caption;
        const WindParts parts = splitWind(c.caption);
        EXPECT_EQ(parts.direction, c.direction) << c.caption;
        EXPECT_EQ(parts.speed, c.speed) << c.caption;
        EXPECT_EQ(parts.gust, c.gust) << c.caption;
    }
}

TEST(ConvertSpeed, OtherShapesAreOnlyTrimmed)
{
    EXPECT_EQ(Convert_Speed("CALM"), "CALM");
    EXPECT_EQ(Convert_Speed("  CALM "), "CALM");
    EXPECT_EQ(Convert_Speed("N E 1 2"), "N E 1 2");
    EXPECT_EQ(Convert_Speed(""), "");
    EXPECT_EQ(Convert_Speed("12"), "12");
    EXPECT_EQ(Convert_Speed("NE1234"), "NE1234");
    for (const char* other : {"VRB12G25X", "VARB5G17", "N5G1234", "N5G", "N5GG17", "N5G17G20"})
        EXPECT_EQ(Convert_Speed(other), QString(other));
    EXPECT_EQ(Convert_Speed(QString(100000, 'N')), QString(100000, 'N'));
}

TEST(ConvertSpeed, SurroundingBlanksAreIgnored)
{
    EXPECT_EQ(Convert_Speed("  NE12G25  "), "NE19G40");
    // A speed of 0 formats as nothing.
    EXPECT_EQ(Convert_Speed("N0"), "N");
}

TEST(FahrenheitToCelsius, RoundsDownAfterTheDivision)
{
    EXPECT_EQ(Fahrenheit_To_Celsius("72"), "22");
    EXPECT_EQ(Fahrenheit_To_Celsius("20"), "-7");
    EXPECT_EQ(Fahrenheit_To_Celsius("33"), "0");
    EXPECT_EQ(Fahrenheit_To_Celsius("32"), "0");
    EXPECT_EQ(Fahrenheit_To_Celsius("-5"), "-21");
    // Halves go to the even whole degree first: 72.5 is 72, 73.5 is 74.
    EXPECT_EQ(Fahrenheit_To_Celsius("72.5"), "22");
    EXPECT_EQ(Fahrenheit_To_Celsius("73.5"), "23");
}

TEST(FahrenheitToCelsius, NumbersBeyondSixteenBitsFail)
{
    EXPECT_THROW(Fahrenheit_To_Celsius("40000"), ParseFailure);
    // Fits 16 bits, but five times the difference from 32 does not.
    EXPECT_THROW(Fahrenheit_To_Celsius("7000"), ParseFailure);
    EXPECT_THROW(Fahrenheit_To_Celsius("-6600"), ParseFailure);
    EXPECT_EQ(Fahrenheit_To_Celsius("6585"), "3640");
}

// A missing reading must never turn into a believable number (-18 degrees,
// 100 percent, .00 inches, a calm wind).
TEST(MissingReadings, AreNeverConvertedIntoNumbers)
{
    for (const QString missing : {"", "   ", "M", "N/A", "---", " ---", "MISG", "-", "."}) {
        const std::string what = "'" + missing.toStdString() + "'";
        EXPECT_EQ(Fahrenheit_To_Celsius(missing), missing) << what;
        EXPECT_EQ(Convert_To_Inches(missing), missing) << what;
        EXPECT_EQ(Convert_To_Millibars(missing), Strip_Spaces(missing)) << what;
        for (const bool celsius : {false, true}) {
            EXPECT_EQ(Calc_Humidity(missing, "50", celsius), "NA") << what;
            EXPECT_EQ(Calc_Humidity("50", missing, celsius), "NA") << what;
        }
        EXPECT_EQ(Convert_Wind("270 AT " + missing), Strip_Spaces("270 AT " + missing)) << what;
    }
    // Numbers in any of their forms still convert.
    EXPECT_EQ(Fahrenheit_To_Celsius("-.5"), "-18");
    EXPECT_EQ(Calc_Humidity(" +72", "50.", false), "46");
}

TEST(BlankRemoval, StripAndRemove)
{
    EXPECT_EQ(Strip_Spaces("  a b  "), "a b");
    EXPECT_EQ(Strip_Spaces("\ta\t"), "\ta\t");
    EXPECT_EQ(Strip_Spaces("   "), "");
    EXPECT_EQ(Remove_Spaces(" N E 1 2 "), "NE12");
    EXPECT_EQ(Remove_Spaces(""), "");
}
