#pragma once
#include <QString>

struct AlertsAnswer;

// The text of the state's warnings window: one block per alert that holds a
// text (event, headline, areas, description, instruction; empty parts left
// out), or, with no alert at all, one line saying none is in effect in
// `stateName`. A line longer than 1,000 characters is broken at its last
// blank within them (or after them, where it has none, never between the two
// halves of a character): the window lays a line out whole before it shows
// any of it. The text stops before 8,000,000 characters or 100,000 lines,
// far more than a state's real alerts fill, and then ends with a line saying
// how many lines of the alert it stopped in and how many alerts it left out.
QString stateWarningsText(const AlertsAnswer& answer, const QString& stateName);
