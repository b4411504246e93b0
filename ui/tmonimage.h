#pragma once

#include <QWidget>

class Game;

// The board control: shows the game's 331 x 255 board and hands every
// mouse press, whichever button, to the game's hit test.
class Tmonimage : public QWidget
{
    Q_OBJECT
public:
    explicit Tmonimage(Game &game, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    Game &m_game;
};
