#include "mainwindow/window_layout.h"

#include "mainwindow/form1.h"
#include "platform/screen.h"
#include "platform/twips.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <algorithm>

MainWindowLayout mainWindowLayout(int entries, bool ticker)
{
    MainWindowLayout layout;
    layout.height = Form1::heightForStations(entries) + (ticker ? 330 : 0);
    layout.tickerShown = ticker;
    if (ticker)
        layout.tickerTop = (layout.height - 1315) / kTwipsPerPixel;
    return layout;
}

void Size_To_WatchList(Form1& main, int entries)
{
    main.showStationRows(entries);
    if (main.isMinimized()) {
        main.sizeOnRestore = entries;
        return;
    }
    main.sizeOnRestore.reset();
    const MainWindowLayout layout = mainWindowLayout(entries, main.DisScroll->isChecked());
    if (!main.isMaximized()) {
        // The rows just hidden or shown count before the window is sized.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        main.adjustSize();
        main.resize(main.width(), std::max(main.height(), twipsToPixels(layout.height)));
    }
    QWidget* strip = main.Picture1[0];
    if (layout.tickerShown) {
        strip->setGeometry(0, layout.tickerTop, main.width(), strip->height());
        strip->show();
        strip->raise();
    } else {
        strip->hide();
    }
    if (!main.isMaximized())
        centreOnScreen(&main);
}
