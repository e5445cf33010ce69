#include "platform/number_formats.h"

#include <algorithm>
#include <cmath>
#include <limits>

double leadingNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    qsizetype digits = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        qsizetype j = i + 1;
        qsizetype fraction = 0;
        while (j < n && text[j].isDigit() && text[j].unicode() < 128) {
            ++j;
            ++fraction;
        }
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    if (digits == 0)
        return 0.0;
    qsizetype end = i;
    if (i < n && (text[i] == QLatin1Char('E') || text[i] == QLatin1Char('e'))) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            ++j;
        qsizetype expDigits = 0;
        while (j < n && text[j].isDigit() && text[j].unicode() < 128) {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0)
            end = j;
    }
    bool ok = false;
    const double value = text.mid(start, end - start).toString().toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

long long roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double clamped = std::clamp(value, -9.0e18, 9.0e18);
    return static_cast<long long>(std::nearbyint(clamped)); // default mode: to nearest, ties to even
}

bool toInt16(QStringView text, int& out)
{
    const double value = leadingNumber(text);
    if (value < -32768.5 || value > 32767.5)
        return false;
    const long long rounded = roundHalfEven(value);
    if (rounded < -32768 || rounded > 32767)
        return false;
    out = static_cast<int>(rounded);
    return true;
}

QString numberForm(long long value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

QString truthForm(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

bool parseTruth(QStringView text, bool& out)
{
    const QString trimmed = text.trimmed().toString();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        out = true;
        return true;
    }
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        out = false;
        return true;
    }
    bool ok = false;
    const double number = trimmed.toDouble(&ok);
    if (!ok)
        return false;
    out = number != 0.0;
    return true;
}

namespace {

// Rounds half away from zero at the given number of decimals.
double roundAway(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    // A small nudge keeps values such as 2.675 (stored as 2.67499...) rounding up.
    const double scaled = value * scale;
    const double rounded = std::round(scaled + (scaled >= 0 ? 1e-9 : -1e-9));
    return rounded / scale;
}

} // namespace

QString formatDigits(double value, QStringView pattern)
{
    if (!std::isfinite(value))
        return QString();
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const QStringView whole = point < 0 ? pattern : pattern.left(point);
    const QStringView fraction = point < 0 ? QStringView() : pattern.mid(point + 1);
    const int decimals = static_cast<int>(fraction.size());
    const int forcedDecimals = static_cast<int>(fraction.count(QLatin1Char('0')));
    const int forcedWhole = static_cast<int>(whole.count(QLatin1Char('0')));

    const double rounded = roundAway(value, decimals);
    const bool negative = rounded < 0;
    QString digits = QString::number(std::fabs(rounded), 'f', decimals);
    QString wholePart = digits;
    QString fractionPart;
    if (decimals > 0) {
        const qsizetype dot = digits.indexOf(QLatin1Char('.'));
        wholePart = digits.left(dot);
        fractionPart = digits.mid(dot + 1);
        while (fractionPart.size() > forcedDecimals && fractionPart.endsWith(QLatin1Char('0')))
            fractionPart.chop(1);
    }
    while (wholePart.startsWith(QLatin1Char('0')))
        wholePart.remove(0, 1);
    while (wholePart.size() < forcedWhole)
        wholePart.prepend(QLatin1Char('0'));

    QString result = wholePart;
    if (point >= 0)
        result += QLatin1Char('.') + fractionPart;
    const bool allZero = wholePart.isEmpty() && (fractionPart.isEmpty()
        || fractionPart.count(QLatin1Char('0')) == fractionPart.size());
    if (negative && !allZero)
        result.prepend(QLatin1Char('-'));
    return result;
}
