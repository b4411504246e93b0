#include "glyphmapping.h"
#include "glyphsets.h"
#include "inkscan.h"
#include "testsets.h"

#include <QImage>
#include <QTest>

using namespace InkScan;

namespace {

const QRgb kBlueInk = qRgb(87, 87, 255);
const QRgb kRedInk = qRgb(255, 87, 87);
const QRgb kPurpleInk = qRgb(171, 3, 171);
const QRgb kGreenBar = qRgb(3, 171, 3);

constexpr int kJoined = 1;
constexpr int kPrint = 2;
constexpr int kCapitals = 3;
constexpr int kBar = 26;
constexpr int kBlank = GlyphCode::kBlank;
constexpr int kFirstAccented = 30;
constexpr int kLastColumn = 11;
const QString kAccented = QStringLiteral("âàéêèëîïôöûùüç");
const QString kAccentBase = QStringLiteral("aaeeeeiioouuuc");

QList<int> range(int first, int last)
{
    QList<int> rows;
    for (int r = first; r <= last; ++r)
        rows << r;
    return rows;
}

QString slotName(int style, int slot)
{
    return QStringLiteral("style %1 slot %2").arg(style).arg(slot);
}

} // namespace

class GlyphsTest : public QObject
{
    Q_OBJECT

private:
    const GlyphSets m_sets = GlyphSets::fromResources();
    const ImageSet &glyphs(int style) const { return *m_sets.forStyle(style); }

private slots:
    void sheetsAreOpaqueAndFullSize_data();
    void sheetsAreOpaqueAndFullSize();
    void glyphsUseOnlyTheirSetsInk_data();
    void glyphsUseOnlyTheirSetsInk();
    void contrastBarFillsOnlyItsRectangle_data();
    void contrastBarFillsOnlyItsRectangle();
    void lettersStayWithinTheirStyleRows_data();
    void lettersStayWithinTheirStyleRows();
    void accentedLettersAddOnlyTheirMarkToTheBase_data();
    void accentedLettersAddOnlyTheirMarkToTheBase();
    void lettersAreUnbrokenStrokes_data();
    void lettersAreUnbrokenStrokes();
    void joinedGlyphsMeetTheCellEdgesAtTheLinkRows_data();
    void joinedGlyphsMeetTheCellEdgesAtTheLinkRows();
    void everyPairOfJoinedLettersFormsOneLine();
    void lettersKeepWhatTellsThemApart_data();
    void lettersKeepWhatTellsThemApart();
    void lettersDrawTheirDistinctiveStrokes_data();
    void lettersDrawTheirDistinctiveStrokes();
};

void GlyphsTest::sheetsAreOpaqueAndFullSize_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::newRow("joined") << ":/glyphs/Alphabet.png" << QSize(48, 319);
    QTest::newRow("print") << ":/glyphs/AlphaMin.png" << QSize(48, 319);
    QTest::newRow("capitals") << ":/glyphs/AlphaMaj.png" << QSize(48, 319);
    QTest::newRow("marks") << ":/marks/Touches.png" << QSize(132, 64);
}

// Cells are copied whole over the board: a transparent pixel would let the
// previous name or mark show through.
void GlyphsTest::sheetsAreOpaqueAndFullSize()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage sheet(path);
    QVERIFY2(!sheet.isNull(), qPrintable(path));
    QCOMPARE(sheet.size(), size);
    QVERIFY(!sheet.hasAlphaChannel());
}

void GlyphsTest::glyphsUseOnlyTheirSetsInk_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QRgb>("ink");
    QTest::newRow("joined blue") << kJoined << kBlueInk;
    QTest::newRow("print red") << kPrint << kRedInk;
    QTest::newRow("capitals purple") << kCapitals << kPurpleInk;
}

