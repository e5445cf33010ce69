#include "update/place_words.h"

#include <algorithm>
#include <deque>
#include <numeric>
#include <vector>

namespace {

bool partsWordsOnly(QChar c)
{
    return c.isSpace() || c == u'.' || c == u'-' || c == u'/' || c == u'\'' || c == u'\u2019' || c == u'\u2013';
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
    std::transform(word.begin(), word.end(), folded.begin(), [](QChar c) {
        return c >= u'A' && c <= u'Z' ? QChar(c.unicode() + 32) : c.unicode() < 0x80 ? c : c.toCaseFolded();
    });
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

inline int PhraseFinder::sortOf(QStringView word)
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
    fold(word, folded);
    return wordIds_.value(folded, -1);
}

inline int PhraseFinder::Follower::take(QStringView word, bool breakBefore)
{
    int id = -1;
    if (finder_.sorts_.test(sortOf(word))) {
        if (word != lastWord_) {
            lastWord_ = word;
            lastId_ = finder_.wordId(word, folded_);
        }
        id = lastId_;
    }
    node_ = id < 0 ? 0 : finder_.step(node_, id, breakBefore);
    return finder_.nodes_[node_].longest;
}

void PhraseFinder::find(QStringView text, const std::function<bool(const PlaceSpan&)>& found) const
{
    if (longestPhrase_ == 0)
        return;
    // The starts of the last words read, in a ring: no phrase has more
    // words than the longest, and no text more than half its length and one.
    std::vector<qsizetype> starts(std::min<qsizetype>(longestPhrase_, text.size() / 2 + 1));
    const qsizetype ring = qsizetype(starts.size());
    WordReader reader(text);
    Follower follower(*this);
    for (qsizetype last = 0; reader.next(); last = last + 1 == ring ? 0 : last + 1) {
        starts[last] = reader.start();
        const int words = follower.take(reader.word(), reader.breakBefore());
        if (words > 0) {
            const qsizetype start = starts[(last + ring + 1 - words) % ring];
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

std::optional<PlaceSpan> PlaceWords::firstOutside(QStringView text, const PhraseFinder& passedOver) const
{
    const int reach = passedOver.longestPhrase();
    const int placeWords = finder_.longestPhrase();
    if (reach == 0 || placeWords == 0)
        return firstIn(text);
    // The places found that a phrase ending later may still hold, in the
    // text's order, each with the number of its first word. A phrase that
    // ends at word n holds those that start at its first word or after; one
    // that ends after word n starts after word n + 1 - reach.
    std::deque<std::pair<qsizetype, PlaceSpan>> open;
    std::vector<qsizetype> starts(placeWords); // the last words', word n's at n % placeWords
    WordReader reader(text);
    PhraseFinder::Follower place(finder_);
    PhraseFinder::Follower other(passedOver);
    for (qsizetype n = 0; reader.next(); ++n) {
        starts[n % placeWords] = reader.start();
        if (const int words = place.take(reader.word(), reader.breakBefore())) {
            const qsizetype start = starts[(n + 1 - words) % placeWords];
            open.emplace_back(n + 1 - words, PlaceSpan{start, reader.end() - start});
        }
        if (const int words = other.take(reader.word(), reader.breakBefore())) {
            while (!open.empty() && open.back().first > n - words)
                open.pop_back();
        }
        if (!open.empty() && open.front().first <= n + 1 - reach)
            return open.front().second;
    }
    if (open.empty())
        return std::nullopt;
    return open.front().second;
}

bool namesPlace(const QString& text, const QString& place)
{
    return PlaceWords(place).firstIn(text).has_value();
}
