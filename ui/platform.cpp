#include "platform.h"

#include <QApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStyleFactory>

#include <algorithm>
#include <cmath>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace Platform {

void prepareApplication()
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    // Qt applies a factor set by hand without the rounding policy.
    const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
    if (!scale.isEmpty())
        qputenv("QT_SCALE_FACTOR", wholeScaleFactor(scale));
#ifdef Q_OS_WIN
    // The dialogs are laid out for the glyph widths FreeType gives the
    // shipped fonts on Linux; the same engine gives the same widths here.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
#endif
}

void setUpApplication()
{
#ifdef Q_OS_WIN
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
#endif
}

QByteArray wholeScaleFactor(const QByteArray &value)
{
    bool ok = false;
    const double factor = value.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(factor) || factor <= 0)
        return value;
    return QByteArray::number(std::max(1.0, std::floor(factor + 0.5)));
}

void beep()
{
#ifdef Q_OS_WIN
    // The system's default alert sound, type 0.
    MessageBeep(0);
#else
    QApplication::beep();
#endif
}

bool launchPublisherProgram(const QString &program)
{
    return QProcess::startDetached(program, {}, QFileInfo(program).absolutePath());
}

} // namespace Platform
