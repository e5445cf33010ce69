#pragma once
#include <QString>

// "Sun-Moon-Planets Rise/Set": the weather service's sun, moon and planets
// report for the ZIP code of the options, shown in the forecast window
// white on black beside pictures of the nine planets.

// The report's address for a ZIP code, which goes in as typed.
QString planetReportAddress(const QString& zipCode);

// The report's table: the text from 15 characters after the first
// "<tr><td><pre>" (or from the page's 15th character without one) up to the
// next "</pre></td>"; empty without that end.
QString planetReportTable(const QString& page);

// What the window says when the fetch brought nothing: two lines and room
// for eight more.
QString planetReportFailureText();

// The menu command.
void mnuSmPrS_Click();
