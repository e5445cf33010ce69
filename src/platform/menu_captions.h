#pragma once
#include <QString>

class QAction;

// Menu items take "&" as the mark of their access key ("&Edit" shows "Edit"
// with the E underlined). A caption the user typed or a file gave shows as
// it stands: each of its "&" is doubled in the item's text, and read back
// single.
void setPlainCaption(QAction* item, const QString& caption);
QString plainCaption(const QAction* item);
