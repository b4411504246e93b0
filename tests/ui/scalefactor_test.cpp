#include "platform.h"

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <QWidget>

#include <cstdio>
#include <cstring>

// Desktops scaled by 125 or 150 % must still draw every designed pixel as a
// whole block of device pixels: an uneven 1.5 draws one stroke of the name
// line one pixel wide and the next two.
class ScaleFactorTest : public QObject
{
    Q_OBJECT
private slots:
    void wholeScaleFactor_data();
    void wholeScaleFactor();
    void windowDrawsWholePixels_data();
    void windowDrawsWholePixels();
};

void ScaleFactorTest::wholeScaleFactor_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("whole");
    QTest::newRow("1") << QByteArray("1") << QByteArray("1");
    QTest::newRow("1.25 rounds down") << QByteArray("1.25") << QByteArray("1");
    QTest::newRow("1.5 rounds up") << QByteArray("1.5") << QByteArray("2");
    QTest::newRow("1.75") << QByteArray("1.75") << QByteArray("2");
    QTest::newRow("2") << QByteArray("2") << QByteArray("2");
    QTest::newRow("below one stays one") << QByteArray("0.4") << QByteArray("1");
    // Left for Qt, which warns about them and ignores them.
    QTest::newRow("not a number") << QByteArray("big") << QByteArray("big");
    QTest::newRow("negative") << QByteArray("-2") << QByteArray("-2");
}

void ScaleFactorTest::wholeScaleFactor()
{
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, whole);
    QCOMPARE(Platform::wholeScaleFactor(value), whole);
}

void ScaleFactorTest::windowDrawsWholePixels_data()
{
    QTest::addColumn<QString>("scale");
    QTest::addColumn<QString>("pixelRatio");
    QTest::newRow("100 %") << "1"
                           << "1";
    QTest::newRow("125 %") << "1.25"
                           << "1";
    QTest::newRow("150 %") << "1.5"
                           << "2";
    QTest::newRow("200 %") << "2"
                           << "2";
}

// The factor is read once, when the application starts: each row starts a
// program of its own, this one in probe mode, as the game starts.
void ScaleFactorTest::windowDrawsWholePixels()
{
    QFETCH(QString, scale);
    QFETCH(QString, pixelRatio);
    QProcess probe;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
    probe.setProcessEnvironment(env);
    probe.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--probe")});
    QVERIFY(probe.waitForFinished(60000));
    QCOMPARE(probe.exitCode(), 0);
    QCOMPARE(QString::fromLatin1(probe.readAllStandardOutput()).trimmed(), pixelRatio);
}

namespace {

// Prints the device pixels per designed pixel of a shown window.
int probe(int argc, char *argv[])
{
    Platform::prepareApplication();
    QApplication app(argc, argv);
    QWidget window;
    window.resize(331, 255);
    window.show();
    printf("%g\n", window.devicePixelRatioF());
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--probe") == 0)
        return probe(argc, argv);
    QApplication app(argc, argv);
    ScaleFactorTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "scalefactor_test.moc"
