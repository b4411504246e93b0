#include "datapaths.h"
#include "imagefile.h"
#include "tcadregeneral.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QPixmap>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lecture"));
    // Ties the window to the installed menu entry (its icon and name).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.velune.Lecture"));
    const QString icon = QStringLiteral(":/icon/lecture.xpm");
    // Not QIcon(path): that loads every image plugin to probe the file.
    if (QFile::exists(icon))
        QApplication::setWindowIcon(QIcon(QPixmap::fromImage(ImageFile::read(icon))));

    const DataPaths::Folders folders = DataPaths::forThisRun();
    TCadreGeneral window(GlyphSets::fromResources(), folders);
    window.zoomAuto();
    window.show();
    return app.exec();
}
