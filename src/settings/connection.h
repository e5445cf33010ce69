#pragma once
#include "platform/inet_control.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Connection set-up before every download, the picture download into the
// data folder, and the dial-up link.

// What Set_Inet copies onto a transfer control, taken from the options
// dialog and the program-wide values.
struct ConnectionSettings {
    int timeout = 30;       // seconds
    int accessOption = 0;   // selected access button: 0 normal, 1 proxy default, 2 named proxy
    QString proxyServer;    // Text1(0)
    QString proxyPort;      // Text1(1), read by its leading number
    QString proxyUser;      // empty: none
    QString proxyPassword;  // plain text; empty: none
};

// The settings as the options dialog and the program-wide values hold them now.
ConnectionSettings currentConnectionSettings();

// Sets the time-out, then either the named proxy with its credentials and
// port and access type 2, or access type 0 (proxy default) or 1 (direct)
// alone, leaving the proxy values as the control last had them.
void applyConnectionSettings(InetControl& Inet, const ConnectionSettings& settings);

// applyConnectionSettings with the current settings.
void Set_Inet(InetControl& Inet);

// Set_Inet, then the page's text; nullopt when no page came: the fetch
// failed or timed out, or the server answered with an HTTP error status
// (400 and over), whose body is the server's own error page and not the page
// asked for. Events run while it waits.
std::optional<QString> fetchText(InetControl& Inet, const QString& URL,
                                 const InetControl::RequestHeaders& headers = {});
// fetchText with the empty text for a page that did not come.
QString fetchTextOrEmpty(InetControl& Inet, const QString& URL, const InetControl::RequestHeaders& headers = {});
// The same for the reply's bytes as they came.
QByteArray fetchBytesOrEmpty(InetControl& Inet, const QString& URL, const InetControl::RequestHeaders& headers = {});

// The folder of downloaded pictures, "data" in the program folder.
QString dataFolder();

enum class DownloadOutcome {
    Written,
    NotFetched, // the request failed, or the name would leave the data folder
    NotWritten, // the bytes came but could not be written (a full disk)
};

// Fetches URL as bytes with the control as it is set up and writes them to
// FileName in the data folder, replacing a file of that name whole. A failed
// request, or an answer with an HTTP error status, writes nothing, and a
// name that would leave the data folder is refused.
DownloadOutcome downloadToDataFolder(InetControl& Inet, const QString& URL, const QString& FileName);

// Set_Inet on the main window's Inet1, then downloadToDataFolder; reports
// nothing.
DownloadOutcome Get_File(const QString& URL, const QString& FileName);

// True while a dial-up kind of link is active.
bool Is_Connected();

// Starts the dial-up entry and lets events run for pauseSeconds; remembers
// the entry as the link that Hang_Up ends. Always true: whether the link
// comes up is for the caller to watch.
bool dialEntry(const QString& Entry, double pauseSeconds);

// dialEntry with the options dialog's pause time (Text6).
bool Dial(const QString& Entry);

// Ends the link that the program itself dialled; true when one was ended.
bool Hang_Up();

// The characters of a byte array up to its first zero byte (or all of them),
// one character per byte.
QString Byte_String(const QByteArray& Bytes);
