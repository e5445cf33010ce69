#include "pictures/fit_viewer.h"

#include "pictures/picture_window.h"
#include "platform/screen.h"
#include "platform/twips.h"
#include "settings/program_state.h"

#include <QLabel>
#include <QRect>

namespace {
constexpr int kWidthMargin = 50;     // twips the window is narrower than the picture
constexpr int kPlainHeight = 300;    // twips added to the picture's height without bars
constexpr int kBarHeight = 385;      // the same with the horizontal bar under the picture
constexpr int kFittedHeight = 330;   // the same for a picture that fits the screen
constexpr int kFitWidthMargin = 150; // the screen must be this much wider than the picture
constexpr int kRangeReduction = 13;  // pixels of scroll range given to the absent bar's strip
} // namespace

FitResult fitPicture(const FitInput& in)
{
    FitResult out;
    out.windowWidth = in.windowWidth;
    out.windowHeight = in.windowHeight;
    const int innerWidth = pixelsToTwips(in.pictureWidth);
    const int innerHeight = pixelsToTwips(in.pictureHeight);

    if (in.pictureWidth > kVisibleWidth) {
        out.hVisible = true;
        out.hMax = in.pictureWidth - kVisibleWidth;
    } else {
        out.windowWidth = innerWidth - kWidthMargin;
        out.windowHeight = innerHeight + kPlainHeight;
    }
    if (in.pictureHeight > kVisibleHeight) {
        out.vVisible = true;
        out.vMax = in.pictureHeight - kVisibleHeight;
    } else {
        out.windowHeight = innerHeight + kPlainHeight;
    }

    if (in.screenWidth != kSmallScreenWidth) {
        if (in.pictureWidth > kVisibleWidth && in.pictureHeight < kVisibleHeight) {
            // Only the horizontal bar: it sits right under the picture.
            out.windowHeight = pixelsToTwips(in.pictureHeight + in.barThickness) + kBarHeight;
            out.hTop = in.pictureHeight;
            out.hMax -= kRangeReduction;
        }
        if (in.pictureHeight > kVisibleHeight && in.pictureWidth < kVisibleWidth) {
            // Only the vertical bar: it sits right beside the picture.
            out.windowWidth = pixelsToTwips(in.pictureWidth + in.barThickness) - kWidthMargin;
            out.vLeft = in.pictureWidth;
            out.vMax -= kRangeReduction;
        }
        if (in.screenWidth > innerWidth - kFitWidthMargin && in.screenHeight > innerHeight + kBarHeight) {
            // The whole picture fits on the screen.
            out.hVisible = false;
            out.vVisible = false;
            out.windowHeight = innerHeight + kFittedHeight;
            out.windowWidth = innerWidth - kWidthMargin;
        }
    }

    out.left = (in.screenWidth - out.windowWidth) / 2;
    out.top = (in.screenHeight - out.windowHeight) / 2;
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
    window.move(screen.x() + twipsToPixels(fit.left), screen.y() + twipsToPixels(fit.top));
    window.show();
}
