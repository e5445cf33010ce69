#pragma once
#include "pictures/map_urls.h"
#include "pictures/picture_windows.h"
#include "settings/user_lists.h"

#include <QString>
#include <QStringList>
#include <QTime>
#include <array>
#include <vector>

// What the last mail check found at one account.
struct MailAccountState {
    QString Site;    // the account's site (host) text; empty when the account is not in use
    int Unread = 0;  // the messages not counted before
    QString Failure; // why the account could not be checked, in a few words; empty when it was
};

// The program-wide values that the windows and the update share. One
// instance lives for the whole run; tests start from a fresh one.
struct ProgramState {
    // Settings derived from the settings record.
    int UpdateInterval = 60;   // minutes between automatic updates
    int AnimKind = 0;          // compact window's animation: 0 anemometer, 1 sunshine
    int InetTimeout = 30;      // request time-out of every transfer, seconds
    int KeepLastOn = 1;        // keep the last good readings of a silent station
    int VerifyVersionOn = 0;   // check the program version after a dial
    int PopUpIndex = 0;        // small window shown when the main window is minimised
    int DigitColorIndex = 0;   // colour set of the digital display
    QString ProxyUserName;     // proxy credentials in plain text
    QString ProxyPwd;
    int IconCategorySel = 0;   // category chosen in the options' icon tab

    // Dial-up: the entry the program itself dialled last (the link Hang_Up
    // ends) and the result of the last hang-up (nmcli's exit code).
    QString RasEntryName;
    int RasResult = 0;

    // The user's condition-icon definitions, parallel tables; one entry with
    // an empty name means the user has defined nothing.
    std::vector<QString> IconName{QString()};
    std::vector<int> IconCategory{0};

    // Display state shared by the main window, the small windows and the tray.
    int CurrentSlot = 0;       // the station the small windows show
    int ShownWindow = 0;       // window activated last: 1 main, 2 compact, 3 digital
    int PopupSlot = -1;        // station whose information menu was opened last
    int TrayPassThrough = 0;   // while set, tray actions do nothing (start-up)
    std::array<bool, 10> WarnFlag{};  // a warning names the station
    std::array<bool, 10> WarnSound{}; // its alert sound is still to play
    bool WarnIconShown = false;       // tray icon 2 is there
    int WarnIconPhase = 0;            // which alert picture the blinking icon shows next

    // The current station's wind, split for the digital display, each part
    // padded to three characters.
    QString WindDir, WindSpeed, WindGust;
    int GustShowing = 0;       // the digital display shows the gust on its wind cells

    // The UV bulletin's values, one per city of its table.
    std::array<QString, 58> UVValues{};

    // The update: its schedule, its pages and its dial-up state.
    int MinutesSinceUpdate = 0;
    bool UpdateRunning = false;       // an update is under way (waiting lets events run)
    bool RefreshAsked = false;        // "Save && Refresh" or a unit switch came while an update ran: another follows it
    bool AutoDialOn = true;           // dial (and check the version) before the next update
    bool ConnectedAtStart = false;    // a dial-up link was up at start: never hung up
    std::array<QString, 10> SlotText{}; // each slot's last page, kept from update to update
    std::array<QString, 10> SlotTextURL{}; // the address each page in SlotText came from
    std::array<bool, 10> SlotFetched{}; // the slot's page in SlotText came in the running update
    bool RowsCelsius = false;         // the unit the station rows were read in
    QString AltText;                  // the alternate conditions file of this update
    QString LastUpdate;               // "hh:mm" of the last update that fetched a station's readings
    std::array<QTime, 10> SlotReadAt{}; // when the readings in each row were fetched; null when not known
    std::array<bool, 10> SlotUpdated{}; // the last update read the row's station

    // The outcome of the last mail check, accounts 1 to 3.
    std::array<MailAccountState, 3> MailState{};
    bool MailChecking = false;   // a mail check is visiting the mailboxes (waiting lets events run)
    bool MailReportAsked = false; // "Check E-Mail > Now": the report follows the check's end

    // Station URL table, rebuilt from the watch list at every update.
    std::array<QString, 10> SlotURL{};
    std::array<bool, 10> SlotOn{};
    // The watch-list entry whose page the running update fetches into each
    // slot; empty beyond the list.
    std::array<QString, 10> SlotEntry{};

    // The user's local-radar and web-site lists, row i for menu item i.
    ListTable RadarList{};
    ListTable WebSiteList{};

    // Addresses of the map and picture menus, filled once at start-up.
    MapUrlTables MapURLs;

    // The open picture windows, their count and limit.
    PictureWindows Pictures;
};

ProgramState& program();

// Starts a fresh set of program-wide values (tests).
void resetProgramState();
