#include "update/observation_log.h"

#include "mainwindow/forms.h"
#include "options/options_dialog.h"
#include "platform/program_folder.h"
#include "platform/text_files.h"

#include <QCheckBox>
#include <QDir>
#include <QListWidget>

QStringList logRecordLines(const LogRecord& r, bool compressed, bool fahrenheit, const QDateTime& when)
{
    const QString date = when.toString(QStringLiteral("MM-dd-yyyy"));
    const QString time = when.toString(QStringLiteral("HH:mm:ss"));
    if (compressed) {
        const QStringList values = {r.entry, date, time, r.condition, r.temperature, r.dewpoint,
                                    r.humidity, r.wind, r.pressure, r.uv, r.remarks};
        return {QLatin1Char('|') + values.join(QLatin1Char('|')) + QLatin1Char('|')};
    }
    const QString degrees = fahrenheit ? QStringLiteral("(F)") : QStringLiteral("(C)");
    return {
        QString(80, QLatin1Char('-')),
        QStringLiteral("Station: ") + r.entry,
        QStringLiteral("Date: ") + date,
        QStringLiteral("Local Time: ") + time,
        QStringLiteral("Sky Conditions: ") + r.condition,
        QStringLiteral("Temperature %1: ").arg(degrees) + r.temperature,
        QStringLiteral("Dewpoint %1: ").arg(degrees) + r.dewpoint,
        QStringLiteral("Humidity: ") + r.humidity + QLatin1Char('%'),
        (fahrenheit ? QStringLiteral("Wind (MPH): ") : QStringLiteral("Wind (KPH): ")) + r.wind,
        (fahrenheit ? QStringLiteral("Pressure (inches): ") : QStringLiteral("Pressure (millibars): ")) + r.pressure,
        QStringLiteral("UV Index: ") + r.uv,
        QStringLiteral("Remarks: ") + r.remarks,
    };
}

QString logFileName(const QString& placeCaption, bool separateFiles)
{
    if (!separateFiles)
        return QStringLiteral("CV_Log.txt");
    QString safe = placeCaption;
    for (QChar& c : safe) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 32 || c.unicode() == 127)
            c = QLatin1Char('_');
    }
    // A caption of dots alone would name the folder itself or its parent.
    if (!safe.isEmpty() && safe.count(QLatin1Char('.')) == safe.size())
        safe.fill(QLatin1Char('_'));
    return safe + QStringLiteral("_Log.txt");
}

bool appendLogRecord(const QString& placeCaption, bool separateFiles, const QStringList& lines)
{
    const QString folder = programPath(QStringLiteral("Log"));
    if (!QDir().mkpath(folder))
        return false;
    return appendLines(folder + QLatin1Char('/') + logFileName(placeCaption, separateFiles), lines);
}

bool Write_Log(int index, const StationRow& row, bool celsius)
{
    Form2& options = form2();
    if (index < 0 || index > 9 || index >= options.List3->count())
        return true;
    const QListWidgetItem* item = options.List3->item(index);
    if (!options.Check2->isChecked() || item->checkState() != Qt::Checked)
        return true;
    const LogRecord record{item->text(), row.condition, row.temperature, row.dewpoint, row.humidity,
                           row.wind,     row.pressure,  row.remarks,     row.uv};
    const QStringList lines =
        logRecordLines(record, options.Check4->isChecked(), !celsius, QDateTime::currentDateTime());
    return appendLogRecord(row.place, options.Check3->isChecked(), lines);
}

QString logNotWrittenText()
{
    return QStringLiteral("Observation log could not be written in ")
        + QDir::toNativeSeparators(programPath(QStringLiteral("Log")));
}
