#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>

// A bitmap file written field by field, so that a test states every header
// value, lying ones included, and the exact pixel bytes.
struct BmpBytes
{
    quint32 headerSize = 40;
    qint32 width = 4;
    qint32 height = 2;
    quint16 planes = 1;
    quint16 bits = 8;
    quint32 compression = 0;
    quint32 coloursUsed = 0;
    QList<QRgb> table;      // written as given, whatever coloursUsed says
    QList<quint32> masks;   // after a 40-byte header, or inside a longer one
    qint64 dataOffset = -1; // -1: right after the table
    QByteArray pixels;

    QByteArray bytes() const
    {
        QByteArray info;
        put(info, headerSize, 4);
        if (headerSize == 12) {
            put(info, quint32(width), 2);
            put(info, quint32(height), 2);
            put(info, planes, 2);
            put(info, bits, 2);
        } else {
            for (quint32 v : {quint32(width), quint32(height)})
                put(info, v, 4);
            put(info, planes, 2);
            put(info, bits, 2);
            for (quint32 v : {compression, quint32(pixels.size()), 2835u, 2835u, coloursUsed, 0u})
                put(info, v, 4);
        }
        if (headerSize > 40) {
            for (quint32 m : masks)
                put(info, m, 4);
            info.append(QByteArray(qMax<qsizetype>(0, headerSize - info.size()), '\0'));
        } else if (headerSize == 40) {
            for (quint32 m : masks)
                put(info, m, 4);
        }
        for (QRgb c : table) {
            info.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
            if (headerSize != 12)
                info.append('\0');
        }
        const qint64 offset = dataOffset >= 0 ? dataOffset : 14 + info.size();
        QByteArray file("BM");
        put(file, quint32(14 + info.size() + pixels.size()), 4);
        put(file, 0, 4);
        put(file, quint32(offset), 4);
        return file + info + pixels;
    }

    static void put(QByteArray &out, quint32 value, int count)
    {
        for (int i = 0; i < count; ++i)
            out.append(char((value >> (8 * i)) & 0xFF));
    }
};
