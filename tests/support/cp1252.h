#pragma once

#include <QByteArray>
#include <QString>

// The game's code page 1252 bytes of a UTF-8 literal. Every letter of the
// vocabulary is in Latin-1, where the two code pages agree.
inline QByteArray cp1252(const char *utf8)
{
    return QString::fromUtf8(utf8).toLatin1();
}
