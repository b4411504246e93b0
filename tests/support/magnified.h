#pragma once

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <QtGlobal>

// Pictures of magnified windows, compared device pixel by device pixel.
namespace Magnified {

inline QImage grabbed(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// `image` with every pixel repeated k times across and down.
inline QImage blocks(const QImage &image, int k)
{
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    QImage out(source.size() * k, QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.setPixel(x, y, source.pixel(x / k, y / k));
    return out;
}

// True when `big` shows `small` with every pixel a k x k block from
// `origin` on and `background` everywhere else; warns where it first differs.
inline bool blocksOn(const QImage &big, const QImage &small, int k, QPoint origin, QColor background)
{
    QImage want(big.size(), QImage::Format_RGB32);
    want.fill(background);
    QPainter(&want).drawImage(origin, blocks(small, k));
    for (int y = 0; y < big.height(); ++y)
        for (int x = 0; x < big.width(); ++x)
            if (big.pixel(x, y) != want.pixel(x, y)) {
                qWarning("first difference at %d, %d", x, y);
                return false;
            }
    return true;
}

} // namespace Magnified
