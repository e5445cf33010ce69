#include "mainwindow/digital_display.h"

#include "mainwindow/digit_glyphs.h"
#include "mainwindow/digital_window.h"
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "options/options_dialog.h"
#include "settings/settings_record.h"
#include "platform/settings_store.h"
#include "settings/condition_pictures.h"
#include "settings/program_state.h"
#include "test_support.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

TEST(DigitalGlyphs, CharactersSelectTheirGlyphAndOthersNone)
{
    EXPECT_EQ(digitGlyphFor('0'), 0);
    EXPECT_EQ(digitGlyphFor('9'), 9);
    EXPECT_EQ(digitGlyphFor('+'), 10);
    EXPECT_EQ(digitGlyphFor('.'), 12);
    EXPECT_EQ(digitGlyphFor('W'), 20);
    EXPECT_EQ(digitGlyphFor(' '), 23);
    EXPECT_EQ(digitGlyphFor('G'), 28);
    EXPECT_EQ(digitGlyphFor('a'), -1); // lower case has no glyph
    EXPECT_EQ(digitGlyphFor('A'), -1);
}

TEST(DigitalGlyphs, StoreHoldsTwentyNineGlyphsPerColourSet)
{
    ASSERT_EQ(digitGlyphs().size(), 4 * GlyphsPerSet);
    EXPECT_EQ(digitGlyph(0, 15).width(), 19);
    EXPECT_EQ(digitGlyph(0, 12).width(), 6);
    EXPECT_EQ(digitGlyph(3, 8).height(), 25);
    EXPECT_TRUE(digitGlyph(4, 0).isNull());
    EXPECT_TRUE(digitGlyph(0, 29).isNull());
    // Colour sets differ in colour, not shape.
    EXPECT_NE(digitGlyph(0, 8).toImage(), digitGlyph(1, 8).toImage());
    EXPECT_NE(digitGlyph(0, 8).toImage(), digitGlyph(0, GlyphBlank).toImage());
}

TEST(DigitalPadding, ReadingsFillExactlyThreeCells)
{
    EXPECT_EQ(digitalReading("-5"), "-05");
    EXPECT_EQ(digitalReading("5"), "  5");
    EXPECT_EQ(digitalReading("72"), " 72");
    EXPECT_EQ(digitalReading("102"), "102");
    EXPECT_EQ(digitalReading("-12"), "-12");
    EXPECT_EQ(digitalReading("NOT AVBL"), "  0");
    EXPECT_EQ(digitalDewpoint("MM"), "   ");
    EXPECT_EQ(digitalDewpoint(""), "   ");
    EXPECT_EQ(digitalDewpoint("41"), " 41");
    EXPECT_EQ(digitalHumidity("0"), "   ");
    EXPECT_EQ(digitalHumidity("NA"), "   ");
    EXPECT_EQ(digitalHumidity("7"), "  7");
    EXPECT_EQ(digitalHumidity("100"), "100");
}

TEST(DigitalPressure, TrendLetterPointAndShortValues)
{
    PressureCells p = digitalPressure("30.12R");
    EXPECT_EQ(p.first, "30");
    EXPECT_EQ(p.last, "12");
    EXPECT_EQ(p.trendGlyph, 10);
    EXPECT_TRUE(p.point);
    p = digitalPressure("1013F");
    EXPECT_EQ(p.first, "10");
    EXPECT_EQ(p.last, "13");
    EXPECT_EQ(p.trendGlyph, 11);
    EXPECT_FALSE(p.point);
    p = digitalPressure("985");
    EXPECT_EQ(p.first, " 9");
    EXPECT_EQ(p.last, "85");
    EXPECT_EQ(p.trendGlyph, GlyphBlank);
    p = digitalPressure("NR");
    EXPECT_EQ(p.first, "  ");
    EXPECT_EQ(p.last, "  ");
    EXPECT_EQ(p.trendGlyph, GlyphBlank);
    EXPECT_FALSE(p.point);
    EXPECT_EQ(digitalPressure("29.92S").trendGlyph, 24);
}

