#include "zoom.h"

#include <algorithm>
#include <cmath>

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

int ceilDiv(int value, int divisor)
{
    return -floorDiv(-value, divisor);
}

// Whole device pixels per window pixel: the program rounds the desktop's
// scale to a whole number (Platform::prepareApplication).
int wholeRatio(const QWidget *window)
{
    return std::max(1, qRound(window->devicePixelRatioF()));
}

// Every designed pixel can be pointed at through the view at this factor
// (see ZoomView::blockCorner): a whole number of window pixels, or blocks
// wide enough that a window pixel starts in their first half.
bool pointable(int deviceFactor, int dpr)
{
    return deviceFactor % dpr == 0 || deviceFactor > 2 * (dpr - 1);
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

    // `deviceFactor` device pixels per designed pixel on a screen of `dpr`
    // device pixels per window pixel: a fraction of a window pixel when
    // the two do not divide.
    void setFactor(int deviceFactor, int dpr)
    {
        m_deviceFactor = deviceFactor;
        m_dpr = dpr;
        const qreal scale = qreal(deviceFactor) / dpr;
        setTransform(QTransform::fromScale(scale, scale));
    }
    int deviceFactor() const { return m_deviceFactor; }
    int dpr() const { return m_dpr; }
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
        const QPointF at = blockCorner(event->position());
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

    // The first whole window pixel of the block under `p`. The view hands
    // the page p / scale, which the page rounds to the nearest pixel; from
    // this point that is the block's own designed pixel, since it lies less
    // than half a designed pixel into the block (see pointable).
    QPointF blockCorner(QPointF p) const
    {
        const auto corner = [this](qreal at) {
            const int designed = floorDiv(int(std::floor(at * m_dpr)), m_deviceFactor);
            return qreal(ceilDiv(designed * m_deviceFactor, m_dpr));
        };
        return {corner(p.x()), corner(p.y())};
    }

    QGraphicsProxyWidget *m_proxy = nullptr;
    int m_deviceFactor = 1;
    int m_dpr = 1;
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
    return view ? view->deviceFactor() / view->dpr() : 1;
}

int deviceFactor(const QWidget *window)
{
    const ZoomView *view = viewOf(window);
    return view ? view->deviceFactor() : wholeRatio(window);
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
    // Where the last window pixel is only partly covered by the page.
    view->setBackgroundBrush(window->palette().color(window->backgroundRole()));
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
    const int dpr = wholeRatio(window);
    view->setFactor(factor * dpr, dpr);
    view->setFixedSize(design * factor);
    view->move(0, 0);
    window->setFixedSize(design * factor);
}

int centredFactor(int wanted, QSize area, QSize design, int dpr)
{
    int k = std::min(wanted, fitting(area * dpr, design));
    if (!pointable(k, dpr))
        k -= k % dpr;
    return std::max(k, dpr);
}

void applyCentred(QWidget *window, int wanted, QSize area)
{
    ZoomView *view = ensureView(window);
    const QSize design = designSize(window);
    const int dpr = wholeRatio(window);
    const int k = centredFactor(wanted, area, design, dpr);
    view->setFactor(k, dpr);
    // Whole window pixels, the last one partly blue when the block edge
    // falls inside it.
    const QSize drawn((design.width() * k + dpr - 1) / dpr, (design.height() * k + dpr - 1) / dpr);
    view->setFixedSize(drawn);
    // An odd margin leaves the extra pixel right and below: the same
    // place whatever the platform (QSize / 2 would round half up).
    view->move(std::max((area.width() - drawn.width()) / 2, 0), std::max((area.height() - drawn.height()) / 2, 0));
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
    // In device pixels, where the blocks are whole.
    const QPointF p = (at - QPointF(view->pos())) * view->dpr();
    return {floorDiv(int(std::floor(p.x())), view->deviceFactor()),
            floorDiv(int(std::floor(p.y())), view->deviceFactor())};
}

} // namespace Zoom

#include "zoom.moc"
