#include "platform.h"

#include <QApplication>
#include <QFileInfo>
#include <QProcess>

namespace Platform {

void beep()
{
    QApplication::beep();
}

bool launchPublisherProgram(const QString &program)
{
    return QProcess::startDetached(program, {}, QFileInfo(program).absolutePath());
}

} // namespace Platform
