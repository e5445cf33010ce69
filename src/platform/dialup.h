#pragma once
#include <QList>
#include <QString>
#include <optional>

// Dial-up links on this platform: NetworkManager's connections stand in for
// dial-up entries, driven through its command-line client nmcli. Without
// nmcli there are no links: nothing is active, and starting or ending one
// does nothing.

struct ActiveLink {
    QString name;
    QString uuid;
    QString type;   // NetworkManager's connection type ("gsm", "pppoe", ...)
    QString device;
};

bool nmcliAvailable();

// The active connections as nmcli lists them; nullopt when nmcli is missing,
// fails, or does not answer within a few seconds.
std::optional<QList<ActiveLink>> activeLinks();

// Reads nmcli's terse "NAME:UUID:TYPE:DEVICE" lines (":" and "\" inside a
// value come escaped with "\").
QList<ActiveLink> parseActiveLinks(const QString& terseOutput);

// Whether a connection type is a dial-up kind of link: ppp, mobile broadband
// (gsm, cdma), pppoe, adsl or serial.
bool isDialUpKind(const QString& type);

// True while a dial-up kind of link is active. Answers within a quarter of a
// second of each other come from one look, so a loop that waits for a link
// does not start a process at every turn.
bool dialUpLinkActive();
// Makes the next dialUpLinkActive() look afresh.
void forgetLinkState();

// Starts "nmcli connection up id <entry>" as a separate program and returns
// at once; false when it could not be started.
bool startLink(const QString& entry);

// Ends an active connection ("nmcli connection down uuid <uuid>", or by id
// when the uuid is unknown) and returns nmcli's exit code, -1 when it did not
// run to its end.
int endLink(const ActiveLink& link);
