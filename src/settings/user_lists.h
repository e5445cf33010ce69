#pragma once
#include <QString>
#include <array>
#include <span>
#include <vector>

class QAction;

// The user's two short lists, the local radar pictures (LocalRadar.cvd) and
// the favourite web sites (WebSites.cvd), read into a table for the menu
// handlers and into the captions of their menu items.

// Ten rows of two columns, row i belonging to menu item i. Local radar:
// column 0 the picture argument, column 1 the kind ("NO", "YES", "NEX").
// Web sites: column 0 the name as shown, column 1 the address.
using ListTable = std::array<std::array<QString, 2>, 10>;

constexpr int ListEntryLimit = 10; // entries read from one file
constexpr int ListNameLimit = 26;  // characters of a name that are shown

// What reading a list did to one menu item.
struct ListItemUpdate {
    bool captionSet = false; // the item takes `caption`
    QString caption;
    bool shown = false;      // the item becomes visible and enabled
};
using ListItemUpdates = std::array<ListItemUpdate, 10>;

// One entry of each list as its editor keeps it.
struct RadarEntry {
    QString name;
    QString argument;
    QString kind;
    bool operator==(const RadarEntry&) const = default;
};
struct WebSiteEntry {
    QString name;
    QString url;
    bool operator==(const WebSiteEntry&) const = default;
};

// LocalRadar.cvd and WebSites.cvd in the program folder, found whatever the
// case of their names.
QString localRadarFile();
QString webSitesFile();

// Reads a local-radar file. The table is emptied first, whatever the file
// holds; a missing or unreadable file or a wrong first line leaves it empty
// and no item changed.
ListItemUpdates readLocalRadar(const QString& path, ListTable& radarList);

// Reads a web-site file. The table is not emptied: rows the file does not
// fill keep their values.
ListItemUpdates readWebSites(const QString& path, ListTable& webSiteList);

// Write a whole list file: its header, the values of each entry one a line,
// "[END]". The new file replaces the old one only once it is complete: on
// failure the old file is whole and *error says why.
bool writeLocalRadar(const QString& path, const std::vector<RadarEntry>& entries, QString* error);
bool writeWebSites(const QString& path, const std::vector<WebSiteEntry>& sites, QString* error);

// Why an entry typed in an editor cannot go into its list, or the empty text
// when it can. It needs a name and a value (an address, a picture); a name
// of blanks only would give a menu item without a caption, and the name
// "[END]" would end the list where it stands, at the next reading. Neither
// may hold a comma or a double quote, which the list's file cannot keep.
QString listEntryRefusal(const QString& name, const QString& value);

// Gives the first ten menu items their new captions and shows the items
// that were filled. Items that no entry touched are left as they are.
void applyListItemUpdates(const ListItemUpdates& updates, std::span<QAction* const> items);

// Read the program folder's files into program().RadarList and
// program().WebSiteList and update the given menu items (at most the first
// ten are used).
void Load_LocalRadar(std::span<QAction* const> items);
void Load_WebSites(std::span<QAction* const> items);
