#include "platform/menu_captions.h"

#include <QAction>

void setPlainCaption(QAction* item, const QString& caption)
{
    item->setText(QString(caption).replace(QLatin1Char('&'), QLatin1String("&&")));
}

QString plainCaption(const QAction* item)
{
    return item->text().replace(QLatin1String("&&"), QLatin1String("&"));
}
