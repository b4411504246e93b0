#include "gamesettings.h"
#include "tokbottomdlgaide.h"
#include "tokbottomdlglogo.h"
#include "tokbottomdlgparam.h"
#include "tpixigne.h"
#include "turnstate.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include <memory>

namespace {

// Settings written as in the settings file's order: "style mode mini maxi
// accents traits", e.g. "1 1 1 24 1 1" for the defaults.
GameSettings settingsOf(const QString &fixture)
{
    const QStringList v = fixture.split(QLatin1Char(' '));
    GameSettings s;
    s.StyleCaracteres = std::uint8_t(v.at(0).toInt());
    s.TypeExercice = std::uint8_t(v.at(1).toInt());
    s.TailleMini = std::uint8_t(v.at(2).toInt());
    s.TailleMaxi = std::uint8_t(v.at(3).toInt());
    s.MotsAccentues = v.at(4) == QLatin1String("1");
    s.TraitsApparents = v.at(5) == QLatin1String("1");
    return s;
}

void click(QWidget *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
}

// Types into a two-position field the way a user does: the blank of an empty
// position stays a blank, so "1 " and " 1" can both be entered.
void typeSize(QLineEdit *field, const QString &text)
{
    field->clear();
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char(' '))
            continue;
        field->setCursorPosition(i);
        QTest::keyClick(field, text.at(i).toLatin1());
    }
}

// "settings", "rules" or "help"; the settings dialog works on the given state.
std::unique_ptr<QDialog> makeDialog(const QString &which, GameSettings &settings, TurnState &turn)
{
    if (which == QLatin1String("settings"))
        return std::make_unique<TOKBottomDlgParam>(settings, turn);
    if (which == QLatin1String("rules"))
        return std::make_unique<TOKBottomDlgLogo>();
    return std::make_unique<TOKBottomDlgAide>();
}

std::unique_ptr<QDialog> makeInfoDialog(const QString &which)
{
    static GameSettings unused;
    static TurnState unusedTurn;
    return makeDialog(which, unused, unusedTurn);
}

} // namespace

class DialogsTest : public QObject
{
    Q_OBJECT
private slots:
    void fillShowsSettings_data();
    void fillShowsSettings();
    void confirmReadsAndLimitsSizes_data();
    void confirmReadsAndLimitsSizes();
    void challengeModeFromFile_data();
    void challengeModeFromFile();
    void hiddenTraitsSurviveConfirm();
    void cancelRestoresControlsAndKeepsSettings();
    void keysNeverClose_data();
    void keysNeverClose();
    void otherCloseRunsNoHandler();
    void focusStartsOnModesAndTabsInOrder();
    void windowFrames_data();
    void windowFrames();
    void copyIsInert_data() { addCopyRows(); }
    void copyIsInert();
    void copySitsInItsGap_data() { addCopyRows(); }
    void copySitsInItsGap();
    void quitButtonsClose_data();
    void quitButtonsClose();

private:
    static void addCopyRows();
};

void DialogsTest::fillShowsSettings_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("styleItem");
    QTest::addColumn<int>("modeItem");
    QTest::addColumn<QString>("miniText");
    QTest::addColumn<QString>("maxiText");

    QTest::newRow("defaults") << "1 1 1 24 1 1" << 0 << 0 << "1 "
                              << "24";
    QTest::newRow("capitals, mode 4, twelve only") << "3 4 12 12 0 0" << 2 << 3 << "12"
                                                   << "12";
    QTest::newRow("mode 7 shows the last mode") << "2 7 5 9 1 0" << 1 << 5 << "5 "
                                                << "9 ";
}

void DialogsTest::fillShowsSettings()
{
    QFETCH(QString, stored);
    GameSettings settings = settingsOf(stored);
    TurnState turn;
    TOKBottomDlgParam dialog(settings, turn);

    QTEST(dialog.caractItems->checkedId(), "styleItem");
    QTEST(dialog.exercicesItems->checkedId(), "modeItem");
    QCOMPARE(dialog.BoxAccents->isChecked(), settings.MotsAccentues);
    QCOMPARE(dialog.BoxTraits->isChecked(), settings.TraitsApparents);
    QTEST(dialog.MaskMini->displayText(), "miniText");
    QTEST(dialog.MaskMaxi->displayText(), "maxiText");
}

