#pragma once

class Form1;

// The main window's size follows the watch list: one table row per station
// (at least one, at most ten), and the ticker strip below them when it is on.
struct MainWindowLayout {
    int height = 0;           // window height in twips
    bool tickerShown = false;
    int tickerTop = 0;        // top of the ticker strip in pixels
};

MainWindowLayout mainWindowLayout(int entries, bool ticker);

// Shows the main window's rows for its watch list, sizes the window for them
// and centres it on the screen. A minimised window shows the rows at once but
// is sized and centred only when it is restored; a maximised one keeps its
// size.
void Size_To_WatchList(Form1& main, int entries);
