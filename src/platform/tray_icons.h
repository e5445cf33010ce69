#pragma once
#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QSystemTrayIcon>
#include <functional>
#include <map>

// The program's icons in the notification area: icon 1 carries the current
// station's condition, icon 2 is there only while an alert is active.
// Mouse actions on them come back as (icon number, event name) pairs, the
// event names being "LBUTTONDBLCLK", "RBUTTONUP" and "LBUTTONUP".
class TrayIcons : public QObject {
    Q_OBJECT
public:
    static TrayIcons& instance();

    // Whether the desktop has a notification area at all.
    bool available() const;
    // Whether icon 1 stands in a notification area now: the way back to a
    // hidden window.
    bool reachable() const;

    void Tray_Add(int icon, const QString& tip, const QIcon& picture);
    void Tray_Update(int icon, const QString& tip, const QIcon& picture); // always icon 1
    void Tray_Mail(int icon, const QString& tip, const QIcon& picture);   // icon 1, tip "You Have Mail"
    void Tray_Icon(int icon, const QIcon& picture);
    void Tray_Tip(int icon, const QString& tip);
    void Tray_Delete(int icon);

    // What the icons show now (tests and the windows read these).
    bool shown(int icon) const;
    QString tip(int icon) const;
    QIcon picture(int icon) const;

    // Receives every mouse action on an icon; the position is the mouse's.
    std::function<void(int icon, const QString& event, const QPoint& at)> onAction;

    // Tests: pretend the desktop has (or lacks) a notification area, and
    // never create real icons.
    void simulate(bool hasTray);
    // Delivers a mouse action as the desktop would.
    void deliver(int icon, const QString& event, const QPoint& at = QPoint());
    // Delivers an activation of an icon as Qt reports it, `buttonDownHere`
    // telling whether a mouse button was down in this program meanwhile.
    // A tray that embeds the icon's window (XEmbed) passes the mouse on: a
    // press comes as a Trigger with the button down here, and a double click
    // ends in a DoubleClick. A host that draws the icon itself
    // (StatusNotifierItem) sends one Trigger for a click, no button down
    // here, and never a double click: that activation does what a double
    // click does.
    void activate(int icon, QSystemTrayIcon::ActivationReason reason, bool buttonDownHere,
                  const QPoint& at = QPoint());

private:
    TrayIcons() = default;
    struct Entry {
        QSystemTrayIcon* real = nullptr;
        QString tip;
        QIcon picture;
        bool shown = false;
    };
    void show(int icon);
    void apply(int icon);
    std::map<int, Entry> icons_;
    int simulated_ = -1; // -1 real desktop, 0 no tray, 1 a tray
};

// Tips are cut to their first 63 characters, as much as a tip may show.
QString cutTip(const QString& tip);
