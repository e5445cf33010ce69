#include "pages/forecast_window.h"

#include "mainwindow/forms.h"
#include "test_support.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <tuple>

namespace {

const QString kGroups = "TXZ100-101-COLLIN-\r\nINCLUDING PLANO\r\n.TONIGHT...CLEAR.\r\n$$\r\n"
                        "TXZ102-DALLAS-\r\nINCLUDING GARLAND\r\n.TONIGHT...WINDY.\r\nNNNN\r\n$$\r\n"
                        "TXZ103-WACO-\r\n.TONIGHT...RAIN.<br>\r\n$$\r\n";
// A last group that no "$$" ends.
const QString kProduct = kGroups + "TXZ104-TYLER-\r\n.TONIGHT...FOG.\r\n";

} // namespace

TEST(ZoneForecast, FindsTheFirstGroupNamingThePlace)
{
    using Found = ZoneForecast::Found;
    // A product far longer than any the service sends, its place at the end.
    const QString huge = QString("TXZ105-ELSEWHERE-\r\n.TONIGHT...FAIR.\r\n$$\r\n").repeated(200000) + kGroups;
    // Four million characters of groups cut at once, the one "$$" at the end:
    // seeking it again for each group would take hours.
    const QString cutAtOnce = QString("TXZNNNN").repeated(600000) + "TXZ103-WACO-\r\n.TONIGHT...RAIN.\r\n$$";
    const QString brokenOff = QString("TXZ.<").repeated(800000) + "$$";
    struct Case {
        const QString& product;
        const char* place;
        const char* zone;
        Found found;
        QString block;
    } cases[] = {
        {kProduct, "DALLAS", "TXZ", Found::Block, "TXZ102-DALLAS-\r\nINCLUDING GARLAND\r\n.TONIGHT...WINDY.\r\n"}, // "NNNN" before "$$"
        {kGroups, "DALLAS HEIGHTS", "TXZ", Found::Block, "TXZ102-DALLAS-\r\nINCLUDING GARLAND\r\n.TONIGHT...WINDY.\r\n"},
        {kProduct, "WACO", "TXZ", Found::Block, "TXZ103-WACO-\r\n.TONIGHT...RAIN"}, // ".<" before "$$"
        {kProduct, "TYLER", "TXZ", Found::Uncuttable, ""},    // no "$$" after its group
        {kProduct, "AUSTIN", "OKZ", Found::NoBlock, ""},      // zone not in the product
        {kProduct, "PLANO", "txz", Found::NoBlock, ""},       // the code's case matters
        {kProduct, "DALLAS HEIGHTS", "TXZ", Found::Uncuttable, ""}, // the uncut group ends the search
        {kGroups, "FORT WORTH", "TXZ", Found::NoBlock, ""},
        {huge, "WACO", "TXZ", Found::Block, "TXZ103-WACO-\r\n.TONIGHT...RAIN"}, // read in one pass
        {cutAtOnce, "WACO", "TXZ", Found::Block, "TXZ103-WACO-\r\n.TONIGHT...RAIN.\r\n"},
        {brokenOff, "AUSTIN", "TXZ", Found::NoBlock, ""},
    };
    for (const Case& c : cases) {
        const ZoneForecast result = findZoneForecast(c.product, c.place, c.zone);
        EXPECT_EQ(result.found, c.found) << c.place;
        if (c.found == Found::Block) {
            EXPECT_EQ(result.block, c.block) << c.place;
        }
    }
}

TEST(ZoneForecast, HeadingIsCentredAndPeriodLinesLoseTheirFullStop)
{
    EXPECT_EQ(zoneForecastText("TXZ102-DALLAS-\r\n.TONIGHT...CLEAR.\r\n.SATURDAY...SUNNY.\r\n\r\n\r\n", "DALLAS"),
              QString(53, ' ') + "FORECAST FOR DALLAS\r\n\r\nTONIGHT...CLEAR.\r\nSATURDAY...SUNNY.");
    // A block without a period line is written from its fourth character.
    EXPECT_EQ(zoneForecastText("TXZ102 CALM\n", "A PLACE WITH A NAME SO LONG THAT IT OUTGROWS ANY CENTRING AT ALL, "
                                               "EVEN IN A WIDE WINDOW OF ONE HUNDRED AND THIRTY"),
              "FORECAST FOR A PLACE WITH A NAME SO LONG THAT IT OUTGROWS ANY CENTRING AT ALL, EVEN IN A WIDE "
              "WINDOW OF ONE HUNDRED AND THIRTY\r\n\r\n102 CALM");
    EXPECT_EQ(noZoneForecastText("WACO"), "Sorry, No Forecast for WACO at this time.\r\n");
}

class ForecastWindowTest : public SandboxTest {};

TEST_F(ForecastWindowTest, TheWindowIsAsTallAsItsLinesAndAClickUnloadsIt)
{
    WForcast& window = wForcast();
    window.PutText(kProduct, "DALLAS", "TXZ");
    EXPECT_EQ(window.Text1->toPlainText(), QString(53, ' ') + "FORECAST FOR DALLAS\n\nTONIGHT...WINDY.");
    EXPECT_EQ(window.height(), 3 * 13 + 4);

    window.Text1->setPlainText(QString(400, 'W') + "\nnext");
    window.Size_Planets_Window();
    EXPECT_GT(window.height(), 3 * 15); // the long line wraps

    window.Text1_Click();
    EXPECT_FALSE(wForcastLoaded());
    EXPECT_TRUE(wForcast().Text1->toPlainText().isEmpty());
}

TEST_F(ForecastWindowTest, OnlyACharacterKeyClosesIt)
{
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, const char*, bool> keys[] = {
        {Qt::Key_Shift, Qt::ShiftModifier, "", false}, {Qt::Key_Control, Qt::ControlModifier, "", false},
        {Qt::Key_Alt, Qt::AltModifier, "", false},     {Qt::Key_Tab, Qt::AltModifier, "\t", false}, // Alt+Tab
        {Qt::Key_Down, Qt::NoModifier, "", false},     {Qt::Key_A, Qt::NoModifier, "a", true},
        {Qt::Key_C, Qt::ControlModifier, "\x03", true},
    };
    for (const auto& [code, modifiers, text, closes] : keys) {
        wForcast().PutText(kProduct, "DALLAS", "TXZ");
        QKeyEvent key(QEvent::KeyPress, code, modifiers, QString::fromLatin1(text));
        QCoreApplication::sendEvent(wForcast().Text1, &key);
        EXPECT_EQ(wForcastLoaded(), !closes) << code;
    }
}
