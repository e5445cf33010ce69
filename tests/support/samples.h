#pragma once
#include <QFile>
#include <QString>

// A saved answer of the weather service from tests/samples, as text; empty
// when the file is missing.
inline QString sampleText(const QString& name)
{
    QFile file(QStringLiteral(CORVANE_DATA_DIR "/../tests/samples/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The same answer as bytes, as the service sent it.
inline QByteArray sampleBytes(const QString& name) { return sampleText(name).toUtf8(); }
