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

    Result invalid{{}, QStringLiteral("Image bitmap incorrecte.")};
    // A huge file is refused unread. Reading no more than the size found
    // here also bounds a file that grows meanwhile.
    const qint64 size = file.size();
    if (size > kMaxFileBytes)
        return invalid;
    const QByteArray bytes = file.read(size);
    const QImage image = BmpDecoder::decode(bytes, kMaxSide);
    if (image.isNull())
        return invalid;
    return {image, {}};
}

} // namespace PictureLoader
