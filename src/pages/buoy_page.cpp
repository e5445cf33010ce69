#include "pages/buoy_page.h"

#include "platform/number_formats.h"
#include "update/unit_conversions.h"

#include <algorithm>

namespace {

// A field with its unit, when it reads as a number other than 0.
QString withUnit(const QString& field, const char* unit)
{
    return leadingNumber(field) != 0 ? field + QLatin1String(unit) : field;
}

} // namespace

std::optional<QString> announcedReports(const QString& page)
{
    qsizetype p = page.indexOf(QLatin1String("Reports:"));
    if (p < 0)
        return std::nullopt;
    p += 8;
    const qsizetype q = page.indexOf(QLatin1Char('\n'), p);
    if (q <= p)
        return std::nullopt;
    return QString::number(leadingNumber(QStringView(page).mid(p, q - p)), 'g', 15);
}

std::optional<ReportTime> reportTime(const QString& page)
{
    const qsizetype found = page.indexOf(QLatin1String("Offshore Data at "));
    if (found < 0)
        return std::nullopt;
    const qsizetype p = found + 17;
    const QString t = page.mid(p, 4);
    return ReportTime{t.left(2) + QLatin1String(":00 ") + t.right(2), page.mid(p + 4, 7)};
}

std::optional<QString> entryId(const QString& entry)
{
    const qsizetype k = entry.indexOf(QLatin1String("(ID "));
    if (k < 0)
        return std::nullopt;
    return entry.mid(k + 4, std::max<qsizetype>(0, entry.size() - k - 5));
}

QString compassWord(const QString& degrees)
{
    return compassPoint(leadingNumber(degrees));
}

std::optional<QString> buoyRecord(const QString& page, const QString& id)
{
    const qsizetype p = page.indexOf(id);
    if (p < 0)
        return std::nullopt;
    qsizetype end = page.indexOf(QLatin1Char('\n'), p);
    if (end < 0)
        end = page.size();
    if (end > p && page[end - 1] == QLatin1Char('\r'))
        --end;
    return page.mid(p, end - p);
}

std::array<QString, 8> buoyFields(const QString& record)
{
    // Columns counted from the ID's first character, 0-based here.
    const QString direction = record.mid(29, 4);
    return {
        record.mid(6, 6),
        record.mid(12, 7),
        withUnit(record.mid(19, 4), " C"),
        withUnit(record.mid(23, 6).left(5), " C"),
        compassWord(direction) + QLatin1Char(' ') + record.mid(33, 15).left(8),
        withUnit(record.mid(48, 12).left(7), " MB"),
        withUnit(record.mid(60, 5), " C"),
        withUnit(record.mid(65, 5), " M"),
    };
}

int findEntry(const QStringList& entries, const QString& text, int from)
{
    for (int row = std::max(0, from); row < entries.size(); ++row) {
        if (entries[row].contains(text, Qt::CaseInsensitive))
            return row;
    }
    return -1;
}
