#pragma once
#include <QDir>
#include <QString>

// The program folder holds the shipped data files, the settings file and the
// folders the program keeps (data, Sounds, Log, Buoy). It is the folder of the
// executable unless the environment variable CORVANE_HOME names another.
QString programFolder();

// The path of a file or folder inside the program folder ("CRVN.ini", "Sounds/x.wav").
QString programPath(const QString& relative);

// The name under which an entry of the given kind is stored in `folder`,
// matching `name` without regard to case (the exact spelling is preferred);
// empty when there is none.
QString storedNameAnyCase(const QString& folder, const QString& name, QDir::Filters kind);

// The path of `name` in `folder`, matching the file name without regard to
// case (the exact spelling is preferred); the exact path when nothing matches.
QString fileInFolderAnyCase(const QString& folder, const QString& name);
