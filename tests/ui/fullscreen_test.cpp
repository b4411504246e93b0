#include "boardlayout.h"
#include "buttonpictures.h"
#include "datapaths.h"
#include "picturefolder.h"
#include "tcadregeneral.h"
#include "testfiles.h"
#include "testsets.h"
#include "tpixigne.h"
#include "zoom.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

// The game on a classroom's screens: full screen at whole factors, fingers
// on a touch screen, and a class whose settings the children cannot change.
// Every case runs on the real window with its real 100 ms timer, on the
// test screens the offscreen platform is given in main().
class FullScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fillsTheScreen_data();
    void fillsTheScreen();
    void clicksHitDesignedPixels_data();
    void clicksHitDesignedPixels();
    void zoomKeysWithinTheScreen();
    void newScreenSizeChoosesAgain();
    void dialogsOverFullScreen_data();
    void dialogsOverFullScreen();
    void taps_data();
    void taps();
    void classLock_data();
    void classLock();

private:
    void makeWindow(const GameFolders &folders = {});
    void enterFullScreen(int screen);
    // Where designed pixel `at` is in the window, the middle of its block.
    QPoint windowPoint(QPoint at) const;
    // The game's widget under a point of the window.
    QWidget *designedWidgetAt(QPoint pos) const
    {
        return Zoom::page(m_window.get())->childAt(Zoom::designedPoint(m_window.get(), pos));
    }

    std::unique_ptr<PictureFolder> m_folder;
    std::unique_ptr<TCadreGeneral> m_window;
    QPointingDevice *m_touchScreen = nullptr;
};

namespace {

// The test screens, side by side, and the factor each gives.
struct TestScreen
{
    QSize size;
    int factor;
};
const TestScreen kScreens[] = {
    {{1920, 1080}, 3}, {{2560, 1440}, 4}, {{3840, 2160}, 7}, {{1366, 768}, 2}, {{640, 480}, 1}, {{1080, 1920}, 3},
};

QByteArray screensConfig()
{
    QByteArray screens;
    int x = 0;
    for (const TestScreen &s : kScreens) {
        if (!screens.isEmpty())
            screens += ',';
        screens += QStringLiteral(R"({"name":"S%1","x":%1,"y":0,"width":%2,"height":%3,"logicalDpi":96,)"
                                  R"("logicalBaseDpi":96,"dpr":1})")
                       .arg(x)
                       .arg(s.size.width())
                       .arg(s.size.height())
                       .toLatin1();
        x += s.size.width();
    }
    return R"({"synchronousWindowSystemEvents":true,"windowFrameMargins":false,"screens":[)" + screens + "]}";
}

QRect screenRect(int screen)
{
    int x = 0;
    for (int i = 0; i < screen; ++i)
        x += kScreens[i].size.width();
    return {QPoint(x, 0), kScreens[screen].size};
}

QImage grabbed(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// True when `big` shows `small` with every pixel a k x k block at `origin`
// and the window's blue everywhere else.
bool blocksOnBlue(const QImage &big, const QImage &small, int k, QPoint origin)
{
    const QRgb blue = qRgb(0, 0, 255);
    const QRect inside(origin, small.size() * k);
    for (int y = 0; y < big.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(big.constScanLine(y));
        for (int x = 0; x < big.width(); ++x) {
            const QRgb want = inside.contains(x, y) ? small.pixel((x - origin.x()) / k, (y - origin.y()) / k) : blue;
            if (line[x] != want) {
                qWarning("first difference at %d, %d", x, y);
                return false;
            }
        }
    }
    return true;
}

// The button shows its pressed picture.
bool showsDown(TPixigne *button, ButtonPicture picture)
{
    const QImage down = ButtonPictures::sunk(ButtonPictures::released(picture)).convertToFormat(QImage::Format_RGB32);
    return button->grab().toImage().convertToFormat(QImage::Format_RGB32) == down;
}

// Runs `probe` on the modal dialog that `open` brings up, then closes it.
template <typename Probe> bool withDialog(const std::function<void()> &open, Probe probe)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        seen = dialog != nullptr;
        if (dialog) {
            probe(dialog);
            dialog->reject();
        }
    });
    open();
    return seen;
}

const QByteArray kClass = "2203060110000000000000000000000000000000000"; // print, mode 2, 3 to 6
const QByteArray kOwn = "3601241110000000000000000000000000000000000";   // capitals, mode 6

} // namespace

