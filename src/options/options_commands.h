#pragma once
#include <QString>

// A time text that must be at least `minimum`: its leading number decides
// (letters and an empty text count as 0); below the minimum it becomes
// `replacement`, else it stays as typed.
QString withFloor(const QString& text, double minimum, const QString& replacement);
