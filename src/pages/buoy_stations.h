#pragma once
#include <QStringList>

// The buoy window's built-in station names, "name (ID <id>)", in
// alphabetical order; built into the program.
const QStringList& builtInBuoyNames();
