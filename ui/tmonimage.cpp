#include "tmonimage.h"

#include "boardlayout.h"
#include "game.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

Tmonimage::Tmonimage(Game &game, QWidget *parent)
    : QWidget(parent)
    , m_game(game)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(sizeHint());
}

QSize Tmonimage::sizeHint() const
{
    return {BoardLayout::kWidth, BoardLayout::kHeight};
}

void Tmonimage::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_game.board(), event->rect());
}

void Tmonimage::mousePressEvent(QMouseEvent *event)
{
    // Only recorded here; the next timer tick judges it.
    m_game.clickAt(event->position().toPoint());
}
