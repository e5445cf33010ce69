// The second half of an update: every watched station's row from its page.
#include "update/report_processing.h"

#include "mainwindow/form1.h"
#include "mainwindow/digital_window.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "options/options_dialog.h"
#include "platform/inet_control.h"
#include "platform/program_folder.h"
#include "platform/color_values.h"
#include "platform/waits.h"
#include "settings/caption_length.h"
#include "settings/connection.h"
#include "settings/program_state.h"
#include "settings/source_addresses.h"
#include "settings/string_routines.h"
#include "settings/version.h"
#include "update/alternate_source.h"
#include "update/observation_log.h"
#include "update/report_parser.h"
#include "update/site_code.h"
#include "update/station_search.h"
#include "update/unit_conversions.h"
#include "update/uv_and_warning_checks.h"
#include "update/uv_and_warnings.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

namespace {

void clearReadings(Form1& main, int i)
{
    main.Label3[i]->setText(QStringLiteral("NOT AVBL"));
    for (auto* column : {&main.Label4, &main.Label5, &main.Label6, &main.Label7, &main.Label8, &main.Label9})
        (*column)[i]->clear();
    main.Label10[i]->setText(QStringLiteral("NR"));
}

void Find_Alternate(int Index, bool celsius)
{
    Form1& main = form1();
    const auto names = alternateRowNames(programPath(QStringLiteral("alter1.cvd")));
    if (!names)
        return;
    bool usable = false;
    const auto rowName = alternateRowName(*names, main.Label2[Index]->text(), &usable);
    if (!usable)
        return;
    if (!rowName) {
        main.Label9[Index]->setText(QStringLiteral("Alternate Site N/F"));
        return;
    }
    const AlternateReading reading = parseAlternateRow(*rowName, program().AltText, celsius);
    main.Label9[Index]->setText(reading.status);
    if (!reading.found)
        return;
    main.Label4[Index]->setText(reading.temperature);
    main.Label6[Index]->setText(reading.humidity);
    main.Label7[Index]->setText(celsius ? Convert_Speed(reading.wind) : reading.wind);
    main.Label3[Index]->setText(cutToCaption(reading.condition)); // the rest of the row, however long
    main.Label8[Index]->setText(QStringLiteral("NR"));
    main.Label5[Index]->setText(QStringLiteral("NR"));
}

StationRow rowOf(Form1& main, int i)
{
    StationRow row;
    for (int label = 2; label <= 10; ++label)
        row.label(label) = (*main.stationColumns()[label - 2])[i]->text();
    return row;
}

// The readings come from page text and may run on: each label is cut to
// the longest caption.
void showRow(Form1& main, int i, const StationRow& row)
{
    for (int label = 3; label <= 10; ++label)
        (*main.stationColumns()[label - 2])[i]->setText(cutToCaption(row.label(label)));
}

// The sources whose pages carry no UV index and have no warnings page.
bool withoutUvOrWarnings(const QString& siteCode)
{
    return siteCode == QLatin1String("W1") || siteCode == QLatin1String("W2") || siteCode == QLatin1String("CA")
        || siteCode == QLatin1String("UA");
}

// The last slot that the watch list fills now: at most ten slots, -1 for an
// empty list. Every wait of the update lets window events run, and a handler
// among them may change the list (a row deleted in the options dialog, the
// dialog loaded afresh), so the pass asks again after each wait.
int lastWatchedSlot()
{
    return std::min(static_cast<int>(form2().List3->count()) - 1, 9);
}

// Whether slot i still holds the entry whose page the update fetched for it:
// not once that entry was deleted, moved up by a deletion above it, or
// replaced by another list.
bool holdsFetchedEntry(int i)
{
    const QString entry = slotWatchEntry(i);
    return !entry.isEmpty() && entry == program().SlotEntry[i];
}

// A current station beyond the list goes back to slot 0.
void keepCurrentSlotWithin(Form1& main, int last)
{
    ProgramState& state = program();
    if (state.CurrentSlot > last) {
        state.CurrentSlot = 0;
        main.Option1[0]->setChecked(true);
    }
}

// One slot from its page: the row, its UV and warnings, and the state's
// alternate page for a station the page does not report. False when the
// slot does not hold the entry of its page, or stops holding it during one
// of the slot's waits: the row then keeps its texts (a row beyond the list
// is blanked at the end of the pass) and nothing of it is logged.
bool processSlot(Form1& main, int i, bool celsius)
{
    ProgramState& state = program();
    bool alternateTried = false;
    for (;;) {
        if (!holdsFetchedEntry(i))
            return false;
        // Readings of an update in the other unit are not kept as this one's.
        if (state.RowsCelsius != celsius && !alternateTried)
            clearReadings(main, i);
        const QString entry = state.SlotEntry[i];
        const qsizetype dash = entry.indexOf(QLatin1Char('-'));
        const QString place = entry.mid(dash + 2);
        main.Label2[i]->setText(place.toUpper());
        // The state as the entry writes it, with the blank before the dash.
        if (dash >= 0)
            main.Label2[i]->setToolTip(place.toUpper() + QStringLiteral(", ") + entry.left(dash));
        const QString url = state.SlotURL[i];
        const QString code = siteCodeFor(url);
        bool checkUvAndWarnings = true;
        const QString page = state.SlotText[i];
        if (!(page.isEmpty() && !main.Label4[i]->text().isEmpty())) {
            const StationSearch found = findStationLine(page, url, place, programSearchMarkers());
            if (found.status == StationSearch::Found) {
                StationRow row = rowOf(main, i);
                Parse_Report({code, found.line, page, place, found.position, celsius, state.KeepLastOn != 0}, row);
                showRow(main, i, row);
            }
            if (found.status == StationSearch::Missing) {
                const bool keep = state.KeepLastOn && place == main.Label2[i]->text()
                    && !main.Label3[i]->text().isEmpty();
                if (!keep)
                    clearReadings(main, i);
            } else if (withoutUvOrWarnings(code)) {
                // Found, or found without a line end and not parsed.
                checkUvAndWarnings = false;
                setBackColor(main.S_Warning[i], kButtonFaceColor);
            }
        }
        const QString hourly = programSiteMarkers().decodedHourly;
        if (checkUvAndWarnings && !(!hourly.isEmpty() && url.contains(hourly))) {
            if (!main.IgnoreUV->isChecked())
                Show_Slot_UV(i, entry);
            else
                main.Label10[i]->setText(QStringLiteral("NR"));
            if (!main.IgnoreWarnings->isChecked())
                Check_Warnings(i, code == QLatin1String("HI") ? 1 : 0, entry);
            else
                setBackColor(main.S_Warning[i], kButtonFaceColor);
            if (!holdsFetchedEntry(i))
                return false;
        }
        if (main.CheckAlternate->isChecked() && !alternateTried
            && main.Label3[i]->text().contains(QLatin1String("NOT AVBL"))) {
            alternateTried = true;
            if (!(code == "HI" || code == "W1" || code == "W2")) {
                DoEvents();
                try {
                    Set_Inet(*main.Inet2);
                    state.SlotText[i] = main.Inet2->OpenURL(sources::alternateObservations()
                                                            + url.mid(url.size() - 14, 2).toUpper()
                                                            + QStringLiteral(".OBS"));
                } catch (const InetError&) {
                }
                DoEvents();
                continue; // the new page is searched as a first download, its entry checked again
            }
        }
        break;
    }
    if (main.Label3[i]->text().contains(QLatin1String("NOT AVBL")))
        Find_Alternate(i, celsius);
    if (alternateTried && main.Label9[i]->text().isEmpty())
        main.Label9[i]->setText(QStringLiteral("Alt. Site Checked"));
    return true;
}

} // namespace

