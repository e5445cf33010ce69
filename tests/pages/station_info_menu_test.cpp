#include "pages/station_info_menu.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "pages/text_viewer.h"
#include "pages/uv_window.h"
#include "pages_test_support.h"
#include "pictures/map_urls.h"
#include "pictures/picture_window.h"
#include "options/options_dialog.h"
#include "settings/program_state.h"
#include "settings/settings_record.h"
#include "support/test_pictures.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

using StationInfoMenuTest = PagesTest;

TEST_F(StationInfoMenuTest, ItemsActForTheStationWhoseMenuIsOpen)
{
    program().UVValues[26] = "8"; // JACKSON, Mississippi
    program().UVValues[27] = "6"; // JACKSONVILLE, Florida
    program().UVValues[45] = "4"; // PORTLAND, Maine
    program().UVValues[46] = "9"; // PORTLAND, Oregon
    const QStringList entries = {"Texas - DALLAS", "Florida - JACKSONVILLE", "Oregon - PORTLAND", "World - Paris",
                                 "Wyoming - JACKSON"};
    for (int slot = 0; slot < entries.size(); ++slot) {
        addWatchEntry(form2().List3, entries[slot], false);
        form1().Label2[slot]->setText(entries[slot].mid(entries[slot].indexOf(" - ") + 3));
    }
    writeFile("Log/PORTLAND_Log.txt", "portland record\r\n");
    writeFile("Log/CV_Log.txt", "shared record\r\n");

    const std::pair<int, QString> uv[] = {{1, "6"}, {2, "9"}, {3, "Not Available"}, {4, "Not Available"}};
    for (const auto& [slot, value] : uv) {
        program().PopupSlot = slot;
        form1().StateInfo[3]->trigger();
        EXPECT_EQ(form3().Label1->text(), "UV Index for " + form1().Label2[slot]->text() + " Is:");
        EXPECT_EQ(form3().Label2->text(), value);
    }
    EXPECT_EQ(form3().windowTitle(), "Corvane UV Index");
    EXPECT_EQ(form3().Text1->toPlainText(), "THE UV INDEX IS CATEGORIZED BY EPA AS \nFOLLOWS:\n"
                                            "   UVI                      EXPOSURE LEVEL\n"
                                            "   0 1 2                        MINIMAL\n"
                                            "   3 4                           LOW\n"
                                            "   5 6                           MODERATE\n"
                                            "   7 8 9                        HIGH\n"
                                            "   10 AND GREATER     VERY HIGH\n");
    form3().Command1->click();
    EXPECT_FALSE(form3Loaded());

    program().PopupSlot = 2;
    form1().StateInfo[6]->trigger();
    EXPECT_EQ(form4().text(), "portland record\r\n");
    form1().StateInfo[7]->trigger();
    EXPECT_EQ(form4().text(), "shared record\r\n");

    // The weather history ignores the slot.
    server.route("/TriviaPortalSite/weather/trivia/", HttpReply::text("Daily Weather Trivia Hail.Search for local weather"));
    program().PopupSlot = -1;
    form1().StateInfo[5]->trigger();
    EXPECT_EQ(form4().text(), "Hail.");
    StateInfo_Click(8); // no such item
    EXPECT_TRUE(messages.empty());

    // So does the national UV map, which opens in a picture window.
    Load_Map_URLs();
    server.route("/NewsNetworkSite/WEATHER/accu.data/uv.gif", HttpReply::bytes(animatedGif(QSize(60, 40), 1), "image/gif"));
    form1().StateInfo[4]->trigger();
    ASSERT_FALSE(program().Pictures.PicWindows.empty());
    ASSERT_TRUE(program().Pictures.PicWindows[0]);
    EXPECT_EQ(program().Pictures.PicWindows[0]->windowTitle(), "US UV Index");
}

TEST_F(StationInfoMenuTest, ARightClickOnTheCompactWindowsPlaceOpensTheMenu)
{
    program().CurrentSlot = 4;
    QLabel* place = weather().Place;
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), place->mapToGlobal(QPointF(2, 2)),
                        Qt::RightButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(place, &release);
    EXPECT_EQ(program().PopupSlot, 4);
    EXPECT_TRUE(form1().ForUvWarn->isVisible());
    form1().ForUvWarn->hide();
}
