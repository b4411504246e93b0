#pragma once

#include <QImage>
#include <QWidget>

class BareImage;

// The floor any Qt Widgets program pays: a fixed window of the game's size
// with one 331 x 255 image painted in a child widget, and nothing else.
class BareWindow : public QWidget
{
public:
    explicit BareWindow(QWidget *parent = nullptr);
    BareImage *image() const { return m_image; }

private:
    BareImage *m_image = nullptr;
};

class BareImage : public QWidget
{
public:
    explicit BareImage(QWidget *parent = nullptr);
    QSize sizeHint() const override { return m_image.size(); }
    // For the benchmarks that draw into it before a repaint.
    QImage &image() { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
};
