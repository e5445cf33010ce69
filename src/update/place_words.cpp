#include "update/place_words.h"

#include <algorithm>

namespace {

bool partsWordsOnly(QChar c)
{
    return c.isSpace() || c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char('/')
        || c == QLatin1Char('\'');
}

} // namespace

// Reads a text word by word where it lies.
class PlaceWords::Reader {
public:
    explicit Reader(QStringView text) : text_(text) {}

    // Moves to the next word; false when there is none.
    bool next()
    {
        qsizetype i = end_;
        breakBefore_ = false;
        while (i < text_.size() && !text_[i].isLetterOrNumber()) {
            if (!partsWordsOnly(text_[i]))
                breakBefore_ = true;
            ++i;
        }
        if (i == text_.size())
            return false;
        start_ = i;
        while (i < text_.size() && text_[i].isLetterOrNumber())
            ++i;
        end_ = i;
        return true;
    }

    // The word's characters, each in one case.
    QString folded() const
    {
        QString word;
        for (qsizetype k = start_; k < end_; ++k)
            word += text_[k].toCaseFolded();
        return word;
    }

    // The word, case ignored, is `folded`.
    bool wordIs(const QString& folded) const
    {
        if (end_ - start_ != folded.size())
            return false;
        for (qsizetype k = 0; k < folded.size(); ++k) {
            if (text_[start_ + k].toCaseFolded() != folded[k])
                return false;
        }
        return true;
    }

    qsizetype start() const { return start_; }
    qsizetype end() const { return end_; }
    bool breakBefore() const { return breakBefore_; }

private:
    QStringView text_;
    qsizetype start_ = 0;
    qsizetype end_ = 0;
    bool breakBefore_ = false;
};

PlaceWords::PlaceWords(const QString& place)
{
    Reader reader(place);
    // Marks before the first word or after the last belong to no word.
    while (reader.next())
        words_ << Word{reader.folded(), !words_.isEmpty() && reader.breakBefore()};
}

std::optional<PlaceSpan> PlaceWords::matchAt(Reader at) const
{
    const qsizetype start = at.start();
    for (qsizetype k = 0;; ++k) {
        if (!at.wordIs(words_[k].folded) || (k > 0 && at.breakBefore() != words_[k].breakBefore))
            return std::nullopt;
        if (k + 1 == words_.size())
            return PlaceSpan{start, at.end() - start};
        if (!at.next())
            return std::nullopt;
    }
}

std::optional<PlaceSpan> PlaceWords::nextIn(Reader& reader) const
{
    if (words_.isEmpty())
        return std::nullopt;
    while (reader.next()) {
        if (const std::optional<PlaceSpan> span = matchAt(reader))
            return span;
    }
    return std::nullopt;
}

QList<PlaceSpan> PlaceWords::allIn(QStringView text) const
{
    QList<PlaceSpan> spans;
    Reader reader(text);
    while (const std::optional<PlaceSpan> span = nextIn(reader))
        spans << *span;
    return spans;
}

std::optional<PlaceSpan> PlaceWords::firstIn(QStringView text) const
{
    Reader reader(text);
    return nextIn(reader);
}

std::optional<PlaceSpan> PlaceWords::firstOutside(QStringView text, QList<PlaceSpan> passedOver) const
{
    std::sort(passedOver.begin(), passedOver.end(),
              [](const PlaceSpan& a, const PlaceSpan& b) { return a.start < b.start; });
    // The places come in the order of their starts: each is held when a span
    // that starts no later ends no earlier.
    auto next = passedOver.cbegin();
    qsizetype furthestEnd = -1;
    Reader reader(text);
    while (const std::optional<PlaceSpan> span = nextIn(reader)) {
        for (; next != passedOver.cend() && next->start <= span->start; ++next)
            furthestEnd = std::max(furthestEnd, next->start + next->length);
        if (furthestEnd < span->start + span->length)
            return span;
    }
    return std::nullopt;
}

bool namesPlace(const QString& text, const QString& place)
{
    return PlaceWords(place).firstIn(text).has_value();
}
