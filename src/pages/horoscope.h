#pragma once
#include <QDate>
#include <QString>
#include <optional>

// The daily horoscope: the signs, and the day's paragraph cut out of the
// portal's page for a sign.

struct ZodiacSign {
    const char* name;   // "Aries"
    const char* code;   // the page's two-letter code, "ar"
    const char* range;  // appended to the heading, "  March 21 - April 19"
    int picture;        // the sign's picture, 1-12 in alphabetical order of the names
};

// The sign of that exact name (case counts); nullptr for any other text.
const ZodiacSign* zodiacSign(const QString& name);

// The page of today's horoscope of a sign, and the portal's horoscope index.
QString horoscopeAddress(const QString& code);
QString horoscopeIndexAddress();

// What the page gives for the day. Outcome::Paragraph carries the text.
struct HoroscopeCut {
    enum class Outcome {
        NoDateLine, // no ", <year>" with a line end after it
        Broken,     // the paragraph has no line end
        Paragraph,
    } outcome;
    QString text;
};
// Tags are stripped first; the paragraph starts four characters after the
// line end that follows the first ", <year>" and runs to the next line end.
HoroscopeCut cutHoroscope(const QString& page, int year);

// The window title of a shown horoscope: "Thursday, March 4 1999".
QString horoscopeTitle(const QDate& day);
