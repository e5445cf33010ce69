#include "settings/user_lists.h"

#include "settings/program_state.h"
#include "test_support.h"

#include <QAction>
#include <memory>
#include <vector>

namespace {

ListTable filledTable(const QString& prefix)
{
    ListTable table;
    for (int i = 0; i < 10; ++i)
        table[i] = {prefix + QString::number(i) + "a", prefix + QString::number(i) + "b"};
    return table;
}

// Radar entries named "Radar 1", "Radar 2", ... with an address and kind each.
QStringList radarEntries(int count)
{
    QStringList lines;
    for (int n = 1; n <= count; ++n)
        lines << QStringLiteral("Radar %1").arg(n) << QStringLiteral("http://127.0.0.1/r%1.gif").arg(n)
              << (n % 2 ? "NO" : "YES");
    return lines;
}

bool untouched(const ListItemUpdate& u)
{
    return !u.captionSet && !u.shown;
}

} // namespace

class UserLists : public SandboxTest {
protected:
    ListTable radar = filledTable("old radar ");
    ListTable web = filledTable("old web ");
};

TEST_F(UserLists, MissingFilesEmptyTheRadarTableOnly)
{
    const ListItemUpdates radarUpdates = readLocalRadar(localRadarFile(), radar);
    const ListItemUpdates webUpdates = readWebSites(webSitesFile(), web);
    EXPECT_EQ(radar, ListTable{});
    EXPECT_EQ(web, filledTable("old web "));
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(untouched(radarUpdates[i]));
        EXPECT_TRUE(untouched(webUpdates[i]));
    }
}

TEST_F(UserLists, WrongOrMissingHeaderReadsNothing)
{
    // Case counts, and a list of the other kind is not taken.
    writeLines("LocalRadar.cvd", QStringList{"[local radar]"} + radarEntries(2) + QStringList{"[END]"});
    writeLines("WebSites.cvd", {"[LOCAL RADAR]", "Site", "http://127.0.0.1/", "[END]"});
    const auto radarUpdates = readLocalRadar(localRadarFile(), radar);
    const auto webUpdates = readWebSites(webSitesFile(), web);
    EXPECT_EQ(radar, ListTable{});
    EXPECT_EQ(web, filledTable("old web "));
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(untouched(radarUpdates[i]));
        EXPECT_TRUE(untouched(webUpdates[i]));
    }

    // An empty file has no header either.
    writeFile("WebSites.cvd", "");
    readWebSites(webSitesFile(), web);
    EXPECT_EQ(web, filledTable("old web "));
}

TEST_F(UserLists, HeaderAndEndOnlyChangesNoItem)
{
    writeLines("LocalRadar.cvd", {"[LOCAL RADAR]", "[END]"});
    writeLines("WebSites.cvd", {"[WEB SITES]", "[END]"});
    const auto radarUpdates = readLocalRadar(localRadarFile(), radar);
    const auto webUpdates = readWebSites(webSitesFile(), web);
    EXPECT_EQ(radar, ListTable{});
    EXPECT_EQ(web, filledTable("old web "));
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(untouched(radarUpdates[i]));
        EXPECT_TRUE(untouched(webUpdates[i]));
    }
}

TEST_F(UserLists, RadarEntriesFillTableAndItems)
{
    writeLines("LocalRadar.cvd", {"[LOCAL RADAR]", "Home", "http://127.0.0.1/home.gif", "NO",
                                  "Coast loop", "http://127.0.0.1/loop.gif", "YES", "Page",
                                  "http://127.0.0.1/page.html@/images/radar", "NEX", "[END]",
                                  "Ignored", "http://127.0.0.1/x.gif", "NO"});
    const auto updates = readLocalRadar(localRadarFile(), radar);
    EXPECT_EQ(radar[0][0], "http://127.0.0.1/home.gif");
    EXPECT_EQ(radar[0][1], "NO");
    EXPECT_EQ(radar[1][1], "YES");
    EXPECT_EQ(radar[2][0], "http://127.0.0.1/page.html@/images/radar");
    EXPECT_EQ(radar[2][1], "NEX");
    EXPECT_EQ(updates[0].caption, "Home");
    EXPECT_EQ(updates[1].caption, "Coast loop");
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(updates[i].captionSet && updates[i].shown) << i;
    // The radar name lives only in the menu caption; nothing after "[END]".
    for (int i = 3; i < 10; ++i) {
        EXPECT_TRUE(untouched(updates[i])) << i;
        EXPECT_EQ(radar[i], (std::array<QString, 2>{}));
    }
}

