#pragma once
#include "update/report_steps.h"

// Observation lists of university weather servers, fixed columns.

// Hawaii list ("HI"): condition, remarks, temperature, dewpoint, humidity,
// wind (not read), pressure. Its field numbers follow that column order.
ParserPlan hawaiiListPlan(bool metric);

// Decoded hourly list ("CA"): degrees Fahrenheit, wind in knots with a gust
// column, pressure in millibars and a sky code at the end.
ParserPlan decodedHourlyPlan(bool metric);

// The condition word of a decoded-hourly sky code ("CLR" -> "CLEAR");
// "NOREPORT" for a missing or unknown code.
QString skyCodeCondition(const QString& code);
