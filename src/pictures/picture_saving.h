#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

class QPixmap;

// Saving a picture window's picture.

// The file types the Save As dialog offers for a picture stored under
// FileName: all files and bitmaps, then GIF files for a ".gif" picture or
// JPG files for a ".jpg" one (the ending read without regard to case).
QStringList saveFilters(const QString& FileName);
// The entry preselected: bitmaps.
QString preselectedSaveFilter();

enum class SaveOutcome {
    Saved,
    UnknownEnding, // the chosen name ends in neither .bmp, .gif nor .jpg
    NotWritten,    // the file could not be written, or there is nothing to copy
};

// Saves under path by its last three characters (any case): "bmp" a bitmap
// of the shown picture; "gif" or "jpg" the picture's own fetched bytes as
// they came, when the picture was fetched as a GIF or JPG file.
SaveOutcome savePicture(const QString& path, const QPixmap& shown, const QByteArray& bytes,
                        const QString& FileName);
