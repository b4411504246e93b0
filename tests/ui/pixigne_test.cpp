#include "tpixigne.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor kUpColour(200, 200, 0);
const QColor kDownColour(0, 150, 0);
const QColor kHolderColour(0, 0, 255);
constexpr int kSide = 36;

QImage flat(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Named pointer places, in the button's own coordinates.
QPoint place(const QString &name)
{
    if (name == QLatin1String("in"))
        return {10, 10};
    if (name == QLatin1String("corner"))
        return {kSide - 1, kSide - 1};
    if (name == QLatin1String("below"))
        return {10, kSide}; // first row under the button
    if (name == QLatin1String("right"))
        return {kSide, 10}; // first column right of it
    return {kSide + 30, kSide + 30};
}

Qt::MouseButton buttonOf(QChar c)
{
    return c == 'R' ? Qt::RightButton : c == 'M' ? Qt::MiddleButton : Qt::LeftButton;
}

// Plays a script such as "pL:in m:out rL:in" on the button the way Qt
// delivers it: a widget sees events outside itself only while some mouse
// button is held (Qt's implicit grab). p press, r release, d the double-click
// event that follows a second press, m move, x the window losing activation.
class Player
{
public:
    explicit Player(TPixigne &button)
        : m_button(button)
    { }

    void play(const QString &script)
    {
        for (const QString &step : script.split(' ', Qt::SkipEmptyParts))
            playStep(step);
    }

private:
    void playStep(const QString &step)
    {
        if (step == QLatin1String("x")) {
            QEvent deactivate(QEvent::WindowDeactivate);
            QApplication::sendEvent(&m_button, &deactivate);
            return;
        }
        const QString where = step.section(':', 1);
        const QPoint pos = place(where);
        const QChar kind = step.at(0);
        const Qt::MouseButton button = kind == 'm' ? Qt::NoButton : buttonOf(step.at(1));
        QEvent::Type type = QEvent::MouseMove;
        if (kind == 'p') {
            type = QEvent::MouseButtonPress;
            m_held |= button;
        } else if (kind == 'd') {
            type = QEvent::MouseButtonDblClick;
            m_held |= button;
        } else if (kind == 'r') {
            type = QEvent::MouseButtonRelease;
            m_held &= ~button;
        }
        const bool heldBefore = m_held != Qt::NoButton || type == QEvent::MouseButtonRelease;
        if (!m_button.rect().contains(pos) && !heldBefore)
            return;
        QMouseEvent event(type, pos, m_button.mapToGlobal(pos), button, m_held, Qt::NoModifier);
        QApplication::sendEvent(&m_button, &event);
    }

    TPixigne &m_button;
    Qt::MouseButtons m_held;
};

QColor shownColour(TPixigne &button)
{
    return button.grab().toImage().pixelColor(5, 5);
}

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

class PixigneTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void mouseSequences_data();
    void mouseSequences();
    void commandRunsWhileThePressedPictureShows();
    void movesThatChangeNoFlagDoNotRepaint();
    void pictureDrawnAtItsOwnSize_data();
    void pictureDrawnAtItsOwnSize();

private:
    QWidget *m_holder = nullptr;
    TPixigne *m_button = nullptr;
};

void PixigneTest::init()
{
    m_holder = new QWidget;
    QPalette pal = m_holder->palette();
    pal.setColor(QPalette::Window, kHolderColour);
    m_holder->setPalette(pal);
    m_holder->resize(200, 200);
    m_button = new TPixigne(m_holder);
    m_button->setGeometry(20, 20, kSide, kSide);
    m_button->setBitmapUp(flat({kSide, kSide}, kUpColour));
    m_button->setBitmapDown(flat({kSide, kSide}, kDownColour));
}

void PixigneTest::cleanup()
{
    delete m_holder;
}

