#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A stand-in for NetworkManager's command-line client: while it lives, a
// script named nmcli comes first on PATH. It lists the active connections
// it is given, logs every call, and answers "connection down" with the exit
// code it is given.
class FakeNmcli {
public:
    FakeNmcli();
    ~FakeNmcli();

    // Terse lines "NAME:UUID:TYPE:DEVICE" that "connection show --active" prints.
    void setActive(const QStringList& lines);
    // Makes the listing fail (exit code 1).
    void failListing();
    void setDownExitCode(int code);

    // One entry per call: its arguments, each in square brackets.
    QStringList calls() const;
    // Lets events run until a call with these arguments was made.
    bool waitForCall(const QString& call, double seconds) const;

private:
    QString file(const QString& name) const;
    QTemporaryDir folder_;
    QByteArray savedPath_;
};

// While it lives, PATH holds only an empty folder: there is no nmcli.
class NoNmcli {
public:
    NoNmcli();
    ~NoNmcli();

private:
    QTemporaryDir folder_;
    QByteArray savedPath_;
};
