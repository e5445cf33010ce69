#include "pages/page_text.h"

namespace {

// Removes from each `open` to the first `close` after it, the first `open`
// first, so that a removal that brings a new `open` together is seen too.
// One pass over the page: what is kept is copied once.
bool removeRuns(QString& page, QLatin1StringView open, QChar close)
{
    QString kept;
    kept.reserve(page.size());
    for (qsizetype i = 0; i < page.size();) {
        kept += page[i++];
        if (!kept.endsWith(open))
            continue;
        const qsizetype end = page.indexOf(close, i);
        if (end < 0)
            return false;
        kept.chop(open.size());
        i = end + 1;
    }
    page = kept;
    return true;
}

} // namespace

bool removeTags(QString& page)
{
    return removeRuns(page, QLatin1StringView("<"), QLatin1Char('>'));
}

bool removeNumericReferences(QString& page)
{
    return removeRuns(page, QLatin1StringView("&#"), QLatin1Char(';'));
}

void expandNonBreakingSpaces(QString& page)
{
    page.replace(QLatin1String("&nbsp;"), QLatin1String("\n\n     "));
}

void collapseLineFeedRuns(QString& page)
{
    for (qsizetype i = 0; i + 1 < page.size(); ++i) {
        if (page[i] == QLatin1Char('\n') && page[i + 1] == QLatin1Char('\n'))
            page[i] = QLatin1Char(' ');
    }
}

QString upperCopy(const QString& text)
{
    QString copy = text;
    for (QChar& c : copy)
        c = c.toUpper();
    return copy;
}

QString withLineBreaks(const QString& text, QChar lineBreak)
{
    QString result;
    result.reserve(text.size() + text.size() / 16);
    for (const QChar c : text) {
        if (c == lineBreak)
            result += QLatin1String("\r\n");
        else
            result += c;
    }
    return result;
}

QString plainLines(QString text)
{
    text.replace(QLatin1String("\r\r\n"), QLatin1String("\n"));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}
