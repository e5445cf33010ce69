#include "pages/state_forecast.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "pages/forecast_window.h"
#include "pages/page_fetch.h"
#include "pages/page_text.h"
#include "pages/regional_pages.h"
#include "pages/text_viewer.h"
#include "platform/user_dialogs.h"
#include "settings/program_state.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace {

void forecastNotAvailable()
{
    MsgBox(QStringLiteral("Forecast Not Available!"));
}

// The station's regional folder, or nullopt (having said so) when it has none.
std::optional<QString> forecastFolder(int Index)
{
    const std::optional<QString> folder = regionalFolder(program().SlotURL[Index]);
    if (!folder)
        forecastNotAvailable();
    return folder;
}

} // namespace

void Show_State_Forecast(int Index)
{
    if (Index < 0 || Index > 9 || refusedWhileBusy(QStringLiteral("Connection Busy")))
        return;
    const std::optional<QString> folder = forecastFolder(Index);
    if (!folder)
        return;
    const std::optional<QString> page = fetchStatePage(*folder + QStringLiteral("state.html"));
    if (programClosing())
        return;
    if (!page) {
        forecastNotAvailable();
        return;
    }
    Form1& main = form1();
    main.setPanelText(1, QStringLiteral("Processing Text.... Please Wait"));
    const QString text = bulletinText(*page);
    main.setPanelText(1, QStringLiteral("Text Processing Complete"));
    showInViewer(QStringLiteral("Corvane State Wide Forecast"), text);
}

void Show_City_Forecast(int Index)
{
    if (Index < 0 || Index > 9 || refusedWhileBusy(QStringLiteral("Connection Busy")))
        return;
    const std::optional<QString> folder = forecastFolder(Index);
    if (!folder)
        return;
    Form1& main = form1();
    const QString zone = zoneCode(*folder);
    const QString city = main.Label2[Index]->text();
    const std::optional<QString> page = fetchPage(*folder + QStringLiteral("zone.html"));
    if (programClosing())
        return;
    if (!page || upperCopy(*page).contains(QLatin1String("NOT FOUND"))) {
        forecastNotAvailable();
        return;
    }
    main.setPanelText(1, QStringLiteral("Processing Text.... Please Wait"));
    WForcast& window = wForcast();
    window.PutText(*page, city, zone);
    main.setPanelText(1, QStringLiteral("Text Processing Complete"));
    if (window.Text1->toPlainText().isEmpty()) {
        window.Text1->setPlainText(QStringLiteral("Sorry, City Forecast Not Available."));
        window.Size_Forecast_Window();
    }
    showModal(window);
}
