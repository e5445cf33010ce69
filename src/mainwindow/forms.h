#pragma once

class Form1;
class Form2;
class Weather;
class frmAbout;
class WethWind;

// One instance per window, created on first use. Creating the options dialog
// runs its load sequence.
Form1& form1();
Form2& form2();
Weather& weather();
frmAbout& about();
WethWind& wethWind();
bool wethWindLoaded();

bool aboutLoaded();
// Releases the About window; the next about() starts from its design values.
void discardAbout();

// The options dialog is created once and released only with all the others:
// an opener that needs it loaded afresh reloads it where it stands.
bool form2Loaded();

// Closes and releases every window (shut-down and tests).
void releaseAllForms();
