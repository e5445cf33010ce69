#pragma once
#include "update/report_steps.h"

// Sources outside the United States that give only a condition and a
// temperature.

// World city list ("W1"): condition at columns 18 to 27, temperature in
// degrees Fahrenheit at columns 34 to 37.
ParserPlan worldListPlan(bool metric);

// Singapore weather service ("W2"): two temperatures in degrees Celsius at
// columns 27 to 34, shown joined by a slash ("31/25"), condition from
// column 35.
ParserPlan singaporePlan(bool metric);
