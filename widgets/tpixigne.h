#pragma once

#include <QImage>
#include <QWidget>

// The only command button of the program: drawn entirely from two pictures
// of its own, BitmapUp at rest and BitmapDown while held with the pointer
// inside. The bevel is part of the pictures.
class TPixigne : public QWidget
{
    Q_OBJECT
public:
    explicit TPixigne(QWidget *parent = nullptr);

    // The button keeps its own copy; the caller keeps its picture.
    void setBitmapUp(const QImage &picture);
    void setBitmapDown(const QImage &picture);

    // The hint is always the accessible name; it shows as a tool tip only
    // when the holding window turns hints on.
    void setHint(const QString &hint);
    void setShowHint(bool show);

    QSize sizeHint() const override;

signals:
    void OnClick();
    void OnDblClick();
    void OnMouseMove(QPoint pos);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void trackPointer(QPoint pos);
    void press(Qt::MouseButton button, bool armClick);
    void setPressed(bool pressed);
    void loseCapture();
    void updateToolTip();

    QImage m_bitmapUp;
    QImage m_bitmapDown;
    bool m_mouseInside = false;
    bool m_pressed = false;
    // Only a left press holds the pointer: moves and releases outside the
    // button reach it only then.
    bool m_captured = false;
    // A left single press that may still turn into a click on release.
    bool m_clickArmed = false;
    QString m_hint;
    bool m_showHint = false;
};