void PixigneTest::mouseSequences_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("doubleClicks");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<bool>("inside");

    QTest::newRow("left click inside") << "m:in pL:in rL:in" << 1 << 0 << false << true;
    QTest::newRow("press without a move first") << "pL:in" << 0 << 0 << true << true;
    QTest::newRow("held and moved out") << "pL:in m:out" << 0 << 0 << true << false;
    QTest::newRow("held, out and back in") << "pL:in m:out m:in" << 0 << 0 << true << true;
    QTest::newRow("out, back in, released inside") << "pL:in m:out m:in rL:in" << 1 << 0 << false << true;
    QTest::newRow("released outside") << "pL:in m:out rL:out" << 0 << 0 << false << false;
    QTest::newRow("released on first row below") << "pL:in m:below rL:below" << 0 << 0 << false << false;
    QTest::newRow("released on first column right") << "pL:in m:right rL:right" << 0 << 0 << false << false;
    QTest::newRow("released on last pixel") << "pL:in m:corner rL:corner" << 1 << 0 << false << true;
    QTest::newRow("released outside without a move") << "pL:in rL:out" << 0 << 0 << false << true;
    QTest::newRow("right press") << "pR:in" << 0 << 0 << true << true;
    QTest::newRow("right release inside") << "pR:in rR:in" << 0 << 0 << false << true;
    QTest::newRow("middle release inside") << "pM:in rM:in" << 0 << 0 << false << true;
    QTest::newRow("right released outside sticks") << "pR:in m:out rR:out" << 0 << 0 << true << true;
    QTest::newRow("stuck press cleared by next release") << "pR:in m:out rR:out pM:in rM:in" << 0 << 0 << false << true;
    QTest::newRow("double click") << "pL:in rL:in pL:in dL:in rL:in" << 1 << 1 << false << true;
    QTest::newRow("right double click") << "pR:in rR:in pR:in dR:in rR:in" << 0 << 0 << false << true;
    QTest::newRow("hover out keeps inside") << "m:in m:out" << 0 << 0 << false << true;
    QTest::newRow("capture lost while held") << "pL:in x" << 0 << 0 << false << true;
    QTest::newRow("capture lost, released inside") << "pL:in x rL:in" << 0 << 0 << false << true;
}

// Guards the press/move/release bookkeeping: the click, the sticky right
// press and the double click that must not give a second click. The two
// flags are seen as a user sees them: the pressed picture shows when both
// are set, and a move back inside shows whether a press is still held (the
// inside flag alone, without a press, shows nothing).
void PixigneTest::mouseSequences()
{
    QFETCH(QString, script);
    QFETCH(int, clicks);
    QFETCH(int, doubleClicks);
    QFETCH(bool, pressed);
    QFETCH(bool, inside);

    QSignalSpy clickSpy(m_button, &TPixigne::OnClick);
    QSignalSpy doubleSpy(m_button, &TPixigne::OnDblClick);
    Player player(*m_button);
    player.play(script);

    QCOMPARE(clickSpy.count(), clicks);
    QCOMPARE(doubleSpy.count(), doubleClicks);
    QCOMPARE(shownColour(*m_button), pressed && inside ? kDownColour : kUpColour);
    player.play("m:in");
    QCOMPARE(shownColour(*m_button), pressed ? kDownColour : kUpColour);
}

// A command that opens a modal dialog must run under the pressed picture,
// and the picture must come back up once it returns.
void PixigneTest::commandRunsWhileThePressedPictureShows()
{
    QColor duringCommand;
    connect(m_button, &TPixigne::OnClick, this, [&] { duringCommand = shownColour(*m_button); });
    Player(*m_button).play("m:in pL:in rL:in");
    QCOMPARE(duringCommand, kDownColour);
    QCOMPARE(shownColour(*m_button), kUpColour);
}

void PixigneTest::movesThatChangeNoFlagDoNotRepaint()
{
    m_holder->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_holder));
    PaintCounter counter;
    m_button->installEventFilter(&counter);
    Player player(*m_button);
    player.play("m:in");
    QCoreApplication::processEvents();
    const int afterEntering = counter.paints;
    player.play("m:corner m:in m:corner");
    QCoreApplication::processEvents();
    QCOMPARE(counter.paints, afterEntering);
    player.play("pL:in");
    QCoreApplication::processEvents();
    QVERIFY(counter.paints > afterEntering);
}

void PixigneTest::pictureDrawnAtItsOwnSize_data()
{
    QTest::addColumn<QSize>("pictureSize");
    QTest::addColumn<QPoint>("probe");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("narrower picture, last column") << QSize(kSide - 1, kSide) << QPoint(kSide - 1, 5) << kHolderColour;
    QTest::newRow("narrower picture, inside it") << QSize(kSide - 1, kSide) << QPoint(kSide - 2, 5) << kUpColour;
    QTest::newRow("larger picture is cut, not shrunk")
        << QSize(kSide + 10, kSide + 10) << QPoint(kSide - 1, kSide - 1) << kDownColour;
}

void PixigneTest::pictureDrawnAtItsOwnSize()
{
    QFETCH(QSize, pictureSize);
    QFETCH(QPoint, probe);
    QFETCH(QColor, expected);

    // A mark on the control's last pixel: a picture shrunk to fit would show
    // its own last pixel there instead.
    QImage picture = flat(pictureSize, kUpColour);
    if (pictureSize.width() > kSide)
        picture.setPixelColor(kSide - 1, kSide - 1, kDownColour);
    m_button->setBitmapUp(picture);
    QCOMPARE(m_button->grab().toImage().pixelColor(probe), expected);
}

QTEST_MAIN(PixigneTest)
#include "pixigne_test.moc"
