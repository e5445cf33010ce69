#pragma once
#include "update/report_steps.h"

// The national weather service's roundup tables, one station per line in
// fixed columns.

// State roundup ("NA"): name (15), sky and weather (9), temperature (5),
// dewpoint (5), humidity (4), wind (9), pressure (8), remarks.
ParserPlan stateRoundupPlan(bool metric);

// Alaska roundup ("AK"): no dewpoint column; wind chill and visibility
// after the pressure.
ParserPlan alaskaRoundupPlan(bool metric);
