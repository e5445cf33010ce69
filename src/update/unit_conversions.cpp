#include "update/unit_conversions.h"

#include "platform/number_formats.h"
#include "settings/string_routines.h"
#include "update/parse_failure.h"

#include <cmath>

namespace {

constexpr double kKnotsToMph = 1.150779;
constexpr double kMphToKmh = 1.609344;
constexpr double kInchesPerMillibar = 0.02953;

// Degrees Fahrenheit in a caption as whole degrees Celsius, rounded down.
// The caption is first rounded to a 16-bit whole number of degrees.
double celsiusFromFahrenheitCaption(const QString& caption)
{
    int fahrenheit = 0;
    if (!toInt16(caption, fahrenheit))
        throw ParseFailure{"temperature outside the 16-bit range"};
    return std::floor((fahrenheit - 32) * 5 / 9.0);
}

QString compassWord(const QString& directionText)
{
    if (!directionText.isEmpty() && !readsAsNumber(directionText))
        return directionText; // a word such as "VRB"
    const QString point = compassPoint(leadingNumber(directionText));
    return point.isEmpty() ? directionText : point;
}

} // namespace

bool readsAsNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    if (i < text.size() && text[i] == QLatin1Char('.'))
        ++i;
    return i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9');
}

QString compassPoint(double degrees)
{
    if (degrees == 0 || degrees == 360)
        return QStringLiteral("N");
    if (degrees >= 1 && degrees <= 89)
        return QStringLiteral("NE");
    if (degrees == 90)
        return QStringLiteral("E");
    if (degrees >= 91 && degrees <= 179)
        return QStringLiteral("SE");
    if (degrees == 180)
        return QStringLiteral("S");
    if (degrees >= 181 && degrees <= 269)
        return QStringLiteral("SW");
    if (degrees == 270)
        return QStringLiteral("W");
    if (degrees >= 271 && degrees <= 359)
        return QStringLiteral("NW");
    return QString();
}

QString Strip_Spaces(const QString& caption)
{
    qsizetype begin = 0;
    qsizetype end = caption.size();
    while (begin < end && caption[begin] == QLatin1Char(' '))
        ++begin;
    while (end > begin && caption[end - 1] == QLatin1Char(' '))
        --end;
    return caption.mid(begin, end - begin);
}

QString Remove_Spaces(const QString& caption)
{
    QString result = caption;
    result.remove(QLatin1Char(' '));
    return result;
}

QString Convert_Wind(const QString& windText)
{
    // "270 AT 15": the direction before "AT", the speed after "AT" and the
    // blank behind it. Without "AT" the direction is empty and the speed
    // starts at the third character.
    const qsizetype at = windText.indexOf(QLatin1String("AT"));
    const QString direction = at < 0 ? QString() : Strip_Spaces(windText.left(at));
    const QString speed = Strip_Spaces(windText.mid(at < 0 ? 2 : at + 3));
    if (!readsAsNumber(speed))
        return Strip_Spaces(windText);

    const double knots = leadingNumber(speed);
    if (knots == 0)
        return QStringLiteral("CALM");
    return compassWord(direction) + formatDigits(knots * kKnotsToMph, u"###");
}

QString Calc_Humidity(const QString& temperature, const QString& dewpoint, bool celsius)
{
    if (!readsAsNumber(temperature) || !readsAsNumber(dewpoint))
        return QStringLiteral("NA");
    double t = 0;
    double td = 0;
    if (celsius) {
        t = leadingNumber(temperature);
        td = leadingNumber(dewpoint);
    } else {
        t = celsiusFromFahrenheitCaption(temperature);
        td = celsiusFromFahrenheitCaption(dewpoint);
    }
    if (237.3 + td == 0 || 237.3 + t == 0)
        throw ParseFailure{"humidity cannot be computed"};
    const double rh = 100.0 * std::exp(17.27 * (td / (237.3 + td) - t / (237.3 + t)));
    if (!std::isfinite(rh))
        throw ParseFailure{"humidity cannot be computed"};
    return formatDigits(rh, u"###");
}

QString Convert_To_Millibars(const QString& caption)
{
    const QString stripped = Strip_Spaces(caption);
    if (!readsAsNumber(stripped))
        return stripped;
    QString text = formatDigits(leadingNumber(stripped) / kInchesPerMillibar, u"####");
    if (stripped.endsWith(QLatin1Char('S')) || stripped.endsWith(QLatin1Char('R'))
        || stripped.endsWith(QLatin1Char('F')))
        text += stripped.back();
    return text;
}

QString Convert_To_Inches(const QString& caption)
{
    if (!readsAsNumber(caption))
        return caption;
    QString text = formatDigits(leadingNumber(caption) * kInchesPerMillibar, u"###.##");
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point >= 0) {
        while (text.size() - point - 1 < 2)
            text += QLatin1Char('0');
    }
    return text;
}

QString Convert_Speed(const QString& caption)
{
    const QString s = Strip_Spaces(caption);
    const std::optional<WindGroups> groups = windGroups(s);
    if (!groups)
        return s;
    QString result = groups->direction + formatDigits(leadingNumber(groups->speed) * kMphToKmh, u"###");
    if (!groups->gust.isEmpty())
        result += groups->gustLetter + formatDigits(leadingNumber(groups->gust) * kMphToKmh, u"###");
    return result;
}

QString Fahrenheit_To_Celsius(const QString& caption)
{
    if (!readsAsNumber(caption))
        return caption;
    int t = 0;
    if (!toInt16(caption, t))
        throw ParseFailure{"temperature outside the 16-bit range"};
    // The difference and the product are 16-bit operations in the readings'
    // arithmetic: a result outside that range is a failure, not a wrap.
    const int difference = t - 32;
    if (difference < -32768)
        throw ParseFailure{"temperature outside the 16-bit range"};
    const int product = difference * 5;
    if (product < -32768 || product > 32767)
        throw ParseFailure{"temperature outside the 16-bit range"};
    return Strip_Spaces(QString::number(static_cast<long long>(std::floor(product / 9.0))));
}
