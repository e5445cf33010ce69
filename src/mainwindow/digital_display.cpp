#include "mainwindow/digital_display.h"

#include "mainwindow/digit_glyphs.h"
#include "mainwindow/digital_window.h"
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "platform/number_formats.h"
#include "platform/plain_text.h"
#include "platform/waits.h"
#include "settings/program_state.h"
#include "settings/string_routines.h"
#include "update/report_processing.h"

#include <QAction>
#include <QLabel>
#include <QStringList>
#include <cmath>

int digitGlyphFor(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    switch (c.unicode()) {
    case '+': return 10;
    case '.': return 12;
    case 'N': return 17;
    case 'S': return 18;
    case 'E': return 19;
    case 'W': return 20;
    case ':': return 21;
    case '-': return 22;
    case ' ': return 23;
    case 'V': return 25;
    case 'R': return 26;
    case 'B': return 27;
    case 'G': return 28;
    default: return -1;
    }
}

namespace {

QString numberText(const QString& caption)
{
    const double v = leadingNumber(caption);
    if (v == std::floor(v))
        return numberForm(static_cast<long long>(v)).trimmed();
    return QString::number(v);
}

QString padded(const QString& t)
{
    if (t.startsWith(QLatin1Char('-')) && t.size() == 2)
        return QStringLiteral("-0") + t.right(1);
    if (t.size() == 1)
        return QStringLiteral("  ") + t;
    if (t.size() == 2)
        return QLatin1Char(' ') + t;
    return t;
}

} // namespace

QString digitalReading(const QString& caption)
{
    return padded(numberText(caption));
}

QString digitalDewpoint(const QString& caption)
{
    if (caption.isEmpty() || caption == QLatin1String("MM"))
        return QStringLiteral("   ");
    return digitalReading(caption);
}

QString digitalHumidity(const QString& caption)
{
    if (roundHalfEven(leadingNumber(caption)) == 0)
        return QStringLiteral("   ");
    const QString t = numberText(caption);
    if (t.startsWith(QLatin1Char('-')) && t.size() < 3)
        return QStringLiteral("-0") + t.right(1);
    return padded(t);
}

int windFrameDelay(int v)
{
    if (v <= 0) return 2000;
    if (v <= 5) return 100;
    if (v <= 10) return 70;
    if (v <= 20) return 40;
    if (v <= 30) return 30;
    if (v <= 40) return 25;
    if (v <= 50) return 20;
    if (v <= 60) return 15;
    if (v <= 70) return 10;
    return 5;
}

int digitalConditionPicture(const QString& caption)
{
    struct Group { int n; QStringList words; };
    static const Group groups[] = {
        {1, {"SUNNY", "CLEAR", "FAIR", "FINE"}},
        {2, {"PTCLOUDY", "MOSUNNY", "PTSUNNY", "PARTLYCLDY", "MOSTLYCLEAR", "PTCLDY", "PARTLY CLOUDY"}},
        {4, {"CLOUDY"}},
        {10, {"FOG", "HAZE", "SMOKE"}},
        {5, {"DRIZZLE", "DRZL/FOG", "FREEZING FOG", "ICECRYSTALS/FOG", "LGT RAIN", "SHOWER", "SHOWERS",
             "LIGHT RAIN", "RAIN/FOG"}},
        {6, {"HVY RAIN", "RAIN"}},
        {9, {"SNOW", "SNOW/FOG", "BLOWING SNOW", "BLOWINGSNOW", "SNOW/FREEZINGFO"}},
        {8, {"LGT SNOW", "FLURRIES"}},
        {7, {"TSTORMS", "TSTM", "TSHWR", "HEAVY THUNDERSTORM"}},
        {3, {"OVERCAST", "MOSTLY CLOUDY", "MOCLDY", "MOSTLYCLDY", "MOCLOUDY"}},
        {13, {"SNOW  RAIN", "SNOWSHWR"}},
    };
    const QString word = caption.toUpper();
    for (const Group& g : groups)
        if (g.words.contains(word))
            return g.n;
    return 12;
}