void GlyphsTest::glyphsUseOnlyTheirSetsInk()
{
    QFETCH(int, style);
    QFETCH(QRgb, ink);
    const ImageSet &set = glyphs(style);
    QCOMPARE(TestSets::drawnCount(set), GlyphSets::kGlyphCount);
    QCOMPARE(set.cellSize(), GlyphSets::kGlyphCell);
    for (int slot = 0; slot < GlyphSets::kGlyphCount; ++slot) {
        if (slot == kBar)
            continue;
        const QImage cell = TestSets::drawnCell(set, slot);
        int inkPixels = 0;
        for (int y = 0; y < cell.height(); ++y) {
            for (int x = 0; x < cell.width(); ++x) {
                const QRgb pixel = cell.pixel(x, y);
                QVERIFY2(pixel == kBackground || pixel == ink, qPrintable(slotName(style, slot)));
                inkPixels += pixel == ink;
            }
        }
        // The blank wipes the name line; every other slot draws something.
        QCOMPARE(inkPixels == 0, slot == kBlank);
    }
}

void GlyphsTest::contrastBarFillsOnlyItsRectangle_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("red under blue") << kJoined << kRedInk;
    QTest::newRow("blue under red") << kPrint << kBlueInk;
    QTest::newRow("green under purple") << kCapitals << kGreenBar;
}

void GlyphsTest::contrastBarFillsOnlyItsRectangle()
{
    QFETCH(int, style);
    QFETCH(QRgb, colour);
    const QImage cell = TestSets::drawnCell(glyphs(style), kBar);
    const QRect bar(1, 21, 10, 2);
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            QCOMPARE(cell.pixel(x, y), bar.contains(x, y) ? colour : kBackground);
}

void GlyphsTest::lettersStayWithinTheirStyleRows_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("letters");
    QTest::addColumn<int>("highestTop");
    QTest::addColumn<int>("lowestTop");
    QTest::addColumn<int>("bottom");
    QTest::newRow("joined x-height") << kJoined << "acemnouvwx" << 11 << 11 << 20;
    QTest::newRow("joined loops up") << kJoined << "bhkl" << 0 << 0 << 20;
    QTest::newRow("joined f loops both ways") << kJoined << "f" << 0 << 0 << 28;
    QTest::newRow("joined descenders") << kJoined << "gpqyz" << 11 << 11 << 28;
    QTest::newRow("joined tall stems") << kJoined << "dt" << 0 << 10 << 20;
    // Their points stand above the x-height, as the school hand writes them.
    QTest::newRow("joined r point") << kJoined << "r" << 8 << 9 << 20;
    QTest::newRow("joined s point") << kJoined << "s" << 9 << 10 << 20;
    QTest::newRow("joined dotted i") << kJoined << "i" << 6 << 10 << 20;
    QTest::newRow("joined dotted j") << kJoined << "j" << 6 << 10 << 28;
    QTest::newRow("print x-height") << kPrint << "acemnorsuvwxz" << 12 << 12 << 20;
    QTest::newRow("print ascenders") << kPrint << "bdfhkl" << 9 << 9 << 20;
    QTest::newRow("print i and t") << kPrint << "it" << 9 << 11 << 20;
    QTest::newRow("print descenders") << kPrint << "gpqy" << 12 << 12 << 24;
    QTest::newRow("print dotted j") << kPrint << "j" << 9 << 11 << 24;
    QTest::newRow("capitals") << kCapitals << "abcdefghijklmnoprstuvwxyz" << 9 << 9 << 20;
    QTest::newRow("capital Q tail") << kCapitals << "q" << 9 << 9 << 21;
}

void GlyphsTest::lettersStayWithinTheirStyleRows()
{
    QFETCH(int, style);
    QFETCH(QString, letters);
    QFETCH(int, highestTop);
    QFETCH(int, lowestTop);
    QFETCH(int, bottom);
    for (const QChar letter : letters) {
        const QRect box = inkBox(TestSets::drawnCell(glyphs(style), letter.unicode() - 'a'));
        const QByteArray what = QString(letter).toUtf8();
        QVERIFY2(box.top() >= highestTop && box.top() <= lowestTop, what.constData());
        QVERIFY2(box.bottom() == bottom, what.constData());
    }
}

