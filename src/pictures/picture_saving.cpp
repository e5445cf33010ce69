#include "pictures/picture_saving.h"

#include "platform/file_writes.h"

#include <QPixmap>
#include <QBuffer>

namespace {

const QString kGifFilter = QStringLiteral("Gif Files (*.gif)");
const QString kJpgFilter = QStringLiteral("Jpg Files (*.jpg)");

// The GIF or JPG entry that a picture stored under FileName adds; empty for
// any other kind of file.
QString ownFilter(const QString& FileName)
{
    if (FileName.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive))
        return kGifFilter;
    if (FileName.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive))
        return kJpgFilter;
    return QString();
}

QByteArray bitmapOf(const QPixmap& shown)
{
    QByteArray bitmap;
    QBuffer buffer(&bitmap);
    if (!buffer.open(QIODevice::WriteOnly) || !shown.save(&buffer, "BMP"))
        return QByteArray();
    return bitmap;
}

} // namespace

QStringList saveFilters(const QString& FileName)
{
    QStringList filters{QStringLiteral("All Files (*.*)"), preselectedSaveFilter()};
    const QString own = ownFilter(FileName);
    if (!own.isEmpty())
        filters << own;
    return filters;
}

QString preselectedSaveFilter()
{
    return QStringLiteral("Bmp Files (*.bmp)");
}

SaveOutcome savePicture(const QString& path, const QPixmap& shown, const QByteArray& bytes,
                        const QString& FileName)
{
    const QString ending = path.right(3).toUpper();
    if (ending == QLatin1String("BMP")) {
        const QByteArray bitmap = bitmapOf(shown);
        return !bitmap.isEmpty() && writeFileSafely(path, bitmap) ? SaveOutcome::Saved : SaveOutcome::NotWritten;
    }
    if (ending != QLatin1String("GIF") && ending != QLatin1String("JPG"))
        return SaveOutcome::UnknownEnding;
    if (ownFilter(FileName).isEmpty() || bytes.isEmpty())
        return SaveOutcome::NotWritten;
    return writeFileSafely(path, bytes) ? SaveOutcome::Saved : SaveOutcome::NotWritten;
}
