// A scripted session of the real main window, offscreen, for memory
// checkers (scripts/ci-valgrind.sh): pictures clicked, "Suite", the style
// button, the settings dialog confirmed and cancelled, the rules and help
// dialogs, a streak of ten with its flash, and the quit button pressed
// during that flash.
// Usage: lecture_session [pictures folder]; without one, flat test pictures
// are written first. Exits 0 when the session ran to the end and the quit
// button ended it with a saved settings file.

#include "boardlayout.h"
#include "glyphsets.h"
#include "picturefolder.h"
#include "tcadregeneral.h"
#include "tmonimage.h"
#include "tokbottomdlgparam.h"
#include "tpixigne.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

void press(TPixigne *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
}

void clickCell(TCadreGeneral &window, int cell)
{
    QTest::mouseClick(window.board(), Qt::LeftButton, {}, BoardLayout::pictureCentre(cell));
    QTest::qWait(2 * TCadreGeneral::kTickMs); // judged on a tick
}

// Closes the next modal dialog once it is up, as its own buttons would.
void closeNextDialog(bool confirm)
{
    QTimer::singleShot(150, [confirm] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *settings = qobject_cast<TOKBottomDlgParam *>(modal))
            confirm ? settings->ValideParam() : settings->AnnuleParam();
        else if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->done(QDialog::Accepted);
        else
            closeNextDialog(confirm); // not up yet
    });
}

void play(TCadreGeneral &window, bool &judgedInFlash)
{
    for (int turn = 0; turn < 6; ++turn) {
        const int right = window.game().turn().PositionBonne;
        clickCell(window, right % 4 + 1);
        clickCell(window, right);
        press(window.PixigneAnnul);
        press(window.PixigneOK);
    }
    closeNextDialog(true);
    press(window.PixigneOutils);
    closeNextDialog(false);
    press(window.PixigneOutils);
    closeNextDialog(true);
    press(window.PixigneLogo);
    closeNextDialog(true);
    press(window.PixigneAide);

    // One right answer short of ten in the challenge: the flash runs its
    // nested waits; in the middle of it "Suite", a right first click on the
    // new board, which the ticks still coming must judge, and the quit
    // button, which must end the program from inside the flash.
    window.game().settings().TypeExercice = 6;
    window.game().turn().ParamValide = true;
    window.game().param();
    window.game().turn().Serie = 9;
    QTimer::singleShot(700, &window, [&window, &judgedInFlash] {
        press(window.PixigneOK);
        const int right = window.game().turn().PositionBonne;
        clickCell(window, right);
        judgedInFlash = window.game().turn().DejaClique[right];
        press(window.PixigneQuitter);
    });
    clickCell(window, window.game().turn().PositionBonne);
    QTest::qWait(3500);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QTemporaryDir linked;
    std::unique_ptr<PictureFolder> flatPictures;
    QString workDir = linked.path();
    if (argc > 1) {
        const QString pictures = QString::fromLocal8Bit(argv[1]);
        if (!QFile::link(QFileInfo(pictures).absoluteFilePath(), linked.filePath(QStringLiteral("images")))) {
            std::fprintf(stderr, "cannot link the pictures folder into %s\n", qPrintable(workDir));
            return 2;
        }
    } else {
        // The flat pictures' own folder: no link needed, and none made where
        // a link is a shortcut file (Windows).
        flatPictures = std::make_unique<PictureFolder>();
        workDir = flatPictures->path();
    }

    bool played = false;
    bool judgedInFlash = false;
    {
        TCadreGeneral window(GlyphSets::fromResources(), {workDir, workDir});
        window.show();
        QTimer::singleShot(0, &window, [&] {
            play(window, judgedInFlash);
            played = true;
        });
        // A session that does not end by its quit button ends here instead.
        QTimer::singleShot(120000, &app, [] { QCoreApplication::exit(3); });
        if (QApplication::exec() != 0 || !played) {
            std::fprintf(stderr, "the session did not end by its quit button\n");
            return 1;
        }
    }
    if (!judgedInFlash) {
        std::fprintf(stderr, "a click made during the streak flash was not judged\n");
        return 1;
    }
    if (QFileInfo(QDir(workDir).filePath(QStringLiteral("imolectu.dat"))).size() != 43) {
        std::fprintf(stderr, "the quit button left no settings file\n");
        return 1;
    }
    return 0;
}
