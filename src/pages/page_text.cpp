#include "pages/page_text.h"

namespace {

// After a removal: how much of `open` the end of what is kept and the start
// of the rest make up together, counted in characters of what is kept; 0
// when they make up none.
qsizetype joinedOpen(const QString& kept, QStringView rest, QLatin1StringView open)
{
    for (qsizetype fromKept = open.size() - 1; fromKept > 0; --fromKept) {
        if (kept.endsWith(open.first(fromKept)) && rest.startsWith(open.sliced(fromKept)))
            return fromKept;
    }
    return 0;
}

// Where the next `open` begins from `from` on; -1 when none does.
qsizetype nextOpen(QStringView text, qsizetype from, QLatin1StringView open)
{
    // A search for one character is the quickest there is.
    qsizetype at = text.indexOf(QChar(open.front()), from);
    while (at >= 0 && open.size() > 1 && !text.sliced(at).startsWith(open))
        at = text.indexOf(QChar(open.front()), at + 1);
    return at;
}

// Removes from each `open` to the first `close` after it, the first `open`
// first, so that a removal that brings a new `open` together is seen too.
// What lies between the runs is copied a stretch at a time.
bool removeRuns(QString& page, QLatin1StringView open, QChar close)
{
    const QStringView text(page);
    QString kept;
    kept.reserve(page.size());
    qsizetype from = 0; // where the text not yet looked at begins
    for (;;) {
        qsizetype afterOpen;
        if (const qsizetype joined = from > 0 ? joinedOpen(kept, text.sliced(from), open) : 0) {
            kept.chop(joined);
            afterOpen = from + open.size() - joined;
        } else {
            const qsizetype at = nextOpen(text, from, open);
            if (at < 0)
                break;
            kept += text.sliced(from, at - from);
            afterOpen = at + open.size();
        }
        const qsizetype end = text.indexOf(close, afterOpen);
        if (end < 0)
            return false;
        from = end + 1;
    }
    kept += text.sliced(from);
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
