#include "buttonpictures.h"
#include "datapaths.h"
#include "platform.h"
#include "tcadregeneral.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    Platform::prepareApplication();
    QApplication app(argc, argv);
    Platform::setUpApplication();
    QApplication::setApplicationName(QStringLiteral("Lecture"));
    // Ties the window to the installed menu entry (its icon and name).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.velune.Lecture"));
    QApplication::setWindowIcon(ButtonPictures::windowIcon());

    TCadreGeneral window(GlyphSets::fromResources(), DataPaths::forThisRun());
    window.zoomAuto();
    // The program's one start-up option; any other argument is ignored.
    if (QCoreApplication::arguments().contains(QStringLiteral("--plein-ecran")))
        window.setFullScreen(true);
    else
        window.show();
    return app.exec();
}
