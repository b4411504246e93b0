#include "boardlayout.h"
#include "buttonpictures.h"
#include "classsettings.h"
#include "datapaths.h"
#include "magnified.h"
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
#include <QFileInfo>
#include <QMessageBox>
#include <QScopeGuard>
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
    void dialogsOverTheGame_data();
    void dialogsOverTheGame();
    void taps_data();
    void taps();
    void classLock_data();
    void classLock();

private:
    void makeWindow(const GameFolders &folders = {});
    void enterFullScreen(int screen);
    enum Corner { First, Middle, Last };
    // Where designed pixel `at` is in the window: the first whole window
    // pixel of its block, its middle or its last.
    QPoint windowPoint(QPoint at, Corner corner = Middle) const;
    // A press and release of the left button at `pos` in the window.
    void clickAt(QPoint pos);
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

const QSize kDesign(331, 291);

// The test screens, side by side: their size in device pixels, the desktop's
// scale, the factor each gives (in device pixels) and where the drawing
// starts. An odd margin puts the extra pixel right and below; on a scaled
// desktop the drawing starts on a whole window pixel.
struct TestScreen
{
    QSize size;
    int dpr;
    int factor;
    QPoint origin;
};
const TestScreen kScreens[] = {
    {{1920, 1080}, 1, 3, {463, 103}}, {{2560, 1440}, 1, 4, {618, 138}}, {{3840, 2160}, 1, 7, {761, 61}},
    {{1366, 768}, 1, 2, {352, 93}},   {{640, 480}, 1, 1, {154, 94}},    {{1080, 1920}, 1, 3, {43, 523}},
    {{3840, 2160}, 2, 7, {760, 60}},
};
const int kScaled = 6;

QByteArray screensConfig()
{
    QByteArray screens;
    int x = 0;
    for (const TestScreen &s : kScreens) {
        if (!screens.isEmpty())
            screens += ',';
        screens += QStringLiteral(R"({"name":"S%1","x":%1,"y":0,"width":%2,"height":%3,"logicalDpi":96,)"
                                  R"("logicalBaseDpi":96,"dpr":%4})")
                       .arg(x)
                       .arg(s.size.width() / s.dpr)
                       .arg(s.size.height() / s.dpr)
                       .arg(s.dpr)
                       .toLatin1();
        x += s.size.width() / s.dpr;
    }
    return R"({"synchronousWindowSystemEvents":true,"windowFrameMargins":false,"screens":[)" + screens + "]}";
}

// In window pixels, as the offscreen platform is given them.
QRect screenRect(int screen)
{
    int x = 0;
    for (int i = 0; i < screen; ++i)
        x += kScreens[i].size.width() / kScreens[i].dpr;
    return {QPoint(x, 0), kScreens[screen].size / kScreens[screen].dpr};
}

int ratio(const QWidget *w)
{
    return qRound(w->devicePixelRatioF());
}

// The button shows its pressed picture.
bool showsDown(TPixigne *button, ButtonPicture picture)
{
    const QImage down = ButtonPictures::sunk(ButtonPictures::released(picture)).convertToFormat(QImage::Format_RGB32);
    return Magnified::grabbed(button) == down;
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
    QTRY_COMPARE(m_window->size(), screenRect(screen).size());
}

QPoint FullScreenTest::windowPoint(QPoint at, Corner corner) const
{
    const int dpr = ratio(m_window.get());
    const int k = m_window->fullScreen() ? m_window->zoom() : m_window->zoom() * dpr;
    const auto axis = [&](int designed, int area, int length) {
        // The drawing's first window pixel, the margin's odd one after it.
        const int origin = m_window->fullScreen() ? (area - (length * k + dpr - 1) / dpr) / 2 : 0;
        const int first = designed * k;
        switch (corner) {
        case First: return origin + (first + dpr - 1) / dpr;
        case Last: return origin + (first + k - 1) / dpr;
        default: return origin + (first + k / 2) / dpr;
        }
    };
    return {axis(at.x(), m_window->width(), kDesign.width()), axis(at.y(), m_window->height(), kDesign.height())};
}

void FullScreenTest::clickAt(QPoint pos)
{
    QWidget *under = m_window->childAt(pos);
    QVERIFY(under);
    QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(m_window.get(), pos));
}

