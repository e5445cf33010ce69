#pragma once
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <tuple>
#include <vector>

// The buoy window's station list, built from the all-buoys report page a
// bounded piece at a time so that the window can let events run between the
// pieces.
//
// Listing: one entry "Weather Buoy (ID <id>)" for each of `count` lines from
// the one after the page's fifth line feed, the ID cut from the line's
// seventh to eleventh characters with trailing blanks removed. Lines of 12
// characters or fewer (not counting the line end, LF or CR LF) are passed
// over; the listing ends early at the last line feed of the page. The entries
// are in alphabetical order, case ignored, entries that differ only in case
// in page order.
//
// Naming: for each built-in name "name (ID <id>)" in order, the first entry
// from the top whose text contains the ID (case-sensitive; the entry may be a
// built-in name put in before) makes way for the built-in name, which takes
// its alphabetical place after the entries equal to it but for case.
//
// The entries' IDs are looked up once each, so the cost is one sort and
// otherwise grows with the page, not with names times lines.
class BuoyListing {
public:
    // Lines, or entries, handled in one piece.
    static constexpr int kPiece = 8192;

    BuoyListing(const QString& page, int count, const QStringList& builtInNames, int piece = kPiece);

    // Does the next piece of the work; false once the list is complete.
    bool advance();

    // The list, complete once advance() has returned false.
    const QStringList& entries() const { return entries_; }
    // How many built-in names were put in.
    int named() const { return static_cast<int>(placed_.size()); }

private:
    // An entry's ID folded for comparison and then its closing bracket: six
    // characters at most (all entries share the text before the ID), packed
    // first character highest. Then the entry's place in the page, so that no
    // two keys are equal.
    struct SortKey {
        quint64 head; // characters 1 to 4
        quint32 tail; // characters 5 and 6
        int listed;
        bool operator<(const SortKey& other) const
        {
            return std::tie(head, tail, listed) < std::tie(other.head, other.tail, other.listed);
        }
    };
    // A sorted stretch of `keys_`: one piece of the listing.
    struct Run {
        size_t next;
        size_t end;
    };
    // The entries whose text contains one ID, by their rank in the sorted list.
    struct IdMatches {
        bool everywhere = false; // the ID lies in the text all entries share
        std::vector<int> ranks;
        size_t next = 0; // the matches before it are no longer in the list
    };
    // Where in an entry the IDs of one length may lie: they reach back into
    // the shared text only as far as one of them begins with its end, and
    // take in the closing bracket only when one of them ends with one.
    struct IdReach {
        qsizetype length;
        qsizetype back = 0;
        bool bracket = false;
    };
    struct Placed {
        QString name;
        bool inList = true;
    };
    enum class Step { List, Merge, Index, Name, Fill, Done };

    static SortKey sortKey(QStringView id, int listed);
    void prepareIds();
    void listPiece();
    void mergePiece();
    void indexPiece();
    void nameAll();
    void fillPiece();
    // For the merge heap: run `a`'s next entry comes after run `b`'s.
    bool runAfter(int a, int b) const;
    int firstListedMatch(int id);
    int firstPlacedMatch(const QString& id) const;

    QString page_;
    QStringList names_;
    int piece_;
    Step step_ = Step::List;

    qsizetype lineFeed_ = 0; // the line feed before the next report line; -1 at the end
    int linesLeft_;
    std::vector<QString> listed_; // the entries in page order
    std::vector<SortKey> keys_;   // the entries' keys, each run sorted in itself
    std::vector<Run> runs_;
    std::vector<int> heap_;     // the runs not yet merged, the one with the first entry on top
    std::vector<int> sorted_;   // `listed_` indices in list order

    std::vector<QString> ids_;   // the built-in names' distinct IDs
    std::vector<int> nameIds_;   // each name's index into `ids_`, -1 without an ID
    QHash<QStringView, int> idOf_; // the IDs not shared by all entries
    std::vector<IdReach> reaches_;
    std::vector<bool> idFilter_; // the places of such IDs, hashed
    std::vector<IdMatches> matches_;
    size_t indexed_ = 0;

    std::vector<bool> removed_; // by rank
    std::vector<Placed> placed_; // the built-in names put in, in that order

    QStringList entries_;
    QStringList pendingNames_; // the names in list order, not yet filled in
    qsizetype nextName_ = 0;
    size_t filled_ = 0; // ranks filled in
};
