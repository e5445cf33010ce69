#include "platform/list_safe_text.h"

#include <QLineEdit>
#include <QString>
#include <algorithm>

namespace {

bool isSeparator(QChar c)
{
    return c == QLatin1Char(',') || c == QLatin1Char('"');
}

} // namespace

bool isListSafe(const QString& text)
{
    return std::none_of(text.begin(), text.end(), isSeparator);
}

QString listSeparatorRefusal(const QString& what, const QString& text)
{
    if (isListSafe(text))
        return QString();
    return QStringLiteral("%1 cannot hold a comma or a double quote: its file would split it there.").arg(what);
}

void dropListSeparators(QLineEdit* box)
{
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
        if (isListSafe(text))
            return;
        // Keep the caret where it was, less the characters dropped before it.
        const int caret = box->cursorPosition();
        QString kept;
        int keptBeforeCaret = 0;
        for (int i = 0; i < text.size(); ++i) {
            if (isSeparator(text[i]))
                continue;
            kept += text[i];
            if (i < caret)
                ++keptBeforeCaret;
        }
        box->setText(kept);
        box->setCursorPosition(keptBeforeCaret);
    });
}
