#include "pages/station_info_menu.h"

#include "mainwindow/form1.h"
#include "pages/feature_pages.h"
#include "pages/home_page_files.h"
#include "pages/log_display.h"
#include "pages/state_forecast.h"
#include "pages/state_warnings.h"
#include "pages/uv_window.h"
#include "pictures/map_urls.h"
#include "pictures/picture_fetch.h"
#include "settings/program_state.h"

#include <QAction>

void StateInfo_Click(int Index)
{
    const int slot = program().PopupSlot;
    switch (Index) {
    case 0: Show_City_Forecast(slot); break;
    case 1: Show_State_Forecast(slot); break;
    case 2: Show_State_Warnings(slot); break;
    case 3: Show_UV_Index(slot); break;
    case 4: Get_Picture(program().MapURLs.AllergyURL[AllergyUvMapEntry], QStringLiteral("US UV Index")); break;
    case 5: Show_Weather_History(); break;
    case 6:
    case 7: Show_Log_File(slot, Index); break;
    default: break;
    }
}

void connectInformationPages(Form1& main)
{
    for (int i = 0; i < static_cast<int>(main.StateInfo.size()); ++i)
        QObject::connect(main.StateInfo[i], &QAction::triggered, &main, [i] { StateInfo_Click(i); });
    QObject::connect(main.MoonCal, &QAction::triggered, &main, [] { MoonCal_Click(); });
    QObject::connect(main.TheSkyThisWeek, &QAction::triggered, &main, [] { Show_Sky_This_Week(); });
    QObject::connect(main.TheSkyMonth, &QAction::triggered, &main, [] { Show_Sky_This_Month(); });
    QObject::connect(main.LatestNews, &QAction::triggered, &main, [] { LatestNews_Click(); });
    QObject::connect(main.History, &QAction::triggered, &main, [] { History_Click(); });
}
