#include "barewindow.h"

#include <QPaintEvent>
#include <QPainter>

BareWindow::BareWindow(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(331, 291);
    m_image = new BareImage(this);
    // The name the first-paint probe looks for, as on the game's board.
    m_image->setObjectName(QStringLiteral("board"));
    m_image->move(0, 0);
}

BareImage::BareImage(QWidget *parent)
    : QWidget(parent)
    , m_image(331, 255, QImage::Format_RGB32)
{
    m_image.fill(QColor(0, 255, 255));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(m_image.size());
}

void BareImage::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect());
}
