#include "magnified.h"
#include "picturefolder.h"
#include "tcadregeneral.h"
#include "testsets.h"
#include "tokbottomdlgaide.h"
#include "tokbottomdlglogo.h"
#include "tokbottomdlgparam.h"
#include "zoom.h"

#include <QApplication>
#include <QDir>
#include <QHelpEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <memory>

// The window and its dialogs magnified by a whole factor: every designed
// pixel a k x k block, and every click judged in designed pixels.
class ZoomTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void automaticChoice_data();
    void automaticChoice();
    void pixelsBecomeBlocks_data();
    void pixelsBecomeBlocks();
    void clicksHitDesignedPixels_data();
    void clicksHitDesignedPixels();
    void zoomKeys();
    void magnifiedSettingsStillWork();
    void hintsShowWhenMagnified();

private:
    std::unique_ptr<PictureFolder> m_folder;
    std::unique_ptr<TCadreGeneral> m_window;
};

namespace {

using Magnified::blocks;
using Magnified::grabbed;

std::unique_ptr<QDialog> makeDialog(const QString &which, TCadreGeneral *owner)
{
    if (which == QLatin1String("settings"))
        return std::make_unique<TOKBottomDlgParam>(owner->game().settings(), owner->game().turn(), owner);
    if (which == QLatin1String("rules"))
        return std::make_unique<TOKBottomDlgLogo>(owner);
    return std::make_unique<TOKBottomDlgAide>(owner);
}

} // namespace

void ZoomTest::initTestCase()
{
    m_folder = std::make_unique<PictureFolder>();
    QVERIFY(QDir::setCurrent(m_folder->path()));
    QApplication::setQuitOnLastWindowClosed(false);
}

void ZoomTest::init()
{
    QFile::remove(QStringLiteral("imolectu.dat"));
    m_window = std::make_unique<TCadreGeneral>(TestSets::make(), GameFolders{});
    // Clicks stay recorded until the test looks at them.
    m_window->Timer1->stop();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void ZoomTest::cleanup()
{
    m_window.reset();
}

void ZoomTest::automaticChoice_data()
{
    QTest::addColumn<QSize>("available");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<int>("zoom");

    const QSize frame(8, 32);
    QTest::newRow("800x600") << QSize(800, 600) << frame << 1;
    QTest::newRow("1024x768 with a panel") << QSize(1024, 740) << frame << 1;
    QTest::newRow("1366x768 laptop") << QSize(1366, 736) << frame << 1;
    QTest::newRow("1920x1080 with a panel") << QSize(1920, 1040) << frame << 2;
    QTest::newRow("2560x1440") << QSize(2560, 1400) << frame << 3;
    QTest::newRow("3840x2160 plain") << QSize(3840, 2120) << frame << 4;
    QTest::newRow("5120x2880 stays at 4") << QSize(5120, 2840) << frame << 4;
    // A desktop scaled by 2 reports its logical size: 4K becomes 1920x1080,
    // and the desktop's own doubling makes the same size on screen.
    QTest::newRow("3840x2160 scaled by 2") << QSize(1920, 1040) << frame << 2;
    QTest::newRow("portrait 1080x1920: width decides") << QSize(1080, 1880) << frame << 2;
    // Two thirds exactly: 3 x (2 x 291 + 32) = 2 x 921.
    QTest::newRow("height just enough for 2") << QSize(3000, 921) << frame << 2;
    QTest::newRow("height one short of 2") << QSize(3000, 920) << frame << 1;
    QTest::newRow("no frame") << QSize(3000, 873) << QSize() << 2;
    QTest::newRow("tiny screen") << QSize(320, 240) << frame << 1;
}

void ZoomTest::automaticChoice()
{
    QFETCH(QSize, available);
    QFETCH(QSize, frame);
    QFETCH(int, zoom);
    QCOMPARE(Zoom::automatic(available, QSize(TCadreGeneral::kClientWidth, TCadreGeneral::kClientHeight), frame), zoom);
}

void ZoomTest::pixelsBecomeBlocks_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("zoom");

    for (const char *what : {"window", "settings", "rules", "help"})
        for (int k : {1, 2, 3})
            QTest::addRow("%s at %d", what, k) << QString::fromLatin1(what) << k;
}

void ZoomTest::pixelsBecomeBlocks()
{
    QFETCH(QString, what);
    QFETCH(int, zoom);

    QImage plain, magnified;
    if (what == QLatin1String("window")) {
        // A mark and a name on the board, so that there is more than aqua.
        m_window->game().clickAt({48, 102});
        m_window->game().test_reponse();
        plain = grabbed(m_window.get());
        m_window->setZoom(zoom);
        QCOMPARE(m_window->zoom(), zoom);
        QCOMPARE(m_window->size(), QSize(331, 291) * zoom);
        QCoreApplication::processEvents();
        magnified = grabbed(m_window.get());
    } else {
        // Two instances, shown alike; only the second is magnified.
        const auto first = makeDialog(what, m_window.get());
        first->show();
        QVERIFY(QTest::qWaitForWindowExposed(first.get()));
        plain = grabbed(first.get());
        const auto second = makeDialog(what, m_window.get());
        Zoom::apply(second.get(), zoom);
        QCOMPARE(second->size(), plain.size() * zoom);
        second->show();
        QVERIFY(QTest::qWaitForWindowExposed(second.get()));
        magnified = grabbed(second.get());
    }
    QCOMPARE(magnified.size(), plain.size() * zoom);
    if (qEnvironmentVariableIsSet("ZOOM_TEST_DUMP")) {
        plain.save(QStringLiteral("/tmp/zoom-plain-%1.png").arg(what));
        magnified.save(QStringLiteral("/tmp/zoom-mag-%1-%2.png").arg(what).arg(zoom));
    }
    QVERIFY(magnified == blocks(plain, zoom));
}

