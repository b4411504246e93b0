#include "platform.h"

#include <QApplication>
#include <QDir>
#include <QProcess>

namespace Platform {

void beep()
{
    QApplication::beep();
}

bool launchPublisherProgram(const QString &workDir)
{
    const QString program = QDir(workDir).filePath(QStringLiteral("velune.exe"));
    return QProcess::startDetached(program, {}, workDir);
}

} // namespace Platform
