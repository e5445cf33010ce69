#include "settings/string_routines.h"

#include "platform/settings_store.h"
#include "platform/sound_player.h"
#include "platform/waits.h"
#include "settings/program_state.h"
#include "test_support.h"

#include <QElapsedTimer>

TEST(SplitWind, KnownPatternsGiveDirectionSpeedAndGust)
{
    WindParts parts = splitWind("SW15G25");
    EXPECT_EQ(parts.direction, "SW ");
    EXPECT_EQ(parts.speed, "15 ");
    EXPECT_EQ(parts.gust, "25 ");

    parts = splitWind("NNW105");
    EXPECT_EQ(parts.direction, "NNW");
    EXPECT_EQ(parts.speed, "105");
    EXPECT_EQ(parts.gust, "");

    parts = splitWind("E05");
    EXPECT_EQ(parts.direction, " E ");
    EXPECT_EQ(parts.speed, "5  ");

    parts = splitWind("WNW1234G104"); // four speed digits: not a wind
    EXPECT_EQ(parts.direction, " N ");
    EXPECT_EQ(parts.speed, "0  ");
}

TEST(SplitWind, CalmAndUnknownTextsPointNorthAtZero)
{
    for (const char* text : {"N0", "E0", "CALM", "", "VRB"}) {
        const WindParts parts = splitWind(text);
        EXPECT_EQ(parts.direction, " N ") << text;
        EXPECT_EQ(parts.speed, "0  ") << text;
        EXPECT_EQ(parts.gust, "") << text;
    }
    ASSERT_TRUE(Split_Wind("S7G15"));
    EXPECT_EQ(program().WindDir, " S ");
    EXPECT_EQ(program().WindSpeed, "7  ");
    EXPECT_EQ(program().WindGust, "15 ");
}

TEST(UrlSplitters, LastSlashDecides)
{
    EXPECT_EQ(Get_FileName("http://host/maps/radar.gif"), "radar.gif");
    EXPECT_EQ(Get_FileName("http://host/maps/"), "");
    EXPECT_EQ(Get_FileName("radar.gif"), "No Name");
    EXPECT_EQ(Get_FileName(""), "No Name");
    EXPECT_EQ(Get_URLPath("http://host/maps/radar.gif"), "http://host/maps/");
    EXPECT_EQ(Get_URLPath("radar.gif"), "No Name");
}

TEST(MaskBulletin, MasksInPlaceAndCutsTheFooter)
{
    const QString footer(138, 'F');
    QString text = "A<b>B</b>NNNN$$C\r\n\r\n\r\n\r\nD" + footer;
    const QString result = Mask_Bulletin(text);
    const QChar m(1);
    EXPECT_EQ(result, QString("A") + QString(3, m) + "B" + QString(4, m) + QString(4, m) + QString(2, m) + "C"
                          + QString(4, m) + "\r\n\r\nD");
    EXPECT_EQ(text.size(), result.size() + 138); // the caller's text keeps its length
    EXPECT_TRUE(text.endsWith(footer));

    QString unclosed = "keep <never closed" + footer;
    EXPECT_EQ(Mask_Bulletin(unclosed), "keep " + QString(13, m) + QString(footer.size() - 138, m));
}

TEST(MaskBulletin, ShortTextGivesNothingInsteadOfFailing)
{
    QString text = "<b>TORNADO</b> WARNING";
    EXPECT_EQ(Mask_Bulletin(text), "");
    EXPECT_EQ(text, QString(3, QChar(1)) + "TORNADO" + QString(4, QChar(1)) + " WARNING"); // still masked
    QString empty;
    EXPECT_EQ(Mask_Bulletin(empty), "");
    QString exact(138, 'x');
    EXPECT_EQ(Mask_Bulletin(exact), "");
    QString oneMore = "y" + QString(138, 'x');
    EXPECT_EQ(Mask_Bulletin(oneMore), "y");
}

TEST(StripTags, RemovesCompleteTagsOnly)
{
    QString text = "<p>Sunny</p> and <b warm";
    EXPECT_EQ(Strip_Tags(text), "Sunny and <b warm");
    EXPECT_EQ(text, "Sunny and <b warm");
    QString plain = "no tags > here";
    EXPECT_EQ(Strip_Tags(plain), "no tags > here");
}

TEST(FlipBits, ScramblesReversibly)
{
    QString text = "abc";
    const QString scrambled = Flip_Bits(text);
    ASSERT_EQ(scrambled.size(), 3);
    EXPECT_EQ(scrambled[0].unicode(), 158);
    EXPECT_EQ(scrambled[1].unicode(), 157);
    EXPECT_EQ(scrambled[2].unicode(), 156);
    EXPECT_EQ(text, scrambled);
    EXPECT_EQ(Flip_Bits(text), "abc");
    QString empty;
    EXPECT_EQ(Flip_Bits(empty), "");
}

class FlipBitsStore : public SandboxTest {};

TEST_F(FlipBitsStore, ScrambledPasswordsSurviveTheSettingsStore)
{
    // Scrambled characters are control codes; "\xff" even becomes code 0.
    const QString password = QString::fromLatin1("p\xe9ss w,\"rd\xff!");
    QString scrambled = password;
    SaveSetting("EMail", "Pass1", Flip_Bits(scrambled));
    QString stored = GetSetting("EMail", "Pass1", "Blank");
    EXPECT_EQ(Flip_Bits(stored), password);
}

class PlaySoundTest : public SandboxTest {};

TEST_F(PlaySoundTest, PlaysFromTheSoundsFolder)
{
    QStringList played;
    SoundPlayer::instance().listener = [&](const QString& file) { played << file; };
    Play_Sound("Thunder.wav");
    Play_Sound("(none).wav");
    SoundPlayer::instance().listener = nullptr;
    EXPECT_EQ(played, QStringList({path("Sounds/Thunder.wav"), path("Sounds/(none).wav")}));
    Play_Sound("Missing.wav"); // no file, no sound device: nothing happens
}

TEST_F(PlaySoundTest, RealAndDamagedFilesNeverStopTheProgram)
{
    installShipped("Sounds/Thunder.wav");
    writeFile("Sounds/Broken.wav", "RIFF....WAVEjunk");
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 4; ++i) {
        Play_Sound("Thunder.wav");
        Play_Sound("Broken.wav");
    }
    // Asynchronous: waiting for each thunder (2.6 seconds) would take over ten.
    EXPECT_LT(clock.elapsed(), 10000);
    pauseLettingEventsRun(0.2); // loading and playing (or failing) happens here
}
