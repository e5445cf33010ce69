#include "pages/buoy_listing.h"

#include "pages/buoy_page.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

const QString kEntryStart = QStringLiteral("Weather Buoy (ID ");

// A quick first test for a text that may be an ID: the text hashed into
// far more places than there are IDs.
constexpr size_t kIdFilterSize = size_t(1) << 20;
size_t filterPlace(QStringView text)
{
    size_t hash = 2166136261u;
    for (const QChar c : text)
        hash = (hash ^ c.unicode()) * 16777619u;
    return hash & (kIdFilterSize - 1);
}

bool before(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

} // namespace

// Case is ignored as a case-insensitive comparison of texts ignores it:
// each character folded, a surrogate pair folded as one character.
BuoyListing::SortKey BuoyListing::sortKey(QStringView id, int listed)
{
    std::array<quint64, 6> folded{};
    for (qsizetype i = 0; i < id.size(); ++i) {
        const QChar c = id[i];
        if (c.unicode() < 0x80)
            folded[i] = c.unicode() >= u'A' && c.unicode() <= u'Z' ? c.unicode() + 32 : c.unicode();
        else if (c.isLowSurrogate() && i > 0 && id[i - 1].isHighSurrogate())
            folded[i] = QChar::lowSurrogate(QChar::toCaseFolded(QChar::surrogateToUcs4(id[i - 1], c)));
        else
            folded[i] = c.toCaseFolded().unicode();
    }
    folded[id.size()] = u')';
    return {folded[0] << 48 | folded[1] << 32 | folded[2] << 16 | folded[3],
            static_cast<quint32>(folded[4] << 16 | folded[5]), listed};
}

BuoyListing::BuoyListing(const QString& page, int count, const QStringList& builtInNames, int piece)
    : page_(page), names_(builtInNames), piece_(std::max(1, piece)), linesLeft_(std::max(0, count))
{
    for (int i = 0; i < 5 && lineFeed_ >= 0; ++i)
        lineFeed_ = page_.indexOf(QLatin1Char('\n'), lineFeed_ + 1);
    prepareIds();
}

void BuoyListing::prepareIds()
{
    idFilter_.assign(kIdFilterSize, false);
    for (const QString& name : std::as_const(names_)) {
        const std::optional<QString> id = entryId(name);
        if (!id) {
            nameIds_.push_back(-1);
            continue;
        }
        const auto known = std::find(ids_.begin(), ids_.end(), *id);
        nameIds_.push_back(static_cast<int>(known - ids_.begin()));
        if (known == ids_.end())
            ids_.push_back(*id);
    }
    matches_.resize(ids_.size());
    for (size_t i = 0; i < ids_.size(); ++i) {
        const QString& id = ids_[i];
        if (kEntryStart.contains(id)) {
            matches_[i].everywhere = true;
            continue;
        }
        idOf_.insert(id, static_cast<int>(i));
        idFilter_[filterPlace(id)] = true;
        auto reach = std::find_if(reaches_.begin(), reaches_.end(),
                                  [&](const IdReach& r) { return r.length == id.size(); });
        if (reach == reaches_.end())
            reach = reaches_.insert(reach, {id.size()});
        for (qsizetype back = 1; back < id.size() && back <= kEntryStart.size(); ++back) {
            if (id.startsWith(QStringView(kEntryStart).last(back)))
                reach->back = std::max(reach->back, back);
        }
        reach->bracket = reach->bracket || id.endsWith(u')');
    }
}

bool BuoyListing::advance()
{
    switch (step_) {
    case Step::List:
        listPiece();
        break;
    case Step::Merge:
        mergePiece();
        break;
    case Step::Index:
        indexPiece();
        break;
    case Step::Name:
        nameAll();
        break;
    case Step::Fill:
        fillPiece();
        break;
    case Step::Done:
        break;
    }
    return step_ != Step::Done;
}