int digitalPictureDrawing(int picture)
{
    // Day drawings: 0 sunny, 1 partly cloudy, 2 cloudy, 3 rain, 4 drizzle,
    // 5 fog, 6 snow, 7 thunderstorm, 8 showers, 9 light snow, 10 rain and
    // snow, 11 mostly cloudy; 12 an unknown condition. Picture 11 has no
    // words of its own and shows the showers.
    static const int drawings[14] = {12, 0, 1, 11, 2, 4, 3, 7, 9, 6, 5, 8, 12, 10};
    return picture >= 1 && picture <= 13 ? drawings[picture] : 12;
}

PressureCells digitalPressure(const QString& c)
{
    PressureCells out{QString(), QString(), GlyphBlank, false};
    QString p;
    if (c.isEmpty() || c == QLatin1String("NR")) {
        p = QStringLiteral("    ");
    } else {
        const QChar last = c.back();
        p = c;
        if (last == QLatin1Char('R')) out.trendGlyph = 10;
        else if (last == QLatin1Char('F')) out.trendGlyph = 11;
        else if (last == QLatin1Char('S')) out.trendGlyph = 24;
        if (out.trendGlyph != GlyphBlank)
            p.chop(1);
    }
    out.first = p.size() < 4 ? QLatin1Char(' ') + p.left(1) : p.left(2);
    out.last = p.right(2);
    out.point = p.contains(QLatin1Char('.'));
    return out;
}

QString digitalTime(const QString& lastUpdate)
{
    if (lastUpdate.isEmpty())
        return QStringLiteral("  :  ");
    if (lastUpdate.startsWith(QLatin1Char('0')))
        return QLatin1Char(' ') + lastUpdate.mid(1);
    return lastUpdate;
}

void Form1::Display_Digital()
{
    WethWind& w = wethWind();
    // Events run while the picture changes, the window meanwhile disabled
    // (turning its redrawing off instead leaves a window shown in that pass
    // unpainted for good). A click elsewhere among those events may choose
    // another station; the drawing then starts again, so it always ends on
    // the station that is current.
    int slot = -1;
    while (slot != program().CurrentSlot) {
        slot = program().CurrentSlot;
        if (slot < 0 || slot > 9 || !Label2[slot])
            return;
        w.Label1->setText(Label2[slot]->text());
        w.showConditionPicture(digitalConditionPicture(Label3[slot]->text()));
        w.setEnabled(false);
        DoEvents();
        w.setEnabled(true);
    }
    const QString condition = Label3[slot]->text();
    w.Gif89a1[digitalConditionPicture(condition)]->setToolTip(
        plainToolTip(condition + QStringLiteral(", ") + Label9[slot]->text()));

    w.Pick_Graphic(digitalReading(Label4[slot]->text()), QStringLiteral("000102"));
    w.Pick_Graphic(digitalDewpoint(Label5[slot]->text()), QStringLiteral("050403"));
    w.Pick_Graphic(digitalHumidity(Label6[slot]->text()), QStringLiteral("060708"));

    Split_Wind(Label7[slot]->text());
    w.Pick_Graphic(program().WindDir, QStringLiteral("252423"));
    w.Pick_Graphic(program().WindSpeed, QStringLiteral("111009"));
    w.setWindDelay(windFrameDelay(roundHalfEven(leadingNumber(program().WindSpeed))));

    const bool metric = TempD[1] && TempD[1]->isChecked();
    w.setCellGlyph(21, metric ? 16 : 15);

    // The pressure caption loses its blanks in the table as well.
    QString pressure = Label8[slot]->text();
    pressure.remove(QLatin1Char(' '));
    Label8[slot]->setText(pressure);
    const PressureCells pc = digitalPressure(pressure);
    w.setCellGlyph(17, pc.trendGlyph);
    w.Pick_Graphic(pc.first, QStringLiteral("1213"));
    w.Pick_Graphic(pc.last, QStringLiteral("1516"));
    if (pc.point)
        w.setCellGlyph(14, 12);
    else
        w.clearCell(14);

    w.Pick_Graphic(digitalTime(shownReadingsTime()), QStringLiteral("3130292827"));
    // An update says "Updating..." there until it has ended.
    if (!program().UpdateRunning)
        w.Label2[6]->setText(shownReadingsState());
}
