#pragma once

// The warnings of a watched station's state, from its pop-up menu: the
// state's warnings page in the text window with the station's place
// selected, or one all-clear line. Index is the station's slot, 0 to 9.
void Show_State_Warnings(int Index);
