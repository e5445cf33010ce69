#include "update/place_words.h"

#include <QList>

namespace {

// A word (folded to one case) or a break; where it stands in its text.
struct Token {
    QString word; // empty for a break
    qsizetype start = 0;
    qsizetype end = 0;
};

bool partsWordsOnly(QChar c)
{
    return c.isSpace() || c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char('/')
        || c == QLatin1Char('\'');
}

QList<Token> tokens(const QString& text)
{
    QList<Token> found;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c.isLetterOrNumber()) {
            Token word{QString(), i, i};
            while (i < text.size() && text[i].isLetterOrNumber())
                word.word += text[i++].toCaseFolded();
            word.end = i;
            found << word;
        } else {
            // Runs of breaks count as one.
            if (!partsWordsOnly(c) && (found.isEmpty() || !found.last().word.isEmpty()))
                found << Token{QString(), i, i + 1};
            ++i;
        }
    }
    return found;
}

} // namespace

std::optional<PlaceSpan> findPlaceWords(const QString& text, const QString& place)
{
    QList<Token> wanted = tokens(place);
    // Marks before the first word or after the last belong to no word.
    while (!wanted.isEmpty() && wanted.first().word.isEmpty())
        wanted.removeFirst();
    while (!wanted.isEmpty() && wanted.last().word.isEmpty())
        wanted.removeLast();
    if (wanted.isEmpty())
        return std::nullopt;
    const QList<Token> words = tokens(text);
    for (qsizetype at = 0; at + wanted.size() <= words.size(); ++at) {
        qsizetype k = 0;
        while (k < wanted.size() && words[at + k].word == wanted[k].word)
            ++k;
        if (k == wanted.size())
            return PlaceSpan{words[at].start, words[at + k - 1].end - words[at].start};
    }
    return std::nullopt;
}

bool namesPlace(const QString& text, const QString& place)
{
    return findPlaceWords(text, place).has_value();
}
