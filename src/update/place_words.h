#pragma once
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <bitset>
#include <functional>
#include <optional>

// Finding a place's name in a text as whole words, whatever the case.
//
// Both texts are read as words (runs of letters and digits) and breaks. A
// blank, a line break, ".", "-", "/", an apostrophe, a typographic
// apostrophe ("’") or an en dash ("–") only parts two words, so "ST LOUIS"
// is named by "St. Louis", "COEUR D'ALENE" by "Coeur d’Alene" and
// "WINSTON-SALEM" by "Winston–Salem"; any other mark (",", ";", ":",
// brackets...) is a break that a place's name never runs across, so "Iowa,
// IA" does not name IOWA CITY.
// A word is never matched inside a longer one: "Jacksonville" does not name
// JACKSON.
//
// The text is searched where it lies, in one pass: the time a search takes
// grows with the text's length and the names' together, never with their
// product, however the names repeat their words or each other's.

struct PlaceSpan {
    qsizetype start = 0;  // where the place's first word begins in the text
    qsizetype length = 0; // up to the end of its last word
};

// Any number of names ("phrases", read as a place's name is) looked for
// together in a text.
class PhraseFinder {
public:
    explicit PhraseFinder(const QStringList& phrases);

    // Calls `found` at each word of `text` that ends a phrase, in the text's
    // order, with the longest phrase that ends there, until it returns false.
    // Phrases that hold no word are never found.
    void find(QStringView text, const std::function<bool(const PlaceSpan&)>& found) const;

    // The words of the longest phrase; 0 when no phrase holds a word.
    int longestPhrase() const { return longestPhrase_; }

    // Follows a text's words one by one, as find() does.
    class Follower {
    public:
        explicit Follower(const PhraseFinder& finder) : finder_(finder) {}
        // Takes the text's next word, `breakBefore` when a break stands
        // between it and the word before: the words of the longest phrase
        // that ends with it, 0 when none does.
        int take(QStringView word, bool breakBefore);

    private:
        const PhraseFinder& finder_;
        int node_ = 0;
        QStringView lastWord_; // a word that some phrase may have, and its id:
        int lastId_ = -1;      // a word repeated is looked up once
        QString folded_; // room for a word in one case, reused
    };

private:
    // The phrases' words, in one case, make a tree from the root, node 0:
    // each node stands for the words on the way to it, each phrase for a
    // node. A text's words are followed down the tree; where the next word
    // leads nowhere, the search goes on from the node's fallback, never
    // going back in the text.
    struct Node {
        int parent = 0;
        int word = 0;             // the id of the word that leads here from the parent
        bool breakBefore = false; // a break stands before that word (false for a first word)
        int depth = 0;            // the words on the way here
        int fallback = 0;         // the node of the longest shorter end of those words
        int longest = 0;          // the words of the longest phrase that ends them; 0 for none
    };

    // The node after `node` on a word of the phrases (its id). The first
    // word of a phrase matches whatever stands before it.
    int step(int node, int word, bool breakBefore) const;
    // The id of a text's word, -1 when no phrase has it; `folded` is room
    // for the word in one case, reused from word to word.
    int wordId(QStringView word, QString& folded) const;
    // A rough sorting of words by their length and first character, in one
    // case: most words of a text that no phrase has are told by it alone,
    // without being folded and looked up.
    static int sortOf(QStringView word);
    // The child of `node` on the word; -1 when there is none.
    int child(int node, int word, bool breakBefore) const;
    static quint64 childKey(int node, int word, bool breakBefore);
    // Every node's `fallback` and `longest`, once all phrases are in.
    void linkNodes();

    QHash<QString, int> wordIds_;  // each word of the phrases, in one case
    std::bitset<4096> sorts_;      // the sortOf() of each of them
    QHash<quint64, int> children_; // by childKey()
    QList<Node> nodes_;
    int longestPhrase_ = 0; // in words
};

// A place's words, read once, to be looked for in any number of texts.
class PlaceWords {
public:
    explicit PlaceWords(const QString& place) : finder_({place}) {}

    // The first place in `text` that names this one; nullopt when there is
    // none or the place holds no word at all.
    std::optional<PlaceSpan> firstIn(QStringView text) const;
    // The first place in `text` that names this one and lies within no
    // phrase of `passedOver` found there (words there name something else);
    // nullopt when there is none. In one pass, keeping no more than the
    // longest phrase's words.
    std::optional<PlaceSpan> firstOutside(QStringView text, const PhraseFinder& passedOver) const;

private:
    PhraseFinder finder_;
};

// True when the text names the place.
bool namesPlace(const QString& text, const QString& place);
