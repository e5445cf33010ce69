#pragma once
#include "update/report_steps.h"
#include "update/roundup_layouts.h"

// The national weather service's roundup tables, one station per line in
// fixed columns; a line is a row from its first column.

// State roundup ("NA"): name, sky and weather, temperature, dewpoint,
// humidity, wind, pressure in the given columns, then the remarks.
ParserPlan stateRoundupPlan(bool metric, const RoundupColumns& columns);

// Alaska roundup ("AK"): no dewpoint column; wind chill and visibility
// after the pressure.
ParserPlan alaskaRoundupPlan(bool metric);
