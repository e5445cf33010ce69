#pragma once
#include <QHash>
#include <QString>
#include <QStringList>
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
// Each listed entry is looked up in a hash of the names' IDs as it is read,
// so the cost grows with the page, not with names times lines.
class BuoyListing {
public:
    // Lines handled in one piece.
    static constexpr int kPiece = 8192;

    BuoyListing(const QString& page, int count, const QStringList& builtInNames, int piece = kPiece);

    // Lists the next piece of lines; once all are listed, sorts and names
    // them. False once the list is complete.
    bool advance();

    // The list, complete once advance() has returned false.
    const QStringList& entries() const { return entries_; }
    // How many built-in names were put in.
    int named() const { return named_; }

private:
    // The listed entries whose text contains one of the names' IDs.
    struct IdMatches {
        bool everywhere = false; // the ID lies in the text all entries share
        std::vector<int> listed; // in page order while listing, by rank once sorted
        size_t next = 0;         // the matches before it are no longer in the list
    };
    // A built-in name put in, and whether a later name has taken its place.
    struct Placed {
        QString name;
        bool inList = true;
    };

    void listPiece();
    void finish();
    int firstListedMatch(IdMatches& matches) const;
    int firstPlacedMatch(const QString& id) const;

    QString page_;
    QStringList names_;
    int piece_;
    qsizetype lineFeed_ = 0; // the line feed before the next report line; -1 at the end
    int linesLeft_;
    bool done_ = false;

    QStringList listed_;              // the entries in page order
    std::vector<QString> sortKeys_;   // their texts after the shared start, folded for sorting

    QStringList ids_;                // the names' distinct IDs
    std::vector<IdMatches> matches_; // by index into `ids_`
    QHash<QStringView, int> idOf_;   // index into `ids_`
    // Where the IDs not shared by all entries may lie in an entry: they have
    // these lengths, reach back into the shared text only as far as one of
    // them begins with its end, and take in the closing bracket only when
    // one of them ends with one.
    std::vector<qsizetype> idLengths_;
    qsizetype reachBack_ = 0;
    bool reachesBracket_ = false;

    std::vector<int> sorted_;   // `listed_` indices in list order
    std::vector<bool> removed_; // by rank
    std::vector<Placed> placed_;
    int named_ = 0;
    QStringList entries_;
};