void DialogsTest::confirmReadsAndLimitsSizes_data()
{
    QTest::addColumn<QString>("miniText"); // null: left as filled
    QTest::addColumn<QString>("maxiText");
    QTest::addColumn<int>("mini");
    QTest::addColumn<int>("maxi");

    QTest::newRow("untouched default maximum 24") << QString() << QString() << 1 << 21;
    QTest::newRow("both empty") << "  "
                                << "  " << 1 << 1;
    QTest::newRow("15 and 30 cut to 12 and 21") << "15"
                                                << "30" << 12 << 21;
    QTest::newRow("09 above 05 falls back to 1") << "09"
                                                 << "05" << 1 << 5;
    QTest::newRow("12 and 12 kept") << "12"
                                    << "12" << 12 << 12;
    QTest::newRow("13 cut to 12 still above 10") << "13"
                                                 << "10" << 1 << 10;
    QTest::newRow("15 cut to 12 before the comparison") << "15"
                                                        << "12" << 12 << 12;
    QTest::newRow("zero maximum") << "05"
                                  << "00" << 1 << 1;
    QTest::newRow("digit then blank") << "4 "
                                      << "1 " << 1 << 1;
    QTest::newRow("blank then digit") << " 4"
                                      << " 1" << 1 << 1;
    QTest::newRow("blank then digit, in range") << " 3"
                                                << " 8" << 3 << 8;
    QTest::newRow("digit then blank, in range") << "3 "
                                                << "8 " << 3 << 8;
    QTest::newRow("zero minimum") << "00"
                                  << "21" << 1 << 21;
}

void DialogsTest::confirmReadsAndLimitsSizes()
{
    QFETCH(QString, miniText);
    QFETCH(QString, maxiText);
    GameSettings settings;
    TurnState turn;
    TOKBottomDlgParam dialog(settings, turn);
    dialog.show();
    if (!miniText.isNull()) {
        typeSize(dialog.MaskMini, miniText);
        typeSize(dialog.MaskMaxi, maxiText);
        // Guards the typing itself: the fields must hold what a user would see.
        QCOMPARE(dialog.MaskMini->displayText(), miniText);
        QCOMPARE(dialog.MaskMaxi->displayText(), maxiText);
    }

    click(dialog.Pixigne1);

    QTEST(int(settings.TailleMini), "mini");
    QTEST(int(settings.TailleMaxi), "maxi");
    QVERIFY(turn.ParamValide);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void DialogsTest::challengeModeFromFile_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<int>("mode");

    QTest::newRow("cancel keeps 7") << false << 7;
    QTest::newRow("confirm stores 6") << true << 6;
}

void DialogsTest::challengeModeFromFile()
{
    QFETCH(bool, confirm);
    GameSettings settings = settingsOf(QStringLiteral("1 7 1 24 1 1"));
    TurnState turn;
    TOKBottomDlgParam dialog(settings, turn);
    dialog.show();

    click(confirm ? dialog.Pixigne1 : dialog.Pixigne2);

    QTEST(int(settings.TypeExercice), "mode");
    QCOMPARE(turn.ParamValide, confirm);
}

// The box is hidden, so nothing may untick it on the way through.
void DialogsTest::hiddenTraitsSurviveConfirm()
{
    GameSettings settings = settingsOf(QStringLiteral("2 3 4 9 0 0"));
    TurnState turn;
    TOKBottomDlgParam dialog(settings, turn);
    dialog.show();
    QVERIFY(!dialog.BoxTraits->isVisible());

    click(dialog.Pixigne1);

    QCOMPARE(settings, settingsOf(QStringLiteral("2 3 4 9 0 0")));
}

