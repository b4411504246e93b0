#pragma once

#include "game.h"
#include "glyphsets.h"
#include "windowservices.h"

#include <QWidget>

class QTimer;
class TPixigne;
class Tmonimage;
enum class ButtonPicture;

// The main window: the board, the seven image buttons and the 100 ms timer.
// It owns the game and gives it the real clock, beep, message box and pause
// (WindowServices).
// Every command of the game is a click or a tap on a button; the only keys
// are the zoom keys (Ctrl + plus, Ctrl + minus, Ctrl + 0) and F11 for full
// screen, which change nothing but how the window is shown, for this session.
class TCadreGeneral : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kClientWidth = 331;
    static constexpr int kClientHeight = 291;
    static constexpr int kHintDelayMs = 3000;
    static constexpr int kTickMs = 100;

    // The program gives the letter and mark sets of its resources and the
    // folders of DataPaths::forThisRun().
    TCadreGeneral(GlyphSets sets, GameFolders folders, QWidget *parent = nullptr);

    Game &game() { return m_game; }

    // The window and its dialogs shown k times larger (see Zoom). Chosen
    // from the screen by zoomAuto; nothing of it is stored. In full screen
    // it counts the screen's device pixels, in a window its window pixels.
    int zoom() const;
    void setZoom(int factor);
    void zoomIn();
    void zoomOut();
    void zoomAuto();

    // Full screen: the whole window at the largest whole factor that fits
    // the screen it is on, centred on the window's blue; F11 again gives
    // back the window at the factor it had.
    bool fullScreen() const { return m_fullScreen; }
    void setFullScreen(bool on);
    void toggleFullScreen();

    Tmonimage *board() const { return m_board; }

    // Handlers, each the command of one button or the timer.
    void Jeu_Suivant();
    void Reponse();
    void param();
    void AproposdeCejeu();
    void AfficheAide();
    void AproposVS();
    void QuitterCejeu();
    void test_reponse();

    WindowServices &services() { return m_services; }

    TPixigne *PixigneLogo = nullptr;
    TPixigne *PixigneAide = nullptr;
    TPixigne *PixigneQuitter = nullptr;
    TPixigne *PixigneOutils = nullptr;
    TPixigne *PixigneVelune = nullptr;
    TPixigne *PixigneOK = nullptr;
    TPixigne *PixigneAnnul = nullptr;
    QTimer *Timer1 = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // Run once, by the constructor: the board, the hints, then Init.
    void FormCreate();
    TPixigne *addButton(const char *name, QRect geometry, ButtonPicture picture, const QString &hint,
                        void (TCadreGeneral::*command)());

    GlyphSets m_sets;
    WindowServices m_services;
    Game m_game;
    Tmonimage *m_board = nullptr;
    bool m_fullScreen = false;
    int m_windowZoom = 1;
    QPoint m_windowPos;
    // The factor a dialog opened now is shown at.
    int dialogZoom(const QWidget *dialog) const;
    void placeFullScreen(int factor);
};
