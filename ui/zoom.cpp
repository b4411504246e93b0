#include "zoom.h"

#include <algorithm>

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QWidget>

namespace Zoom {

namespace {

const char *const kDesignSizeProperty = "lectureDesignSize";

int floorDiv(int value, int divisor)
{
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

// The page drawn as a plain picture of itself, as a grab draws it: painted
// straight through the scene's painter, effects on its children (the rules
// dialog's overstruck bold) would be lost.
class PageItem : public QGraphicsProxyWidget
{
public:
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *) override
    {
        const QRect exposed = (option->exposedRect & rect()).toAlignedRect();
        if (exposed.isEmpty())
            return;
        QImage picture(exposed.size(), QImage::Format_RGB32);
        picture.fill(widget()->palette().color(widget()->backgroundRole()));
        widget()->render(&picture, QPoint(), QRegion(exposed));
        painter->drawImage(exposed.topLeft(), picture);
    }
};

// Shows the page k times larger. Every pointer position is moved to the
// top-left corner of its k x k block first, so that the page sees the
// designed pixel the pointer is over: the view itself would pass p / k on,
// and the page would round it to the nearest pixel instead.
class ZoomView : public QGraphicsView
{
    // Its own meta-object, so that findChild<ZoomView *> matches this class
    // and not every QGraphicsView.
    Q_OBJECT

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
        m_proxy = new PageItem;
        m_proxy->setWidget(page);
        scene->addItem(m_proxy);
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
    QWidget *page() const { return m_proxy->widget(); }

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        forward(event, [this](QMouseEvent *moved) { QGraphicsView::mousePressEvent(moved); });
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        forward(event, [this](QMouseEvent *moved) { QGraphicsView::mouseMoveEvent(moved); });
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        forward(event, [this](QMouseEvent *moved) { QGraphicsView::mouseReleaseEvent(moved); });
    }
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        forward(event, [this](QMouseEvent *moved) { QGraphicsView::mouseDoubleClickEvent(moved); });
    }

private:
    template <typename Handler> void forward(QMouseEvent *event, Handler handler)
    {
        const QPoint p = event->position().toPoint();
        const QPointF at(floorDiv(p.x(), m_factor) * m_factor, floorDiv(p.y(), m_factor) * m_factor);
        QMouseEvent moved(event->type(), at, event->scenePosition() + (at - event->position()), event->globalPosition(),
                          event->button(), event->buttons(), event->modifiers(), event->pointingDevice());
        moved.setTimestamp(event->timestamp());
        if (event->type() == QEvent::MouseButtonPress)
            giveFocus(mapToScene(at.toPoint()).toPoint());
        handler(&moved);
        event->setAccepted(moved.isAccepted());
    }

    // What the application does for a press straight from the window
    // system, and leaves undone for the press made above: the field clicked
    // takes the keys.
    void giveFocus(QPoint designed)
    {
        QWidget *page = m_proxy->widget();
        for (QWidget *w = page->childAt(designed); w && w != page; w = w->parentWidget()) {
            if (w->isEnabled() && (w->focusPolicy() & Qt::ClickFocus)) {
                w->setFocus(Qt::MouseFocusReason);
                return;
            }
        }
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

ZoomView *ensureView(QWidget *window)
{
    if (ZoomView *view = viewOf(window))
        return view;
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
    auto *view = new ZoomView(page, window);
    view->move(0, 0);
    view->show();
    // The keys reach the page's fields only through the view.
    view->setFocusPolicy(Qt::StrongFocus);
    window->setFocusProxy(view);
    view->setFocus();
    return view;
}

void apply(QWidget *window, int factor)
{
    factor = std::max(factor, kMin);
    if (!viewOf(window) && factor == 1)
        return;
    ZoomView *view = ensureView(window);
    const QSize design = designSize(window);
    view->setFactor(factor);
    view->setFixedSize(design * factor);
    view->move(0, 0);
    window->setFixedSize(design * factor);
}

void applyCentred(QWidget *window, int factor, QSize area)
{
    factor = std::max(factor, kMin);
    ZoomView *view = ensureView(window);
    const QSize design = designSize(window);
    view->setFactor(factor);
    view->setFixedSize(design * factor);
    const QSize margin = (area - design * factor) / 2;
    view->move(std::max(margin.width(), 0), std::max(margin.height(), 0));
    window->setMinimumSize(0, 0);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

int fitting(QSize area, QSize design)
{
    if (design.isEmpty())
        return kMin;
    return std::max(kMin, std::min(area.width() / design.width(), area.height() / design.height()));
}

QWidget *page(QWidget *window)
{
    const ZoomView *view = viewOf(window);
    return view ? view->page() : window;
}

QPoint designedPoint(const QWidget *window, QPointF at)
{
    const ZoomView *view = viewOf(window);
    if (!view)
        return at.toPoint();
    const QPoint p = (at - QPointF(view->pos())).toPoint();
    return {floorDiv(p.x(), view->factor()), floorDiv(p.y(), view->factor())};
}

} // namespace Zoom

#include "zoom.moc"
