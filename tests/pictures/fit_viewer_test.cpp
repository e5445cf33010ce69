#include "pictures/fit_viewer.h"

#include "pictures/picture_window.h"
#include "platform/twips.h"
#include "support/test_pictures.h"

#include <QLabel>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

// The part of the window's inside where the picture can be seen: not under
// a bar.
QRect pictureArea(const Form5& window)
{
    QRect area = window.rect();
    if (window.VScroll1->isVisibleTo(&window))
        area.setRight(window.VScroll1->x() - 1);
    if (window.HScroll1->isVisibleTo(&window))
        area.setBottom(window.HScroll1->y() - 1);
    return area;
}

} // namespace

TEST(FitPicture, ThePictureShowsWholeOrItsBarsReachEveryEdgeInsideTheWindow)
{
    const QSize small(640, 480), medium(800, 600), large(1024, 768);
    const struct {
        const char* what;
        QSize picture;
        QSize screen;
        bool h;
        int hMax;
        bool v;
        int vMax;
    } cases[] = {
        {"exactly the visible area", {620, 434}, large, false, 0, false, 0},
        {"small on a 640 screen", {300, 200}, small, false, 0, false, 0},
        {"wide, fits a large screen", {700, 300}, large, false, 0, false, 0},
        {"nearly the screen's size", {1000, 740}, large, false, 0, false, 0},
        {"fits an 800 screen", {780, 560}, medium, false, 0, false, 0},
        {"wide on a 640 screen", {700, 300}, small, true, 80, false, 0},
        {"a little wide on a 640 screen", {630, 400}, small, true, 10, false, 0},
        {"tall on a 640 screen", {500, 900}, small, false, 0, true, 466},
        {"tall on an 800 screen", {500, 900}, medium, false, 0, true, 453},
        {"tall, too high for a large screen", {500, 900}, large, false, 0, true, 453},
        {"wide, exactly 434 high, too wide for the screen", {1100, 434}, large, true, 480, false, 0},
        {"wide and low, too wide for the screen", {1100, 300}, large, true, 467, false, 0},
        {"larger than a 640 screen", {1200, 900}, small, true, 580, true, 466},
        {"larger than an 800 screen", {1200, 900}, medium, true, 580, true, 466},
        {"larger than a 1024 screen", {1200, 900}, large, true, 580, true, 466},
        {"an 800 screen's size, no room for the frame", {790, 590}, medium, true, 170, true, 156},
        {"the screen's width, no room for the frame", {1020, 700}, large, true, 400, true, 266},
        {"the screen's height, no room for the title", {800, 760}, large, true, 180, true, 326},
    };
    const QSize frame(twipsToPixels(kFrameWidth), twipsToPixels(kFrameHeight));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Form5 window;
        ASSERT_TRUE(window.loadPicture(stillPicture(c.picture, "PNG"), "picture.png"));
        const FitResult fit = fitPicture({c.picture.width(), c.picture.height(), pixelsToTwips(c.screen.width()),
                                          pixelsToTwips(c.screen.height())});
        window.applyFit(fit);

        EXPECT_EQ(window.HScroll1->isVisibleTo(&window), c.h);
        EXPECT_EQ(window.HScroll1->maximum(), c.hMax);
        EXPECT_EQ(window.VScroll1->isVisibleTo(&window), c.v);
        EXPECT_EQ(window.VScroll1->maximum(), c.vMax);
        for (const QScrollBar* bar : {window.HScroll1, window.VScroll1}) {
            if (bar->isVisibleTo(&window)) {
                EXPECT_TRUE(window.rect().contains(bar->geometry())) << bar->orientation();
                EXPECT_FALSE(bar->geometry().isEmpty()) << bar->orientation();
            }
        }

        // Both far edges come into view: the last column and row at the
        // bars' ends (or at once, without bars), the first at their start.
        const QRect area = pictureArea(window);
        window.HScroll1->setValue(window.HScroll1->maximum());
        window.VScroll1->setValue(window.VScroll1->maximum());
        const QPoint lastPixel(c.picture.width() - 1, c.picture.height() - 1);
        EXPECT_TRUE(area.contains(window.Picture1->mapTo(&window, lastPixel)));
        window.HScroll1->setValue(0);
        window.VScroll1->setValue(0);
        EXPECT_TRUE(area.contains(window.Picture1->mapTo(&window, QPoint(0, 0))));

        // The window lies on the screen; a window without bars leaves room
        // for its frame too.
        const QRect screen(QPoint(0, 0), c.screen);
        const QRect inside(fit.left, fit.top, window.width(), window.height());
        EXPECT_TRUE(screen.contains(inside));
        if (!c.h && !c.v) {
            EXPECT_TRUE(screen.contains(QRect(inside.topLeft(), inside.size() + frame)));
        }
    }
}
