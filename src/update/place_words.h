#pragma once
#include <QString>
#include <optional>

// Finding a place's name in a text as whole words, whatever the case.
//
// Both texts are read as words (runs of letters and digits) and breaks. A
// blank, a line break, ".", "-", "/" or an apostrophe only parts two words,
// so "ST LOUIS" is named by "St. Louis" and "COEUR D'ALENE" by "Coeur
// d'Alene"; any other mark (",", ";", ":", brackets...) is a break that a
// place's name never runs across, so "Iowa, IA" does not name IOWA CITY.
// A word is never matched inside a longer one: "Jacksonville" does not name
// JACKSON.

struct PlaceSpan {
    qsizetype start = 0;  // where the place's first word begins in the text
    qsizetype length = 0; // up to the end of its last word
};

// The first place in `text` that names `place`; nullopt when none does or
// when the place holds no word at all.
std::optional<PlaceSpan> findPlaceWords(const QString& text, const QString& place);

// True when the text names the place (findPlaceWords finds it).
bool namesPlace(const QString& text, const QString& place);
