#include "pages/buoy_listing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

const QString kHeader = QStringLiteral("<PRE>\nOffshore Data at 18Z 14APR99\nReports: 9\nheading\n\n");

// A report line of the given ID, long enough to be listed.
QString line(const QString& id)
{
    return QStringLiteral("      ") + id.leftJustified(6) + QStringLiteral(" 45.1N-125.3W12.5");
}

QString page(const QStringList& ids, const QString& lineEnd = QStringLiteral("\n"))
{
    QString text = kHeader;
    for (const QString& id : ids)
        text += line(id) + lineEnd;
    return text;
}

QStringList built(const QString& page, int count, const QStringList& names, int piece, int* named = nullptr)
{
    BuoyListing listing(page, count, names, piece);
    while (listing.advance()) {
    }
    if (named)
        *named = listing.named();
    return listing.entries();
}

QStringList weather(const QStringList& ids)
{
    QStringList entries;
    for (const QString& id : ids)
        entries << "Weather Buoy (ID " + id + ")";
    return entries;
}

struct ListingCase {
    const char* name;
    QString page;
    int count;
    QStringList names;
    QStringList shown;
    int named;
};

// The list built the plain, slow way: each entry put into its
// alphabetical place one at a time, then each name looked for from the top.
QStringList oneAtATime(const QString& page, int count, const QStringList& names)
{
    const auto before = [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; };
    const auto insert = [&](QStringList& list, const QString& entry) {
        list.insert(std::upper_bound(list.begin(), list.end(), entry, before), entry);
    };
    QStringList list;
    const QStringList lines = page.split('\n').mid(5);
    for (int i = 0; i < count && i + 1 < lines.size(); ++i) {
        QString text = lines[i];
        if (text.endsWith('\r'))
            text.chop(1);
        if (text.size() <= 12)
            continue;
        QString id = text.mid(6, 5);
        while (id.endsWith(' '))
            id.chop(1);
        insert(list, "Weather Buoy (ID " + id + ")");
    }
    for (const QString& name : names) {
        if (!name.contains("(ID "))
            continue;
        const QString id = name.mid(name.indexOf("(ID ") + 4).chopped(1);
        const auto match = std::find_if(list.begin(), list.end(), [&](const QString& e) { return e.contains(id); });
        if (match != list.end()) {
            list.erase(match);
            insert(list, name);
        }
    }
    return list;
}

} // namespace

TEST(BuoyListing, ListsSortsAndNames)
{
    const QStringList threeIds{"OBS12", "91S", "46041"};
    const ListingCase cases[] = {
        {"sorted, a three-character ID named, a built-in ID matching inside a longer one", page(threeIds), 3,
         {"Alki Point, WA (ID 91S)", "Central Olympic Coast, WA (ID 46041)", "Nowhere (ID 99999)",
          "Observatory (ID OBS1)", "No ID at all"},
         {"Alki Point, WA (ID 91S)", "Central Olympic Coast, WA (ID 46041)", "Observatory (ID OBS1)"}, 3},
        {"CR LF line ends list the same", page(threeIds, "\r\n"), 3, {}, weather({"46041", "91S", "OBS12"}), 0},
        {"the announced count limits the listing", page(threeIds), 2, {}, weather({"91S", "OBS12"}), 0},
        {"a page announcing more lines than it has stops at its last line feed", page(threeIds) + "no end", 50, {},
         weather({"46041", "91S", "OBS12"}), 0},
        {"lines of 12 characters or fewer are passed over, whatever their line end",
         kHeader + "      SHORT \r\n      ABCDE \n" + line("OK") + "\r\n", 3, {}, weather({"OK"}), 0},
        {"blanks after the ID go, the cut takes five characters", page({"A B", "LONGER"}), 2, {},
         weather({"A B", "LONGE"}), 0},
        {"entries equal but for case keep their page order", page({"abc", "ABD", "ABC", "Abc"}), 4, {},
         weather({"abc", "ABC", "Abc", "ABD"}), 0},
        {"a name equal to an entry but for case comes after it", page({"x", "X"}), 2, {"WEATHER BUOY (ID x)"},
         {"Weather Buoy (ID X)", "WEATHER BUOY (ID x)"}, 1},
        {"an ID in the text all entries share takes the top entry, then the name put in",
         page({"B1", "A1"}), 2, {"Everywhere (ID uoy)", "Again (ID uoy)"},
         {"Again (ID uoy)", "Weather Buoy (ID B1)"}, 2},
        {"an ID inside a name put in before replaces that name when it stands higher", page({"46041", "91S"}), 2,
         {"Pier 46041 (ID 91S)", "Light (ID 46041)"}, {"Light (ID 46041)", "Weather Buoy (ID 46041)"}, 2},
        {"an ID matching several entries takes the first in list order, not page order", page({"Z12", "A12"}), 2,
         {"Named (ID 12)"}, {"Named (ID 12)", "Weather Buoy (ID Z12)"}, 1},
        {"of an entry and a name equal but for case, the entry stands higher", page({"Q1", "q1"}), 2,
         {"WEATHER BUOY (ID q1)", "Second (ID 1)"}, {"Second (ID 1)", "WEATHER BUOY (ID q1)"}, 2},
        {"an ID reaching back into the text all entries share", page({"46041", "64046"}), 2, {"Straddle (ID D 46)"},
         {"Straddle (ID D 46)", "Weather Buoy (ID 64046)"}, 1},
        {"an ID reaching into the closing bracket", page({"AB", "ABC"}), 2, {"End (ID C))"},
         {"End (ID C))", "Weather Buoy (ID AB)"}, 1},
        {"a page without five line feeds lists nothing", "a\nb\nc\n" + line("X") + "\n", 9, {"Any (ID X)"}, {}, 0},
    };
    for (const ListingCase& c : cases) {
        EXPECT_EQ(oneAtATime(c.page, c.count, c.names), c.shown) << c.name;
        for (const int piece : {1, 2, BuoyListing::kPiece}) {
            int named = -1;
            EXPECT_EQ(built(c.page, c.count, c.names, piece, &named), c.shown) << c.name << ", piece " << piece;
            EXPECT_EQ(named, c.named) << c.name;
        }
    }
}

TEST(BuoyListing, GivesTheListThatNamingOneAtATimeGives)
{
    // IDs from a few letters in both cases, a letter folded in pairs and one
    // outside the basic plane, so that many entries tie, contain each other
    // and contain the names' IDs.
    const QStringList letters{"a", "A", "b", "B", "1", " ", "\u00DF", "s", "S", "D", QString::fromUtf8("\U00010400"),
                              QString::fromUtf8("\U00010428"), "(", ")"};
    std::mt19937 random(7);
    const auto someId = [&](int longest) {
        QString id;
        const int length = 1 + static_cast<int>(random() % longest);
        for (int i = 0; i < length; ++i)
            id += letters[random() % letters.size()];
        return id.left(5);
    };
    QStringList ids;
    for (int i = 0; i < 3000; ++i)
        ids << someId(5);
    QStringList names{"Shared (ID Buoy)", "Bracket (ID ))"};
    for (int i = 0; i < 80; ++i)
        names << QStringLiteral("%1 name %2 (ID %3)").arg(someId(3)).arg(i).arg(someId(3).trimmed());
    const QString text = page(ids, "\r\n");
    const QStringList expected = oneAtATime(text, 2990, names);
    for (const int piece : {1, 7, BuoyListing::kPiece})
        EXPECT_EQ(built(text, 2990, names, piece), expected) << "piece " << piece;
}