void GlyphsTest::accentedLettersAddOnlyTheirMarkToTheBase_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("base");
    QTest::addColumn<int>("markTop");    // rows where only the mark may differ
    QTest::addColumn<int>("markBottom"); // markTop > markBottom: no mark at all
    for (int i = 0; i < kAccented.size(); ++i) {
        const int slot = kFirstAccented + i;
        const int base = kAccentBase.at(i).unicode() - 'a';
        const bool cedilla = kAccentBase.at(i) == u'c';
        const QByteArray letter = QString(kAccented.at(i)).toUtf8();
        QTest::addRow("joined %s", letter.constData())
            << kJoined << slot << base << (cedilla ? 21 : 6) << (cedilla ? 28 : 10);
        QTest::addRow("print %s", letter.constData())
            << kPrint << slot << base << (cedilla ? 21 : 8) << (cedilla ? 24 : 11);
        QTest::addRow("capital for %s", letter.constData()) << kCapitals << slot << base << 1 << 0;
    }
}

// The accented letters share their base letter's body (so joins and heights
// follow from it) and the capitals set carries no accent at all.
void GlyphsTest::accentedLettersAddOnlyTheirMarkToTheBase()
{
    QFETCH(int, style);
    QFETCH(int, slot);
    QFETCH(int, base);
    QFETCH(int, markTop);
    QFETCH(int, markBottom);
    const QImage accented = TestSets::drawnCell(glyphs(style), slot);
    const QImage plain = TestSets::drawnCell(glyphs(style), base);
    int changedInMarkRows = 0; // the mark replaces the dot of i
    for (int y = 0; y < accented.height(); ++y) {
        const bool markRow = y >= markTop && y <= markBottom;
        for (int x = 0; x < accented.width(); ++x) {
            if (markRow)
                changedInMarkRows += accented.pixel(x, y) != plain.pixel(x, y);
            else
                QCOMPARE(accented.pixel(x, y), plain.pixel(x, y));
        }
    }
    QCOMPARE(changedInMarkRows > 0, markTop <= markBottom);
}

void GlyphsTest::lettersAreUnbrokenStrokes_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("pieces");
    const char *const styles[] = {"joined", "print", "capital"};
    for (int style = kJoined; style <= kCapitals; ++style) {
        const char *const styleName = styles[style - 1];
        const bool lower = style != kCapitals;
        for (char letter = 'a'; letter <= 'z'; ++letter) {
            const bool dotted = lower && (letter == 'i' || letter == 'j');
            QTest::addRow("%s %c", styleName, letter) << style << letter - 'a' << (dotted ? 2 : 1);
        }
        for (int i = 0; i < kAccented.size(); ++i) {
            const QChar c = kAccented.at(i);
            // The cedilla hangs from the c; a diaeresis is two dots; on i the
            // accent takes the place of the dot.
            int pieces = c == u'ç' ? 1 : (c == u'ë' || c == u'ï' || c == u'ö' || c == u'ü') ? 3 : 2;
            if (!lower)
                pieces = 1;
            QTest::addRow("%s %s", styleName, QString(c).toUtf8().constData()) << style << kFirstAccented + i << pieces;
        }
    }
}

// A stray pixel or a gap in a stroke shows up as an extra piece.
void GlyphsTest::lettersAreUnbrokenStrokes()
{
    QFETCH(int, style);
    QFETCH(int, slot);
    QFETCH(int, pieces);
    QCOMPARE(inkPieces(TestSets::drawnCell(glyphs(style), slot)), pieces);
}

void GlyphsTest::joinedGlyphsMeetTheCellEdgesAtTheLinkRows_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QList<int>>("leftRows");
    QTest::addColumn<QList<int>>("rightRows");
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        QList<int> left{17};
        QList<int> right{18};
        if (letter == 'd' || letter == 'r')
            left = {16, 17}; // raised entry, still reached from a row-18 exit
        if (letter == 'm')
            left = range(12, 20); // m starts with its stem
        if (letter == 'b' || letter == 'v')
            right = {17};
        if (letter == 'w')
            right = {16};
        QTest::addRow("%c", letter) << letter - 'a' << left << right;
    }
    // The written line breaks at these.
    QTest::newRow("blank") << kBlank << QList<int>() << QList<int>();
    QTest::newRow("apostrophe") << 28 << QList<int>() << QList<int>();
    QTest::newRow("hyphen") << 29 << QList<int>() << QList<int>();
}

