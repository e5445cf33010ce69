#pragma once
#include "platform/text_files.h"
#include "platform/color_values.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The settings file CRVN.ini as plain data: what a save writes (file lines and
// the mirror into the store's "Settings" section) and what a load reads back.
// The windows hold the live values; settings_record.cpp moves them in and out.

struct WatchEntry {
    QString text;   // state, " - ", place ("*" first for an alternate place)
    bool logIt = false;
};

// Store keys of the menu check marks kept in the "[PARAMETERS]" section, in
// file order.
inline constexpr std::array<const char*, 13> kMenuFlagKeys = {
    "Visual Alert", "Sound Alert", "AOT", "Alternate", "MinWeat", "AllWeat", "DigWeat",
    "Auto", "Manual", "TheAnimation", "TheAnimation1", "IgnoreWarnings", "IgnoreUV"};

enum MenuFlag {
    FlagVisual, FlagSound, FlagAOT, FlagAlternate, FlagMinWeat, FlagAllWeat, FlagDigWeat,
    FlagAuto, FlagManual, FlagAnemometer, FlagSunShine, FlagIgnoreWarnings, FlagIgnoreUV
};

// Watch-list entries a save writes and a load keeps: the ones shown.
inline constexpr qsizetype kKeptWatchEntries = 10;

// Every value a save writes.
struct SettingsRecord {
    QString version;                 // "Version 1.7.7"
    QList<WatchEntry> watchList;     // all entries; only the first kKeptWatchEntries are written
    int interval = 0;                // index 0-9 of "60 Minutes" ... "01 Minute"
    std::array<bool, 13> menuFlags{};
    int animationStep = 25;          // milliseconds
    int whichOption1 = 0;            // access mode
    int whichOption2 = 0;            // mail account shown
    QString proxyServer, proxyPort, zipCode;
    int logFile = 0, separateLogFile = 0, compressed = 0;
    bool disScroll = false, ckMail = false;
    int colorSettings = 0;
    ColorValue textColor = kButtonTextColor;
    ColorValue backColor = kPaleCyan;
    QString alertSound = QStringLiteral("(none)");
    QString mailSound = QStringLiteral("(none)");
    bool fahrenheit = true, celsius = false;
};

struct SettingsOutput {
    QStringList fileLines;
    QList<QPair<QString, QString>> storeValues; // key, value, in writing order
};

// Texts are written with commaField, so that a comma, a line end and blanks
// read back as written.
SettingsOutput composeSettings(const SettingsRecord& record);

// Why a text chosen for the file cannot be saved there, for a message; an
// empty text when it can. A text must fit a comma field (fitsCommaField), and
// a watch entry may not begin with "[", which ends the watch list when the
// file is read.
QString unsavableReason(const QString& text);
QString unsavableWatchEntryReason(const QString& entry);

// The message that refuses to save the record, naming its first text that
// cannot be saved; an empty text when all can.
QString settingsRefusal(const SettingsRecord& record);

// What a load found in the file. A value that is missing, empty where the
// field needs a value, or that does not convert is left out, so its holder
// keeps what it had.
struct LoadedEntry {
    QString text;
    std::optional<bool> logIt;
};

struct LoadedSettings {
    bool accepted = false;           // false: the file is too old; nothing else is read
    // The first kKeptWatchEntries, each cut to kLongestCaption characters;
    // later ones are read past.
    QList<LoadedEntry> watchList;
    bool endedInWatchList = false;   // the file ended before "[INTERVAL]": nothing more
    std::optional<int> interval;     // the rounded number, possibly outside 0-9
    std::array<std::optional<bool>, 13> menuFlags{};
    std::optional<int> timerInterval;  // the animation step, when the line is not empty
    int animationNumber = 0;           // the same line's number (0 when empty)
    bool hasAnimationLine = false;
    std::optional<int> whichOption1, whichOption2;
    std::optional<QString> proxyServer, proxyPort, zipCode;
    std::optional<int> logFile, separateLogFile, compressed;
    std::optional<bool> disScroll, ckMail;
    std::optional<int> colorSettings;
    std::optional<ColorValue> textColor, backColor;
    std::optional<QString> alertSound, mailSound;
    std::optional<bool> fahrenheit, celsius;
};

// Reads the file's values. `currentVersion` is this program's version text.
LoadedSettings parseSettings(CommaInput& input, const QString& currentVersion);

// Whether a settings file whose first value is `header` may be read.
bool acceptsSettingsHeader(const QString& header, const QString& currentVersion);

// Minutes between updates for an interval index 0-9, or nullopt.
std::optional<int> minutesForInterval(int index);

// Animation kind (0 anemometer, 1 sunshine) and speed index (0-2) for an
// animation step in milliseconds, or nullopt for a step that is none of them.
struct AnimationChoice {
    int kind;
    int speedIndex;
};
std::optional<AnimationChoice> animationForStep(int milliseconds);
int animationStep(int kind, int speedIndex);
