#include "imageset.h"

#include "assetimage.h"

#include <QPainter>

#include <utility>

ImageSet::ImageSet(const QImage &sheet, QSize cellSize, int count)
    : m_cellSize(cellSize)
    , m_count(count)
{
    load(sheet);
}

ImageSet ImageSet::fromFile(const QString &path, QSize cellSize, int count)
{
    ImageSet set;
    set.m_path = path;
    set.m_cellSize = cellSize;
    set.m_count = count;
    return set;
}

void ImageSet::load(const QImage &sheet) const
{
    const int rows = (m_count + kCellsPerRow - 1) / kCellsPerRow;
    const bool fits = m_count > 0 && m_cellSize.isValid()
                      && sheet.width() >= m_cellSize.width() * std::min(m_count, kCellsPerRow)
                      && sheet.height() >= m_cellSize.height() * rows;
    if (!fits) {
        m_cellSize = QSize();
        m_count = 0;
        return;
    }
    // Opaque 32-bit copy, so that drawing is a plain rectangle copy.
    m_sheet = sheet.convertToFormat(QImage::Format_RGB32);
}

QRect ImageSet::cellRect(int index) const
{
    return QRect(QPoint((index % kCellsPerRow) * m_cellSize.width(), (index / kCellsPerRow) * m_cellSize.height()),
                 m_cellSize);
}

void ImageSet::draw(QPainter &painter, int index, QPoint at) const
{
    if (!m_path.isEmpty())
        load(AssetImage::read(std::exchange(m_path, QString())));
    if (index < 0 || index >= m_count)
        return;
    painter.drawImage(at, m_sheet, cellRect(index));
}
