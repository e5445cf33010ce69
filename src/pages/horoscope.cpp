#include "pages/horoscope.h"

#include "settings/source_addresses.h"
#include "settings/string_routines.h"

#include <QLocale>
#include <array>

namespace {

constexpr std::array<ZodiacSign, 12> kSigns{{
    {"Aries", "ar", "  March 21 - April 19", 2},
    {"Taurus", "ta", "  April 20 - May 20", 11},
    {"Gemini", "ge", "  May 21 - June 21", 5},
    {"Cancer", "ca", "  June 22 - July 22", 3},
    {"Leo", "le", "  July 23 - August 22", 6},
    {"Virgo", "vi", "  August 23 - September 22", 12},
    {"Libra", "li", "  September 23 - October 23", 7},
    {"Scorpio", "sc", "  October 24 - November 21", 10},
    {"Sagittarius", "sa", "  November 22 - December 21", 9},
    {"Capricorn", "cp", "  December 22 - January 19", 4},
    {"Aquarius", "aq", "  January 20 - February 18", 1},
    {"Pisces", "pi", "  February 19 - March 20", 8},
}};

} // namespace

const ZodiacSign* zodiacSign(const QString& name)
{
    for (const ZodiacSign& sign : kSigns) {
        if (name == QLatin1String(sign.name))
            return &sign;
    }
    return nullptr;
}

QString horoscopeAddress(const QString& code)
{
    return sites::HoroscopePortalSite() + QStringLiteral("/horoscopes/today/") + code;
}

QString horoscopeIndexAddress()
{
    return sites::HoroscopePortalSite() + QStringLiteral("/horoscopes/");
}

HoroscopeCut cutHoroscope(const QString& page, int year)
{
    QString text = page;
    Strip_Tags(text);
    const qsizetype p = text.indexOf(QStringLiteral(", ") + QString::number(year));
    const qsizetype q = p < 0 ? -1 : text.indexOf(QLatin1Char('\n'), p);
    if (q < 0)
        return {HoroscopeCut::Outcome::NoDateLine, QString()};
    const qsizetype s = q + 4;
    const qsizetype r = s < text.size() ? text.indexOf(QLatin1Char('\n'), s) : -1;
    if (r < 0)
        return {HoroscopeCut::Outcome::Broken, QString()};
    return {HoroscopeCut::Outcome::Paragraph, text.mid(s, r - s)};
}

QString horoscopeTitle(const QDate& day)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(day, QStringLiteral("dddd, MMMM d yyyy"));
}
