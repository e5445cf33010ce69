#pragma once
#include <QObject>

class QSocketNotifier;

// Turns the signals with which the desktop (at log-out), a terminal (Ctrl+C)
// or a hang-up asks a program to end, SIGTERM, SIGINT and SIGHUP, into the Qt
// signal `received`, delivered by the event loop. The handler itself only
// writes the signal's number into a socket pair (all a handler may safely
// do); the event loop reads it back, and signals that arrived together come
// out as one. Only one instance may live at a time;
// while it lives those signals no longer end the process by themselves, and
// its end restores the handling there was before.
class ShutdownSignals : public QObject {
    Q_OBJECT
public:
    explicit ShutdownSignals(QObject* parent = nullptr);
    ~ShutdownSignals() override;

signals:
    void received(int signalNumber); // the last of those that arrived

private:
    void readPending();
    QSocketNotifier* notifier_ = nullptr;
};
