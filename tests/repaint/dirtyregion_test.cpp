// The window repaints only the region the game reports as drawn. A drawing
// left out of that region would stay invisible until something else
// repaints the board, so every changed pixel must lie inside it.
#include "boardlayout.h"
#include "fakeservices.h"
#include "game.h"
#include "picturefolder.h"
#include "testsets.h"

#include <QTest>

#include <functional>

using Action = std::function<void(Game &)>;
Q_DECLARE_METATYPE(Action)

namespace {

QRegion changedPixels(const QImage &before, const QImage &after)
{
    QRegion changed;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (before.pixel(x, y) != after.pixel(x, y))
                changed += QRect(x, y, 1, 1);
        }
    }
    return changed;
}

void clickCell(Game &game, int cell)
{
    game.clickAt(BoardLayout::pictureAt(cell) + QPoint(10, 10));
    game.test_reponse();
}

int wrongCell(const Game &game)
{
    return game.turn().PositionBonne % 4 + 1;
}

} // namespace

class DirtyRegionTest : public QObject
{
    Q_OBJECT

private slots:
    void everyChangedPixelIsReported_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<Action>("action");
        QTest::addColumn<int>("maxArea"); // 0: no bound

        QTest::newRow("suite") << 2 << Action([](Game &g) { g.Jeu_Suivant(); }) << 0;
        QTest::newRow("suite, discovery mode marks at once") << 1 << Action([](Game &g) { g.Jeu_Suivant(); }) << 0;
        QTest::newRow("letter style") << 2 << Action([](Game &g) { g.Reponse(); }) << 312 * 29;
        QTest::newRow("right click") << 4 << Action([](Game &g) { clickCell(g, g.turn().PositionBonne); }) << 33 * 32;
        QTest::newRow("wrong click") << 4 << Action([](Game &g) { clickCell(g, wrongCell(g)); }) << 33 * 32;
        QTest::newRow("streak grows") << 5 << Action([](Game &g) {
            g.turn().Serie = 3;
            clickCell(g, g.turn().PositionBonne);
        }) << 33 * 32 + 270 * 32;
        QTest::newRow("streak shrinks") << 5 << Action([](Game &g) {
            g.turn().Serie = 3;
            clickCell(g, wrongCell(g));
        }) << 33 * 32 + 270 * 32;
        QTest::newRow("streak of ten flashes") << 6 << Action([](Game &g) {
            g.turn().Serie = 9;
            clickCell(g, g.turn().PositionBonne);
        }) << 0;
        QTest::newRow("settings confirmed") << 3 << Action([](Game &g) {
            g.turn().ParamValide = true;
            g.param();
        }) << 0;
    }
    void everyChangedPixelIsReported()
    {
        QFETCH(int, mode);
        QFETCH(Action, action);
        QFETCH(int, maxArea);

        PictureFolder folder;
        FakeServices services;
        const GlyphSets sets = TestSets::make();
        Game game(services, sets, {folder.path()});
        game.Init();
        game.settings().TypeExercice = std::uint8_t(mode);
        game.Jeu_Suivant();

        const QImage before = game.board();
        game.takeDirtyRegion();
        action(game);
        const QRegion dirty = game.takeDirtyRegion();
        const QRegion changed = changedPixels(before, game.board());

        QVERIFY2(!changed.isEmpty(), "the action drew nothing: the row tests nothing");
        QVERIFY2((changed - dirty).isEmpty(), "a drawing was left out of the repainted region");
        if (maxArea > 0) {
            int area = 0;
            for (const QRect &r : dirty)
                area += r.width() * r.height();
            QVERIFY2(area <= maxArea, qPrintable(QStringLiteral("repaints %1 pixels").arg(area)));
        }
    }
};

QTEST_MAIN(DirtyRegionTest)
#include "dirtyregion_test.moc"