void FullScreenTest::initTestCase()
{
    m_folder = std::make_unique<PictureFolder>();
    QVERIFY(QDir::setCurrent(m_folder->path()));
    QApplication::setQuitOnLastWindowClosed(false);
    QCOMPARE(QGuiApplication::screens().size(), int(std::size(kScreens)));
    m_touchScreen = QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
}

void FullScreenTest::init()
{
    QFile::remove(QStringLiteral("imolectu.dat"));
    qunsetenv("XDG_CONFIG_DIRS");
}

void FullScreenTest::cleanup()
{
    m_window.reset();
}

void FullScreenTest::makeWindow(const GameFolders &folders)
{
    m_window = std::make_unique<TCadreGeneral>(TestSets::make(), folders);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void FullScreenTest::enterFullScreen(int screen)
{
    m_window->move(screenRect(screen).topLeft() + QPoint(20, 20));
    QTest::keyClick(m_window.get(), Qt::Key_F11);
    QVERIFY(m_window->fullScreen());
    QTRY_COMPARE(m_window->size(), kScreens[screen].size);
}

QPoint FullScreenTest::windowPoint(QPoint at) const
{
    const int k = m_window->zoom();
    const QSize margin = (m_window->size() - QSize(331, 291) * k) / 2;
    return QPoint(margin.width(), margin.height()) * (m_window->fullScreen() ? 1 : 0) + at * k + QPoint(k / 2, k / 2);
}

void FullScreenTest::fillsTheScreen_data()
{
    QTest::addColumn<int>("screen");
    for (int i = 0; i < int(std::size(kScreens)); ++i)
        QTest::addRow("%dx%d", kScreens[i].size.width(), kScreens[i].size.height()) << i;
}

// The whole window, each designed pixel a k x k block, centred on blue;
// Escape leaves it so; F11 gives back the window at the factor it had.
void FullScreenTest::fillsTheScreen()
{
    QFETCH(int, screen);
    makeWindow();
    m_window->Timer1->stop();
    const QImage plain = grabbed(m_window.get());
    m_window->setZoom(2);
    enterFullScreen(screen);
    const int k = kScreens[screen].factor;
    QCOMPARE(m_window->zoom(), k);
    QCOMPARE(m_window->screen()->geometry(), screenRect(screen));
    const QSize margin = (kScreens[screen].size - QSize(331, 291) * k) / 2;
    QVERIFY(blocksOnBlue(grabbed(m_window.get()), plain, k, QPoint(margin.width(), margin.height())));

    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    QVERIFY(m_window->fullScreen());
    QTest::keyClick(m_window.get(), Qt::Key_F11);
    QVERIFY(!m_window->fullScreen());
    QCOMPARE(m_window->zoom(), 2);
    QTRY_COMPARE(m_window->size(), QSize(662, 582));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
}

void FullScreenTest::clicksHitDesignedPixels_data()
{
    QTest::addColumn<QPoint>("at");  // designed pixel
    QTest::addColumn<int>("corner"); // 0 top-left, 1 bottom-right of its block
    QTest::addColumn<int>("cell");
    for (int corner : {0, 1}) {
        QTest::addRow("first column of cell 1, corner %d", corner) << QPoint(16, 100) << corner << 1;
        QTest::addRow("column left of cell 1, corner %d", corner) << QPoint(15, 100) << corner << 0;
        QTest::addRow("bottom row of cell 4, corner %d", corner) << QPoint(313, 133) << corner << 4;
        QTest::addRow("row below cell 4, corner %d", corner) << QPoint(313, 134) << corner << 0;
    }
}

void FullScreenTest::clicksHitDesignedPixels()
{
    QFETCH(QPoint, at);
    QFETCH(int, corner);
    QFETCH(int, cell);
    makeWindow();
    m_window->Timer1->stop();
    enterFullScreen(0);
    const int k = m_window->zoom();
    const QPoint pos = windowPoint(at) - QPoint(k / 2, k / 2) + QPoint(k - 1, k - 1) * corner;
    QWidget *under = m_window->childAt(pos);
    QVERIFY(under);
    QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(m_window.get(), pos));
    QCOMPARE(int(m_window->game().turn().ImageCliquee), cell);
}