void DialogsTest::cancelRestoresControlsAndKeepsSettings()
{
    const GameSettings before = settingsOf(QStringLiteral("2 3 4 9 0 1"));
    GameSettings settings = before;
    TurnState turn;
    turn.ParamValide = true; // left by an earlier confirm
    TOKBottomDlgParam dialog(settings, turn);
    dialog.show();
    click(dialog.caractItems->button(0));
    click(dialog.exercicesItems->button(5));
    click(dialog.BoxAccents);
    typeSize(dialog.MaskMini, QStringLiteral("11"));
    typeSize(dialog.MaskMaxi, QStringLiteral("15"));

    click(dialog.Pixigne2);

    QCOMPARE(settings, before);
    QVERIFY(!turn.ParamValide);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.caractItems->checkedId(), 1);
    QCOMPARE(dialog.exercicesItems->checkedId(), 2);
    QVERIFY(!dialog.BoxAccents->isChecked());
    QCOMPARE(dialog.MaskMini->displayText(), QStringLiteral("4 "));
    QCOMPARE(dialog.MaskMaxi->displayText(), QStringLiteral("9 "));
}

void DialogsTest::keysNeverClose_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("inSizeField");

    QTest::newRow("settings: escape on the modes") << "settings" << int(Qt::Key_Escape) << false;
    QTest::newRow("settings: escape in a size field") << "settings" << int(Qt::Key_Escape) << true;
    QTest::newRow("settings: return on the modes") << "settings" << int(Qt::Key_Return) << false;
    QTest::newRow("settings: return in a size field") << "settings" << int(Qt::Key_Return) << true;
    QTest::newRow("settings: keypad enter") << "settings" << int(Qt::Key_Enter) << true;
    QTest::newRow("rules: escape") << "rules" << int(Qt::Key_Escape) << false;
    QTest::newRow("help: escape") << "help" << int(Qt::Key_Escape) << false;
    QTest::newRow("help: return") << "help" << int(Qt::Key_Return) << false;
}

// Only the image buttons (and the close box of the information dialogs) close.
void DialogsTest::keysNeverClose()
{
    QFETCH(QString, which);
    QFETCH(int, key);
    QFETCH(bool, inSizeField);
    const GameSettings before = settingsOf(QStringLiteral("1 2 3 14 1 1"));
    GameSettings settings = before;
    TurnState turn;
    turn.ParamValide = true;
    std::unique_ptr<QDialog> dialog = makeDialog(which, settings, turn);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    if (inSizeField)
        static_cast<TOKBottomDlgParam *>(dialog.get())->MaskMaxi->setFocus();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));

    QVERIFY(dialog->isVisible());
    QCOMPARE(settings, before);
    QVERIFY(turn.ParamValide);
}

// Neither handler runs: the settings and ParamValide stay as they were.
void DialogsTest::otherCloseRunsNoHandler()
{
    const GameSettings before = settingsOf(QStringLiteral("3 5 2 8 1 0"));
    GameSettings settings = before;
    TurnState turn;
    turn.ParamValide = true;
    TOKBottomDlgParam dialog(settings, turn);
    dialog.show();
    typeSize(dialog.MaskMini, QStringLiteral("5 "));
    click(dialog.exercicesItems->button(0));

    dialog.close();

    QVERIFY(!dialog.isVisible());
    QCOMPARE(settings, before);
    QVERIFY(turn.ParamValide);
}

void DialogsTest::focusStartsOnModesAndTabsInOrder()
{
    GameSettings settings = settingsOf(QStringLiteral("2 3 1 24 1 1"));
    TurnState turn;
    TOKBottomDlgParam dialog(settings, turn);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    const QList<QWidget *> expected = {dialog.exercicesItems->button(2),
                                       dialog.caractItems->button(1),
                                       dialog.BoxAccents,
                                       dialog.MaskMini,
                                       dialog.MaskMaxi,
                                       dialog.exercicesItems->button(2)};
    for (qsizetype step = 0; step < expected.size(); ++step) {
        QWidget *widget = expected.at(step);
        QVERIFY2(QApplication::focusWidget() == widget, qPrintable(QString::number(step)));
        QTest::keyClick(widget, Qt::Key_Tab);
    }
}

void DialogsTest::windowFrames_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QColor>("corner"); // what shows at (2, 2)

    QTest::newRow("settings: the aqua ground") << "settings" << QSize(321, 213) << QColor(0, 255, 255);
    QTest::newRow("rules: the navy text box") << "rules" << QSize(416, 352) << QColor(0, 0, 128);
    QTest::newRow("help: the aqua text box") << "help" << QSize(449, 428) << QColor(0, 255, 255);
}

