#include "datapaths.h"

#include "settingsfile.h"
#include "wordlist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace DataPaths {

namespace {

// An images/ folder counts only when it holds a picture of the game: a
// child's home folder often has an images/ folder of its own photos, and the
// menu starts the game there.
bool holdsPictures(const QString &dir)
{
    const QDir images(QDir(dir).filePath(QStringLiteral("images")));
    if (!QFileInfo(images.path()).isDir())
        return false;
    for (int i = 0; i < WordList::kCount; ++i) {
        const QByteArray key = WordList::key(i);
        if (!key.isEmpty() && images.exists(QString::fromLatin1(key) + QStringLiteral(".bmp")))
            return true;
    }
    return false;
}

} // namespace

Layout nativeLayout()
{
#ifdef Q_OS_WIN
    return Layout::Installer;
#else
    return Layout::Prefix;
#endif
}

QString installedDataDir(const QString &executableDir, Layout layout)
{
    if (layout == Layout::Installer) {
        // What an installer leaves beside the program tells an installed
        // copy from an unpacked one, which keeps its settings beside it: the
        // list of installed files both installers put there, or the setup's
        // uninstaller alone, as the first setup left it.
        const QDir dir(executableDir);
        for (const char *mark : {"INSTALLED-FILES.txt", "uninstall.exe"}) {
            if (QFileInfo(dir.filePath(QLatin1String(mark))).isFile())
                return QDir::cleanPath(executableDir);
        }
        return {};
    }
    // Relative to the executable so that any installation prefix works.
    return QDir::cleanPath(executableDir + QStringLiteral("/../share/lecture"));
}

GameFolders choose(const QString &currentDir, const QString &executableDir, const QString &userDataDir, Layout layout)
{
    const QString installed = installedDataDir(executableDir, layout);
    const bool useInstalled = !installed.isEmpty() && !userDataDir.isEmpty() && holdsPictures(installed);
    const bool inInstalled =
        useInstalled && QFileInfo(currentDir).canonicalFilePath() == QFileInfo(installed).canonicalFilePath();
    if (holdsPictures(currentDir) && !inInstalled)
        return {};
    // Without an installed copy either, the game reports the missing
    // pictures from the working directory as before.
    if (!useInstalled)
        return {};
    return {installed, userDataDir, {}};
}

QString publisherProgram(const QString &gameDir)
{
    if (!holdsPictures(gameDir))
        return {};
    const QFileInfo program(QDir(gameDir).filePath(QStringLiteral("velune.exe")));
    return program.isFile() ? program.absoluteFilePath() : QString();
}

QString settingsToLoad(const QString &userFile, const QStringList &systemConfigDirs)
{
    // Only the file's presence counts: a damaged class default is decoded
    // like any settings file, and one that cannot be read beeps.
    if (QFileInfo::exists(userFile))
        return userFile;
    for (const QString &dir : systemConfigDirs) {
        QString candidate = QDir(dir).filePath(QStringLiteral("lecture/") + SettingsFile::kFileName);
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return userFile;
}

std::optional<QString> lockedSettings(const QStringList &systemConfigDirs)
{
    for (const QString &dir : systemConfigDirs) {
        const QDir lecture(QDir(dir).filePath(QStringLiteral("lecture")));
        if (!QFileInfo::exists(lecture.filePath(QStringLiteral("verrou"))))
            continue;
        const QString classDefault = lecture.filePath(SettingsFile::kFileName);
        return QFileInfo(classDefault).isFile() ? classDefault : QString();
    }
    return {};
}

QStringList systemConfigDirs()
{
    QStringList dirs = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    // A class default is the administrator's: the user's own configuration
    // folder comes first in the list and is left out.
    dirs.removeAll(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    return dirs;
}

GameFolders forThisRun()
{
    GameFolders folders = choose(QDir::currentPath(), QCoreApplication::applicationDirPath(),
                                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    // A locked class, installed or copied: the user's own file is neither
    // read nor written, nor its folder made.
    if (const std::optional<QString> locked = lockedSettings(systemConfigDirs())) {
        folders.locked = true;
        folders.startSettings = *locked;
        return folders;
    }
    // The game only writes the file; the folder must already be there.
    if (!folders.settingsDir.isEmpty()) {
        QDir().mkpath(folders.settingsDir);
        const QString own = QDir(folders.settingsDir).filePath(SettingsFile::kFileName);
        const QString start = settingsToLoad(own, systemConfigDirs());
        if (start != own)
            folders.startSettings = start;
    }
    return folders;
}

} // namespace DataPaths