void GlyphsTest::joinedGlyphsMeetTheCellEdgesAtTheLinkRows()
{
    QFETCH(int, slot);
    QFETCH(QList<int>, leftRows);
    QFETCH(QList<int>, rightRows);
    const QImage cell = TestSets::drawnCell(glyphs(kJoined), slot);
    QCOMPARE(inkRowsInColumn(cell, 0), leftRows);
    QCOMPARE(inkRowsInColumn(cell, kLastColumn), rightRows);
}

// Side by side at the 12-pixel pitch, the exit of any letter must touch the
// entry of any next letter, at least diagonally, or the line looks broken.
void GlyphsTest::everyPairOfJoinedLettersFormsOneLine()
{
    QList<int> letters = range(0, 25) + range(kFirstAccented, GlyphSets::kGlyphCount - 1);
    for (const int first : letters) {
        const QList<int> exits = inkRowsInColumn(TestSets::drawnCell(glyphs(kJoined), first), kLastColumn);
        for (const int second : letters) {
            const QList<int> entries = inkRowsInColumn(TestSets::drawnCell(glyphs(kJoined), second), 0);
            const bool touch = std::any_of(exits.begin(), exits.end(), [&](int exit) {
                return std::any_of(entries.begin(), entries.end(),
                                   [&](int entry) { return std::abs(exit - entry) <= 1; });
            });
            QVERIFY2(touch, qPrintable(QStringLiteral("slot %1 then slot %2").arg(first).arg(second)));
        }
    }
}

void GlyphsTest::lettersKeepWhatTellsThemApart_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<bool>("inked");
    const auto letter = [](char c) { return c - 'a'; };
    const auto cols = [](int left, int right, int top, int bottom) {
        return QRect(QPoint(left, top), QPoint(right, bottom));
    };
    // Where a young reader took one letter for another.
    QTest::newRow("joined n opens with a hump up to the x-height")
        << kJoined << letter('n') << cols(1, 2, 11, 12) << true;
    QTest::newRow("joined v starts from a point, not a hump") << kJoined << letter('v') << cols(1, 2, 11, 11) << false;
    QTest::newRow("joined w rises to the x-height in the middle")
        << kJoined << letter('w') << cols(6, 7, 11, 12) << true;
    QTest::newRow("joined s foot stays clear of its upstroke") << kJoined << letter('s') << cols(0, 2, 18, 18) << false;
    QTest::newRow("joined r is open between its upstroke and its stem")
        << kJoined << letter('r') << cols(4, 7, 13, 19) << false;
    QTest::newRow("joined r point rises at its left") << kJoined << letter('r') << cols(3, 5, 8, 9) << true;
    QTest::newRow("joined r has nothing above its bar") << kJoined << letter('r') << cols(5, 11, 0, 9) << false;
    QTest::newRow("joined r bar stops at its stem") << kJoined << letter('r') << cols(10, 11, 9, 12) << false;
    QTest::newRow("joined s point rises above the x-height") << kJoined << letter('s') << cols(5, 7, 9, 10) << true;
    QTest::newRow("joined m has a valley between its arches") << kJoined << letter('m') << cols(4, 4, 11, 12) << false;
    QTest::newRow("joined n has a valley before its arch") << kJoined << letter('n') << cols(4, 5, 11, 11) << false;
    // Joined to its stem through the x-height, the bowl read as the bar of a
    // t ("tol" for "bol").
    QTest::newRow("joined b bowl does not cross its stem below the x-height")
        << kJoined << letter('b') << cols(5, 7, 12, 12) << false;
    // With a two-pixel right side the o read as an a ("pull-aver").
    QTest::newRow("joined o right side stands clear of where the a has its stem")
        << kJoined << letter('o') << cols(8, 8, 13, 17) << false;
    QTest::newRow("print i dot stands clear of its stem") << kPrint << letter('i') << cols(0, 11, 11, 12) << false;
    QTest::newRow("print î accent stands clear of its stem") << kPrint << 36 << cols(0, 11, 11, 12) << false;
    QTest::newRow("print ï dots stand clear of their stem") << kPrint << 37 << cols(0, 11, 11, 12) << false;
    QTest::newRow("print l has a serif at its top") << kPrint << letter('l') << cols(4, 4, 9, 9) << true;
    // Set left of centre, the l read as the end of the letter before it
    // ("tabl ier").
    QTest::newRow("print l stands in the middle of its cell, as i does")
        << kPrint << letter('l') << cols(0, 3, 0, 28) << false;
    QTest::newRow("print l has no foot that could read as an L")
        << kPrint << letter('l') << cols(7, 11, 17, 20) << false;
    QTest::newRow("capital Q tail leaves the bowl") << kCapitals << letter('q') << cols(11, 11, 20, 21) << true;
    QTest::newRow("capital Q tail stands apart from the foot of the bowl")
        << kCapitals << letter('q') << cols(8, 8, 20, 21) << false;
    QTest::newRow("capital W middle rises to the upper half") << kCapitals << letter('w') << cols(5, 6, 12, 13) << true;
}

