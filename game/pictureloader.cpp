#include "pictureloader.h"

#include "regularonly.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace PictureLoader {

namespace {

// Serves the reader the file's bytes and notes when it wants more than
// there are: Qt's reader takes a file cut off inside its pixels for a whole
// picture whose missing rows are never written, and the game refuses such a
// file. Each read reaches readData() with the count the reader asked for, as
// QBuffer reads unbuffered. The file itself read that way would cost a system
// call for each byte of run-length data: 6 s for a forged 4 MiB file.
class PictureBytes : public QBuffer
{
public:
    explicit PictureBytes(QByteArray *bytes)
        : QBuffer(bytes)
    { }

    bool endedTooSoon() const { return m_endedTooSoon; }

    // Pixels announced past the end.
    bool seek(qint64 pos) override
    {
        if (pos <= size())
            return QBuffer::seek(pos);
        m_endedTooSoon = true;
        return false;
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 count = QBuffer::readData(data, maxSize);
        m_endedTooSoon = m_endedTooSoon || count < maxSize;
        return count;
    }

private:
    bool m_endedTooSoon = false;
};

// In MiB: the largest picture allowed, at 32 bits a pixel.
constexpr int kAllocationLimit = int(qint64(kMaxSide) * kMaxSide * 4 / (qint64(1024) * 1024));

} // namespace

Result load(const QString &path)
{
    QFile file;
    if (!RegularOnly::openForReading(file, path))
        return {{}, QStringLiteral("Ne peut ouvrir le fichier %1.").arg(path)};

    Result invalid{{}, QStringLiteral("Image bitmap incorrecte.")};
    // A huge file is refused unread. Reading no more than the size found
    // here also bounds a file that grows meanwhile.
    const qint64 size = file.size();
    if (size > kMaxFileBytes)
        return invalid;
    QByteArray bytes = file.read(size);
    PictureBytes device(&bytes);
    device.open(QIODevice::ReadOnly);
    // For the whole program: no image it reads is larger.
    QImageReader::setAllocationLimit(kAllocationLimit);
    QImageReader reader(&device, "bmp");
    // The BMP reader alone, whatever the bytes, without asking every image
    // plugin about "bmp" first.
    reader.setAutoDetectImageFormat(false);
    // The header alone, before any pixel. A top-down picture states a
    // negative height.
    const QSize stated = reader.size();
    const qint64 rows = qAbs(qint64(stated.height()));
    if (stated.width() < 1 || stated.width() > kMaxSide || rows < 1 || rows > kMaxSide)
        return invalid;
    // The reader fills a picture of the size and format it states instead of
    // a new one, and writes only the pixels that run-length data reaches
    // (Qt 6.4.2 leaves the others as the memory held them): here they keep
    // index 0.
    QImage image(stated.width(), int(rows), reader.imageFormat());
    if (image.isNull())
        return invalid;
    image.fill(0);
    if (!reader.read(&image) || device.endedTooSoon())
        return invalid;
    // Nothing that draws the picture looks up a colour table: QPainter
    // drawing an indexed picture reads past a table shorter than its indices
    // (seen under valgrind with Qt 6.4.2); the conversion pads the table.
    return {image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32), {}};
}

} // namespace PictureLoader