void DialogsTest::windowFrames()
{
    QFETCH(QString, which);
    QFETCH(QSize, client);
    GameSettings settings;
    TurnState turn;
    std::unique_ptr<QDialog> dialog = makeDialog(which, settings, turn);
    QWidget owner; // dialogs are centred on the screen, not on their owner
    owner.setGeometry(0, 0, 200, 100);
    dialog->setParent(&owner, dialog->windowFlags());
    dialog->show();

    QCOMPARE(dialog->size(), client);
    // A fixed frame: neither the user nor the program can resize it.
    dialog->resize(client + QSize(40, 30));
    QCOMPARE(dialog->size(), client);
    const QPoint offCentre = dialog->geometry().center() - dialog->screen()->availableGeometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 2, qPrintable(QString::number(offCentre.x())));
    QTEST(dialog->grab().toImage().pixelColor(2, 2), "corner");
    dialog->setParent(nullptr);
}

void DialogsTest::addCopyRows()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("inGap");
    QTest::newRow("logo, line 6") << 0 << true;
    QTest::newRow("tools, line 9") << 1 << true;
    QTest::newRow("letter style, after line 23") << 2 << false;
    QTest::newRow("next word, line 25") << 3 << true;
    QTest::newRow("quit, line 27") << 4 << true;
}

static TPixigne *copyOf(TOKBottomDlgAide &dialog, int index)
{
    const QList<TPixigne *> copies = {dialog.PixigneLogo, dialog.PixigneOutils, dialog.PixigneAnnul, dialog.PixigneOK,
                                      dialog.PixigneQuitter2};
    return copies.at(index);
}

void DialogsTest::copyIsInert()
{
    QFETCH(int, index);
    TOKBottomDlgAide dialog;
    dialog.show();
    TPixigne *copy = copyOf(dialog, index);
    const QImage atRest = copy->grab().toImage();

    const QPoint inside(10, 10);
    QTest::mousePress(copy, Qt::LeftButton, {}, inside);
    QCOMPARE(copy->grab().toImage(), atRest);
    QTest::mouseRelease(copy, Qt::LeftButton, {}, inside);

    QVERIFY(dialog.isVisible());
    QCOMPARE(copy->grab().toImage(), atRest);
}

// Looks at the text drawn under each copy: it must hide no letter, and a gap
// copy must have words close on both sides, so it sits in its gap.
void DialogsTest::copySitsInItsGap()
{
    QFETCH(int, index);
    QFETCH(bool, inGap);
    TOKBottomDlgAide dialog;
    dialog.show();
    const QRect place = copyOf(dialog, index)->geometry();
    for (int i = 0; i < 5; ++i)
        copyOf(dialog, i)->hide();
    dialog.PixigneQuitter->hide();
    const QImage text = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb ground = qRgb(0, 255, 255);

    for (int y = place.top(); y <= place.bottom(); ++y)
        for (int x = place.left(); x <= place.right(); ++x)
            QVERIFY2(text.pixel(x, y) == ground, qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));

    const auto inkIn = [&](int fromX, int toX) {
        for (int y = place.center().y() - 5; y <= place.center().y() + 5; ++y)
            for (int x = std::max(fromX, 0); x <= std::min(toX, text.width() - 1); ++x)
                if (text.pixel(x, y) != ground)
                    return true;
        return false;
    };
    QVERIFY(inkIn(place.left() - 12, place.left() - 1));
    QCOMPARE(inkIn(place.right() + 1, place.right() + 12), inGap);
}

void DialogsTest::quitButtonsClose_data()
{
    QTest::addColumn<QString>("which");
    QTest::newRow("rules") << "rules";
    QTest::newRow("help") << "help";
}

void DialogsTest::quitButtonsClose()
{
    QFETCH(QString, which);
    std::unique_ptr<QDialog> dialog = makeInfoDialog(which);
    TPixigne *quit = which == QLatin1String("rules") ? static_cast<TOKBottomDlgLogo *>(dialog.get())->Pixigne2
                                                     : static_cast<TOKBottomDlgAide *>(dialog.get())->PixigneQuitter;
    dialog->show();

    click(quit);

    QVERIFY(!dialog->isVisible());
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
