#include "pictures/picture_fetch.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "pages/page_fetch.h"
#include "pictures/fit_viewer.h"
#include "pictures/picture_window.h"
#include "platform/animated_picture.h"
#include "platform/inet_control.h"
#include "platform/menu_captions.h"
#include "platform/twips.h"
#include "platform/user_dialogs.h"
#include "platform/waits.h"
#include "settings/connection.h"
#include "settings/program_state.h"
#include "settings/source_addresses.h"
#include "settings/string_routines.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>

namespace {

// A picture or animation this high or less (twips) is taken as missing.
constexpr int kMissingPictureHeight = 405;

enum class Failure {
    NotRecovered, // the download left no file
    NotSaved,     // the picture came but could not be written (a full disk)
    NotAvailable, // anything else
};

enum class Kind { Still, Animated };

// The busy and limit tests: true when the fetch must not start.
bool refused()
{
    Form1& main = form1();
    if (main.Inet1->StillExecuting()) {
        main.setPanelText(1, QStringLiteral("Connection Busy"));
        return true;
    }
    return pictureWindowsFull();
}

QString failureText(Failure failure)
{
    switch (failure) {
    case Failure::NotRecovered:
        return QStringLiteral("Picture Could Not Be Recovered");
    case Failure::NotSaved:
        return QStringLiteral("Picture Could Not Be Saved");
    case Failure::NotAvailable:
        break;
    }
    return QStringLiteral("Picture Not Available At This Time");
}

void report(Failure failure)
{
    Form1& main = form1();
    main.setPanelText(1, failureText(failure));
    main.Gif89a1->stop();
    main.Picture2->hide();
}

void cannotRecoverMap()
{
    form1().setPanelText(1, QStringLiteral("Can't recover map at this time."));
}

// The refusal tests, the emptying of the data folder and one pass of the
// pending events: true when the fetch may go on.
bool prepareFetch()
{
    if (programClosing() || refused())
        return false;
    if (!emptyDataFolder()) {
        report(Failure::NotAvailable);
        return false;
    }
    DoEvents();
    return !programClosing();
}

// Opens the downloaded file data/FileName in a new window titled Title, as
// a still picture or as an animation. Windows may have opened while the
// picture came in (another window's large view, a fetch chosen before the
// download began), so the limit is tested again.
void openDownloaded(DownloadOutcome download, const QString& FileName, const QString& Title, Kind kind)
{
    if (programClosing())
        return;
    if (download == DownloadOutcome::NotWritten) {
        report(Failure::NotSaved);
        return;
    }
    if (pictureWindowsFull())
        return;
    Form5* window = newPictureWindow();
    QFile file(QDir(dataFolder()).filePath(FileName));
    std::optional<Failure> failure;
    if (FileName.isEmpty() || !file.open(QIODevice::ReadOnly))
        failure = Failure::NotRecovered;
    else if (!window->loadPicture(file.readAll(), FileName))
        failure = Failure::NotAvailable;
    else if (kind == Kind::Still && pixelsToTwips(window->Picture1->height()) <= kMissingPictureHeight)
        failure = Failure::NotAvailable;
    else if (kind == Kind::Animated
             && (!window->loadAnimation()
                 || pixelsToTwips(window->TheAnimatorBox->height()) <= kMissingPictureHeight))
        failure = Failure::NotAvailable;
    if (failure) {
        report(*failure);
        delete window; // never shown, never counted
        return;
    }
    if (kind == Kind::Animated)
        window->TheAnimatorBox->show();
    showPictureWindow(*window, Title);
}

// The arguments are copies: the caller's texts (a list entry, a menu
// caption) may change while the fetch waits.
void fetchAndOpen(const QString URL, const QString Title, Kind kind)
{
    if (!prepareFetch())
        return;
    const QString FileName = Get_FileName(URL);
    openDownloaded(Get_File(URL, FileName), FileName, Title, kind);
}

// The argument in lower case, but for the map portal's site root that it
// begins with: a root is asked for as configured (a mirror's path may hold
// capitals).
QString lowerCasedBeyondPortalRoot(const QString& argument)
{
    const QString root = sites::WeatherPortalSite();
    const bool rooted = argument.startsWith(root)
        && (argument.size() == root.size() || argument[root.size()] == QLatin1Char('/')
            || argument[root.size()] == QLatin1Char('@'));
    return rooted ? root + argument.mid(root.size()).toLower() : argument.toLower();
}

void lookUpAndOpen(const QString& Argument, const QString Title)
{
    const QString Arg = lowerCasedBeyondPortalRoot(Argument);
    if (!prepareFetch())
        return;
    const qsizetype p = Arg.indexOf(QLatin1Char('@'));
    if (p < 0) {
        cannotRecoverMap();
        return;
    }
    const QString pageUrl = Arg.left(p);
    const QString marker = Arg.mid(p + 1);
    const std::optional<QString> fetched = fetchPage(pageUrl);
    if (programClosing())
        return;
    if (!fetched) {
        report(Failure::NotAvailable);
        return;
    }
    const QString& page = *fetched;
    const qsizetype q = page.indexOf(marker);
    if (q < 0) {
        cannotRecoverMap();
        return;
    }
    const qsizetype r = page.indexOf(QLatin1Char('"'), q);
    if (r < 0) {
        report(Failure::NotAvailable);
        return;
    }
    const QString URL = sites::WeatherPortalSite() + page.mid(q, r - q);
    const QString FileName = Get_FileName(URL);
    openDownloaded(Get_File(URL, FileName), FileName, Title, Kind::Still);
}

} // namespace

