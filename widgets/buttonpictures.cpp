#include "buttonpictures.h"

#include "assetimage.h"
#include "tpixigne.h"

#include <QColor>
#include <QPixmap>

#include <cstring>

namespace {

constexpr QRgb sunkShadow = qRgb(119, 119, 119);
constexpr QRgb sunkLight = qRgb(255, 255, 255);

// Writes plain colours into either a palette image or a true-colour one;
// palette images get the colour appended to their table when it is missing.
class PixelWriter
{
public:
    explicit PixelWriter(QImage &image)
        : m_image(image)
    { }

    void hline(int x0, int x1, int y, QRgb colour)
    {
        for (int x = x0; x <= x1; ++x)
            put(x, y, colour);
    }
    void vline(int x, int y0, int y1, QRgb colour)
    {
        for (int y = y0; y <= y1; ++y)
            put(x, y, colour);
    }

private:
    void put(int x, int y, QRgb colour)
    {
        if (m_image.format() == QImage::Format_Indexed8)
            m_image.setPixel(x, y, uint(indexOf(colour)));
        else
            m_image.setPixel(x, y, colour);
    }
    int indexOf(QRgb colour)
    {
        QList<QRgb> table = m_image.colorTable();
        const int found = table.indexOf(colour);
        if (found >= 0)
            return found;
        table.append(colour);
        m_image.setColorTable(table);
        return int(table.size()) - 1;
    }

    QImage &m_image;
};

// Moves the inside of the bevel down by one row, keeping the top row.
void shiftContentDown(QImage &image, int bevel)
{
    const int bytesPerPixel = image.depth() / 8;
    const int left = bevel * bytesPerPixel;
    const int length = (image.width() - 2 * bevel) * bytesPerPixel;
    for (int y = image.height() - bevel - 1; y > bevel; --y)
        std::memcpy(image.scanLine(y) + left, image.constScanLine(y - 1) + left, size_t(length));
}

} // namespace

namespace ButtonPictures {

QString name(ButtonPicture which)
{
    switch (which) {
    case ButtonPicture::Logo: return QStringLiteral("logo");
    case ButtonPicture::Quitter: return QStringLiteral("quitter");
    case ButtonPicture::Outils: return QStringLiteral("outils");
    case ButtonPicture::Aide: return QStringLiteral("aide");
    case ButtonPicture::Velune: return QStringLiteral("velune");
    case ButtonPicture::OK: return QStringLiteral("ok");
    case ButtonPicture::Annul: return QStringLiteral("annul");
    case ButtonPicture::Croix: return QStringLiteral("croix");
    }
    return {};
}

QString resourcePath(ButtonPicture which)
{
    return QStringLiteral(":/buttons/%1.png").arg(name(which));
}

QImage released(ButtonPicture which)
{
    return AssetImage::read(resourcePath(which));
}

QImage sunk(const QImage &released)
{
    constexpr int b = bevelWidth;
    if (released.width() <= 2 * b || released.height() <= 2 * b)
        return released;

    // Byte-wise row copies need whole bytes per pixel: palette or 32-bit.
    QImage image = released.format() == QImage::Format_Indexed8 ? released.copy()
                                                                : released.convertToFormat(QImage::Format_ARGB32);
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;

    shiftContentDown(image, b);

    // The same geometry as the raised edge: top and left lines stop short of
    // the far corners, bottom and right lines run the full length.
    PixelWriter pen(image);
    pen.hline(0, right - 1, 0, sunkShadow);
    pen.vline(0, 0, bottom - 1, sunkShadow);
    pen.hline(1, right - 2, 1, sunkLight);
    pen.vline(1, 1, bottom - 2, sunkLight);
    pen.hline(0, right, bottom, sunkLight);
    pen.vline(right, 0, bottom, sunkLight);
    pen.hline(1, right - 1, bottom - 1, sunkShadow);
    pen.vline(right - 1, 1, bottom - 1, sunkShadow);
    return image;
}

TPixigne *addButton(QWidget *parent, QRect geometry, ButtonPicture picture, bool sinks)
{
    auto *button = new TPixigne(parent);
    button->setGeometry(geometry);
    const QImage up = released(picture);
    button->setBitmapUp(up);
    button->setBitmapDown(sinks ? sunk(up) : up);
    return button;
}

QIcon windowIcon()
{
    // Not QIcon(path): that loads every image plugin to probe the file.
    const QImage image = AssetImage::read(QStringLiteral(":/icon/lecture.png"));
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

} // namespace ButtonPictures
