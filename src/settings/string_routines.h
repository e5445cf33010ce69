#pragma once
#include <QString>
#include <optional>

// Small text routines shared by the windows and the update.

// A wind text cut into its groups as they stand: one to three direction
// letters, one to three speed digits and, for a gust, one letter and one to
// three digits behind them ("SW15G25": "SW", "15", 'G', "25"; "VRB5G17";
// "N8G105"). Any character but a digit counts as a letter.
struct WindGroups {
    QString direction, speed;
    QChar gustLetter;
    QString gust; // empty without a gust
};
// nullopt for a text of any other shape.
std::optional<WindGroups> windGroups(const QString& wind);

// The parts of a wind text such as "SW15G25", each padded with blanks to
// three characters: direction ("SW "), speed ("15 ") and gust ("25 ", empty
// without a gust). An unknown text gives direction " N ", speed "0  ".
struct WindParts {
    QString direction, speed, gust;
};
WindParts splitWind(const QString& wind);

// Splits the wind text and leaves its parts in WindDir, WindSpeed, WindGust.
bool Split_Wind(const QString& wind);

// Everything after the last "/" of a URL; "No Name" when it holds none.
QString Get_FileName(const QString& url);
// The URL up to and including its last "/"; "No Name" when it holds none.
QString Get_URLPath(const QString& url);

// Masks tags, bulletin end markers and runs of blank lines with character 1
// (keeping the text's length; the caller's text is masked too) and returns
// the masked text less its last 138 characters, the page footer. A text
// shorter than that gives the empty text.
QString Mask_Bulletin(QString& text);

// Removes every complete tag ("<" up to the next ">"); an unclosed "<" and
// what follows it stay. The caller's text is changed too.
QString Strip_Tags(QString& text);

// Scrambles (and, applied again, unscrambles) a password: every character's
// code XOR 255. The caller's text is changed too.
QString Flip_Bits(QString& text);

// Plays a wave file of the Sounds folder, without waiting; a missing file or
// a machine without sound plays nothing.
void Play_Sound(const QString& fileName);
