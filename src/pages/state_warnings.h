#pragma once

// The warnings of a watched station's state, from its pop-up menu: the
// state's active alerts in the text window with the station's place
// selected, or one all-clear line; "Warnings Not Available!" for a station
// of no known state, on the Hawaii list, or when the alerts do not come.
// Index is the station's slot, 0 to 9.
void Show_State_Warnings(int Index);
