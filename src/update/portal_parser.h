#pragma once
#include "update/report_steps.h"

// A web portal's city page ("UA"). The line is the whole page with its tags
// removed (not upper-cased); the page already comes in the units the user
// chose, so nothing is converted. The readings are found by their markers:
// the condition between the time-zone word after "Today" and "Hi&", the
// temperature after the first "&nbsp;" that follows "Today", then
// "Humidity:", "Wind:" and "Dewpoint:" in that order.
ParserPlan portalPagePlan(bool metric);