void FullScreenTest::fillsTheScreen_data()
{
    QTest::addColumn<int>("screen");
    for (int i = 0; i < int(std::size(kScreens)); ++i)
        QTest::addRow("%dx%d at scale %d", kScreens[i].size.width(), kScreens[i].size.height(), kScreens[i].dpr) << i;
}

// The whole window, each designed pixel a k x k block of device pixels,
// centred on blue; Escape leaves it so; F11 gives back the window at the
// factor it had.
void FullScreenTest::fillsTheScreen()
{
    QFETCH(int, screen);
    makeWindow();
    m_window->Timer1->stop();
    const QImage plain = Magnified::grabbed(m_window.get());
    m_window->setZoom(2);
    enterFullScreen(screen);
    const TestScreen &s = kScreens[screen];
    QCOMPARE(m_window->zoom(), s.factor);
    QCOMPARE(m_window->screen()->geometry(), screenRect(screen));
    const QImage shown = Magnified::grabbed(m_window.get());
    QCOMPARE(shown.size(), s.size);
    QVERIFY(Magnified::blocksOn(shown, plain, s.factor, s.origin, QColor(0, 0, 255)));

    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    QVERIFY(m_window->fullScreen());
    QTest::keyClick(m_window.get(), Qt::Key_F11);
    QVERIFY(!m_window->fullScreen());
    QCOMPARE(m_window->zoom(), 2);
    QTRY_COMPARE(m_window->size(), kDesign * 2);
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
}

void FullScreenTest::clicksHitDesignedPixels_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QPoint>("at"); // designed pixel
    QTest::addColumn<int>("corner");
    QTest::addColumn<int>("cell");
    for (int screen : {0, kScaled}) {
        for (int corner : {First, Last}) {
            const char *c = corner == First ? "first" : "last";
            const int d = kScreens[screen].dpr;
            QTest::addRow("scale %d: first column of cell 1, %s pixel", d, c)
                << screen << QPoint(16, 100) << corner << 1;
            QTest::addRow("scale %d: column left of cell 1, %s pixel", d, c)
                << screen << QPoint(15, 100) << corner << 0;
            QTest::addRow("scale %d: bottom row of cell 4, %s pixel", d, c)
                << screen << QPoint(313, 133) << corner << 4;
            QTest::addRow("scale %d: row below cell 4, %s pixel", d, c) << screen << QPoint(313, 134) << corner << 0;
        }
    }
}

