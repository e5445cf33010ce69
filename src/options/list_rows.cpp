#include "options/list_rows.h"

#include <QEvent>
#include <QListWidget>
#include <QSignalBlocker>

namespace {

// A list that gets the keyboard focus without a current row would make its
// first row current, which counts as choosing it. Setting "no current row"
// first keeps it without one.
class FocusChoosesNothing : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* list = static_cast<QListWidget*>(watched);
        if (event->type() == QEvent::FocusIn && list->currentRow() < 0)
            list->setCurrentIndex(QModelIndex());
        return false;
    }
};

} // namespace

void onRowChosen(QListWidget* list, const std::function<void()>& chosen)
{
    QObject::connect(list, &QListWidget::currentRowChanged, list, chosen);
    QObject::connect(list, &QListWidget::itemClicked, list, chosen);
    list->installEventFilter(new FocusChoosesNothing(list));
}

QStringList rowTexts(const QListWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

void selectListRow(QListWidget* list, int row)
{
    const QSignalBlocker quiet(list);
    list->setCurrentRow(row);
}

void removeListRow(std::initializer_list<QListWidget*> lists, int row)
{
    for (QListWidget* list : lists) {
        const QSignalBlocker quiet(list);
        delete list->takeItem(row);
    }
}

void swapListRows(QListWidget* list, int first, int second)
{
    QListWidgetItem* a = list->item(first);
    QListWidgetItem* b = list->item(second);
    if (!a || !b)
        return;
    const QSignalBlocker quiet(list);
    const QString text = a->text();
    a->setText(b->text());
    b->setText(text);
}