TEST(DigitalDisplayRules, WindDelayBandsConditionWordsAndTime)
{
    EXPECT_EQ(windFrameDelay(0), 2000);
    EXPECT_EQ(windFrameDelay(1), 100);
    EXPECT_EQ(windFrameDelay(5), 100);
    EXPECT_EQ(windFrameDelay(6), 70);
    EXPECT_EQ(windFrameDelay(20), 40);
    EXPECT_EQ(windFrameDelay(21), 30);
    EXPECT_EQ(windFrameDelay(70), 10);
    EXPECT_EQ(windFrameDelay(71), 5);
    EXPECT_EQ(digitalConditionPicture("Partly Cloudy"), 2);
    EXPECT_EQ(digitalConditionPicture("Ptly Cloudy"), 12);
    EXPECT_EQ(digitalConditionPicture(""), 12);
    EXPECT_EQ(digitalConditionPicture("Rain"), 6);
    EXPECT_EQ(digitalConditionPicture("SNOW  RAIN"), 13);
    EXPECT_EQ(digitalTime("08:05"), " 8:05");
    EXPECT_EQ(digitalTime("18:05"), "18:05");
    EXPECT_EQ(digitalTime(""), "  :  ");
}

namespace {

class DigitalWindowTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        writeLines("States_Cities.cvd", {"[US States/Cities]", "Texas", "https://roundup.example/tx/rwr.txt",
                                         "DALLAS", "[END]"});
    }
    void watch(int stations)
    {
        for (int i = 0; i < stations; ++i) {
            addWatchEntry(form2().List3, QString("Texas - PLACE%1").arg(i), false);
            form1().Label2[i]->setText(QString("PLACE%1").arg(i));
            form1().Label4[i]->setText(QString::number(50 + i * 10));
        }
    }
};

} // namespace

TEST_F(DigitalWindowTest, PickGraphicDrawsOnlyKnownCharactersIntoNamedCells)
{
    WethWind& w = wethWind();
    EXPECT_EQ(w.cellGlyph(0), GlyphBlank);
    w.Pick_Graphic("ab", "0001"); // lower case has no glyph
    EXPECT_EQ(w.cellGlyph(0), GlyphBlank);
    EXPECT_EQ(w.cellGlyph(1), GlyphBlank);
    w.Pick_Graphic("7", "000102");
    EXPECT_EQ(w.cellGlyph(0), 7);
    EXPECT_EQ(w.cellGlyph(1), GlyphBlank);
    EXPECT_EQ(w.cellGlyph(2), GlyphBlank);
    EXPECT_EQ(w.cellGlyph(22), -1); // the mail indicator is no glyph cell
}

TEST_F(DigitalWindowTest, DisplayDrawsTheCurrentRowAndCleansThePressureCaption)
{
    watch(1);
    Form1& main = form1();
    main.Label3[0]->setText("Partly Cloudy");
    main.Label4[0]->setText("-5");
    main.Label5[0]->setText("MM");
    main.Label6[0]->setText("7");
    main.Label7[0]->setText("NW 12 G 25");
    main.Label8[0]->setText("29.92 R");
    program().SlotReadAt[0] = QTime(8, 5); // the station's own readings
    program().CurrentSlot = 0;
    main.Display_Digital();
    WethWind& w = wethWind();
    EXPECT_EQ(w.Label1->text(), "PLACE0");
    EXPECT_FALSE(w.Gif89a1[2]->isHidden());
    EXPECT_TRUE(w.Gif89a1[12]->isHidden());
    EXPECT_EQ(w.cellGlyph(0), 22);
    EXPECT_EQ(w.cellGlyph(1), 0);
    EXPECT_EQ(w.cellGlyph(2), 5);
    EXPECT_EQ(w.cellGlyph(5), GlyphBlank);
    EXPECT_EQ(w.cellGlyph(8), 7);
    EXPECT_EQ(main.Label8[0]->text(), "29.92R");
    EXPECT_EQ(w.cellGlyph(12), 2);
    EXPECT_EQ(w.cellGlyph(14), 12);
    EXPECT_EQ(w.cellGlyph(16), 2);
    EXPECT_EQ(w.cellGlyph(17), 10);
    EXPECT_EQ(w.cellGlyph(31), GlyphBlank);
    EXPECT_EQ(w.cellGlyph(30), 8);
    EXPECT_EQ(w.cellGlyph(27), 5);
    EXPECT_EQ(w.cellGlyph(21), 15);

    main.Label8[0]->setText("1013F");
    main.Display_Digital();
    EXPECT_EQ(w.cellGlyph(14), -1); // no point: the cell is empty
    EXPECT_EQ(w.cellGlyph(17), 11);
}

