#include "picturefolder.h"
#include "procstatus.h"
#include "soakplayer.h"

#include <QFile>
#include <QTest>

#if defined(__SANITIZE_ADDRESS__)
#define LECTURE_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LECTURE_UNDER_ASAN 1
#endif
#endif

namespace { } // namespace

class SoakTest : public QObject
{
    Q_OBJECT
private slots:
    void longRandomPlayKeepsEveryInvariant();
};

// LECTURE_SOAK_STEPS shortens the run (the sanitizer build is slower).
void SoakTest::longRandomPlayKeepsEveryInvariant()
{
    const int steps =
        qEnvironmentVariableIsSet("LECTURE_SOAK_STEPS") ? qEnvironmentVariableIntValue("LECTURE_SOAK_STEPS") : 100000;
    PictureFolder folder;
    SoakPlayer player(folder.path(), 20261208);
    long earlyKb = -1;
    for (int i = 1; i <= steps; ++i) {
        QVERIFY2(player.step(), qPrintable(QStringLiteral("step %1 %2").arg(i).arg(player.failure)));
        if (i == steps / 10)
            earlyKb = procStatusKb("VmRSS");
    }
    for (int mode = 1; mode <= 7; ++mode)
        QVERIFY2(player.modeSteps[mode] > steps / 100, qPrintable(QStringLiteral("mode %1 barely played").arg(mode)));
    // A shortened run may well end before any streak of ten.
    if (steps >= 50000)
        QVERIFY2(player.flashes() > 0, "no streak of ten was reached");

    const long lateKb = procStatusKb("VmRSS");
    if (earlyKb < 0 || lateKb < 0)
        QSKIP("the invariants held; memory growth not measured: no /proc/self/status here");
    qInfo("resident memory: %ld kB after %d steps, %ld kB after %d; %d streak flashes", earlyKb, steps / 10, lateKb,
          steps, player.flashes());
#ifndef LECTURE_UNDER_ASAN
    // Turns allocate and free pictures all the time; what stays must not grow.
    QVERIFY2(lateKb - earlyKb < 2048, "memory grew during the run");
#endif
}

QTEST_GUILESS_MAIN(SoakTest)
#include "soak_test.moc"
