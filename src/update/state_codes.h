#pragma once
#include <QString>

// The two-letter code of a watched station's state or territory ("TX"),
// as the alerts service and the UV bulletin name it.

// The code of a state or territory by its name, case and surrounding blanks
// ignored ("District of Columbia" gives "DC"); empty for any other name.
QString stateCodeForName(const QString& name);

// The code a report address carries as "issuedby=XX" (case ignored, given
// back in capitals) when XX is a state's or territory's code; empty
// otherwise (no such parameter, an office's longer code, an unknown code).
QString issuedByCode(const QString& url);

// The name of the state a watch-list entry's station lies in: the entry's
// state name ("Texas - DALLAS" gives "Texas"), an alternate-list entry's "*"
// before it dropped, except for the few stations the station list files under
// a neighbouring state ("District of Columbia - BALTIMORE" gives "Maryland").
// Empty for an entry without " - ".
QString watchEntryState(const QString& watchEntry);

// The code of the station a slot watches. The watch-list entry's state
// (watchEntryState) decides: it names the station's own state where the
// report address may not (the District's stations share Maryland's roundup,
// issuedby=MD). A state name of the user's own falls back to the address's
// issuedby code. Empty when neither gives one.
QString slotStateCode(const QString& watchEntry, const QString& slotUrl);
