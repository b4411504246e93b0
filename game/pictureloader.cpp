#include "pictureloader.h"

#include <QFile>
#include <QImageReader>

namespace PictureLoader {

Result load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("Ne peut ouvrir le fichier %1.").arg(path)};

    const QString invalid = QStringLiteral("Image bitmap incorrecte.");
    QImageReader reader(&file, "bmp");
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxSide || size.height() > kMaxSide)
        return {{}, invalid};
    QImage image = reader.read();
    if (image.isNull())
        return {{}, invalid};
    return {image, {}};
}

} // namespace PictureLoader
