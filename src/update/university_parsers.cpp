#include "update/university_parsers.h"

#include "platform/number_formats.h"
#include "update/parse_failure.h"
#include "update/unit_conversions.h"

namespace {

constexpr double kKnotsToMph = 1.150779;

// "MOSTLY SUNNY" reads "MOSUNNY", "PARTLY CLOUDY" reads "PTCLOUDY".
QString shortenCondition(const QString& caption)
{
    if (caption.startsWith(QLatin1String("MOSTLY")))
        return QStringLiteral("MO") + caption.mid(7);
    if (caption.startsWith(QLatin1String("PARTLY")))
        return QStringLiteral("PT") + caption.mid(7);
    return caption;
}

// A metric pressure shows whole millibars: "1013.2" reads "1013".
QString dropPressureDecimal(const QString& caption)
{
    if (!caption.contains(QLatin1Char('.')))
        return caption;
    if (caption.size() < 2)
        throw ParseFailure{"pressure too short to drop its decimal"};
    return caption.left(caption.size() - 2);
}

} // namespace

ParserPlan hawaiiListPlan(bool metric)
{
    // Field numbers in this list's column order: 1 condition, 2 remarks,
    // 3 temperature, 4 dewpoint, 5 humidity, 6 wind, 7 pressure.
    ParserPlan plan(metric, FieldLabels{0, 3, 9, 4, 5, 6, 7, 8});
    plan.cut(18).field(1).setAndTrim(&StationRow::condition, 14).convert(&StationRow::condition, shortenCondition);
    plan.cut(14).field(2).setAndTrim(&StationRow::remarks, 16);
    plan.cut(16).field(3).setAndTrim(&StationRow::temperature, 4).celsius(&StationRow::temperature);
    plan.cut(4).field(4).setAndTrim(&StationRow::dewpoint, 3).celsius(&StationRow::dewpoint);
    plan.cut(3).field(5).setAndTrim(&StationRow::humidity, 3);
    plan.cut(3).field(6).assign(&StationRow::wind, QStringLiteral("NR"));
    plan.cutBeforeLastColumn(8).field(7).setRest(&StationRow::pressure)
        .metricConvert(&StationRow::pressure, Convert_To_Millibars)
        .trim(&StationRow::pressure);
    return plan;
}

ParserPlan decodedHourlyPlan(bool metric)
{
    ParserPlan plan(metric);
    plan.step([](ParseState& s) {
        if (s.line.size() > 97)
            s.line.truncate(97);
    });
    plan.cut(16).setAndTrim(&StationRow::temperature, 5).celsius(&StationRow::temperature);
    // The dewpoint column starts on the temperature's last character.
    plan.cut(4).setAndTrim(&StationRow::dewpoint, 4).celsius(&StationRow::dewpoint);
    plan.step([metric](ParseState& s) {
        s.row.humidity = Calc_Humidity(s.row.temperature, s.row.dewpoint, metric);
    });
    plan.cut(8).step([](ParseState& s) { s.row.wind = Convert_Wind(s.take(12)); });
    plan.step([](ParseState& s) {
        const double gustKnots = leadingNumber(s.line.mid(12, 3));
        if (gustKnots > 0)
            s.row.wind += QLatin1Char('G') + formatDigits(gustKnots * kKnotsToMph, u"###");
    });
    plan.metricConvert(&StationRow::wind, Convert_Speed);
    plan.cut(21).setAndTrim(&StationRow::pressure, 8);
    plan.englishConvert(&StationRow::pressure, Convert_To_Inches);
    plan.metricConvert(&StationRow::pressure, dropPressureDecimal);
    plan.cutBeforeLastColumn(16).setAndTrim(&StationRow::condition, 5)
        .convert(&StationRow::condition, skyCodeCondition);
    plan.assign(&StationRow::remarks, QString()).assign(&StationRow::uv, QStringLiteral("NA"));
    return plan;
}

QString skyCodeCondition(const QString& code)
{
    if (code == QLatin1String("CLR"))
        return QStringLiteral("CLEAR");
    if (code == QLatin1String("SCT") || code == QLatin1String("FEW"))
        return QStringLiteral("PTCLOUDY");
    if (code == QLatin1String("OVC"))
        return QStringLiteral("CLOUDY");
    if (code == QLatin1String("BKN"))
        return QStringLiteral("MOCLOUDY");
    return QStringLiteral("NOREPORT");
}