void ZoomTest::clicksHitDesignedPixels_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QPoint>("at"); // in designed pixels
    QTest::addColumn<int>("cell");

    for (int k : {1, 2, 3}) {
        // The first cell spans x 16 to 79 and every cell y 70 to 133.
        QTest::addRow("k%d first column of cell 1", k) << k << QPoint(16, 100) << 1;
        QTest::addRow("k%d column left of cell 1", k) << k << QPoint(15, 100) << 0;
        QTest::addRow("k%d last column of cell 1", k) << k << QPoint(79, 100) << 1;
        QTest::addRow("k%d gap after cell 1", k) << k << QPoint(80, 100) << 0;
        QTest::addRow("k%d top row of cell 2", k) << k << QPoint(120, 70) << 2;
        QTest::addRow("k%d row above cell 2", k) << k << QPoint(120, 69) << 0;
        QTest::addRow("k%d bottom row of cell 4", k) << k << QPoint(313, 133) << 4;
        QTest::addRow("k%d row below cell 4", k) << k << QPoint(313, 134) << 0;
    }
}

// Both ends of a designed pixel's block select what that pixel selects.
void ZoomTest::clicksHitDesignedPixels()
{
    QFETCH(int, zoom);
    QFETCH(QPoint, at);
    QFETCH(int, cell);

    m_window->setZoom(zoom);
    QCoreApplication::processEvents();
    for (const QPoint within : {QPoint(0, 0), QPoint(zoom - 1, zoom - 1), QPoint(zoom - 1, 0)}) {
        m_window->game().turn().ImageCliquee = 0;
        // Where the pointer is, in the window, as the window system sees it.
        const QPoint pos = at * zoom + within;
        QWidget *under = m_window->childAt(pos);
        QVERIFY(under);
        QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(m_window.get(), pos));
        QCOMPARE(int(m_window->game().turn().ImageCliquee), cell);
    }
}

void ZoomTest::zoomKeys()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    const int word = m_window->game().turn().NumeroMot;
    const auto press = [this](int key) { QTest::keyClick(m_window.get(), Qt::Key(key), Qt::ControlModifier); };

    QCOMPARE(m_window->zoom(), 1);
    press(Qt::Key_Minus);
    QCOMPARE(m_window->zoom(), 1);
    press(Qt::Key_Plus);
    QCOMPARE(m_window->zoom(), 2);
    press(Qt::Key_Equal);
    QCOMPARE(m_window->zoom(), 3);
    press(Qt::Key_Plus);
    press(Qt::Key_Plus);
    QCOMPARE(m_window->zoom(), 4);
    QCOMPARE(m_window->size(), QSize(1324, 1164));
    press(Qt::Key_Minus);
    QCOMPARE(m_window->zoom(), 3);
    // The offscreen test screen is small: the automatic size is 1.
    press(Qt::Key_0);
    QCOMPARE(m_window->zoom(), 1);
    QCOMPARE(m_window->size(), QSize(331, 291));
    // Keys without Ctrl are still nothing, and the game never moved.
    QTest::keyClick(m_window.get(), Qt::Key_Plus);
    QCOMPARE(m_window->zoom(), 1);
    QCOMPARE(m_window->game().turn().NumeroMot, word);
}

// Through the magnifier the dialog's fields take the pointer and the keys,
// and its image buttons still act: a new size typed in, then confirmed.
void ZoomTest::magnifiedSettingsStillWork()
{
    const int k = 3;
    TOKBottomDlgParam dialog(m_window->game().settings(), m_window->game().turn(), m_window.get());
    Zoom::apply(&dialog, k);
    dialog.show();
    // The offscreen platform does not activate it by itself, and the dialog
    // counts as active while its owner is, so wait for the activation itself.
    dialog.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &dialog);
    const auto clickAt = [&dialog](QPoint pos) {
        QWidget *under = dialog.childAt(pos);
        QVERIFY(under);
        QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(&dialog, pos));
    };
    // The field's designed place, magnified.
    const QRect field(dialog.MaskMaxi->mapTo(dialog.MaskMaxi->window(), QPoint(0, 0)), dialog.MaskMaxi->size());
    clickAt((field.topLeft() + QPoint(3, 3)) * k);
    QVERIFY(dialog.MaskMaxi->hasFocus());
    dialog.MaskMaxi->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
    QCOMPARE(dialog.MaskMaxi->displayText().trimmed(), QStringLiteral("7"));
    clickAt(QPoint(280 + 18, 173 + 18) * k); // confirm
    QVERIFY(!dialog.isVisible());
    QVERIFY(m_window->game().turn().ParamValide);
    QCOMPARE(int(m_window->game().settings().TailleMaxi), 7);
}

// The button under the pointer gives its hint, not the magnifier.
void ZoomTest::hintsShowWhenMagnified()
{
    const int k = 2;
    m_window->setZoom(k);
    QCoreApplication::processEvents();
    const QPoint suite = QPoint(293 + 18, 217 + 18) * k;
    QWidget *under = m_window->childAt(suite);
    QVERIFY(under);
    const QPoint local = under->mapFrom(m_window.get(), suite);
    QTest::mouseMove(under, local);
    QHelpEvent help(QEvent::ToolTip, local, under->mapToGlobal(local));
    QCoreApplication::sendEvent(under, &help);
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("Suite"));
}

QTEST_MAIN(ZoomTest)
#include "zoom_test.moc"
