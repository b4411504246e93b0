#include "pictureloader.h"

#include "bmpdecoder.h"
#include "regularfile.h"

#include <QFile>

namespace PictureLoader {

Result load(const QString &path)
{
    QFile file;
    if (!RegularFile::openForReading(file, path))
        return {{}, QStringLiteral("Ne peut ouvrir le fichier %1.").arg(path)};

    const Result invalid{{}, QStringLiteral("Image bitmap incorrecte.")};
    // Read at most one byte more than any picture may hold, so that a huge
    // file costs no more memory than a big picture.
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (bytes.size() > kMaxFileBytes)
        return invalid;
    const QImage image = BmpDecoder::decode(bytes, kMaxSide);
    if (image.isNull())
        return invalid;
    return {image, {}};
}

} // namespace PictureLoader