bool emptyDataFolder()
{
    QDir folder(dataFolder());
    bool emptied = true;
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        emptied = folder.remove(name) && emptied;
    return emptied;
}

bool pictureWindowsFull()
{
    const PictureWindows& pictures = program().Pictures;
    if (pictures.PicCount <= pictures.MaxPics)
        return false;
    MsgBox(QStringLiteral("The Maximum Number Of Open Windows\r\nHas Been Reached.  Please Close One\r\n"
                          "Before Displaying Another Picture."),
           MsgButtons::Ok, MsgIcon::Exclamation);
    return true;
}

Form5* newPictureWindow()
{
    PictureWindows& pictures = program().Pictures;
    pictures.PicWindows.assign(pictures.PicIndex + 1, nullptr);
    auto* window = new Form5();
    pictures.PicWindows[pictures.PicIndex] = window;
    return window;
}

void showPictureWindow(Form5& window, const QString& Title)
{
    PictureWindows& pictures = program().Pictures;
    window.setWindowTitle(Title);
    window.Tag = QString::number(pictures.PicIndex);
    Fit_Viewer(pictures.PicIndex);
    ++pictures.PicCount;
}

void Get_Picture(const QString& URL, const QString& Title)
{
    fetchAndOpen(URL, Title, Kind::Still);
}

void Get_Animation(const QString& URL, const QString& Title)
{
    fetchAndOpen(URL, Title, Kind::Animated);
}

void Get_Composite_Map(const QString& Arg, const QString& Title)
{
    lookUpAndOpen(Arg, Title);
}

void Get_Local_Radar(const QString& Arg, const QString& Title)
{
    lookUpAndOpen(Arg, Title);
}

void LocalRadar_Click(int Index)
{
    if (Index < 0 || Index >= 10)
        return;
    const auto entry = program().RadarList[Index]; // the list may change while the fetch waits
    const QString kind = entry[1].toUpper();
    const QString title = plainCaption(form1().LocalRadar[Index]);
    if (kind == QLatin1String("NO"))
        Get_Picture(entry[0], title);
    else if (kind == QLatin1String("YES"))
        Get_Animation(entry[0], title);
    else if (kind == QLatin1String("NEX"))
        Get_Local_Radar(entry[0], title);
}

void EDANow_Click()
{
    MsgBox(QStringLiteral("This picture is no longer available"), MsgButtons::Ok, MsgIcon::Exclamation);
}
