// What the compact window's animations show on a real X server. Skipped under
// the usual offscreen platform; ctest runs them under a private X server (the
// test "on_an_x_server").
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "platform/animation_frames.h"
#include "platform/animation_view.h"
#include "platform/waits.h"
#include "settings/program_state.h"
#include "test_support.h"

#include <QAbstractEventDispatcher>
#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <xcb/xcb.h>

namespace {

// Counts the errors the X server reports to the application while it lives.
class XErrorCounter : public QAbstractNativeEventFilter {
public:
    XErrorCounter() { QAbstractEventDispatcher::instance()->installNativeEventFilter(this); }
    ~XErrorCounter() override { QAbstractEventDispatcher::instance()->removeNativeEventFilter(this); }
    int errors = 0;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        errors += type == "xcb_generic_event_t" && static_cast<xcb_generic_event_t*>(message)->response_type == 0;
        return false;
    }
};

class OnAnXServerCompactWindow : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X server; ctest's test on_an_x_server runs this under one";
        compact = &weather();
        compact->Timer1->stop(); // the ticks a test gives are the only ones
        compact->Timer2->stop(); // nor the half-second tick, which would load the options without a states file
        showAndSettle();
    }

    void showAndSettle()
    {
        compact->show();
        ASSERT_TRUE(waitUntil([&] { return compact->windowHandle()->isExposed(); }, 30));
        DoEvents();
    }

    // What the X server shows of a part of the compact window.
    QImage onScreen(QRect part)
    {
        const QPoint global = compact->mapToGlobal(part.topLeft());
        return compact->screen()
            ->grabWindow(0, global.x(), global.y(), part.width(), part.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // An animation's current frame as it looks over the window's background.
    QImage currentFrame(int kind)
    {
        const AnimationView& view = *compact->Gif89a1[kind];
        QImage frame(view.size(), QImage::Format_RGB32);
        frame.fill(compact->palette().color(QPalette::Window));
        QPainter(&frame).drawPixmap(0, 0, view.currentPixmap());
        return frame;
    }

    bool showsSoon(int kind)
    {
        return waitUntil([&] { return onScreen(compact->Gif89a1[kind]->geometry()) == currentFrame(kind); }, 30);
    }

    Weather* compact = nullptr;
};

} // namespace

TEST_F(OnAnXServerCompactWindow, TheAnemometerTurnsOnWithoutAnXErrorAfterAlwaysOnTopChanges)
{
    XErrorCounter errors;
    program().AnimKind = 0;
    const QRect anemometer = compact->Gif89a1[0]->geometry();
    for (const bool onTop : {true, false}) {
        SCOPED_TRACE(onTop ? "put on top" : "no longer on top");
        compact->Timer1_Timer(); // the X server keeps the frames for the native window shown now
        // What bringing the window up does with Always On Top changed: Qt builds its native window anew.
        compact->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
        showAndSettle();
        ASSERT_TRUE(showsSoon(0));
        for (int tick = 1; tick <= 3; ++tick) {
            const QImage before = onScreen(anemometer);
            compact->Timer1_Timer();
            const QImage after = onScreen(anemometer);
            EXPECT_NE(after, before) << "tick " << tick;
            EXPECT_EQ(after, currentFrame(0)) << "tick " << tick;
        }
        DoEvents(); // the errors the server has sent back
    }
    EXPECT_EQ(errors.errors, 0);
}

TEST_F(OnAnXServerCompactWindow, TheFirstStepAfterSwitchingAnimationsShowsOnlyWhereTheAnimationIsLaidOut)
{
    int movedByTheirLayout = 0;
    for (const int kind : {1, 0, 1}) {
        SCOPED_TRACE(kind);
        program().AnimKind = kind;
        compact->Timer1_Timer(); // shows the chosen animation, hides the other and steps
        const QRect before = compact->Gif89a1[kind]->geometry(); // until the window's layout has run
        const QImage shownThere = onScreen(before);
        DoEvents();
        if (compact->Gif89a1[kind]->geometry() != before) {
            ++movedByTheirLayout;
            EXPECT_NE(shownThere, currentFrame(kind));
        }
        EXPECT_TRUE(showsSoon(kind));
    }
    EXPECT_GT(movedByTheirLayout, 0);
}
