#pragma once
#include <QString>
#include <vector>

class QLabel;

// Condition pictures: the built-in condition words, the user's own
// definitions kept in CVIcons.cvd, and the choice of a day or night picture.

// The picture number for a condition caption at an hour of the day (0-23):
// 0-11 day pictures of the twelve categories, 20-31 night pictures, 12 for
// an empty or unknown condition. The user's definitions are tried first,
// compared exactly; the built-in words after upper-casing.
int conditionPictureNumber(const QString& caption, int hour, const std::vector<QString>& names,
                           const std::vector<int>& categories);

// Trims the label's caption and makes the chosen condition picture the
// current one (the options dialog's Image2(13)).
bool Pick_Icon(QLabel* ctl);

// Writes and reads the user's definitions (program().IconName/IconCategory).
// Saving returns false, after telling the user, when the file could not be
// written.
bool Save_IconDefs();
void Load_IconDefs();
