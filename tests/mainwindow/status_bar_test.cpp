// The main window's height follows its stations, and every panel of its
// status bar lies whole inside it, whatever panel 1 says: a long text is cut
// (its tip shows it whole) and does not widen the window.
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "mainwindow/window_layout.h"
#include "platform/twips.h"
#include "platform/waits.h"
#include "test_support.h"

#include <QLabel>
#include <QStatusBar>

namespace {

class StatusBarTest : public SandboxTest {};

} // namespace

TEST_F(StatusBarTest, TheWindowFitsItsStationsAndEveryPanelLiesInsideIt)
{
    struct Case {
        int stations;
        QString text; // panel 1
        bool mail;    // panel 6 shown
    };
    const Case cases[] = {
        {1, "Ready.....", false},
        {10, "Corvane Requesting DATA ..... Please Wait", true},
        {3, QStringLiteral("Site is currently UnAvailable, Waiting to check next site. ").repeated(4), true},
        {10, "Ready..... Not updated: " + QStringLiteral("SPOKANE GEIGER, ").repeated(9) + "WALLA WALLA", false},
    };
    Form1& main = form1();
    // Start-up sizes the window before it is first shown.
    Size_To_WatchList(main, 2);
    main.show();
    EXPECT_EQ(main.height(), std::max(twipsToPixels(Form1::heightForStations(2)), main.minimumSizeHint().height()));
    const int width = main.width();
    for (const Case& c : cases) {
        Size_To_WatchList(main, c.stations);
        main.setPanelText(1, c.text);
        main.setPanelText(3, "12:39 PM");
        main.panel(6)->setVisible(c.mail);
        DoEvents();
        // The panels keep the margin at the right that the first one has at
        // the left, and none is squeezed below its width.
        const int margin = main.panel(1)->mapTo(&main, QPoint(0, 0)).x();
        const QRect inside = main.rect().adjusted(margin, 0, -margin, 0);
        for (int n = 1; n <= 6; ++n) {
            const QLabel* panel = main.panel(n);
            if (panel->isHidden())
                continue;
            const QRect at(panel->mapTo(&main, QPoint(0, 0)), panel->size());
            EXPECT_TRUE(inside.contains(at)) << "panel " << n << ", " << c.stations << " stations";
            EXPECT_GE(at.width(), std::max(panel->minimumWidth(), 1)) << "panel " << n;
        }
        EXPECT_EQ(main.width(), width) << c.text.toStdString();
        EXPECT_EQ(main.panel(1)->toolTip(), c.text);
        // Nor is the station table squeezed below what it needs, nor the
        // window taller than its stations and the table need.
        EXPECT_GE(main.centralWidget()->width(), main.centralWidget()->minimumSizeHint().width());
        EXPECT_EQ(main.height(),
                  std::max(twipsToPixels(Form1::heightForStations(c.stations)), main.minimumSizeHint().height()))
            << c.stations << " stations";
    }
}

