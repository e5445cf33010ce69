#pragma once

class Form1;

// The station information menu: item Index (0 to 7) for the station whose
// menu is open (PopupSlot): its zone forecast, state forecast, state
// warnings, UV value, the weather history of the day, its own log and the
// shared log. Any other index does nothing.
void StateInfo_Click(int Index);

// Connects the main window's menu items that open the information pages:
// the station information menu, The Sky's meteor showers and sky pages, and
// the Help menu's news and history of the day.
void connectInformationPages(Form1& main);
