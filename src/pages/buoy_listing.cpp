#include "pages/buoy_listing.h"

#include "pages/buoy_page.h"

#include <algorithm>

namespace {

const QString kEntryStart = QStringLiteral("Weather Buoy (ID ");

bool before(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

// The text as `before` compares it: each character folded on its own, a
// surrogate pair as one character, so that plain comparisons of such texts
// order them as `before` does, only faster.
QString foldedForComparison(QStringView text)
{
    QString folded(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate())
            folded[i] = QChar::lowSurrogate(QChar::toCaseFolded(QChar::surrogateToUcs4(text[i - 1], c)));
        else
            folded[i] = c.toCaseFolded();
    }
    return folded;
}

} // namespace

BuoyListing::BuoyListing(const QString& page, int count, const QStringList& builtInNames, int piece)
    : page_(page), names_(builtInNames), piece_(std::max(1, piece)), linesLeft_(std::max(0, count))
{
    for (int i = 0; i < 5 && lineFeed_ >= 0; ++i)
        lineFeed_ = page_.indexOf(QLatin1Char('\n'), lineFeed_ + 1);

    for (const QString& name : std::as_const(names_)) {
        const std::optional<QString> id = entryId(name);
        if (id && !ids_.contains(*id))
            ids_ << *id;
    }
    matches_.resize(ids_.size());
    for (int i = 0; i < ids_.size(); ++i) {
        const QString& id = ids_[i];
        idOf_.insert(id, i);
        matches_[i].everywhere = kEntryStart.contains(id);
        if (matches_[i].everywhere)
            continue;
        if (std::find(idLengths_.begin(), idLengths_.end(), id.size()) == idLengths_.end())
            idLengths_.push_back(id.size());
        for (qsizetype back = 1; back < id.size() && back <= kEntryStart.size(); ++back) {
            if (id.startsWith(QStringView(kEntryStart).last(back)))
                reachBack_ = std::max(reachBack_, back);
        }
        reachesBracket_ = reachesBracket_ || id.endsWith(u')');
    }
}

bool BuoyListing::advance()
{
    if (done_)
        return false;
    listPiece();
    if (linesLeft_ == 0 || lineFeed_ < 0)
        finish();
    return !done_;
}

void BuoyListing::listPiece()
{
    for (int n = 0; n < piece_ && linesLeft_ > 0 && lineFeed_ >= 0; ++n, --linesLeft_) {
        const qsizetype next = page_.indexOf(QLatin1Char('\n'), lineFeed_ + 1);
        if (next < 0) {
            lineFeed_ = -1;
            break;
        }
        // The line with the line feed that ends the line before it.
        QStringView line = QStringView(page_).sliced(lineFeed_, next - lineFeed_);
        if (line.endsWith(u'\r'))
            line.chop(1);
        lineFeed_ = next;
        if (line.size() <= 13)
            continue;
        QStringView id = line.sliced(7, 5);
        while (id.endsWith(u' '))
            id.chop(1);
        QString text;
        text.reserve(kEntryStart.size() + id.size() + 1);
        text += kEntryStart;
        text += id;
        text += u')';
        const int listed = static_cast<int>(listed_.size());
        listed_ << text;
        // All entries share the text before the ID.
        sortKeys_.push_back(foldedForComparison(QStringView(text).sliced(kEntryStart.size())));
        // The names' IDs in the entry, but for those in the text all entries share.
        const qsizetype end = text.size() - (reachesBracket_ ? 0 : 1);
        for (const qsizetype length : idLengths_) {
            const qsizetype first = kEntryStart.size() - std::min(reachBack_, length - 1);
            for (qsizetype at = first; at + length <= end; ++at) {
                const int found = idOf_.value(QStringView(text).sliced(at, length), -1);
                if (found < 0)
                    continue;
                std::vector<int>& listedMatches = matches_[found].listed;
                if (listedMatches.empty() || listedMatches.back() != listed)
                    listedMatches.push_back(listed);
            }
        }
    }
}

// Sorts the entries, puts the names in and fills the list.
void BuoyListing::finish()
{
    sorted_.resize(listed_.size());
    for (size_t i = 0; i < sorted_.size(); ++i)
        sorted_[i] = static_cast<int>(i);
    std::stable_sort(sorted_.begin(), sorted_.end(), [this](int a, int b) { return sortKeys_[a] < sortKeys_[b]; });
    std::vector<int> rank(sorted_.size());
    for (size_t r = 0; r < sorted_.size(); ++r)
        rank[sorted_[r]] = static_cast<int>(r);
    for (IdMatches& m : matches_) {
        for (int& listed : m.listed)
            listed = rank[listed];
        std::sort(m.listed.begin(), m.listed.end());
    }
    removed_.assign(sorted_.size(), false);

    for (const QString& name : std::as_const(names_)) {
        const std::optional<QString> id = entryId(name);
        if (!id)
            continue;
        const int listed = firstListedMatch(matches_[idOf_.value(*id)]);
        const int placed = firstPlacedMatch(*id);
        if (listed < 0 && placed < 0)
            continue;
        // A listed entry stands above a name equal to it but for case.
        if (listed >= 0 && (placed < 0 || !before(placed_[placed].name, listed_[sorted_[listed]])))
            removed_[listed] = true;
        else
            placed_[placed].inList = false;
        placed_.push_back({name});
    }
    named_ = static_cast<int>(placed_.size());

    QStringList names;
    for (const Placed& p : placed_) {
        if (p.inList)
            names << p.name;
    }
    std::stable_sort(names.begin(), names.end(), before);
    entries_.reserve(listed_.size() + names.size());
    qsizetype nextName = 0;
    for (size_t r = 0; r < sorted_.size(); ++r) {
        if (removed_[r])
            continue;
        const QString& text = listed_[sorted_[r]];
        while (nextName < names.size() && before(names[nextName], text))
            entries_ << names[nextName++];
        entries_ << text;
    }
    entries_ << names.sliced(nextName);
    done_ = true;
}

int BuoyListing::firstListedMatch(IdMatches& m) const
{
    for (;; ++m.next) {
        const size_t count = m.everywhere ? sorted_.size() : m.listed.size();
        if (m.next >= count)
            return -1;
        const int rank = m.everywhere ? static_cast<int>(m.next) : m.listed[m.next];
        if (!removed_[rank])
            return rank;
    }
}

int BuoyListing::firstPlacedMatch(const QString& id) const
{
    int first = -1;
    for (int i = 0; i < static_cast<int>(placed_.size()); ++i) {
        const Placed& p = placed_[i];
        // Among names equal but for case, the one put in first stands higher.
        if (p.inList && p.name.contains(id) && (first < 0 || before(p.name, placed_[first].name)))
            first = i;
    }
    return first;
}
