#include "glyphsets.h"
#include "inkscan.h"
#include "testsets.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QTest>

using namespace InkScan;

class MarksTest : public QObject
{
    Q_OBJECT

private:
    const GlyphSets m_sets = GlyphSets::fromResources();

private slots:
    void marksFillTheirBoxes_data();
    void marksFillTheirBoxes();
    void marksHaveTheirColour_data();
    void marksHaveTheirColour();
    void streakOfMedalsLosesNoPixel();
    void unusedMarkCellsAreBackground();
};

void MarksTest::marksFillTheirBoxes_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("box");
    // The disc and the faces replace one another on the same spot.
    const QRect face(9, 8, 15, 16);
    QTest::newRow("wrong-answer disc") << 0 << face;
    QTest::newRow("cross face") << 1 << face;
    QTest::newRow("unimpressed face") << 2 << face;
    QTest::newRow("smiling face") << 3 << face;
    QTest::newRow("medal") << 4 << QRect(6, 1, 22, 28);
    QTest::newRow("trophy") << 5 << QRect(0, 0, 33, 32);
}

void MarksTest::marksFillTheirBoxes()
{
    QFETCH(int, index);
    QFETCH(QRect, box);
    QCOMPARE(TestSets::drawnCount(m_sets.Touches), GlyphSets::kMarkCount);
    QCOMPARE(m_sets.Touches.cellSize(), GlyphSets::kMarkCell);
    QCOMPARE(inkBox(TestSets::drawnCell(m_sets.Touches, index)), box);
}

void MarksTest::marksHaveTheirColour_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("hueFrom"); // -1 is the hue of black
    QTest::addColumn<int>("hueTo");
    QTest::newRow("black disc") << 0 << -1 << -1;
    QTest::newRow("red face") << 1 << 0 << 10;
    QTest::newRow("yellow face") << 2 << 45 << 65;
    QTest::newRow("green face") << 3 << 100 << 140;
    QTest::newRow("yellow medal") << 4 << 45 << 65;
    QTest::newRow("gold trophy") << 5 << 40 << 60;
}

// The commonest colour of a mark tells the scale of answers apart at a glance.
void MarksTest::marksHaveTheirColour()
{
    QFETCH(int, index);
    QFETCH(int, hueFrom);
    QFETCH(int, hueTo);
    const QImage cell = TestSets::drawnCell(m_sets.Touches, index);
    QHash<QRgb, int> counts;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            if (isInk(cell, x, y))
                ++counts[cell.pixel(x, y)];
    QVERIFY(!counts.isEmpty());
    const auto commonest = std::max_element(counts.begin(), counts.end());
    const int hue = QColor(commonest.key()).hsvHue();
    QVERIFY2(hue >= hueFrom && hue <= hueTo, qPrintable(QString::number(hue)));
}

// Streak tokens are drawn left to right 28 pixels apart, each 33-pixel cell
// covering the last 5 columns of the previous one.
void MarksTest::streakOfMedalsLosesNoPixel()
{
    QImage board(331, 255, QImage::Format_RGB32);
    board.fill(qRgb(0, 255, 255));
    {
        QPainter painter(&board);
        for (int k = 1; k <= 9; ++k)
            m_sets.Touches.draw(painter, 4, QPoint(28 * k + 11, 220));
    }
    const QImage medal = TestSets::drawnCell(m_sets.Touches, 4);
    for (int k = 1; k <= 9; ++k) {
        for (int y = 0; y < medal.height(); ++y)
            for (int x = 0; x < medal.width(); ++x)
                if (isInk(medal, x, y))
                    QCOMPARE(board.pixel(28 * k + 11 + x, 220 + y), medal.pixel(x, y));
    }
}

void MarksTest::unusedMarkCellsAreBackground()
{
    const QImage sheet(QStringLiteral(":/marks/Touches.png"));
    QCOMPARE(inkBox(sheet.copy(66, 32, 66, 32)), QRect());
}

QTEST_GUILESS_MAIN(MarksTest)
#include "marks_test.moc"
