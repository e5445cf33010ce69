#include "update/state_codes.h"

#include <QHash>
#include <algorithm>

namespace {

const QHash<QString, QString>& codesByName()
{
    static const QHash<QString, QString> codes = [] {
        static const char* const pairs[][2] = {
            {"alabama", "AL"}, {"alaska", "AK"}, {"arizona", "AZ"}, {"arkansas", "AR"}, {"california", "CA"},
            {"colorado", "CO"}, {"connecticut", "CT"}, {"delaware", "DE"}, {"district of columbia", "DC"},
            {"florida", "FL"}, {"georgia", "GA"}, {"hawaii", "HI"}, {"idaho", "ID"}, {"illinois", "IL"},
            {"indiana", "IN"}, {"iowa", "IA"}, {"kansas", "KS"}, {"kentucky", "KY"}, {"louisiana", "LA"},
            {"maine", "ME"}, {"maryland", "MD"}, {"massachusetts", "MA"}, {"michigan", "MI"},
            {"minnesota", "MN"}, {"mississippi", "MS"}, {"missouri", "MO"}, {"montana", "MT"},
            {"nebraska", "NE"}, {"nevada", "NV"}, {"new hampshire", "NH"}, {"new jersey", "NJ"},
            {"new mexico", "NM"}, {"new york", "NY"}, {"north carolina", "NC"}, {"north dakota", "ND"},
            {"ohio", "OH"}, {"oklahoma", "OK"}, {"oregon", "OR"}, {"pennsylvania", "PA"},
            {"rhode island", "RI"}, {"south carolina", "SC"}, {"south dakota", "SD"}, {"tennessee", "TN"},
            {"texas", "TX"}, {"utah", "UT"}, {"vermont", "VT"}, {"virginia", "VA"}, {"washington", "WA"},
            {"west virginia", "WV"}, {"wisconsin", "WI"}, {"wyoming", "WY"}, {"puerto rico", "PR"},
            {"virgin islands", "VI"}, {"guam", "GU"}, {"american samoa", "AS"},
            {"northern mariana islands", "MP"}};
        QHash<QString, QString> byName;
        for (const auto& pair : pairs)
            byName.insert(QLatin1String(pair[0]), QLatin1String(pair[1]));
        return byName;
    }();
    return codes;
}

bool isStateCode(const QString& code)
{
    const auto& codes = codesByName();
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// Stations the station list files under a neighbouring state's group (the
// District's group holds the airports around it), with the state each lies in.
struct StationElsewhere {
    const char* group;
    const char* station;
    const char* state;
};
constexpr StationElsewhere kStationsElsewhere[] = {
    {"District of Columbia", "BALTIMORE", "Maryland"},
    {"District of Columbia", "DULLES", "Virginia"},
};

} // namespace

QString stateCodeForName(const QString& name)
{
    return codesByName().value(name.trimmed().toLower());
}

QString issuedByCode(const QString& url)
{
    static const QLatin1String key("issuedby=");
    const qsizetype at = url.indexOf(key, 0, Qt::CaseInsensitive);
    if (at < 0)
        return QString();
    const qsizetype start = at + key.size();
    qsizetype end = url.indexOf(QLatin1Char('&'), start);
    if (end < 0)
        end = url.size();
    const QString code = url.mid(start, end - start).toUpper();
    return isStateCode(code) ? code : QString();
}

QString watchEntryState(const QString& watchEntry)
{
    const qsizetype dash = watchEntry.indexOf(QLatin1String(" -"));
    if (dash < 0)
        return QString();
    QString group = watchEntry.left(dash).trimmed();
    if (group.startsWith(QLatin1Char('*')))
        group.remove(0, 1);
    const QString station = watchEntry.mid(dash + 2).trimmed();
    for (const StationElsewhere& elsewhere : kStationsElsewhere) {
        if (group.compare(QLatin1String(elsewhere.group), Qt::CaseInsensitive) == 0
            && station.compare(QLatin1String(elsewhere.station), Qt::CaseInsensitive) == 0)
            return QLatin1String(elsewhere.state);
    }
    return group;
}

QString slotStateCode(const QString& watchEntry, const QString& slotUrl)
{
    const QString byName = stateCodeForName(watchEntryState(watchEntry));
    return byName.isEmpty() ? issuedByCode(slotUrl) : byName;
}