void FullScreenTest::zoomKeysWithinTheScreen()
{
    makeWindow();
    enterFullScreen(0);
    const auto press = [this](int key) { QTest::keyClick(m_window.get(), Qt::Key(key), Qt::ControlModifier); };
    press(Qt::Key_Plus);
    QCOMPARE(m_window->zoom(), 3);
    press(Qt::Key_Minus);
    QCOMPARE(m_window->zoom(), 2);
    QCOMPARE(m_window->size(), QSize(1920, 1080));
    // Still centred: the "Suite" button's middle is where the factor puts it.
    QCOMPARE(designedWidgetAt(windowPoint({311, 235})), m_window->PixigneOK);
    press(Qt::Key_0);
    QCOMPARE(m_window->zoom(), 3);
}

// A projector plugged in or the resolution changed: the window manager
// gives the window the new size, and the factor is chosen for it.
void FullScreenTest::newScreenSizeChoosesAgain()
{
    makeWindow();
    enterFullScreen(2);
    QCOMPARE(m_window->zoom(), 7);
    m_window->resize(1366, 768);
    QTRY_COMPARE(m_window->zoom(), 2);
    QCOMPARE(designedWidgetAt(windowPoint({311, 235})), m_window->PixigneOK);
}

void FullScreenTest::dialogsOverFullScreen_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("factor");
    // As large as the game, unless that would not fit the screen.
    QTest::newRow("settings on 1920x1080") << "PixigneOutils" << 0 << 3;
    QTest::newRow("rules on 1920x1080") << "PixigneLogo" << 0 << 3;
    QTest::newRow("help on 1920x1080") << "PixigneAide" << 0 << 2;
    QTest::newRow("settings on 3840x2160") << "PixigneOutils" << 2 << 7;
    QTest::newRow("help on 3840x2160") << "PixigneAide" << 2 << 5;
}

// Centred over the game at its factor, F11 meanwhile changing nothing, and
// the game still in full screen once the dialog is closed.
void FullScreenTest::dialogsOverFullScreen()
{
    QFETCH(QString, button);
    QFETCH(int, screen);
    QFETCH(int, factor);
    makeWindow();
    enterFullScreen(screen);
    auto *pixigne = Zoom::page(m_window.get())->findChild<TPixigne *>(button);
    QVERIFY(pixigne);
    const QPoint at = windowPoint(pixigne->mapTo(Zoom::page(m_window.get()), QPoint(10, 10)));
    QCOMPARE(designedWidgetAt(at), pixigne);
    QWidget *under = m_window->childAt(at);
    const bool opened = withDialog(
        [&] { QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(m_window.get(), at)); },
        [&](QDialog *dialog) {
            QCOMPARE(Zoom::factor(dialog), factor);
            const QRect area = screenRect(screen);
            QVERIFY(area.contains(dialog->geometry()));
            const QPoint off = dialog->geometry().center() - area.center();
            QVERIFY2(off.manhattanLength() <= 2, qPrintable(QStringLiteral("%1, %2").arg(off.x()).arg(off.y())));
            QTest::keyClick(dialog, Qt::Key_F11);
            QVERIFY(dialog->isVisible());
        });
    QVERIFY(opened);
    QVERIFY(m_window->fullScreen());
    QCOMPARE(m_window->size(), kScreens[screen].size);
    QCOMPARE(m_window->zoom(), kScreens[screen].factor);
}

void FullScreenTest::taps_data()
{
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<int>("judged"); // cell judged, 0 none; -1 Suite pressed
    for (bool full : {false, true}) {
        const char *where = full ? "full screen" : "window";
        QTest::addRow("%s: tap on a picture", where) << full << "tap 2" << 2;
        QTest::addRow("%s: two fingers, the later judged", where) << full << "two 1 3" << 3;
        QTest::addRow("%s: swipe across the pictures", where) << full << "swipe 1 4" << 1;
        QTest::addRow("%s: long press", where) << full << "long 4" << 4;
        QTest::addRow("%s: tap on Suite", where) << full << "suite" << -1;
        QTest::addRow("%s: finger slides off Suite", where) << full << "slide" << 0;
        QTest::addRow("%s: double tap on Suite, one word on", where) << full << "double" << -1;
        QTest::addRow("%s: second finger on Suite", where) << full << "second" << 1;
    }
}