TEST_F(UserLists, ReloadingRadarForgetsRowsTheNewFileLacks)
{
    writeLines("LocalRadar.cvd", QStringList{"[LOCAL RADAR]"} + radarEntries(4) + QStringList{"[END]"});
    readLocalRadar(localRadarFile(), radar);
    writeLines("LocalRadar.cvd", QStringList{"[LOCAL RADAR]"} + radarEntries(1) + QStringList{"[END]"});
    readLocalRadar(localRadarFile(), radar);
    EXPECT_EQ(radar[0][0], "http://127.0.0.1/r1.gif");
    EXPECT_TRUE(radar[1][0].isEmpty());
    EXPECT_TRUE(radar[3][1].isEmpty());
}

TEST_F(UserLists, LongNamesAreCutToTwentySixCharacters)
{
    const QString name30 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234";
    writeLines("LocalRadar.cvd", {"[LOCAL RADAR]", name30, "http://127.0.0.1/a.gif", "NO", "[END]"});
    writeLines("WebSites.cvd", {"[WEB SITES]", name30, "http://127.0.0.1/", "[END]"});
    const auto radarUpdates = readLocalRadar(localRadarFile(), radar);
    const auto webUpdates = readWebSites(webSitesFile(), web);
    EXPECT_EQ(radarUpdates[0].caption, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(webUpdates[0].caption, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(web[0][0], "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(web[0][1], "http://127.0.0.1/");
}

TEST_F(UserLists, EmptyNameKeepsItsPlace)
{
    writeLines("LocalRadar.cvd", {"[LOCAL RADAR]", "One", "http://127.0.0.1/1.gif", "NO", "Two",
                                  "http://127.0.0.1/2.gif", "NO", "", "http://127.0.0.1/3.gif", "NO",
                                  "Four", "http://127.0.0.1/4.gif", "YES", "[END]"});
    writeLines("WebSites.cvd", {"[WEB SITES]", "One", "http://127.0.0.1/1", "Two", "http://127.0.0.1/2",
                                "", "http://127.0.0.1/3", "Four", "http://127.0.0.1/4", "[END]"});
    const auto radarUpdates = readLocalRadar(localRadarFile(), radar);
    const auto webUpdates = readWebSites(webSitesFile(), web);

    EXPECT_TRUE(untouched(radarUpdates[2]));
    EXPECT_TRUE(radar[2][0].isEmpty());
    EXPECT_EQ(radarUpdates[3].caption, "Four");
    EXPECT_TRUE(radarUpdates[3].shown);
    EXPECT_EQ(radar[3][0], "http://127.0.0.1/4.gif");

    EXPECT_TRUE(untouched(webUpdates[2]));
    EXPECT_EQ(web[2], filledTable("old web ")[2]);
    EXPECT_EQ(webUpdates[3].caption, "Four");
    EXPECT_EQ(web[3][1], "http://127.0.0.1/4");
    // Rows past the file's entries keep what they held.
    EXPECT_EQ(web[4], filledTable("old web ")[4]);
}

TEST_F(UserLists, OnlyTenEntriesAreRead)
{
    writeLines("LocalRadar.cvd", QStringList{"[LOCAL RADAR]"} + radarEntries(11) + QStringList{"[END]"});
    QStringList webLines{"[WEB SITES]"};
    for (int n = 1; n <= 11; ++n)
        webLines << QStringLiteral("Site %1").arg(n) << QStringLiteral("http://127.0.0.1/%1").arg(n);
    writeLines("WebSites.cvd", webLines + QStringList{"[END]"});

    const auto radarUpdates = readLocalRadar(localRadarFile(), radar);
    const auto webUpdates = readWebSites(webSitesFile(), web);
    EXPECT_EQ(radarUpdates[9].caption, "Radar 10");
    EXPECT_EQ(radar[9][0], "http://127.0.0.1/r10.gif");
    EXPECT_EQ(webUpdates[9].caption, "Site 10");
    EXPECT_EQ(web[9][1], "http://127.0.0.1/10");
    for (const auto& row : radar)
        EXPECT_NE(row[0], "http://127.0.0.1/r11.gif");
    for (const auto& row : web)
        EXPECT_NE(row[0], "Site 11");
}

TEST_F(UserLists, EmptyArgumentOrKindStopsTheReading)
{
    writeLines("LocalRadar.cvd", {"[LOCAL RADAR]", "Good", "http://127.0.0.1/1.gif", "NO", "No address",
                                  "", "NO", "Later", "http://127.0.0.1/3.gif", "NO", "[END]"});
    auto updates = readLocalRadar(localRadarFile(), radar);
    EXPECT_TRUE(updates[0].shown);
    EXPECT_TRUE(updates[1].captionSet);
    EXPECT_EQ(updates[1].caption, "No address");
    EXPECT_FALSE(updates[1].shown);
    EXPECT_TRUE(radar[1][0].isEmpty());
    EXPECT_TRUE(untouched(updates[2]));
    EXPECT_TRUE(radar[2][0].isEmpty());

    // An empty kind: the address is kept, the item is not shown, nothing later.
    writeLines("LocalRadar.cvd", {"[LOCAL RADAR]", "No kind", "http://127.0.0.1/1.gif", "", "Later",
                                  "http://127.0.0.1/2.gif", "NO", "[END]"});
    updates = readLocalRadar(localRadarFile(), radar);
    EXPECT_TRUE(updates[0].captionSet);
    EXPECT_FALSE(updates[0].shown);
    EXPECT_EQ(radar[0][0], "http://127.0.0.1/1.gif");
    EXPECT_TRUE(radar[0][1].isEmpty());
    EXPECT_TRUE(untouched(updates[1]));

    writeLines("WebSites.cvd", {"[WEB SITES]", "No address", "", "Later", "http://127.0.0.1/", "[END]"});
    const auto webUpdates = readWebSites(webSitesFile(), web);
    EXPECT_EQ(webUpdates[0].caption, "No address");
    EXPECT_FALSE(webUpdates[0].shown);
    EXPECT_EQ(web[0][0], "No address");
    EXPECT_EQ(web[0][1], filledTable("old web ")[0][1]);
    EXPECT_TRUE(untouched(webUpdates[1]));
    EXPECT_EQ(web[1], filledTable("old web ")[1]);
}

TEST_F(UserLists, QuotedValuesKeepTheirCommas)
{
    writeLines("LocalRadar.cvd", {"[LOCAL RADAR]", "\"North, loop\"", "\"http://127.0.0.1/a,b.gif\"",
                                  "YES", "[END]"});
    writeLines("WebSites.cvd", {"[WEB SITES]", "\"Tides, local\"", "\"http://127.0.0.1/q?a=1,2\"", "[END]"});
    const auto radarUpdates = readLocalRadar(localRadarFile(), radar);
    const auto webUpdates = readWebSites(webSitesFile(), web);
    EXPECT_EQ(radarUpdates[0].caption, "North, loop");
    EXPECT_EQ(radar[0][0], "http://127.0.0.1/a,b.gif");
    EXPECT_EQ(radar[0][1], "YES");
    EXPECT_EQ(webUpdates[0].caption, "Tides, local");
    EXPECT_EQ(web[0][1], "http://127.0.0.1/q?a=1,2");
}

TEST_F(UserLists, FileWithoutEndStopsAtTheLastCompleteEntry)
{
    // Two whole entries and a third cut short inside its fields.
    writeLines("LocalRadar.cvd", QStringList{"[LOCAL RADAR]"} + radarEntries(2)
                                     + QStringList{"Cut", "http://127.0.0.1/cut.gif"});
    writeLines("WebSites.cvd", {"[WEB SITES]", "One", "http://127.0.0.1/1", "Cut"});
    const auto radarUpdates = readLocalRadar(localRadarFile(), radar);
    const auto webUpdates = readWebSites(webSitesFile(), web);
    EXPECT_TRUE(radarUpdates[1].shown);
    EXPECT_TRUE(untouched(radarUpdates[2]));
    EXPECT_TRUE(radar[2][0].isEmpty());
    EXPECT_TRUE(webUpdates[0].shown);
    EXPECT_TRUE(untouched(webUpdates[1]));
    EXPECT_EQ(web[1], filledTable("old web ")[1]);
    // Nothing after the last entry is taken for an entry either.
    for (int i = 2; i < 10; ++i)
        EXPECT_TRUE(untouched(webUpdates[i]));
}

class UserListMenus : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        for (int i = 0; i < 11; ++i) {
            actions.push_back(std::make_unique<QAction>(i < 10 ? "(empty)" : "Web Site Editor"));
            actions.back()->setVisible(i == 10);
            items.push_back(actions.back().get());
        }
    }
    std::vector<std::unique_ptr<QAction>> actions;
    std::vector<QAction*> items;
};

TEST_F(UserListMenus, ItemsTakeCaptionsAndOnlyCompleteEntriesShow)
{
    writeLines("WebSites.cvd", {"[WEB SITES]", "News", "http://127.0.0.1/news", "", "http://127.0.0.1/x",
                                "Half", "", "[END]"});
    program().WebSiteList[5] = {"Kept", "http://127.0.0.1/kept"};
    Load_WebSites(items);

    EXPECT_EQ(items[0]->text(), "News");
    EXPECT_TRUE(items[0]->isVisible());
    EXPECT_TRUE(items[0]->isEnabled());
    EXPECT_EQ(items[1]->text(), "(empty)");
    EXPECT_FALSE(items[1]->isVisible());
    EXPECT_EQ(items[2]->text(), "Half");
    EXPECT_FALSE(items[2]->isVisible());
    EXPECT_EQ(items[10]->text(), "Web Site Editor");
    EXPECT_TRUE(items[10]->isVisible());
    EXPECT_EQ(program().WebSiteList[0][1], "http://127.0.0.1/news");
    EXPECT_EQ(program().WebSiteList[5][0], "Kept");
}

TEST_F(UserListMenus, RadarReloadShowsNewItemsAndLeavesOldOnesShown)
{
    writeLines("LocalRadar.cvd", QStringList{"[LOCAL RADAR]"} + radarEntries(3) + QStringList{"[END]"});
    Load_LocalRadar(std::span(items).first(10));
    EXPECT_TRUE(items[2]->isVisible());
    EXPECT_EQ(program().RadarList[2][0], "http://127.0.0.1/r3.gif");

    // A shorter list empties the table; hiding the items is the editor's work.
    writeLines("LocalRadar.cvd", QStringList{"[LOCAL RADAR]"} + radarEntries(1) + QStringList{"[END]"});
    Load_LocalRadar(std::span(items).first(10));
    EXPECT_TRUE(program().RadarList[2][0].isEmpty());
    EXPECT_EQ(items[2]->text(), "Radar 3");
    EXPECT_TRUE(items[2]->isVisible());
}

TEST_F(UserListMenus, AppliesToFewerItemsThanEntries)
{
    ListItemUpdates updates{};
    for (auto& u : updates)
        u = {true, "X", true};
    std::vector<QAction*> three(items.begin(), items.begin() + 3);
    three[1] = nullptr;
    applyListItemUpdates(updates, three);
    EXPECT_EQ(items[0]->text(), "X");
    EXPECT_EQ(items[1]->text(), "(empty)");
    EXPECT_EQ(items[3]->text(), "(empty)");
}

TEST_F(UserLists, NamesOutsideLatin1SurviveAndOlderLatin1FilesStillLoad)
{
    const QString name = QString::fromUtf8("Site Łódź");
    ASSERT_TRUE(writeWebSites(path("WebSites.cvd"), {{name, "http://x/"}}, nullptr));
    readWebSites(path("WebSites.cvd"), web);
    EXPECT_EQ(web[0][0], name);

    writeFile("WebSites.cvd", QString::fromUtf8("[WEB SITES]\r\nMétéo\r\nhttp://y/\r\n[END]\r\n")); // one byte a letter
    readWebSites(path("WebSites.cvd"), web);
    EXPECT_EQ(web[0][0], QString::fromUtf8("Météo"));
}
