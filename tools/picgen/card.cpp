#include "card.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace Card {

static QImage emptyCard()
{
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(kBoard);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Half-pixel offsets put the 1-px border exactly on pixel row/column 1.
    const QRectF card(1.5, 1.5, kSize - 3.0, kSize - 3.0);
    painter.setPen(QPen(kBorder, 1.0));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(card, kRadius, kRadius);
    return image;
}

QImage compose(const QImage &art)
{
    QImage image = emptyCard();
    if (art.isNull())
        return image;
    // Art is normally prepared at exactly kArtRect's size; anything else is
    // shrunk (never grown) and centred.
    const QImage fitted = art.width() > kArtRect.width() || art.height() > kArtRect.height()
                              ? art.scaled(kArtRect.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)
                              : art;
    QRect target(QPoint(0, 0), fitted.size());
    target.moveCenter(kArtRect.center());
    QPainter painter(&image);
    painter.drawImage(target.topLeft(), fitted);
    return image;
}

QImage placeholder()
{
    QImage image = emptyCard();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(40);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(190, 190, 190));
    painter.drawText(kArtRect, Qt::AlignCenter, QStringLiteral("?"));
    return image;
}

} // namespace Card
