#pragma once
#include <QString>

struct AlertsAnswer;

// The warnings of a watched station's state, from its pop-up menu: the
// state's active alerts in the text window with the station's place
// selected, or one all-clear line; "Warnings Not Available!" for a station
// of no known state, on the Hawaii list, or when the alerts do not come.
// Index is the station's slot, 0 to 9.
void Show_State_Warnings(int Index);

// The text the window shows: one block per alert (event, headline, areas,
// description, instruction; empty parts left out), or, with no alert, one
// line saying none is in effect in `stateName`. A line longer than 1,000
// characters is broken at its last blank within them (or after them, where
// it has none): the window lays a line out whole before it shows any of it.
QString stateWarningsText(const AlertsAnswer& answer, const QString& stateName);
