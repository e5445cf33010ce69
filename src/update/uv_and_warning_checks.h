#pragma once
#include <QString>

// The UV and warning checks of one update, on the update's transfer control.
// `watchEntry` is the slot's watch-list entry ("Texas - DALLAS"), which with
// the slot's address gives the station's state (update/state_codes.h).

// Fetches the UV bulletin (from `url`, the national bulletin by default)
// and keeps each city's value; a failed fetch gives "NA" everywhere.
void Get_UV_Index(const QString& url = QString());

// The station's UV value into its row, or "NR".
void Show_Slot_UV(int Index, const QString& watchEntry);

// The active alerts of the station's state (fetched and read once per state
// and pass): the station's lamp and its alert flags. A station of no known
// state gets the no-data lamp and fetches nothing; Kind 1 (the Hawaii list)
// fetches nothing, never alerts and keeps its lamp.
void Check_Warnings(int Index, int Kind, const QString& watchEntry);

// Forgets the alerts answers of the last pass: each pass fetches them anew.
void clearWarningsCache();

// The watch-list entry of slot Index (0 to 9) as the options dialog holds it
// now; empty when there is none.
QString slotWatchEntry(int Index);
