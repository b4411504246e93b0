// Linked into measuring builds only: ends the program once the widget named
// "board" has been painted for the first time, and prints on stdout
//   app_ns=<t> show_ns=<t> firstpaint_ns=<t> vmhwm_kb=<kB>
// with CLOCK_MONOTONIC times (the caller knows when it started the process):
// application being built, main window built and being shown, board painted;
// and the peak resident memory so far. The program's own main() runs
// untouched: the probe hooks in from QCoreApplication's constructor.
#include "procstatus.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace {

qint64 monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

class FirstPaintProbe : public QObject
{
public:
    explicit FirstPaintProbe(qint64 appNs)
        : m_appNs(appNs)
    { }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && m_showNs == 0 && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow())
            m_showNs = monotonicNs();
        if (event->type() == QEvent::Paint && !m_seen && watched->objectName() == QLatin1String("board")) {
            m_seen = true;
            // The paint event is only on its way in: report after it has been
            // painted and the window flushed, on the next turn of the loop.
            QTimer::singleShot(0, this, &FirstPaintProbe::report);
        }
        return false;
    }

private:
    void report()
    {
        std::printf("app_ns=%lld show_ns=%lld firstpaint_ns=%lld vmhwm_kb=%ld\n", static_cast<long long>(m_appNs),
                    static_cast<long long>(m_showNs), static_cast<long long>(monotonicNs()), procStatusKb("VmHWM"));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    qint64 m_appNs;
    qint64 m_showNs = 0;
    bool m_seen = false;
};

void installProbe()
{
    // Runs while the application object is being built: by now the
    // libraries are loaded and static initialisation is done.
    auto *probe = new FirstPaintProbe(monotonicNs());
    probe->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(probe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
