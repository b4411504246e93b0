#include "imageset.h"

#include "assetimage.h"

#include <QPainter>

ImageSet::ImageSet(const QImage &sheet, QSize cellSize, int count)
{
    const int rows = (count + kCellsPerRow - 1) / kCellsPerRow;
    const bool fits = count > 0 && cellSize.isValid()
                      && sheet.width() >= cellSize.width() * std::min(count, kCellsPerRow)
                      && sheet.height() >= cellSize.height() * rows;
    if (!fits)
        return;
    // Opaque 32-bit copy, so that drawing is a plain rectangle copy.
    m_sheet = sheet.convertToFormat(QImage::Format_RGB32);
    m_cellSize = cellSize;
    m_count = count;
}

ImageSet ImageSet::fromFile(const QString &path, QSize cellSize, int count)
{
    return ImageSet(AssetImage::read(path), cellSize, count);
}

QRect ImageSet::cellRect(int index) const
{
    return QRect(QPoint((index % kCellsPerRow) * m_cellSize.width(), (index / kCellsPerRow) * m_cellSize.height()),
                 m_cellSize);
}

void ImageSet::draw(QPainter &painter, int index, QPoint at) const
{
    if (index < 0 || index >= m_count)
        return;
    painter.drawImage(at, m_sheet, cellRect(index));
}
