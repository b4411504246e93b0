#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

// Whole files read and written in one call.
namespace TestFiles {

// The file's bytes, or "<unreadable>" when it cannot be opened, so that a
// missing file never passes for an empty one.
inline QByteArray read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// Replaces the file's bytes, making its folder first; false when any step fails.
[[nodiscard]] inline bool write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return QDir().mkpath(QFileInfo(path).path()) && f.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && f.write(bytes) == bytes.size() && f.flush();
}

} // namespace TestFiles
