#pragma once

// Sizing a picture window to its picture and to the screen.
//
// The picture window shows at most a visible area of 620 x 434 pixels of its
// picture at a time; a wider or taller picture gets scroll bars. The
// window's own size and position, and the screen size, are kept in twips.

constexpr int kVisibleWidth = 620;  // pixels
constexpr int kVisibleHeight = 434; // pixels
constexpr int kScrollBarThickness = 17; // pixels, both bars

// The window's size as designed: the visible area with a scroll bar
// beside it and one below it, in twips.
constexpr int kDesignWindowWidth = (kVisibleWidth + kScrollBarThickness) * 15;
constexpr int kDesignWindowHeight = (kVisibleHeight + kScrollBarThickness) * 15;

// A screen this wide (640 pixels) keeps the sizes and scroll bars that the
// picture alone decides.
constexpr int kSmallScreenWidth = 9600;

struct FitInput {
    int pictureWidth = 0;  // pixels
    int pictureHeight = 0; // pixels
    int screenWidth = 0;   // twips
    int screenHeight = 0;  // twips
    int windowWidth = kDesignWindowWidth;   // twips, before fitting
    int windowHeight = kDesignWindowHeight; // twips, before fitting
    int barThickness = kScrollBarThickness; // pixels
};

struct FitResult {
    bool hVisible = false;
    int hMax = 0;
    int hTop = kVisibleHeight; // pixels: the horizontal bar's top
    bool vVisible = false;
    int vMax = 0;
    int vLeft = kVisibleWidth; // pixels: the vertical bar's left
    int windowWidth = 0;  // twips
    int windowHeight = 0; // twips
    int left = 0;         // twips, from the screen's left
    int top = 0;          // twips, from the screen's top
};

// Which scroll bars a picture needs, their ranges and places, and the
// window's size and centred position.
FitResult fitPicture(const FitInput& input);

// Fits the picture window in slot Index of the open-window list to its
// picture and the screen, centres it and shows it. An empty slot does nothing.
void Fit_Viewer(int Index);