void GlyphsTest::lettersKeepWhatTellsThemApart()
{
    QFETCH(int, style);
    QFETCH(int, slot);
    QFETCH(QRect, area);
    QFETCH(bool, inked);
    const QImage cell = TestSets::drawnCell(glyphs(style), slot);
    bool found = false;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            found = found || isInk(cell, x, y);
    QCOMPARE(found, inked);
}

void GlyphsTest::lettersDrawTheirDistinctiveStrokes_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to"); // straight, diagonal or axis-aligned
    const auto letter = [](char c) { return c - 'a'; };
    // At real size a reader sees these strokes or takes the letter for
    // another: r without its right stem reads as c, with a notch between two
    // points as v, with a flat top and no point as n, with a thin flag as a
    // slash or an s, with a round arch as n (and "rn" as m), with its bar
    // running on past the stem as T; s without its rising upstroke reads as
    // o; a Q whose tail barely leaves the bowl reads as O.
    QTest::newRow("joined r stem runs down the right to the baseline")
        << kJoined << letter('r') << QPoint(8, 11) << QPoint(8, 19);
    QTest::newRow("joined r stem is two pixels thick") << kJoined << letter('r') << QPoint(9, 11) << QPoint(9, 20);
    QTest::newRow("joined r bar is flat along the x-height")
        << kJoined << letter('r') << QPoint(4, 11) << QPoint(9, 11);
    QTest::newRow("joined r bar is two pixels deep, from its point to its stem")
        << kJoined << letter('r') << QPoint(4, 10) << QPoint(8, 10);
    QTest::newRow("joined b bowl leaves its stem along the x-height")
        << kJoined << letter('b') << QPoint(3, 11) << QPoint(8, 11);
    QTest::newRow("joined o right side rises in one thin stroke")
        << kJoined << letter('o') << QPoint(9, 13) << QPoint(9, 17);
    QTest::newRow("joined a stem is two pixels thick, unlike the o's right side")
        << kJoined << letter('a') << QPoint(8, 11) << QPoint(8, 18);
    QTest::newRow("joined s upstroke climbs towards its point")
        << kJoined << letter('s') << QPoint(2, 16) << QPoint(4, 14);
    QTest::newRow("capital Q tail crosses the bowl and leaves it")
        << kCapitals << letter('q') << QPoint(7, 17) << QPoint(11, 21);
    QTest::newRow("capital Q tail is two pixels thick outside the bowl")
        << kCapitals << letter('q') << QPoint(9, 20) << QPoint(10, 21);
}

// Every pixel on the segment must be ink: a single stray pixel in the area
// would not make the stroke.
void GlyphsTest::lettersDrawTheirDistinctiveStrokes()
{
    QFETCH(int, style);
    QFETCH(int, slot);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    const QPoint delta = to - from;
    QVERIFY(delta.x() == 0 || delta.y() == 0 || std::abs(delta.x()) == std::abs(delta.y()));
    const QPoint step((delta.x() > 0) - (delta.x() < 0), (delta.y() > 0) - (delta.y() < 0));
    const QImage cell = TestSets::drawnCell(glyphs(style), slot);
    for (QPoint at = from;; at += step) {
        QVERIFY2(isInk(cell, at.x(), at.y()), qPrintable(QStringLiteral("no ink at %1,%2").arg(at.x()).arg(at.y())));
        if (at == to)
            break;
    }
}

QTEST_GUILESS_MAIN(GlyphsTest)
#include "glyphs_test.moc"
