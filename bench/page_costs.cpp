// Prints what cleaning text pages and listing the buoy page cost, in
// milliseconds of wall-clock time (the best of a few runs): tag and numeric-
// reference removal on 10 MB of page text beside Strip_Tags on the same text,
// and the buoy list of a 320,000-line page none of whose IDs is built in.
// The text figures come first, while the memory is still unused: after the
// buoy list's many small pieces the same code runs measurably slower.

#include "pages/buoy_stations.h"
#include "pages/page_text.h"
#include "settings/string_routines.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <functional>

#if __has_include("pages/buoy_listing.h")
#include "pages/buoy_listing.h"

qsizetype buoyList(const QString& page, int count, const QStringList& names)
{
    BuoyListing listing(page, count, names);
    while (listing.advance()) {
    }
    return listing.entries().size();
}
#else
// Trees that list, sort and name the buoys with separate functions.
#include "pages/buoy_page.h"

qsizetype buoyList(const QString& page, int count, const QStringList& names)
{
    QStringList list = listedBuoys(page, count);
    sortEntries(list);
    nameBuoys(list, names);
    return list.size();
}
#endif

namespace {

constexpr int kBuoyLines = 320000;
constexpr qsizetype kPageText = 10 * 1000 * 1000;

// Report lines whose IDs are five capitals without J, L, O, P, R and S: none
// holds a built-in ID (each of those has a digit or one of those letters).
QString buoyPage()
{
    const QString letters = QStringLiteral("ABCDEFGHIKMNQTUVWXYZ");
    QString page = QStringLiteral("<PRE>\nOffshore Data at 18Z 14APR99\nReports: %1\nheading\n\n").arg(kBuoyLines);
    page.reserve(page.size() + kBuoyLines * 80);
    for (int i = 0; i < kBuoyLines; ++i) {
        QString id(5, letters[0]);
        for (int n = i, k = 4; n > 0 && k >= 0; n /= letters.size(), --k)
            id[k] = letters[n % letters.size()];
        page += QStringLiteral("      ") + id
            + QStringLiteral("  45.1N-125.3W12.5  9.8   4512.3 kts       1016.2       11.8  2.1\n");
    }
    return page;
}

QString pageText()
{
    const QString piece = QStringLiteral("<p><b>Moon</b>&#8217;s close to Venus tonight &#38; <i>low</i> in the west.</p>\n");
    return piece.repeated(kPageText / piece.size() + 1).left(kPageText);
}

// The best of up to five runs; a run slower than a second is not repeated.
double milliseconds(const std::function<void()>& run)
{
    double best = 0;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer clock;
        clock.start();
        run();
        const double taken = clock.nsecsElapsed() / 1e6;
        best = i == 0 ? taken : std::min(best, taken);
        if (taken > 1000)
            break;
    }
    return best;
}

void print(const char* figure, double ms)
{
    std::printf("%s\t%.1f\n", figure, ms);
    std::fflush(stdout);
}

} // namespace

int main()
{
    const QString text = pageText();
    print("tag removal, 10 MB (ms)", milliseconds([&] {
              QString copy = text;
              removeTags(copy);
          }));
    print("numeric-reference removal, 10 MB (ms)", milliseconds([&] {
              QString copy = text;
              removeNumericReferences(copy);
          }));
    print("Strip_Tags, 10 MB (ms)", milliseconds([&] {
              QString copy = text;
              Strip_Tags(copy);
          }));
    const QString page = buoyPage();
    const QStringList& names = builtInBuoyNames();
    qsizetype listed = 0;
    print("buoy list, 320,000 lines (ms)", milliseconds([&] { listed = buoyList(page, kBuoyLines, names); }));
    if (listed != kBuoyLines)
        std::fprintf(stderr, "the buoy list holds %lld entries, not %d\n", static_cast<long long>(listed), kBuoyLines);
    return 0;
}