void BuoyListing::listPiece()
{
    const size_t first = keys_.size();
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
        QString text(kEntryStart.size() + id.size() + 1, Qt::Uninitialized);
        QChar* out = std::copy(kEntryStart.begin(), kEntryStart.end(), text.data());
        *std::copy(id.begin(), id.end(), out) = u')';
        keys_.push_back(sortKey(id, static_cast<int>(listed_.size())));
        listed_.push_back(std::move(text));
    }
    std::sort(keys_.begin() + first, keys_.end());
    if (keys_.size() > first)
        runs_.push_back({first, keys_.size()});
    if (linesLeft_ > 0 && lineFeed_ >= 0)
        return;
    for (size_t run = 0; run < runs_.size(); ++run)
        heap_.push_back(static_cast<int>(run));
    std::make_heap(heap_.begin(), heap_.end(), [this](int a, int b) { return runAfter(a, b); });
    step_ = Step::Merge;
}

bool BuoyListing::runAfter(int a, int b) const
{
    return keys_[runs_[b].next] < keys_[runs_[a].next];
}

void BuoyListing::mergePiece()
{
    const auto later = [this](int a, int b) { return runAfter(a, b); };
    for (int n = 0; n < piece_ && !heap_.empty(); ++n) {
        std::pop_heap(heap_.begin(), heap_.end(), later);
        Run& run = runs_[heap_.back()];
        sorted_.push_back(keys_[run.next++].listed);
        if (run.next < run.end)
            std::push_heap(heap_.begin(), heap_.end(), later);
        else
            heap_.pop_back();
    }
    if (!heap_.empty())
        return;
    removed_.assign(sorted_.size(), false);
    step_ = Step::Index;
}

void BuoyListing::indexPiece()
{
    const size_t end = std::min(sorted_.size(), indexed_ + piece_);
    for (; indexed_ < end; ++indexed_) {
        const int rank = static_cast<int>(indexed_);
        const QStringView text = listed_[sorted_[indexed_]];
        for (const IdReach& reach : reaches_) {
            const qsizetype last = text.size() - (reach.bracket ? 0 : 1) - reach.length;
            for (qsizetype at = kEntryStart.size() - reach.back; at <= last; ++at) {
                const QStringView candidate = text.sliced(at, reach.length);
                if (!idFilter_[filterPlace(candidate)])
                    continue;
                const auto found = idOf_.constFind(candidate);
                if (found == idOf_.constEnd())
                    continue;
                std::vector<int>& ranks = matches_[*found].ranks;
                if (ranks.empty() || ranks.back() != rank)
                    ranks.push_back(rank);
            }
        }
    }
    if (indexed_ == sorted_.size())
        step_ = Step::Name;
}

int BuoyListing::firstListedMatch(int id)
{
    IdMatches& m = matches_[id];
    for (;; ++m.next) {
        const size_t count = m.everywhere ? sorted_.size() : m.ranks.size();
        if (m.next >= count)
            return -1;
        const int rank = m.everywhere ? static_cast<int>(m.next) : m.ranks[m.next];
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

void BuoyListing::nameAll()
{
    for (qsizetype i = 0; i < names_.size(); ++i) {
        const int id = nameIds_[i];
        if (id < 0)
            continue;
        const int listed = firstListedMatch(id);
        const int placed = firstPlacedMatch(ids_[id]);
        if (listed < 0 && placed < 0)
            continue;
        // A listed entry stands above a name equal to it but for case.
        if (listed >= 0 && (placed < 0 || !before(placed_[placed].name, listed_[sorted_[listed]])))
            removed_[listed] = true;
        else
            placed_[placed].inList = false;
        placed_.push_back({names_[i]});
    }
    for (const Placed& p : placed_) {
        if (p.inList)
            pendingNames_ << p.name;
    }
    std::stable_sort(pendingNames_.begin(), pendingNames_.end(), before);
    entries_.reserve(static_cast<qsizetype>(sorted_.size()) + pendingNames_.size());
    step_ = Step::Fill;
}

void BuoyListing::fillPiece()
{
    const size_t end = std::min(sorted_.size(), filled_ + piece_);
    for (; filled_ < end; ++filled_) {
        if (removed_[filled_])
            continue;
        const QString& text = listed_[sorted_[filled_]];
        while (nextName_ < pendingNames_.size() && before(pendingNames_[nextName_], text))
            entries_ << pendingNames_[nextName_++];
        entries_ << text;
    }
    if (filled_ < sorted_.size())
        return;
    entries_ << pendingNames_.sliced(nextName_);
    step_ = Step::Done;
}
