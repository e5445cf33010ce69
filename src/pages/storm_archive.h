#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The tropical-storm archive: one folder per area and season, and in it one
// folder per storm; each holds "track.gif" (the track map), "index.html"
// (the season's storm table) and, for a storm, "track.dat" (its track data).

// The archive folders of the areas "Atlantic", "Eastern Pacific" and
// "Western Pacific", in that order.
inline constexpr std::array<const char*, 3> kStormAreaCodes{"atlantic", "e_pacific", "w_pacific"};

// The years of an area's seasons, from the current year down to the area's
// first (1886, 1950 or 1945); none for an unknown area.
QStringList stormYears(int area, int currentYear);

// A season's track map: the path in the archive lower-cased, the site root
// as it is configured.
QString seasonMapAddress(const QString& siteRoot, int area, const QString& year);
// A storm's track map; the storm name keeps its case.
QString stormMapAddress(const QString& siteRoot, int area, const QString& year, const QString& name);

// The storm lines of an index page: the text from " # Name" to the next
// "</PRE>", less its heading line and anything after its last line end.
// nullopt when the page holds no such table.
std::optional<QStringList> stormTable(const QString& page);

// The storm's name in the first 29 characters of a storm line: the last
// word, without a leading "#"; "NoName" when there is no blank to find it by.
QString Get_Storm_Name(const QString& line);

// The window title of a storm's large view: characters 4 to 28 of its line.
QString stormLineTitle(const QString& line);

// The Saffir-Simpson legend shown in the data box for a season.
QString stormLegend();

// What the data box says when the archive has no track data for a storm
// (a sub-tropical storm), and when the data could not be fetched.
QString missingStormDataNotice();
QString stormDataNotFetchedNotice();

// The status text of a transfer state of the window's own control while it
// fetches `fetchItem` ("Storm Data" or "Storm Track Picture"); an answer with
// an HTTP error status reads as a failed request.
QString stormTransferText(int State, const QString& fetchItem, int errorNumber, int httpStatus);
