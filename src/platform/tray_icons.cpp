#include "platform/tray_icons.h"

#include "platform/plain_text.h"

#include <QCursor>
#include <QGuiApplication>

QString cutTip(const QString& tip)
{
    return tip.left(63);
}

namespace {

// The mouse action that an activation stands for; empty for none.
QString trayEvent(QSystemTrayIcon::ActivationReason reason, bool buttonDownHere)
{
    switch (reason) {
    case QSystemTrayIcon::DoubleClick: return QStringLiteral("LBUTTONDBLCLK");
    case QSystemTrayIcon::Context: return QStringLiteral("RBUTTONUP");
    case QSystemTrayIcon::Trigger:
        return buttonDownHere ? QStringLiteral("LBUTTONUP") : QStringLiteral("LBUTTONDBLCLK");
    default: return QString();
    }
}

} // namespace

TrayIcons& TrayIcons::instance()
{
    static TrayIcons* icons = new TrayIcons();
    return *icons;
}

bool TrayIcons::available() const
{
    if (simulated_ >= 0)
        return simulated_ == 1;
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool TrayIcons::reachable() const
{
    return available() && shown(1);
}

void TrayIcons::simulate(bool hasTray)
{
    for (auto& [number, entry] : icons_)
        delete entry.real;
    icons_.clear();
    simulated_ = hasTray ? 1 : 0;
}

void TrayIcons::deliver(int icon, const QString& event, const QPoint& at)
{
    if (onAction && shown(icon))
        onAction(icon, event, at);
}

void TrayIcons::activate(int icon, QSystemTrayIcon::ActivationReason reason, bool buttonDownHere,
                         const QPoint& at)
{
    const QString event = trayEvent(reason, buttonDownHere);
    if (!event.isEmpty())
        deliver(icon, event, at);
}

void TrayIcons::show(int icon)
{
    Entry& entry = icons_[icon];
    entry.shown = true;
    if (simulated_ >= 0 || !available())
        return;
    if (!entry.real) {
        entry.real = new QSystemTrayIcon(this);
        connect(entry.real, &QSystemTrayIcon::activated, this, [this, icon](QSystemTrayIcon::ActivationReason reason) {
            activate(icon, reason, QGuiApplication::mouseButtons() != Qt::NoButton, QCursor::pos());
        });
    }
    apply(icon);
    entry.real->show();
}

void TrayIcons::apply(int icon)
{
    Entry& entry = icons_[icon];
    if (!entry.real)
        return;
    entry.real->setIcon(entry.picture);
    entry.real->setToolTip(plainToolTip(entry.tip));
}

void TrayIcons::Tray_Add(int icon, const QString& tip, const QIcon& picture)
{
    Entry& entry = icons_[icon];
    entry.tip = cutTip(tip);
    entry.picture = picture;
    show(icon);
}

void TrayIcons::Tray_Update(int, const QString& tip, const QIcon& picture)
{
    Entry& entry = icons_[1];
    entry.tip = cutTip(tip);
    entry.picture = picture;
    apply(1);
}

void TrayIcons::Tray_Mail(int, const QString&, const QIcon& picture)
{
    Tray_Update(1, QStringLiteral("You Have Mail"), picture);
}

void TrayIcons::Tray_Icon(int icon, const QIcon& picture)
{
    icons_[icon].picture = picture;
    apply(icon);
}

void TrayIcons::Tray_Tip(int icon, const QString& tip)
{
    icons_[icon].tip = cutTip(tip);
    apply(icon);
}

void TrayIcons::Tray_Delete(int icon)
{
    auto found = icons_.find(icon);
    if (found == icons_.end())
        return;
    delete found->second.real;
    icons_.erase(found);
}

bool TrayIcons::shown(int icon) const
{
    auto found = icons_.find(icon);
    return found != icons_.end() && found->second.shown;
}

QString TrayIcons::tip(int icon) const
{
    auto found = icons_.find(icon);
    return found == icons_.end() ? QString() : found->second.tip;
}

QIcon TrayIcons::picture(int icon) const
{
    auto found = icons_.find(icon);
    return found == icons_.end() ? QIcon() : found->second.picture;
}