void FullScreenTest::clicksHitDesignedPixels()
{
    QFETCH(int, screen);
    QFETCH(QPoint, at);
    QFETCH(int, corner);
    QFETCH(int, cell);
    makeWindow();
    m_window->Timer1->stop();
    enterFullScreen(screen);
    clickAt(windowPoint(at, Corner(corner)));
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

void FullScreenTest::dialogsOverTheGame_data()
{
    QTest::addColumn<QString>("opener"); // a button, or "picture" for an unreadable one
    QTest::addColumn<int>("screen");     // -1: the window at factor 2
    QTest::addColumn<int>("factor");
    // As large as the game in whole window pixels, unless that would not
    // fit the screen.
    QTest::newRow("settings on 1920x1080") << "PixigneOutils" << 0 << 3;
    QTest::newRow("rules on 1920x1080") << "PixigneLogo" << 0 << 3;
    QTest::newRow("help on 1920x1080") << "PixigneAide" << 0 << 2;
    QTest::newRow("settings on 3840x2160") << "PixigneOutils" << 2 << 7;
    QTest::newRow("help on 3840x2160") << "PixigneAide" << 2 << 5;
    QTest::newRow("settings on 3840x2160 at scale 2") << "PixigneOutils" << kScaled << 3;
    QTest::newRow("unreadable picture on 1920x1080") << "picture" << 0 << 3;
    QTest::newRow("unreadable picture on 3840x2160") << "picture" << 2 << 7;
    QTest::newRow("unreadable picture in the window") << "picture" << -1 << 2;
}

// Centred over the game at its factor, F11 meanwhile changing nothing, and
// the game still as it was once the dialog is closed.
void FullScreenTest::dialogsOverTheGame()
{
    QFETCH(QString, opener);
    QFETCH(int, screen);
    QFETCH(int, factor);
    const bool picture = opener == QLatin1String("picture");
    // Its own pictures, taken away once the game is shown: the next word's
    // cannot be read.
    PictureFolder pictures;
    makeWindow({picture ? pictures.path() : QString()});
    if (screen >= 0)
        enterFullScreen(screen);
    else
        m_window->setZoom(2);
    const QSize size = m_window->size();
    const int zoom = m_window->zoom();
    TPixigne *pixigne = picture ? m_window->PixigneOK : Zoom::page(m_window.get())->findChild<TPixigne *>(opener);
    QVERIFY(pixigne);
    const QPoint at = windowPoint(pixigne->mapTo(Zoom::page(m_window.get()), QPoint(10, 10)));
    QCOMPARE(designedWidgetAt(at), pixigne);
    if (picture)
        QVERIFY(QDir(pictures.path()).rename(QStringLiteral("images"), QStringLiteral("gone")));
    const bool opened = withDialog([&] { clickAt(at); },
                                   [&](QDialog *dialog) {
                                       QCOMPARE(Zoom::factor(dialog), factor);
                                       QCOMPARE(qobject_cast<QMessageBox *>(dialog) != nullptr, picture);
                                       const QRect game = m_window->geometry();
                                       QVERIFY(m_window->screen()->geometry().contains(dialog->geometry()));
                                       const QPoint off = dialog->geometry().center() - game.center();
                                       QVERIFY2(off.manhattanLength() <= 2,
                                                qPrintable(QStringLiteral("%1, %2").arg(off.x()).arg(off.y())));
                                       QTest::keyClick(dialog, Qt::Key_F11);
                                       QVERIFY(dialog->isVisible());
                                       // The message closes by Enter, as at factor 1.
                                       if (picture) {
                                           QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                                           QVERIFY(!dialog->isVisible());
                                       }
                                   });
    QVERIFY(opened);
    QCOMPARE(m_window->fullScreen(), screen >= 0);
    QCOMPARE(m_window->size(), size);
    QCOMPARE(m_window->zoom(), zoom);
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
    using ClassSettings::kClass;
    using ClassSettings::kOwn;
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

// A class folder made for the test, where the program finds it: through
// $XDG_CONFIG_DIRS, or on Windows, which has no such variable, the machine's
// own (C:\ProgramData\lecture), made for the test and removed after it,
// never one that is already there.
void FullScreenTest::classLock()
{
    QFETCH(bool, lock);
    QFETCH(QByteArray, classFile);
    QFETCH(QByteArray, own);
    QFETCH(QString, settings);
    QFETCH(bool, dialogOpens);

#ifdef Q_OS_WIN
    const QString lecture = QDir(DataPaths::systemConfigDirs().value(0)).filePath(QStringLiteral("lecture"));
    if (QFileInfo::exists(lecture))
        QSKIP("this machine has a class folder of its own");
#else
    QTemporaryDir root;
    const QString lecture = root.filePath(QStringLiteral("etc/xdg/lecture"));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(root.filePath(QStringLiteral("etc/xdg"))));
#endif
    QVERIFY(QDir().mkpath(lecture));
    const auto removeClass = qScopeGuard([&] { QDir(lecture).removeRecursively(); });
    if (lock)
        QVERIFY(TestFiles::write(lecture + QStringLiteral("/verrou"), ""));
    if (!classFile.isEmpty())
        QVERIFY(TestFiles::write(lecture + QStringLiteral("/imolectu.dat"), classFile));
    const QString ownFile = QDir::current().filePath(QStringLiteral("imolectu.dat"));
    if (!own.isEmpty())
        QVERIFY(TestFiles::write(ownFile, own));

    makeWindow(DataPaths::forThisRun());
    const GameSettings &s = m_window->game().settings();
    QCOMPARE(ClassSettings::text(s), settings);

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
    // The test screens, when the tests run on the offscreen platform. The
    // file is named relative to the working folder: the platform's
    // arguments are split at colons, which a Windows drive letter has.
    QTemporaryDir configDir(QStringLiteral("screens-XXXXXX"));
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        const QString config = QDir::current().relativeFilePath(configDir.filePath(QStringLiteral("screens.json")));
        if (!TestFiles::write(config, screensConfig()))
            return 1;
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    }
    QApplication app(argc, argv);
    FullScreenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "fullscreen_test.moc"
