#include "datapaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace DataPaths {

namespace {

bool holdsPictures(const QString &dir)
{
    return QFileInfo(QDir(dir), QStringLiteral("images")).isDir();
}

} // namespace

QString installedDataDir(const QString &executableDir)
{
    // Relative to the executable so that any installation prefix works.
    return QDir::cleanPath(executableDir + QStringLiteral("/../share/lecture"));
}

Folders choose(const QString &currentDir, const QString &executableDir, const QString &userDataDir)
{
    if (holdsPictures(currentDir))
        return {};
    const QString installed = installedDataDir(executableDir);
    // Without an installed copy either, the game reports the missing
    // pictures from the working directory as before.
    if (userDataDir.isEmpty() || !holdsPictures(installed))
        return {};
    return {installed, userDataDir};
}

Folders forThisRun()
{
    const Folders folders = choose(QDir::currentPath(), QCoreApplication::applicationDirPath(),
                                   QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    // The game only writes the file; the folder must already be there.
    if (!folders.settingsDir.isEmpty())
        QDir().mkpath(folders.settingsDir);
    return folders;
}

} // namespace DataPaths
