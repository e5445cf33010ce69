#pragma once
#include <QList>
#include <QString>
#include <QStringView>
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
//
// The text is searched where it lies: the time a search takes grows with
// the text's length, and it copies nothing.

struct PlaceSpan {
    qsizetype start = 0;  // where the place's first word begins in the text
    qsizetype length = 0; // up to the end of its last word
};

// A place's words, read once, to be looked for in any number of texts.
class PlaceWords {
public:
    explicit PlaceWords(const QString& place);

    // Every place in `text` that names this one, in their order; none when
    // the place holds no word at all.
    QList<PlaceSpan> allIn(QStringView text) const;
    // The first of them; nullopt when there is none.
    std::optional<PlaceSpan> firstIn(QStringView text) const;
    // The first place in `text` that names this one and lies outside every
    // span of `passedOver` (words there name something else); nullopt when
    // there is none.
    std::optional<PlaceSpan> firstOutside(QStringView text, QList<PlaceSpan> passedOver) const;

private:
    struct Word {
        QString folded;           // in one case
        bool breakBefore = false; // a break stands between it and the word before
    };
    class Reader;
    // The next place that names this one, from the word after the one the
    // reader stands on; the reader is left on its first word.
    std::optional<PlaceSpan> nextIn(Reader& reader) const;
    // The place that names this one from the word the reader stands on.
    std::optional<PlaceSpan> matchAt(Reader at) const;

    QList<Word> words_;
};

// True when the text names the place.
bool namesPlace(const QString& text, const QString& place);
