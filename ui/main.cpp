#include "buttonpictures.h"
#include "datapaths.h"
#include "tcadregeneral.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lecture"));
    // Ties the window to the installed menu entry (its icon and name).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.velune.Lecture"));
    QApplication::setWindowIcon(ButtonPictures::windowIcon());

    const DataPaths::Folders folders = DataPaths::forThisRun();
    TCadreGeneral window(GlyphSets::fromResources(), folders);
    window.zoomAuto();
    window.show();
    return app.exec();
}