// Fingers on the real window, judged by the real timer.
void FullScreenTest::taps()
{
    QFETCH(bool, fullScreen);
    QFETCH(QString, gesture);
    QFETCH(int, judged);
    makeWindow();
    if (fullScreen)
        enterFullScreen(0);
    Game &game = m_window->game();
    game.settings().TypeExercice = 2; // mode 1 would mark the target at once
    m_window->Jeu_Suivant();
    const int word = game.turn().NumeroMot;
    const QStringList g = gesture.split(QLatin1Char(' '));
    const auto cell = [this](int c) { return windowPoint(BoardLayout::pictureCentre(c)); };
    const QPoint suite = windowPoint({311, 235});
    QWidget *w = m_window.get();
    const int k = m_window->zoom();

    if (g[0] == QLatin1String("tap")) {
        QTest::touchEvent(w, m_touchScreen).press(0, cell(g[1].toInt()), w);
        QTest::touchEvent(w, m_touchScreen).release(0, cell(g[1].toInt()), w);
    } else if (g[0] == QLatin1String("two")) {
        QTest::touchEvent(w, m_touchScreen).press(0, cell(g[1].toInt()), w);
        QTest::touchEvent(w, m_touchScreen).stationary(0).press(1, cell(g[2].toInt()), w);
        QTest::touchEvent(w, m_touchScreen).release(0, cell(g[1].toInt()), w).release(1, cell(g[2].toInt()), w);
    } else if (g[0] == QLatin1String("swipe")) {
        QTest::touchEvent(w, m_touchScreen).press(0, cell(g[1].toInt()), w);
        for (int c = g[1].toInt() + 1; c <= g[2].toInt(); ++c)
            QTest::touchEvent(w, m_touchScreen).move(0, cell(c), w);
        QTest::touchEvent(w, m_touchScreen).release(0, cell(g[2].toInt()), w);
    } else if (g[0] == QLatin1String("long")) {
        QTest::touchEvent(w, m_touchScreen).press(0, cell(g[1].toInt()), w);
        QTest::qWait(1200);
        QTest::touchEvent(w, m_touchScreen).release(0, cell(g[1].toInt()), w);
    } else if (g[0] == QLatin1String("suite")) {
        QTest::touchEvent(w, m_touchScreen).press(0, suite, w);
        QVERIFY(showsDown(m_window->PixigneOK, ButtonPicture::OK));
        QTest::touchEvent(w, m_touchScreen).release(0, suite, w);
    } else if (g[0] == QLatin1String("double")) {
        // As a double click: one click and one double click.
        QSignalSpy clicks(m_window->PixigneOK, &TPixigne::OnClick);
        QSignalSpy doubles(m_window->PixigneOK, &TPixigne::OnDblClick);
        for (int i = 0; i < 2; ++i) {
            QTest::touchEvent(w, m_touchScreen).press(0, suite, w);
            QTest::touchEvent(w, m_touchScreen).release(0, suite, w);
        }
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(doubles.size(), 1);
    } else if (g[0] == QLatin1String("slide")) {
        QTest::touchEvent(w, m_touchScreen).press(0, suite, w);
        QTest::touchEvent(w, m_touchScreen).move(0, suite - QPoint(20, 20) * k, w);
        QVERIFY(!showsDown(m_window->PixigneOK, ButtonPicture::OK));
        QTest::touchEvent(w, m_touchScreen).release(0, suite - QPoint(20, 20) * k, w);
    } else if (g[0] == QLatin1String("second")) {
        // The first finger on a picture, the second taps "Suite": a button
        // held by no other finger still works, and the picture was judged
        // before the new word came.
        QTest::touchEvent(w, m_touchScreen).press(0, cell(1), w);
        QTRY_VERIFY_WITH_TIMEOUT(game.turn().DejaClique[1], 10000);
        QTest::touchEvent(w, m_touchScreen).stationary(0).press(1, suite, w);
        QTest::touchEvent(w, m_touchScreen).stationary(0).release(1, suite, w);
        QTest::touchEvent(w, m_touchScreen).release(0, cell(1), w);
        QVERIFY(game.turn().NumeroMot != word);
        return;
    }

    if (judged == -1) {
        QVERIFY(game.turn().NumeroMot != word);
        return;
    }
    QCOMPARE(game.turn().NumeroMot, word);
    if (judged > 0)
        QTRY_VERIFY_WITH_TIMEOUT(game.turn().DejaClique[judged], 10000);
    // Two more ticks: nothing else is judged.
    QTest::qWait(3 * TCadreGeneral::kTickMs);
    for (int c = 1; c <= BoardLayout::kCells; ++c)
        QVERIFY2(game.turn().DejaClique[c] == (c == judged), qPrintable(QString::number(c)));
}

