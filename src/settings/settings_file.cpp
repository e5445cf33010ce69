#include "settings/settings_file.h"

#include "platform/number_formats.h"
#include "settings/caption_length.h"

#include <algorithm>

namespace {

constexpr std::array<int, 10> kIntervalMinutes = {60, 45, 30, 15, 10, 5, 4, 3, 2, 1};
constexpr std::array<std::array<int, 3>, 2> kAnimationSteps = {{{25, 50, 70}, {75, 100, 125}}};

// A number as a whole-number conversion reads it: blanks around it are
// allowed, anything else makes it fail.
std::optional<double> strictNumber(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<int> wholeNumber(const QString& text)
{
    const auto value = strictNumber(text);
    if (!value || *value < -2147483648.5 || *value > 2147483647.5)
        return std::nullopt;
    return static_cast<int>(roundHalfEven(*value));
}

std::optional<bool> truth(const QString& text)
{
    bool value = false;
    if (!parseTruth(text, value))
        return std::nullopt;
    return value;
}

// The next value when it is there and not empty.
std::optional<QString> nextFilled(CommaInput& input)
{
    auto value = input.next();
    if (value && value->isEmpty())
        return std::nullopt;
    return value;
}

template <typename T, typename F>
std::optional<T> convertFilled(CommaInput& input, F convert)
{
    const auto value = nextFilled(input);
    if (!value)
        return std::nullopt;
    return convert(*value);
}

} // namespace

std::optional<int> minutesForInterval(int index)
{
    if (index < 0 || index > 9)
        return std::nullopt;
    return kIntervalMinutes[static_cast<size_t>(index)];
}

std::optional<AnimationChoice> animationForStep(int milliseconds)
{
    for (int kind = 0; kind < 2; ++kind)
        for (int speed = 0; speed < 3; ++speed)
            if (kAnimationSteps[kind][speed] == milliseconds)
                return AnimationChoice{kind, speed};
    return std::nullopt;
}

int animationStep(int kind, int speedIndex)
{
    return kAnimationSteps[static_cast<size_t>(std::clamp(kind, 0, 1))]
                          [static_cast<size_t>(std::clamp(speedIndex, 0, 2))];
}

bool acceptsSettingsHeader(const QString& header, const QString& currentVersion)
{
    const double version = leadingNumber(QStringView(header).right(5));
    return version >= 1.7 || header == QStringLiteral("[CRVN INFO] ") + currentVersion;
}

SettingsOutput composeSettings(const SettingsRecord& record)
{
    SettingsOutput out;
    auto line = [&](const QString& value) { out.fileLines << value; };
    auto store = [&](const QString& key, const QString& value) { out.storeValues.append({key, value}); };
    auto both = [&](const QString& key, const QString& value) {
        line(value);
        store(key, value);
    };
    // A text goes into the file so that it reads back as written.
    auto text = [&](const QString& key, const QString& value) {
        line(commaField(value));
        store(key, value);
    };

    line(QStringLiteral("[CRVN INFO] ") + record.version);
    store(QStringLiteral("Version"), record.version);
    store(QStringLiteral("NumberOfSites"), numberForm(record.watchList.size() - 1));
    const qsizetype written = std::min(record.watchList.size(), kKeptWatchEntries);
    for (qsizetype i = 0; i < written; ++i) {
        const WatchEntry& entry = record.watchList[i];
        text(QStringLiteral("Site") + numberForm(i), entry.text);
        both(QStringLiteral("Log It") + numberForm(i), truthForm(entry.logIt));
    }
    line(QStringLiteral("[INTERVAL]"));
    store(QStringLiteral("Interval"), numberForm(record.interval));
    line(numberForm(record.interval));
    store(QStringLiteral("Interval1"), numberForm(record.interval));

    line(QStringLiteral("[PARAMETERS]"));
    for (size_t i = 0; i < kMenuFlagKeys.size(); ++i)
        both(QLatin1String(kMenuFlagKeys[i]), truthForm(record.menuFlags[i]));
    both(QStringLiteral("Timer1Interval"), numberForm(record.animationStep));
    both(QStringLiteral("WhichOption1"), QString::number(record.whichOption1));
    both(QStringLiteral("WhichOption2"), QString::number(record.whichOption2));
    text(QStringLiteral("Text1(0)"), record.proxyServer);
    text(QStringLiteral("Text1(1)"), record.proxyPort);
    text(QStringLiteral("Text2"), record.zipCode);
    both(QStringLiteral("LogFile"), numberForm(record.logFile));
    both(QStringLiteral("SeparateLogFile"), numberForm(record.separateLogFile));
    both(QStringLiteral("Compressed"), numberForm(record.compressed));
    both(QStringLiteral("DisScroll"), truthForm(record.disScroll));
    both(QStringLiteral("CkMail"), truthForm(record.ckMail));
    both(QStringLiteral("ColorSettings"), numberForm(record.colorSettings));
    both(QStringLiteral("Label2(3)"), numberForm(colorAsSigned(record.textColor)));
    both(QStringLiteral("Label2(4)"), numberForm(colorAsSigned(record.backColor)));

    line(QStringLiteral("[ALERT]"));
    text(QStringLiteral("Combo2 text"), record.alertSound);
    text(QStringLiteral("Combo4 text"), record.mailSound);
    both(QStringLiteral("TempD(0)"), truthForm(record.fahrenheit));
    both(QStringLiteral("TempD(1)"), truthForm(record.celsius));
    return out;
}

QString unsavableReason(const QString& text)
{
    if (!fitsCommaField(text))
        return QStringLiteral("the settings file CRVN.ini cannot hold a double quote (\") in a text that begins "
                              "with one or holds a comma or a line end");
    return QString();
}

QString unsavableWatchEntryReason(const QString& entry)
{
    if (entry.startsWith(QLatin1Char('[')))
        return QStringLiteral("in the settings file CRVN.ini an entry that begins with \"[\" would end the watch list");
    return unsavableReason(entry);
}

QString settingsRefusal(const SettingsRecord& record)
{
    struct ChosenText {
        QString name; // as the user knows it
        QString text;
        QString (*reason)(const QString&);
    };
    QList<ChosenText> texts;
    for (qsizetype i = 0; i < std::min(record.watchList.size(), kKeptWatchEntries); ++i)
        texts.append({QStringLiteral("The watch-list entry"), record.watchList[i].text, unsavableWatchEntryReason});
    texts.append({QStringLiteral("The proxy server"), record.proxyServer, unsavableReason});
    texts.append({QStringLiteral("The proxy port"), record.proxyPort, unsavableReason});
    texts.append({QStringLiteral("The ZIP code"), record.zipCode, unsavableReason});
    texts.append({QStringLiteral("The Weather Alert sound"), record.alertSound, unsavableReason});
    texts.append({QStringLiteral("The Email Alert sound"), record.mailSound, unsavableReason});
    for (const ChosenText& chosen : texts) {
        const QString reason = chosen.reason(chosen.text);
        if (!reason.isEmpty())
            return QStringLiteral("%1 \"%2\" cannot be saved: %3.\nThe settings saved before are unchanged.")
                .arg(chosen.name, chosen.text, reason);
    }
    return QString();
}

LoadedSettings parseSettings(CommaInput& input, const QString& currentVersion)
{
    LoadedSettings loaded;

    if (!acceptsSettingsHeader(input.next().value_or(QString()), currentVersion))
        return loaded;
    loaded.accepted = true;

    // The watch list runs up to the "[INTERVAL]" line.
    for (;;) {
        if (input.atEnd()) {
            loaded.endedInWatchList = true;
            return loaded;
        }
        const QString value = input.next().value_or(QString());
        if (value.startsWith(QLatin1Char('[')))
            break;
        const auto mark = input.next();
        if (loaded.watchList.size() < kKeptWatchEntries)
            loaded.watchList.append({cutToCaption(value), mark ? truth(*mark) : std::nullopt});
    }

    if (const auto value = input.next())
        loaded.interval = wholeNumber(*value);
    input.next(); // "[PARAMETERS]"

    for (auto& flag : loaded.menuFlags)
        flag = convertFilled<bool>(input, truth);

    if (const auto step = input.next()) {
        loaded.hasAnimationLine = true;
        loaded.animationNumber = static_cast<int>(roundHalfEven(leadingNumber(*step)));
        if (!step->isEmpty() && loaded.animationNumber > 0)
            loaded.timerInterval = loaded.animationNumber;
    }

    auto option = [](const QString& text) {
        return std::optional<int>(static_cast<int>(roundHalfEven(leadingNumber(text))));
    };
    if (const auto value = input.next())
        loaded.whichOption1 = option(*value);
    if (const auto value = input.next())
        loaded.whichOption2 = option(*value);

    loaded.proxyServer = nextFilled(input);
    loaded.proxyPort = nextFilled(input);
    loaded.zipCode = nextFilled(input);
    loaded.logFile = convertFilled<int>(input, wholeNumber);
    loaded.separateLogFile = convertFilled<int>(input, wholeNumber);
    loaded.compressed = convertFilled<int>(input, wholeNumber);
    loaded.disScroll = convertFilled<bool>(input, truth);
    loaded.ckMail = convertFilled<bool>(input, truth);
    loaded.colorSettings = convertFilled<int>(input, wholeNumber);

    auto color = [](const QString& text) -> std::optional<ColorValue> {
        const auto value = strictNumber(text);
        if (!value || *value < -2147483648.0 || *value > 4294967295.0)
            return std::nullopt;
        return colorFromNumber(*value);
    };
    loaded.textColor = convertFilled<ColorValue>(input, color);
    loaded.backColor = convertFilled<ColorValue>(input, color);

    input.next(); // "[ALERT]"
    loaded.alertSound = nextFilled(input);
    loaded.mailSound = nextFilled(input);
    loaded.fahrenheit = convertFilled<bool>(input, truth);
    loaded.celsius = convertFilled<bool>(input, truth);
    return loaded;
}
