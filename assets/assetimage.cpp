#include "assetimage.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace AssetImage {

QImage read(const QString &path)
{
    // Opened here: on a missing file the reader would try other suffixes,
    // asking the plugins for their formats.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&file, QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace AssetImage