void FullScreenTest::classLock_data()
{
    QTest::addColumn<bool>("lock");
    QTest::addColumn<QByteArray>("classFile"); // empty: none
    QTest::addColumn<QByteArray>("own");       // empty: none
    QTest::addColumn<QString>("settings");     // style mode min max, at start
    QTest::addColumn<bool>("dialogOpens");

    QTest::newRow("no lock: the own file") << false << kClass << kOwn << "3 6 1 24" << true;
    QTest::newRow("lock: the class default") << true << kClass << kOwn << "2 2 3 6" << false;
    QTest::newRow("lock without class default: the defaults") << true << QByteArray() << kOwn << "1 1 1 24" << false;
    QTest::newRow("lock, no own file yet") << true << kClass << QByteArray() << "2 2 3 6" << false;
}

// A class folder made for the test, found through $XDG_CONFIG_DIRS as the
// program finds it.
void FullScreenTest::classLock()
{
    QFETCH(bool, lock);
    QFETCH(QByteArray, classFile);
    QFETCH(QByteArray, own);
    QFETCH(QString, settings);
    QFETCH(bool, dialogOpens);

    QTemporaryDir root;
    const QString lecture = root.filePath(QStringLiteral("etc/xdg/lecture"));
    QVERIFY(QDir().mkpath(lecture));
    if (lock)
        QVERIFY(TestFiles::write(lecture + QStringLiteral("/verrou"), ""));
    if (!classFile.isEmpty())
        QVERIFY(TestFiles::write(lecture + QStringLiteral("/imolectu.dat"), classFile));
    const QString ownFile = QDir::current().filePath(QStringLiteral("imolectu.dat"));
    if (!own.isEmpty())
        QVERIFY(TestFiles::write(ownFile, own));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(root.filePath(QStringLiteral("etc/xdg"))));

    makeWindow(DataPaths::forThisRun());
    Game &game = m_window->game();
    const GameSettings &s = game.settings();
    const auto shown = [&s] {
        return QStringLiteral("%1 %2 %3 %4")
            .arg(s.StyleCaracteres)
            .arg(s.TypeExercice)
            .arg(s.TailleMini)
            .arg(s.TailleMaxi);
    };
    QCOMPARE(shown(), settings);

    const QString hint = m_window->PixigneOutils->toolTip();
    const QImage picture = m_window->PixigneOutils->grab().toImage();
    if (dialogOpens) {
        QVERIFY(withDialog([&] { QTest::mouseClick(m_window->PixigneOutils, Qt::LeftButton); }, [](QDialog *) {}));
    } else {
        QTest::mouseClick(m_window->PixigneOutils, Qt::LeftButton);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(m_window->PixigneOutils->toolTip(), hint);
        QVERIFY(m_window->PixigneOutils->grab().toImage() == picture);
    }
    // The letter style still changes, for the session.
    const int style = s.StyleCaracteres;
    QTest::mouseClick(m_window->PixigneAnnul, Qt::LeftButton);
    QCOMPARE(int(s.StyleCaracteres), style % 3 + 1);

    QTest::mouseClick(m_window->PixigneQuitter, Qt::LeftButton);
    if (lock) {
        QCOMPARE(TestFiles::read(ownFile), own.isEmpty() ? QByteArray("<unreadable>") : own);
    } else {
        QCOMPARE(TestFiles::read(ownFile).size(), 43);
        QCOMPARE(TestFiles::read(ownFile).left(1), QByteArray::number(style % 3 + 1));
    }
    if (!classFile.isEmpty())
        QCOMPARE(TestFiles::read(lecture + QStringLiteral("/imolectu.dat")), classFile);
}

int main(int argc, char *argv[])
{
    // The test screens, when the tests run on the offscreen platform.
    QTemporaryDir configDir;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        const QString config = configDir.filePath(QStringLiteral("screens.json"));
        if (!TestFiles::write(config, screensConfig()))
            return 1;
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    }
    QApplication app(argc, argv);
    FullScreenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "fullscreen_test.moc"
