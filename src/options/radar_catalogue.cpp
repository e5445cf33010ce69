#include "options/radar_catalogue.h"

#include "platform/text_files.h"
#include "settings/source_addresses.h"

#include <QFile>
#include <QStringList>
#include <optional>

namespace {

// The sites a catalogue line may name.
std::optional<QString> siteRoot(const QString& name)
{
    struct Site {
        const char* name;
        QString (*root)();
    };
    static const Site kSites[] = {
        {"NationalRadarSite", sites::NationalRadarSite},
        {"CampusRadarSite", sites::CampusRadarSite},
        {"StateRadarSite", sites::StateRadarSite},
    };
    for (const Site& site : kSites) {
        if (name == QLatin1String(site.name))
            return site.root();
    }
    return std::nullopt;
}

std::optional<RadarEntry> parseLine(const QString& line)
{
    const QStringList fields = line.split(QLatin1Char('|'));
    if (fields.size() < 3 || fields[0].isEmpty())
        return std::nullopt;
    const QString& kind = fields[1];
    if (kind == QLatin1String("NEX") && fields.size() == 3 && !fields[2].isEmpty())
        return RadarEntry{fields[0], radarPageArgument(fields[2]), kind};
    if ((kind == QLatin1String("NO") || kind == QLatin1String("YES")) && fields.size() == 4
        && fields[3].startsWith(QLatin1Char('/'))) {
        if (const auto root = siteRoot(fields[2]))
            return RadarEntry{fields[0], *root + fields[3], kind};
    }
    return std::nullopt;
}

} // namespace

QString radarPageArgument(const QString& radar)
{
    return sites::WeatherPortalSite() + QStringLiteral("/weather/") + radar + QStringLiteral("/nexrad/@/weather/nexrad/")
        + radar + QLatin1Char('+');
}

std::vector<RadarEntry> parseRadarCatalogue(const QString& text)
{
    std::vector<RadarEntry> entries;
    for (const QString& line : splitLines(text)) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (auto entry = parseLine(line))
            entries.push_back(*entry);
    }
    return entries;
}

std::vector<RadarEntry> radarCatalogue()
{
    QFile file(QStringLiteral(":/radar_catalogue.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parseRadarCatalogue(QString::fromUtf8(file.readAll()));
}
