#pragma once
#include <QString>

// The UV and warning checks of one update, on the update's transfer control.

// Fetches the UV bulletin (from `url`, the national bulletin by default)
// and keeps each city's value; a failed fetch gives "NA" everywhere.
void Get_UV_Index(const QString& url = QString());

// The station's UV value into its row, or "NR".
void Show_Slot_UV(int Index);

// The state's warnings page (fetched once per pass for equal slot URLs):
// the station's lamp and its alert flags. Kind 1 (the Hawaii list) fetches
// nothing and never alerts.
void Check_Warnings(int Index, int Kind);