bool Process_Reports(bool celsius)
{
    ProgramState& state = program();
    Form1& main = form1();
    keepCurrentSlotWithin(main, lastWatchedSlot());
    state.WarningsCache.clear();

    bool logWritten = true;
    for (int i = 0; i <= lastWatchedSlot(); ++i) {
        setBackColor(main.S_Warning[i], kButtonFaceColor);
        if (processSlot(main, i, celsius) && !Write_Log(i, celsius))
            logWritten = false;
    }
    state.RowsCelsius = celsius;

    // The rows beyond the list as it is now are emptied, and the current
    // station is one of the list's.
    state.AltText.clear();
    const int last = lastWatchedSlot();
    for (int i = last + 1; i < 10; ++i)
        for (auto* column : main.stationColumns())
            (*column)[i]->clear();
    keepCurrentSlotWithin(main, last);
    main.setWindowTitle(QStringLiteral("Corvane ") + versionText().mid(8));
    Weather& compact = weather();
    compact.showCurrentRow();
    compact.LastUp->setText(main.panelText(3));
    wethWind().Label2[6]->setText(QStringLiteral("Updated"));
    main.Option1_Click(state.CurrentSlot);
    if (main.panelText(1) == QLatin1String("Corvane Recovering DATA ..... Please Wait"))
        main.setPanelText(1, QString());
    main.Display_Digital();
    return logWritten;
}