TEST_F(DigitalWindowTest, WindAlternatesWithGustEveryTickAndNotWithout)
{
    WethWind& w = wethWind();
    w.Timer1->stop(); // the ticks below are the only ones
    ProgramState& s = program();
    s.WindDir = " NW";
    s.WindSpeed = " 12";
    s.WindGust = " 25";
    w.Timer1_Timer(); // first tick shows the gust
    EXPECT_EQ(w.cellGlyph(24), 28);
    EXPECT_EQ(w.cellGlyph(9), 5);
    w.Timer1_Timer();
    EXPECT_EQ(w.cellGlyph(24), 17);
    EXPECT_EQ(w.cellGlyph(23), 20);
    EXPECT_EQ(w.cellGlyph(9), 2);
    EXPECT_EQ(w.Timer1->interval(), 2000);

    s.WindGust.clear();
    s.GustShowing = 0;
    w.Pick_Graphic(" 12", "111009");
    w.Timer1_Timer();
    EXPECT_EQ(w.cellGlyph(9), 2);
    EXPECT_EQ(s.GustShowing, 0);
}

TEST_F(DigitalWindowTest, StationButtonsStopAtTheEndsAndAtEmptyRows)
{
    watch(3);
    WethWind& w = wethWind();
    program().CurrentSlot = 0;
    w.Command1_Click(4);
    EXPECT_EQ(program().CurrentSlot, 0);
    form1().Label2[1]->clear();
    w.Command1_Click(5); // the next row is empty, even though a later one is filled
    EXPECT_EQ(program().CurrentSlot, 0);
    form1().Label2[1]->setText("PLACE1");
    w.Command1_Click(5);
    EXPECT_EQ(program().CurrentSlot, 1);
    EXPECT_EQ(w.Label1->text(), "PLACE1");
    EXPECT_EQ(weather().Temp->text(), "60");
    w.Command1_Click(5);
    EXPECT_EQ(program().CurrentSlot, 2);
    EXPECT_FALSE(w.Command1[5]->isEnabled());
    w.Command1[5]->setEnabled(true);
    w.Command1_Click(5);
    EXPECT_EQ(program().CurrentSlot, 2);
    EXPECT_FALSE(w.Command1[5]->isEnabled());
    EXPECT_TRUE(w.Command1[4]->isEnabled());
}

TEST_F(DigitalWindowTest, PositionIsRepairedAndStoredOnlyOnFinalClose)
{
    WethWind& w = wethWind();
    EXPECT_NE(GetSetting("DigitalStartUp", "Left", "Blank"), "Blank"); // first run stores the corner
    EXPECT_EQ(GetSetting("DigitalStartUp", "Top", "Blank"), "0");
    SaveSetting("DigitalStartUp", "Top", "30");
    w.show();
    w.close();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(GetSetting("DigitalStartUp", "Top", "Blank"), "30");
    form1().Unloading = -1;
    w.show();
    w.close();
    EXPECT_EQ(GetSetting("DigitalStartUp", "Top", "Blank"), "0");
}

TEST_F(DigitalWindowTest, LampClearsOnlyTheCurrentStationsAlert)
{
    ProgramState& s = program();
    s.CurrentSlot = 1;
    s.WarnFlag[1] = s.WarnSound[1] = true;
    s.WarnFlag[2] = s.WarnSound[2] = true;
    WethWind& w = wethWind();
    w.Image2->show();
    w.Image2_Click();
    EXPECT_FALSE(s.WarnFlag[1]);
    EXPECT_FALSE(s.WarnSound[1]);
    EXPECT_TRUE(s.WarnFlag[2]);
    EXPECT_TRUE(s.WarnSound[2]);
    EXPECT_TRUE(w.Image2->isHidden());
}

TEST_F(DigitalWindowTest, ColourChangeRedrawsTheFixedCellsInTheNewSet)
{
    WethWind& w = wethWind();
    w.Pick_Graphic("7", "00");
    program().DigitColorIndex = 3;
    w.DigitColorChange();
    EXPECT_EQ(w.cellGlyph(0), GlyphBlank); // the digits are blanked again
    EXPECT_EQ(w.cellGlyph(18), 14);
    EXPECT_EQ(w.cellGlyph(29), 21);
    EXPECT_EQ(w.Image1[19]->pixmap().toImage(), digitGlyph(3, 13).toImage());
    w.Pick_Graphic("4", "01");
    EXPECT_EQ(w.Image1[1]->pixmap().toImage(), digitGlyph(3, 4).toImage());
}

