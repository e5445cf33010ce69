#include "update/place_words.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

bool partsWordsOnly(QChar c)
{
    return c.isSpace() || c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char('/')
        || c == QLatin1Char('\'');
}

// Reads a text word by word where it lies.
class WordReader {
public:
    explicit WordReader(QStringView text) : text_(text) {}

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

    QStringView word() const { return text_.sliced(start_, end_ - start_); }
    qsizetype start() const { return start_; }
    qsizetype end() const { return end_; }
    bool breakBefore() const { return breakBefore_; }

private:
    QStringView text_;
    qsizetype start_ = 0;
    qsizetype end_ = 0;
    bool breakBefore_ = false;
};

// The word with each character in one case, into `folded`.
void fold(QStringView word, QString& folded)
{
    folded.resize(word.size());
    std::transform(word.begin(), word.end(), folded.begin(), [](QChar c) { return c.toCaseFolded(); });
}

} // namespace

PhraseFinder::PhraseFinder(const QStringList& phrases) : nodes_(1)
{
    QString folded;
    for (const QString& phrase : phrases) {
        WordReader reader(phrase);
        int node = 0;
        while (reader.next()) {
            fold(reader.word(), folded);
            auto id = wordIds_.constFind(folded);
            if (id == wordIds_.cend())
                id = wordIds_.insert(folded, int(wordIds_.size()));
            sorts_.set(sortOf(reader.word()));
            // Marks before the first word belong to no word.
            const bool breakBefore = node != 0 && reader.breakBefore();
            int next = child(node, *id, breakBefore);
            if (next < 0) {
                next = int(nodes_.size());
                nodes_.append(Node{node, *id, breakBefore, nodes_[node].depth + 1});
                children_.insert(childKey(node, *id, breakBefore), next);
            }
            node = next;
        }
        nodes_[node].longest = nodes_[node].depth;
        longestPhrase_ = std::max(longestPhrase_, nodes_[node].depth);
    }
    linkNodes();
}

quint64 PhraseFinder::childKey(int node, int word, bool breakBefore)
{
    return (quint64(node) << 32) | (quint64(word) << 1) | breakBefore;
}

int PhraseFinder::child(int node, int word, bool breakBefore) const
{
    return children_.value(childKey(node, word, breakBefore), -1);
}

void PhraseFinder::linkNodes()
{
    // A node's fallback lies nearer the root than the node: the nodes are
    // linked in the order of their depth.
    std::vector<int> order(nodes_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return nodes_[a].depth < nodes_[b].depth; });
    for (const int n : order) {
        Node& node = nodes_[n];
        if (node.depth > 1)
            node.fallback = step(nodes_[node.parent].fallback, node.word, node.breakBefore);
        if (node.longest == 0)
            node.longest = nodes_[node.fallback].longest;
    }
}

int PhraseFinder::step(int node, int word, bool breakBefore) const
{
    for (;;) {
        const int next = child(node, word, node != 0 && breakBefore);
        if (next >= 0)
            return next;
        if (node == 0)
            return 0;
        node = nodes_[node].fallback;
    }
}

int PhraseFinder::sortOf(QStringView word)
{
    // Most words begin with a letter or digit of ASCII, folded here at no call.
    const char16_t first = word[0].unicode();
    const char16_t folded = first >= u'A' && first <= u'Z' ? char16_t(first + 32)
        : first < 0x80                                    ? first
                                                          : word[0].toCaseFolded().unicode();
    return (word.size() % 64) * 64 + folded % 64;
}

int PhraseFinder::wordId(QStringView word, QString& folded) const
{
    if (!sorts_.test(sortOf(word)))
        return -1;
    fold(word, folded);
    return wordIds_.value(folded, -1);
}

void PhraseFinder::find(QStringView text, const std::function<bool(const PlaceSpan&)>& found) const
{
    if (longestPhrase_ == 0)
        return;
    // The starts of the last words read that some phrase has, word n's at
    // n % ring: the words on the way to a node are all such words, and no
    // more than the longest phrase or the text has. Made at the first such
    // word: most texts have none.
    std::vector<qsizetype> starts;
    const qsizetype ring = std::min<qsizetype>(longestPhrase_, text.size() / 2 + 1);
    QString folded;
    WordReader reader(text);
    int node = 0;
    for (qsizetype n = 0; reader.next(); ++n) {
        const int word = wordId(reader.word(), folded);
        if (word < 0) {
            node = 0;
            continue;
        }
        if (starts.empty())
            starts.resize(ring);
        starts[n % ring] = reader.start();
        node = step(node, word, reader.breakBefore());
        const int words = nodes_[node].longest;
        if (words > 0) {
            const qsizetype start = starts[(n + 1 - words) % ring];
            if (!found(PlaceSpan{start, reader.end() - start}))
                return;
        }
    }
}

std::optional<PlaceSpan> PlaceWords::firstIn(QStringView text) const
{
    std::optional<PlaceSpan> first;
    finder_.find(text, [&](const PlaceSpan& span) {
        first = span;
        return false;
    });
    return first;
}

std::optional<PlaceSpan> PlaceWords::firstOutside(QStringView text, const QList<PlaceSpan>& passedOver,
                                                  qsizetype from) const
{
    // The places come in the order of their starts: each is held when a span
    // that starts no later ends no earlier.
    auto next = passedOver.cbegin();
    qsizetype furthestEnd = -1;
    std::optional<PlaceSpan> first;
    finder_.find(text.sliced(from), [&](PlaceSpan span) {
        span.start += from;
        for (; next != passedOver.cend() && next->start <= span.start; ++next)
            furthestEnd = std::max(furthestEnd, next->start + next->length);
        if (furthestEnd < span.start + span.length)
            first = span;
        return !first;
    });
    return first;
}

bool namesPlace(const QString& text, const QString& place)
{
    return PlaceWords(place).firstIn(text).has_value();
}
