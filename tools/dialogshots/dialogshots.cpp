// Writes a picture of each dialog as shown, for looking at by eye:
// dialogshots <folder>
#include "gamesettings.h"
#include "tokbottomdlgaide.h"
#include "tokbottomdlglogo.h"
#include "tokbottomdlgparam.h"
#include "tpixigne.h"
#include "turnstate.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QTextStream>

namespace {

void shoot(QWidget &dialog, const QString &path)
{
    dialog.show();
    QApplication::processEvents();
    const QImage picture = dialog.grab().toImage();
    picture.scaled(picture.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(path);
    dialog.hide();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());

    GameSettings settings;
    TurnState turn;
    TOKBottomDlgParam param(settings, turn);
    shoot(param, folder.filePath(QStringLiteral("param.png")));
    TOKBottomDlgLogo logo;
    shoot(logo, folder.filePath(QStringLiteral("logo.png")));
    TOKBottomDlgAide aide;
    shoot(aide, folder.filePath(QStringLiteral("aide.png")));

    // Where the copies landed with this machine's font, beside their design places.
    QTextStream out(stdout);
    aide.show();
    for (const TPixigne *copy :
         {aide.PixigneLogo, aide.PixigneOutils, aide.PixigneAnnul, aide.PixigneOK, aide.PixigneQuitter2}) {
        const QRect r = copy->geometry();
        out << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height() << '\n';
    }
    return 0;
}
