#include "tcadregeneral.h"

#include <QApplication>
#include <QFile>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lecture"));
    const QString icon = QStringLiteral(":/icon/lecture.xpm");
    if (QFile::exists(icon))
        QApplication::setWindowIcon(QIcon(icon));

    TCadreGeneral window;
    window.show();
    return app.exec();
}
