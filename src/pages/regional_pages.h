#pragma once
#include <QString>
#include <optional>

// The national weather service's regional pages that lie next to a
// station's own observation page: the state forecast ("state.html") and the
// zone forecast ("zone.html").

// The folder of the station's observation page, with its trailing "/";
// nullopt when the station has no such pages: an address on the Hawaii
// observation list, an empty address, or one without a folder.
std::optional<QString> regionalFolder(const QString& slotUrl);

// The zone code of the folder's state: the two characters before the
// folder's final "/", upper case, and "Z" (".../tx/" gives "TXZ").
QString zoneCode(const QString& folder);

// A state-wide page; nullopt when the fetch failed or the server answered
// that it has no such page ("NOT FOUND" or "MAPPING SERVER ERROR" in any case).
std::optional<QString> fetchStatePage(const QString& url);

// The product's text as the text window shows it: markup, "NNNN" and "$$"
// gone, runs of blank lines cut to one, the page footer (its last 138
// characters) dropped.
QString bulletinText(QString page);
