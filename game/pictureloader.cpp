#include "pictureloader.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>

namespace PictureLoader {

namespace {

// Bytes of pixel data an uncompressed BMP announces, or -1 when the header
// does not say (compressed data, unknown header): the decoder judges those.
qint64 announcedDataEnd(const QByteArray &header)
{
    if (header.size() < 30 || !header.startsWith("BM"))
        return -1;
    const auto *b = reinterpret_cast<const uchar *>(header.constData());
    const qint64 dataOffset = qFromLittleEndian<quint32>(b + 10);
    const quint32 dibSize = qFromLittleEndian<quint32>(b + 14);
    qint64 width = 0;
    qint64 height = 0;
    int bits = 0;
    if (dibSize == 12) {
        width = qFromLittleEndian<quint16>(b + 18);
        height = qFromLittleEndian<quint16>(b + 20);
        bits = qFromLittleEndian<quint16>(b + 24);
    } else if (dibSize >= 40 && header.size() >= 34) {
        const quint32 compression = qFromLittleEndian<quint32>(b + 30);
        if (compression != 0 && compression != 3) // plain or bit fields
            return -1;
        width = qFromLittleEndian<qint32>(b + 18);
        height = std::abs(qint64(qFromLittleEndian<qint32>(b + 22)));
        bits = qFromLittleEndian<quint16>(b + 28);
    } else {
        return -1;
    }
    // A header the size check or the decoder refuses anyway: its product
    // could overflow, so leave it to them.
    if (width < 0 || width > kMaxSide || height > kMaxSide || bits > 32)
        return -1;
    const qint64 stride = ((width * bits + 31) / 32) * 4;
    return dataOffset + stride * height;
}

} // namespace

Result load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("Ne peut ouvrir le fichier %1.").arg(path)};

    const Result invalid{{}, QStringLiteral("Image bitmap incorrecte.")};
    const qint64 dataEnd = announcedDataEnd(file.peek(34));
    QImageReader reader(&file, "bmp");
    reader.setDecideFormatFromContent(false);
    // Without this the reader asks every image plugin about "bmp" first,
    // loading them all, on each of the four reads of a turn.
    reader.setAutoDetectImageFormat(false);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxSide || size.height() > kMaxSide)
        return invalid;
    // The decoder fills a cut-off file silently; the game refuses it instead.
    if (dataEnd > file.size())
        return invalid;
    QImage image = reader.read();
    if (image.isNull())
        return invalid;
    return {image, {}};
}

} // namespace PictureLoader
