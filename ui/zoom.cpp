#include "zoom.h"

#include <algorithm>

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QMouseEvent>
#include <QWidget>

namespace Zoom {

namespace {

const char *const kDesignSizeProperty = "lectureDesignSize";

int floorDiv(int value, int divisor)
{
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

// Shows the page k times larger. Every pointer position is moved to the
// top-left corner of its k x k block first, so that the page sees the
// designed pixel the pointer is over: the view itself would pass p / k on,
// and the page would round it to the nearest pixel instead.
class ZoomView : public QGraphicsView
{
public:
    ZoomView(QWidget *page, QWidget *window)
        : QGraphicsView(window)
    {
        setObjectName(QStringLiteral("zoomView"));
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // Blocks, never smoothed, on a plain screen as on a scaled one.
        setRenderHint(QPainter::SmoothPixmapTransform, false);
        setRenderHint(QPainter::Antialiasing, false);
        setRenderHint(QPainter::TextAntialiasing, false);
        auto *scene = new QGraphicsScene(this);
        m_proxy = scene->addWidget(page);
        // The page is drawn once at its own size and that picture is
        // magnified, so text and check boxes become blocks too.
        m_proxy->setCacheMode(QGraphicsItem::ItemCoordinateCache);
        scene->setSceneRect(QRectF(QPointF(0, 0), page->size()));
        setScene(scene);
    }

    void setFactor(int factor)
    {
        m_factor = factor;
        setTransform(QTransform::fromScale(factor, factor));
    }
    int factor() const { return m_factor; }

protected:
    void mousePressEvent(QMouseEvent *event) override { forward(event, &QGraphicsView::mousePressEvent); }
    void mouseMoveEvent(QMouseEvent *event) override { forward(event, &QGraphicsView::mouseMoveEvent); }
    void mouseReleaseEvent(QMouseEvent *event) override { forward(event, &QGraphicsView::mouseReleaseEvent); }
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        forward(event, &QGraphicsView::mouseDoubleClickEvent);
    }

private:
    void forward(QMouseEvent *event, void (QGraphicsView::*handler)(QMouseEvent *))
    {
        const QPoint p = event->position().toPoint();
        const QPointF snapped(floorDiv(p.x(), m_factor) * m_factor, floorDiv(p.y(), m_factor) * m_factor);
        QMouseEvent moved(event->type(), snapped, event->scenePosition() + (snapped - event->position()),
                          event->globalPosition(), event->button(), event->buttons(),
                          event->modifiers(), event->pointingDevice());
        moved.setTimestamp(event->timestamp());
        (this->*handler)(&moved);
        event->setAccepted(moved.isAccepted());
    }

    QGraphicsProxyWidget *m_proxy = nullptr;
    int m_factor = 1;
};

ZoomView *viewOf(const QWidget *window)
{
    return window->findChild<ZoomView *>(QStringLiteral("zoomView"), Qt::FindDirectChildrenOnly);
}

} // namespace

int automatic(QSize available, QSize window, QSize frame)
{
    int best = kMin;
    for (int k = kMin + 1; k <= kMax; ++k) {
        const QSize outer = window * k + frame;
        if (3 * outer.width() <= 2 * available.width() && 3 * outer.height() <= 2 * available.height())
            best = k;
    }
    return best;
}

QSize designSize(const QWidget *window)
{
    const QVariant stored = window->property(kDesignSizeProperty);
    return stored.isValid() ? stored.toSize() : window->size();
}

int factor(const QWidget *window)
{
    const ZoomView *view = viewOf(window);
    return view ? view->factor() : 1;
}

void apply(QWidget *window, int factor)
{
    factor = std::clamp(factor, kMin, kMax);
    ZoomView *view = viewOf(window);
    if (!view) {
        if (factor == 1)
            return;
        const QSize design = window->size();
        window->setProperty(kDesignSizeProperty, design);
        // The page takes over what the children see of their window: its
        // colours, its font and their places in its designed pixels.
        auto *page = new QWidget;
        page->setObjectName(QStringLiteral("zoomPage"));
        page->setPalette(window->palette());
        page->setFont(window->font());
        page->setAutoFillBackground(window->autoFillBackground());
        page->setFixedSize(design);
        const QList<QWidget *> children = window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *child : children) {
            if (child->isWindow())
                continue;
            const bool hidden = child->isHidden();
            const QRect geometry = child->geometry();
            child->setParent(page);
            child->setGeometry(geometry);
            if (!hidden)
                child->show();
        }
        view = new ZoomView(page, window);
        view->move(0, 0);
        view->show();
        view->setFocus();
    }
    const QSize design = designSize(window);
    view->setFactor(factor);
    view->setFixedSize(design * factor);
    window->setFixedSize(design * factor);
}

} // namespace Zoom
