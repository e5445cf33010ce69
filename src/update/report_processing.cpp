// The second half of an update: every watched station's row from its page.
#include "update/report_processing.h"

#include "mainwindow/form1.h"
#include "mainwindow/digital_window.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "options/options_dialog.h"
#include "platform/inet_control.h"
#include "platform/plain_text.h"
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
#include <QTime>

namespace {

void clearReadings(Form1& main, int i)
{
    main.Label3[i]->setText(QStringLiteral("NOT AVBL"));
    for (auto* column : {&main.Label4, &main.Label5, &main.Label6, &main.Label7, &main.Label8, &main.Label9})
        (*column)[i]->clear();
    main.Label10[i]->setText(QStringLiteral("NR"));
}

// The row from this update's alternate conditions file; true when the file
// had the station's readings.
bool Find_Alternate(int Index, bool celsius)
{
    Form1& main = form1();
    const auto names = alternateRowNames(programPath(QStringLiteral("alter1.cvd")));
    if (!names)
        return false;
    bool usable = false;
    const auto rowName = alternateRowName(*names, main.Label2[Index]->text(), &usable);
    if (!usable)
        return false;
    if (!rowName) {
        main.Label9[Index]->setText(QStringLiteral("Alternate Site N/F"));
        return false;
    }
    const AlternateReading reading = parseAlternateRow(*rowName, program().AltText, celsius);
    main.Label9[Index]->setText(reading.status);
    if (!reading.found)
        return false;
    main.Label4[Index]->setText(reading.temperature);
    main.Label6[Index]->setText(reading.humidity);
    main.Label7[Index]->setText(celsius ? Convert_Speed(reading.wind) : reading.wind);
    main.Label3[Index]->setText(cutToCaption(reading.condition)); // the rest of the row, however long
    main.Label8[Index]->setText(QStringLiteral("NR"));
    main.Label5[Index]->setText(QStringLiteral("NR"));
    return true;
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

// What one slot's pass left in its row.
enum class SlotOutcome {
    Moved,   // the slot stopped holding the entry of its page: nothing of it is logged
    Updated, // the row says what this update fetched: readings, or "NOT AVBL" for a page without them
    Kept,    // the row keeps what an earlier update fetched, or nothing
};

struct SlotPass {
    SlotOutcome outcome = SlotOutcome::Kept;
    bool alternatesRan = false; // the row's remarks say what the alternate sources found
};

// The row from the slot's page (its search, the parse, or "NOT AVBL" for a
// station the page does not name). `read` tells whether the row now says
// what the page says; a row that keeps its captions (no page, a line
// without its end, last readings kept) does not, unless they are
// "NOT AVBL", which is what the page says too.
struct PageReading {
    bool read = false;
    bool checkUvAndWarnings = true;
};

PageReading readPage(Form1& main, int i, const QString& url, const QString& code, const QString& place,
                     bool celsius)
{
    ProgramState& state = program();
    PageReading result;
    // A page kept from an earlier update is read again only when it came
    // from the address asked for now: after a switch of units the portal's
    // page of the other unit, or the page of the station that had the row
    // before, says nothing of this request.
    const bool ownPage = state.SlotFetched[i] || state.SlotTextURL[i] == url;
    const QString page = ownPage ? state.SlotText[i] : QString();
    if (page.isEmpty() && !main.Label4[i]->text().isEmpty())
        return result;
    const StationSearch found = findStationLine(page, url, place, programSearchMarkers());
    if (found.status == StationSearch::Found) {
        StationRow row = rowOf(main, i);
        const ReportRequest request{code,    found.line, page,           place,
                                    found.position, celsius,    state.KeepLastOn != 0, found.longerName};
        result.read = Parse_Report(request, row);
        showRow(main, i, row);
    }
    if (found.status == StationSearch::Missing) {
        const bool keep = state.KeepLastOn && place == main.Label2[i]->text() && !main.Label3[i]->text().isEmpty();
        if (!keep)
            clearReadings(main, i);
        result.read = !keep;
    } else if (withoutUvOrWarnings(code)) {
        // Found, or found without a line end and not parsed.
        result.checkUvAndWarnings = false;
        setBackColor(main.S_Warning[i], kButtonFaceColor);
    }
    if (found.status != StationSearch::NoLineEnd && saysNotAvailable(main.Label3[i]->text()))
        result.read = true;
    return result;
}

// The state's alternate observations page for slot i, stored as the slot's
// page when it comes; false when it does not.
bool fetchAlternatePage(int i, const QString& url)
{
    DoEvents();
    const QString address =
        sources::alternateObservations() + url.mid(url.size() - 14, 2).toUpper() + QStringLiteral(".OBS");
    QString page;
    try {
        page = fetchUpdatePage(address);
    } catch (const InetError&) {
    }
    DoEvents();
    if (page.isEmpty())
        return false;
    program().SlotText[i] = page;
    program().SlotTextURL[i] = address;
    program().SlotFetched[i] = true;
    return true;
}

// One slot from its page: the row, its UV and warnings, and the state's
// alternate page for a station the page does not report. Moved when the
// slot does not hold the entry of its page, or stops holding it during one
// of the slot's waits: the row then keeps its texts (a row beyond the list
// is blanked at the end of the pass) and nothing of it is logged.
SlotPass processSlot(Form1& main, int i, bool celsius)
{
    ProgramState& state = program();
    bool alternateTried = false;
    bool updated = false;
    for (;;) {
        if (!holdsFetchedEntry(i))
            return {SlotOutcome::Moved};
        const QString entry = state.SlotEntry[i];
        const qsizetype dash = entry.indexOf(QLatin1Char('-'));
        const QString place = entry.mid(dash + 2);
        // Readings of an update in the other unit, or of the station that
        // had the row before the list changed, are not kept as this one's.
        const QString shownPlace = main.Label2[i]->text();
        if ((state.RowsCelsius != celsius || (!shownPlace.isEmpty() && shownPlace != place.toUpper()))
            && !alternateTried) {
            clearReadings(main, i);
            state.SlotReadAt[i] = QTime();
        }
        main.Label2[i]->setText(place.toUpper());
        // The state as the entry writes it, with the blank before the dash.
        if (dash >= 0)
            main.Label2[i]->setToolTip(plainToolTip(place.toUpper() + QStringLiteral(", ") + entry.left(dash)));
        const QString url = state.SlotURL[i];
        const QString code = siteCodeFor(url);
        const PageReading reading = readPage(main, i, url, code, place, celsius);
        updated = updated || (reading.read && state.SlotFetched[i]);
        const QString hourly = programSiteMarkers().decodedHourly;
        if (reading.checkUvAndWarnings && !(!hourly.isEmpty() && url.contains(hourly))) {
            if (!main.IgnoreUV->isChecked())
                Show_Slot_UV(i, entry);
            else
                main.Label10[i]->setText(QStringLiteral("NR"));
            if (!main.IgnoreWarnings->isChecked())
                Check_Warnings(i, code == QLatin1String("HI") ? 1 : 0, entry);
            else
                setBackColor(main.S_Warning[i], kButtonFaceColor);
            if (!holdsFetchedEntry(i))
                return {SlotOutcome::Moved};
        }
        if (main.CheckAlternate->isChecked() && !alternateTried
            && main.Label3[i]->text().contains(QLatin1String("NOT AVBL"))) {
            alternateTried = true;
            // The new page is searched as a first download, its entry checked
            // again; without one there is nothing new to search.
            if (!(code == "HI" || code == "W1" || code == "W2") && fetchAlternatePage(i, url))
                continue;
        }
        break;
    }
    const bool lookedUp = main.Label3[i]->text().contains(QLatin1String("NOT AVBL"));
    if (lookedUp && Find_Alternate(i, celsius))
        updated = true;
    if (alternateTried && main.Label9[i]->text().isEmpty())
        main.Label9[i]->setText(QStringLiteral("Alt. Site Checked"));
    return {updated ? SlotOutcome::Updated : SlotOutcome::Kept, alternateTried || lookedUp};
}

// The log's record of a station that this update did not read, whatever its
// row still shows: no report, and what the alternate sources found of it
// when they ran.
StationRow notReadRow(Form1& main, int i, bool alternatesRan)
{
    StationRow row;
    row.place = main.Label2[i]->text();
    markNotAvailable(row);
    row.uv = QStringLiteral("NR");
    if (alternatesRan)
        row.remarks = main.Label9[i]->text();
    return row;
}

// Status panel 3 and the time of the last update: now.
void stampUpdateTime(Form1& main, const QTime& now)
{
    main.setPanelText(3, now.toString(QStringLiteral("hh:mm AP")));
    program().LastUpdate = now.toString(QStringLiteral("hh:mm"));
}

} // namespace

QString fetchUpdatePage(const QString& url)
{
    InetControl& inet = *form1().Inet2;
    Set_Inet(inet);
    const QString page = inet.OpenURL(url);
    return inet.lastHttpStatus() >= 400 ? QString() : page;
}

ReportsOutcome Process_Reports(bool celsius)
{
    ProgramState& state = program();
    Form1& main = form1();
    keepCurrentSlotWithin(main, lastWatchedSlot());
    clearWarningsCache();

    ReportsOutcome outcome;
    bool anyUpdated = false;
    state.SlotUpdated.fill(false);
    for (int i = 0; i <= lastWatchedSlot(); ++i) {
        setBackColor(main.S_Warning[i], kButtonFaceColor);
        const SlotPass slot = processSlot(main, i, celsius);
        if (slot.outcome == SlotOutcome::Moved)
            continue;
        state.SlotUpdated[i] = slot.outcome == SlotOutcome::Updated;
        anyUpdated = anyUpdated || state.SlotUpdated[i];
        if (!state.SlotUpdated[i] && !outcome.notUpdated.contains(main.Label2[i]->text()))
            outcome.notUpdated.append(main.Label2[i]->text());
        const StationRow logged = state.SlotUpdated[i] ? rowOf(main, i) : notReadRow(main, i, slot.alternatesRan);
        if (!Write_Log(i, logged, celsius))
            outcome.logWritten = false;
    }
    state.RowsCelsius = celsius;
    // The time moves with the readings: with at least one station read, or
    // none to read.
    const QTime now = QTime::currentTime();
    if (anyUpdated || lastWatchedSlot() < 0)
        stampUpdateTime(main, now);
    for (int i = 0; i < 10; ++i) {
        if (state.SlotUpdated[i])
            state.SlotReadAt[i] = now;
    }

    // The rows beyond the list as it is now are emptied, and the current
    // station is one of the list's.
    state.AltText.clear();
    const int last = lastWatchedSlot();
    for (int i = last + 1; i < 10; ++i) {
        for (auto* column : main.stationColumns())
            (*column)[i]->clear();
        state.SlotReadAt[i] = QTime();
        state.SlotUpdated[i] = false;
    }
    keepCurrentSlotWithin(main, last);
    main.setWindowTitle(QStringLiteral("Corvane ") + versionText().mid(8));
    weather().showCurrentRow();
    showLastUpdate();
    main.Option1_Click(state.CurrentSlot);
    if (main.panelText(1) == QLatin1String("Corvane Recovering DATA ..... Please Wait"))
        main.setPanelText(1, QString());
    main.Display_Digital();
    return outcome;
}

QString shownReadingsTime()
{
    const ProgramState& state = program();
    const int slot = state.CurrentSlot;
    return slot > lastWatchedSlot() ? state.LastUpdate : state.SlotReadAt[slot].toString(QStringLiteral("hh:mm"));
}

QString shownReadingsState()
{
    const ProgramState& state = program();
    const int slot = state.CurrentSlot;
    const bool updated = slot > lastWatchedSlot() || state.SlotUpdated[slot];
    return updated ? QStringLiteral("Updated") : QStringLiteral("Not Updated");
}

void showLastUpdate()
{
    const ProgramState& state = program();
    const int slot = state.CurrentSlot;
    weather().LastUp->setText(slot > lastWatchedSlot() ? form1().panelText(3)
                                                        : state.SlotReadAt[slot].toString(QStringLiteral("hh:mm AP")));
    wethWind().Label2[6]->setText(shownReadingsState());
}

QString updateEndText(const ReportsOutcome& outcome, const QStringList& notes)
{
    QStringList said;
    if (!outcome.notUpdated.isEmpty()) {
        QStringList places;
        for (const QString& place : outcome.notUpdated)
            places << QLatin1Char('"') + place + QLatin1Char('"');
        said << QStringLiteral("Not updated: ") + places.join(QStringLiteral(", "));
    }
    if (!outcome.logWritten)
        said << logNotWrittenText();
    for (const QString& note : notes) {
        if (!note.isEmpty())
            said << note;
    }
    if (said.isEmpty())
        return QStringLiteral("Ready.....");
    return QStringLiteral("Ready..... ") + said.join(QStringLiteral("; "));
}
