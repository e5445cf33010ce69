#include "pages/planets.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "options/options_dialog.h"
#include "pages/forecast_window.h"
#include "pages/page_fetch.h"
#include "pages/page_text.h"
#include "pages/planet_pictures.h"
#include "platform/user_dialogs.h"
#include "settings/source_addresses.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

constexpr int kPlanetSize = 48;

// The row of planets above the report, made the first time it is shown.
void addPlanetRow(WForcast& window)
{
    auto* row = new QWidget(&window);
    auto* planets = new QHBoxLayout(row);
    planets->setContentsMargins(4, 4, 4, 4);
    for (int i = 0; i < 9; ++i) {
        window.ThePlanets[i] = new QLabel(row);
        window.ThePlanets[i]->setPixmap(planetPicture(i, kPlanetSize));
        window.ThePlanets[i]->hide();
        planets->addWidget(window.ThePlanets[i]);
    }
    row->setStyleSheet(QStringLiteral("background: black"));
    auto* layout = static_cast<QVBoxLayout*>(window.layout());
    layout->setSpacing(0);
    layout->insertWidget(0, row);
}

} // namespace

QString planetReportAddress(const QString& zipCode)
{
    return sites::PlanetReportSite() + QStringLiteral("/weatherf/PLANETSF_qx01?partner=")
        + sources::planetReportPartner() + QStringLiteral("&zipcode=") + zipCode;
}

QString planetReportTable(const QString& page)
{
    // After the markup and the line break that ends it.
    const qsizetype markup = page.indexOf(QLatin1String("<tr><td><pre>"));
    const qsizetype start = markup < 0 ? 14 : markup + 15;
    const qsizetype end = page.indexOf(QLatin1String("</pre></td>"), start);
    return end < 0 ? QString() : page.mid(start, end - start);
}

QString planetReportFailureText()
{
    return QStringLiteral("Some kind of Error occured\r\nPlease try again later.")
        + QStringLiteral("\r\n").repeated(8);
}

void WForcast::ShowPlanets(const QString& TheText)
{
    Text1->setPlainText(plainLines(TheText.isEmpty() ? planetReportFailureText() : planetReportTable(TheText)));
    QPalette palette = Text1->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, Qt::white);
    Text1->setPalette(palette);
    Text1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Text1->moveCursor(QTextCursor::End);
    if (!ThePlanets[0])
        addPlanetRow(*this);
    for (QLabel* planet : ThePlanets)
        planet->show();
    Size_Planets_Window();
    setFixedHeight(height() + kPlanetSize + 8);
}

void mnuSmPrS_Click()
{
    const QString zipCode = form2().Text2->text();
    if (zipCode.isEmpty()) {
        MsgBox(QStringLiteral("Zip Code Required!"));
        return;
    }
    if (refusedWhileBusy(QStringLiteral("Connection Busy")))
        return;
    // A failed fetch shows the window's error notice.
    const QString page = fetchPage(planetReportAddress(zipCode)).value_or(QString());
    if (programClosing())
        return;
    if (page.toUpper().contains(QLatin1String("NOT FOUND"))) {
        MsgBox(QStringLiteral("Information Not Available At This Time!"));
        return;
    }
    Form1& main = form1();
    main.setPanelText(1, QStringLiteral("Processing .... Please Wait"));
    WForcast& window = wForcast();
    window.ShowPlanets(page);
    main.setPanelText(1, QStringLiteral("Processing Complete"));
    showModal(window);
}
