#pragma once

class Form1;
class Form8;
class Form11;
class Horoscope;

// The information windows that the main window's menus open: the tropical
// storms (Form8), the buoys (Form11) and the horoscope. One instance each,
// made on first use; closing a window releases it, so the next opening
// starts afresh.
Form8& form8();
Form11& form11();
Horoscope& horoscope();
bool form8Loaded();
bool form11Loaded();
bool horoscopeLoaded();

// The menu commands that open them, and the clock check.
void BouyInfo_Click();
void Cycloned_Click(int Index);
void mnuHoro_Click(int Index);

// Connects the menu items of these windows, of the clock check and of the
// planets report; called once when the main window is made.
void connectInformationMenus(Form1& main);

// Releases the open ones at once (tests).
void releaseInformationWindows();
