// What an animation shows on a real X server. These tests need the xcb
// platform: under the usual offscreen one they are skipped, and ctest runs
// them again under a private X server (the test "on_an_x_server").
#include "platform/animation_view.h"
#include "platform/waits.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

constexpr int kFrame = 16;

QList<QPixmap> coloured(const QList<QColor>& colours)
{
    QList<QPixmap> frames;
    for (const QColor& colour : colours) {
        QPixmap frame(kFrame, kFrame);
        frame.fill(colour);
        frames << frame;
    }
    return frames;
}

// Counts the paints a widget gets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

class OnAnXServer : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X server; ctest's test on_an_x_server runs this under one";
        window.setWindowFlag(Qt::X11BypassWindowManagerHint);
        window.setGeometry(40, 40, 80, 60);
        view->setGeometry(10, 10, 24, 24); // larger than a frame: a margin all round
        view->setOpaque(true);
        view->setFrames(coloured({Qt::red, Qt::green, Qt::blue}));
        showAndSettle(window);
    }

    static void showAndSettle(QWidget& widget)
    {
        widget.show();
        ASSERT_TRUE(waitUntil([&] { return widget.windowHandle()->isExposed(); }, 30));
        DoEvents();
    }

    // The colour the screen shows at a point of the view, read back from the X server.
    QColor onScreen(QPoint at = QPoint(12, 12))
    {
        const QPoint global = view->mapToGlobal(at);
        return window.screen()->grabWindow(0, global.x(), global.y(), 1, 1).toImage().pixelColor(0, 0);
    }

    bool showsSoon(const QColor& colour)
    {
        return waitUntil([&] { return onScreen() == colour; }, 30);
    }

    QWidget window;
    AnimationView* view = new AnimationView(&window);
    PaintCounter counter{view};
};

} // namespace

TEST_F(OnAnXServer, TheServerShowsEachFrameOfAnOpaqueViewWithoutAPaint)
{
    ASSERT_TRUE(showsSoon(Qt::red));
    const int paintsBefore = counter.paints;
    for (const QColor colour : {QColor(Qt::green), QColor(Qt::blue), QColor(Qt::red), QColor(Qt::green)}) {
        view->showNextFrame();
        EXPECT_EQ(onScreen(), colour);
    }
    EXPECT_EQ(onScreen(QPoint(1, 1)), window.palette().color(QPalette::Window)); // the margin stays
    EXPECT_EQ(counter.paints, paintsBefore);

    // New frames reach the server before they are shown.
    view->setFrames(coloured({Qt::yellow, Qt::cyan}));
    ASSERT_TRUE(showsSoon(Qt::yellow));
    view->showNextFrame();
    EXPECT_EQ(onScreen(), QColor(Qt::cyan));
}

TEST_F(OnAnXServer, AnUncoveredWindowShowsTheCurrentFrameNotTheOneLastPainted)
{
    ASSERT_TRUE(showsSoon(Qt::red));
    view->showNextFrame();
    ASSERT_EQ(onScreen(), QColor(Qt::green));

    QWidget cover; // over the whole window, until the screen shows it
    cover.setWindowFlag(Qt::X11BypassWindowManagerHint);
    cover.setGeometry(window.geometry());
    QPalette magenta = cover.palette();
    magenta.setColor(QPalette::Window, Qt::magenta);
    cover.setPalette(magenta);
    cover.setAutoFillBackground(true);
    showAndSettle(cover);
    ASSERT_TRUE(showsSoon(Qt::magenta));
    cover.hide();
    EXPECT_TRUE(showsSoon(Qt::green));
    EXPECT_EQ(view->currentFrame(), 1);
}

TEST_F(OnAnXServer, AViewTheServerCannotShowWholeIsPainted)
{
    struct Case {
        const char* what;
        bool opaque;
        bool coveredBySibling;
    } const cases[] = {
        {"a view with transparent parts", false, false},
        {"a view partly under another widget", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        view->setOpaque(c.opaque);
        QWidget sibling(&window);
        sibling.setAutoFillBackground(true);
        sibling.setGeometry(view->geometry().adjusted(16, 16, 16, 16));
        sibling.setVisible(c.coveredBySibling);
        view->setFrames(coloured({Qt::red, Qt::green}));
        ASSERT_TRUE(showsSoon(Qt::red));
        const int paintsBefore = counter.paints;
        view->showNextFrame();
        EXPECT_EQ(onScreen(), QColor(Qt::green));
        EXPECT_GT(counter.paints, paintsBefore);
    }
}
