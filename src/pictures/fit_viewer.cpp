#include "pictures/fit_viewer.h"

#include "pictures/picture_window.h"
#include "platform/screen.h"
#include "platform/twips.h"
#include "settings/program_state.h"

#include <QLabel>
#include <QRect>
#include <algorithm>

namespace {
constexpr int kRangeReduction = 13; // pixels of scroll range given to the absent bar's strip

// The window's position on one axis: its inside and its frame's room
// centred on the screen, never off the screen's top or left.
int centred(int screen, int client, int frame)
{
    return std::max(0, (screen - client - frame) / 2);
}
} // namespace

FitResult fitPicture(const FitInput& in)
{
    FitResult out;
    out.hVisible = in.pictureWidth > kVisibleWidth;
    out.hMax = out.hVisible ? in.pictureWidth - kVisibleWidth : 0;
    out.vVisible = in.pictureHeight > kVisibleHeight;
    out.vMax = out.vVisible ? in.pictureHeight - kVisibleHeight : 0;

    if (in.screenWidth != kSmallScreenWidth) {
        // With one bar only, the picture also fills the strip the other
        // bar would take.
        if (in.pictureWidth > kVisibleWidth && in.pictureHeight < kVisibleHeight)
            out.hMax -= kRangeReduction;
        if (in.pictureHeight > kVisibleHeight && in.pictureWidth < kVisibleWidth)
            out.vMax -= kRangeReduction;
        const bool fitsScreen = in.screenWidth > pixelsToTwips(in.pictureWidth) + kFrameWidth
            && in.screenHeight > pixelsToTwips(in.pictureHeight) + kFrameHeight;
        if (fitsScreen) {
            out.hVisible = out.vVisible = false;
            out.hMax = out.vMax = 0;
        }
    }

    out.visibleWidth = in.pictureWidth - out.hMax;
    out.visibleHeight = in.pictureHeight - out.vMax;
    out.clientWidth = out.visibleWidth + (out.vVisible ? kScrollBarThickness : 0);
    out.clientHeight = out.visibleHeight + (out.hVisible ? kScrollBarThickness : 0);
    out.left = centred(twipsToPixels(in.screenWidth), out.clientWidth, twipsToPixels(kFrameWidth));
    out.top = centred(twipsToPixels(in.screenHeight), out.clientHeight, twipsToPixels(kFrameHeight));
    return out;
}

void Fit_Viewer(int Index)
{
    auto& windows = program().Pictures.PicWindows;
    if (Index < 0 || Index >= static_cast<int>(windows.size()) || !windows[Index])
        return;
    Form5& window = *windows[Index];
    const QRect screen = screenArea();
    FitInput input;
    input.pictureWidth = window.Picture1->width();
    input.pictureHeight = window.Picture1->height();
    input.screenWidth = pixelsToTwips(screen.width());
    input.screenHeight = pixelsToTwips(screen.height());
    const FitResult fit = fitPicture(input);
    window.applyFit(fit);
    window.move(screen.x() + fit.left, screen.y() + fit.top);
    window.show();
}
