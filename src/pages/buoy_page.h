#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The all-buoys report page: a header with the number of reports and the
// time of the report, then one fixed-column line per station (its lines end
// in LF or CR LF). The station list built from it: buoy_listing.h.

// The number after "Reports:" up to the line end, as a plain number ("  42"
// gives "42"); nullopt when the page has no "Reports:" with a line end after it.
std::optional<QString> announcedReports(const QString& page);

// The four characters after "Offshore Data at " as the report time
// ("18Z " gives "18:00 Z ") and the seven after them as its date.
struct ReportTime {
    QString time;
    QString date;
};
std::optional<ReportTime> reportTime(const QString& page);

// The station ID of an entry "name (ID <id>)": the text after "(ID " less
// the last character; nullopt when the entry holds no "(ID ".
std::optional<QString> entryId(const QString& entry);

// The compass word of a wind direction in degrees ("N", "NE" ... "NW"), empty
// for a direction outside 0 to 360.
QString compassWord(const QString& degrees);

// The station's line of the page, from the first occurrence of its ID to the
// line end; nullopt when the ID is not on the page.
std::optional<QString> buoyRecord(const QString& page, const QString& id);

// A station's line cut into what the window shows beside its captions:
// the two position fields, temperature, dew point, wind, pressure, water
// temperature and wave height, with their units.
std::array<QString, 8> buoyFields(const QString& record);

// The first entry from row `from` on that contains the text (case ignored); -1 when none does.
int findEntry(const QStringList& entries, const QString& text, int from);
