#pragma once

// Sizing a picture window to its picture and to the screen.
//
// The picture window shows at most a visible area of 620 x 434 pixels of its
// picture at a time; a wider or taller picture gets scroll bars under and
// beside the part it shows. The screen limits are kept in twips; the window
// is sized by its inside, in pixels, and its frame comes around that.

constexpr int kVisibleWidth = 620;  // pixels
constexpr int kVisibleHeight = 434; // pixels
constexpr int kScrollBarThickness = 17; // pixels, both bars

// The window's inside as designed: the visible area with a scroll bar beside
// it and one below it.
constexpr int kDesignWidth = kVisibleWidth + kScrollBarThickness;   // pixels
constexpr int kDesignHeight = kVisibleHeight + kScrollBarThickness; // pixels

// A screen this wide (640 pixels) keeps the scroll bars that the picture
// alone decides.
constexpr int kSmallScreenWidth = 9600; // twips

// Room kept on the screen for the window's frame and title bar: a picture
// shows whole without scroll bars only with this much to spare.
constexpr int kFrameWidth = 150;  // twips
constexpr int kFrameHeight = 385; // twips

struct FitInput {
    int pictureWidth = 0;  // pixels
    int pictureHeight = 0; // pixels
    int screenWidth = 0;   // twips
    int screenHeight = 0;  // twips
};

struct FitResult {
    bool hVisible = false;
    int hMax = 0; // pixels the horizontal bar moves the picture
    bool vVisible = false;
    int vMax = 0;
    int visibleWidth = 0;  // pixels of the picture shown at a time; the
    int visibleHeight = 0; // bars lie right of and under this area
    int clientWidth = 0;   // pixels inside the window: the visible area
    int clientHeight = 0;  // and the bars shown
    int left = 0;          // pixels from the screen's top left to the
    int top = 0;           // window's frame, centred with its frame's room
};

// Which scroll bars a picture needs, their ranges, the part of the picture
// shown, and the window's size and centred position.
FitResult fitPicture(const FitInput& input);

// Fits the picture window in slot Index of the open-window list to its
// picture and the screen, centres it and shows it. An empty slot does nothing.
void Fit_Viewer(int Index);