TEST_F(DigitalWindowTest, MailClickHidesEveryIndicatorAndRightClickSetsThePopupSlot)
{
    WethWind& w = wethWind();
    w.Image1[22]->show();
    weather().Image1[2]->show();
    w.Image1_Click(5);
    EXPECT_TRUE(w.Image1[22]->isHidden());
    EXPECT_TRUE(weather().Image1[2]->isHidden());

    program().CurrentSlot = 4;
    w.Label1_MouseUp(Qt::LeftButton, {});
    EXPECT_EQ(program().PopupSlot, -1);
    w.Label1_MouseUp(Qt::RightButton, {});
    EXPECT_EQ(program().PopupSlot, 4);
}

TEST_F(DigitalWindowTest, EachConditionShowsThePictureOfItsWeather)
{
    watch(1);
    WethWind& w = wethWind();
    // Condition word and the drawing it must show (0 sunny ... 11 mostly cloudy, 12 unknown).
    const std::pair<const char*, int> cases[] = {
        {"SUNNY", 0}, {"Partly Cloudy", 1}, {"CLOUDY", 2}, {"RAIN", 3}, {"LGT RAIN", 4}, {"HAZE", 5},
        {"SNOW", 6}, {"TSTORMS", 7}, {"FLURRIES", 9}, {"SNOWSHWR", 10}, {"OVERCAST", 11}, {"NOREPORT", 12},
    };
    for (const auto& [word, drawing] : cases) {
        form1().Label3[0]->setText(word);
        form1().Display_Digital();
        const QLabel* shown = nullptr;
        for (int n = 1; n <= 13; ++n)
            if (!w.Gif89a1[n]->isHidden())
                shown = w.Gif89a1[n];
        ASSERT_TRUE(shown) << word;
        EXPECT_EQ(shown->pixmap().toImage(), conditionPicture(drawing, 32).toImage()) << word;
    }
    for (int n = 1; n <= 13; ++n)
        for (int m = 1; m < n; ++m)
            EXPECT_NE(w.Gif89a1[n]->pixmap().toImage(), w.Gif89a1[m]->pixmap().toImage()) << n << " " << m;
}

TEST_F(DigitalWindowTest, AStationChosenWhileTheDisplayDrawsIsTheOneDrawn)
{
    watch(2);
    WethWind& w = wethWind();
    program().CurrentSlot = 0;
    // The arrow click waits among the events that the drawing lets run.
    QMetaObject::invokeMethod(&w, [&w] { w.Command1_Click(5); }, Qt::QueuedConnection);
    form1().Display_Digital();
    EXPECT_EQ(program().CurrentSlot, 1);
    EXPECT_EQ(w.Label1->text(), "PLACE1");
    EXPECT_EQ(w.cellGlyph(1), 6); // 60, not the first station's 50
    EXPECT_EQ(w.cellGlyph(2), 0);
}

TEST_F(DigitalWindowTest, NothingCoversTheDrawnCells)
{
    watch(1);
    form1().Label3[0]->setText("RAIN");
    form1().Label8[0]->setText("30.12R");
    form1().Display_Digital();
    WethWind& w = wethWind();
    w.Image1[22]->show();
    w.Image2->show();
    const QImage shot = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    // The cells that the row above draws: temperature 50, the unit, and the
    // pressure 30.12 rising.
    const std::pair<int, int> drawn[] = {{1, 5}, {2, 0}, {21, 15}, {12, 3}, {13, 0},
                                         {14, 12}, {15, 1}, {16, 2}, {17, 10}};
    for (const auto& [cell, glyphIndex] : drawn) {
        ASSERT_EQ(w.cellGlyph(cell), glyphIndex) << "cell " << cell;
        // Every lit pixel of the cell's glyph is on the window as drawn.
        const QImage glyph = digitGlyph(program().DigitColorIndex, glyphIndex).toImage().convertToFormat(
            QImage::Format_RGB32);
        const QPoint at = w.Image1[cell]->pos();
        int lit = 0;
        int covered = 0;
        for (int y = 0; y < glyph.height(); ++y)
            for (int x = 0; x < glyph.width(); ++x) {
                if (glyph.pixel(x, y) == qRgb(0, 0, 0))
                    continue;
                ++lit;
                if (shot.pixel(at + QPoint(x, y)) != glyph.pixel(x, y))
                    ++covered;
            }
        EXPECT_GT(lit, 0) << "cell " << cell;
        EXPECT_EQ(covered, 0) << "cell " << cell << " glyph " << glyphIndex;
    }
}
