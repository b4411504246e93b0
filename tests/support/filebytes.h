#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A file's bytes at once, for tests that lay out or check whole files.

// Everything in `path`; empty when it cannot be read.
inline QByteArray readWhole(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Replaces `path` with `bytes`; false unless every byte was written.
inline bool writeWhole(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size() && f.flush();
}
