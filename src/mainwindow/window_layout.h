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

// Sizes the main window for its watch list and centres it on the screen. A
// minimised window keeps its size and place; a maximised one its size.
void Size_To_WatchList(Form1& main, int entries);
