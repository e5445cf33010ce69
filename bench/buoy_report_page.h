#pragma once
#include <QString>

// A buoy report page of `lines` report lines whose IDs are five capitals
// without J, L, O, P, R and S: none holds a built-in ID (each of those has a
// digit or one of those letters).
QString buoyReportPage(int lines);
