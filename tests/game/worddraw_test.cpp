#include "cp1252.h"
#include "randomsource.h"
#include "worddraw.h"
#include "wordlist.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

// The rules of the word draw and their interplay, and the random source
// they draw from.
class WordDrawTest : public QObject
{
    Q_OBJECT
private slots:
    void randomSourceFollowsItsKnownSequence();
    void accepts_data();
    void accepts();
    void letterSizeDrawsOnlyLetterEntries();
    void lowerCaseStylesNeverDrawTheTwoExcludedEntries();
    void firstStepsDrawsOnlyAlternatingPlainNouns();
    void impossibleSettingsUseTheLastOfAllAttempts();
    void previousTargetIsNeverDrawnAgain();
};

static int indexOf(const char *utf8Name)
{
    const QByteArray name = cp1252(utf8Name);
    for (int i = 0; i < WordList::kCount; ++i) {
        if (WordList::name(i) == name)
            return i;
    }
    return -1;
}

void WordDrawTest::randomSourceFollowsItsKnownSequence()
{
    // Known answers of seed := seed * 134775813 + 1, value := (seed * n) >> 32.
    RandomSource r;
    r.setSeed(0);
    QCOMPARE(r.next(607), 0u);   // seed 1
    QCOMPARE(r.next(607), 19u);  // seed 134775814
    QCOMPARE(r.next(607), 522u); // seed 3698175007
    r.setSeed(0xFFFFFFFFu);
    QCOMPARE(r.next(4), 3u);     // seed 0xF7F77BFC: top of the range
    QCOMPARE(r.next(607), 122u); // seed 0x33A35BED
}

void WordDrawTest::accepts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("mini");
    QTest::addColumn<int>("maxi");
    QTest::addColumn<bool>("accents");
    QTest::addColumn<bool>("accepted");

    auto row = [](const char *tag, const char *name, int style, int mode, int mini, int maxi, bool accents, bool ok) {
        QTest::newRow(tag) << QString::fromUtf8(name) << style << mode << mini << maxi << accents << ok;
    };
    row("defaults take l'abeille", "l'abeille", 1, 1, 1, 24, true, true);
    row("noun 7 above maxi 6", "l'abeille", 1, 1, 1, 6, true, false);
    row("noun 7 inside 7..7", "l'abeille", 1, 1, 7, 7, true, true);
    row("noun 7 below mini 8", "l'abeille", 1, 1, 8, 24, true, false);
    row("one-letter noun at 1..1", "le b", 1, 1, 1, 1, true, true);
    row("minitel refused joined", "le minitel", 1, 1, 1, 24, true, false);
    row("minitel refused print", "le minitel", 2, 1, 1, 24, true, false);
    row("minitel taken in capitals", "le minitel", 3, 1, 1, 24, true, true);
    row("tour eiffel refused print", "la tour eiffel", 2, 1, 1, 24, true, false);
    row("tour eiffel taken in capitals", "la tour eiffel", 3, 1, 1, 24, true, true);
    row("accent refused when not admitted", "l'âne", 1, 3, 1, 24, false, false);
    row("accent taken when admitted", "l'âne", 1, 3, 1, 24, true, true);
    row("accent in article-free part only", "le canoë", 1, 4, 1, 24, false, false);
    row("first steps la tomate", "la tomate", 1, 2, 1, 24, true, true);
    row("first steps le domino", "le domino", 1, 2, 1, 24, true, true);
    row("first steps l'iris", "l'iris", 1, 2, 1, 24, true, true);
    row("first steps refuses l'abricot", "l'abricot", 1, 2, 1, 24, true, false);
    row("first steps refuses l'abeille", "l'abeille", 1, 2, 1, 24, true, false);
    row("first steps refuses accents even admitted", "le vélo", 1, 2, 1, 24, true, false);
    row("first steps refuses spaces", "la pomme de terre", 1, 2, 1, 24, true, false);
    row("first steps refuses hyphen", "le pull-over", 3, 2, 1, 24, true, false);
    row("hyphen counts in the noun", "la chauve-souris", 1, 3, 13, 13, true, true);
    row("first steps refuses chauve-souris", "la chauve-souris", 1, 2, 1, 24, true, false);
    row("plural noun with its space", "les petits pois", 1, 3, 11, 11, true, true);
    row("first steps refuses petits pois", "les petits pois", 1, 2, 1, 24, true, false);
    row("plural article not in the noun", "les chaussettes", 1, 3, 11, 11, true, true);
    row("first steps refuses apostrophe in noun", "le jeu d'échecs", 1, 2, 1, 24, true, false);
    row("first steps letter noun alternates", "le b", 1, 2, 1, 24, true, true);
    row("other modes ignore alternation", "l'abricot", 1, 6, 1, 24, true, true);
    row("mode 7 draws like the others", "l'abricot", 1, 7, 1, 24, true, true);
}

void WordDrawTest::accepts()
{
    QFETCH(QString, name);
    QFETCH(int, style);
    QFETCH(int, mode);
    QFETCH(int, mini);
    QFETCH(int, maxi);
    QFETCH(bool, accents);
    QFETCH(bool, accepted);
    const int index = indexOf(name.toUtf8().constData());
    QVERIFY(index > 0);
    GameSettings s;
    s.StyleCaracteres = std::uint8_t(style);
    s.TypeExercice = std::uint8_t(mode);
    s.TailleMini = std::uint8_t(mini);
    s.TailleMaxi = std::uint8_t(maxi);
    s.MotsAccentues = accents;
    QCOMPARE(WordDraw::accepts(index, s, 0), accepted);
    QVERIFY(!WordDraw::accepts(index, s, index)); // the previous target, never
}

void WordDrawTest::letterSizeDrawsOnlyLetterEntries()
{
    GameSettings s;
    s.TailleMini = 1;
    s.TailleMaxi = 1;
    RandomSource r;
    for (std::uint32_t seed = 0; seed < 2000; seed += 7) {
        r.setSeed(seed);
        const int index = WordDraw::draw(r, s, 0);
        QVERIFY2(index != 0 && WordList::name(index).size() == 4, qPrintable(QString::number(index)));
    }
}

void WordDrawTest::lowerCaseStylesNeverDrawTheTwoExcludedEntries()
{
    GameSettings s;
    s.TailleMini = 7; // "minitel" and "tour eiffel" both have 7 or more letters
    s.TailleMaxi = 11;
    RandomSource r;
    for (int style = 1; style <= 2; ++style) {
        s.StyleCaracteres = std::uint8_t(style);
        for (std::uint32_t seed = 0; seed < 20000; ++seed) {
            r.setSeed(seed * 2654435761u);
            const int index = WordDraw::draw(r, s, 0);
            QVERIFY(index != WordList::kMinitel && index != WordList::kTourEiffel);
        }
    }
}

void WordDrawTest::firstStepsDrawsOnlyAlternatingPlainNouns()
{
    // The rule stated on its own, not with the draw's helpers: after "l'" or
    // the first space, only the letters a to z, strictly alternating
    // consonants and vowels (a, e, i, o, u, y).
    const QRegularExpression article(QStringLiteral("^(l'|[a-z]+ )"));
    const QRegularExpression plainAlternating(
        QStringLiteral("^[aeiouy]?([bcdfghjklmnpqrstvwxz][aeiouy])*[bcdfghjklmnpqrstvwxz]?$"));
    const auto followsTheRule = [&](const QByteArray &name) {
        QString noun = QString::fromLatin1(name);
        noun.remove(article);
        return !noun.isEmpty() && plainAlternating.match(noun).hasMatch();
    };
    QSet<int> eligible;
    for (int i = 1; i <= WordList::kLastDrawable; ++i) {
        if (followsTheRule(WordList::name(i)) && i != WordList::kMinitel && i != WordList::kTourEiffel)
            eligible.insert(i);
    }

    GameSettings s;
    s.TypeExercice = 2;
    RandomSource r;
    QSet<int> seen;
    for (std::uint32_t seed = 0; seed < 3000; ++seed) {
        r.setSeed(seed * 40503u);
        const int index = WordDraw::draw(r, s, 0);
        QVERIFY2(eligible.contains(index), WordList::name(index).constData());
        seen.insert(index);
    }
    // And none is left out: 3000 draws meet every one of them.
    QCOMPARE(seen, eligible);
}

void WordDrawTest::impossibleSettingsUseTheLastOfAllAttempts()
{
    GameSettings s;
    s.TypeExercice = 2;
    s.TailleMini = 12;
    RandomSource r;
    r.setSeed(1234);
    const int index = WordDraw::draw(r, s, 0);
    // The same generator replayed by hand: the draw took exactly the last
    // of kMaxAttempts candidates, and not one more.
    RandomSource replay;
    replay.setSeed(1234);
    int last = 0;
    for (int i = 0; i < WordDraw::kMaxAttempts; ++i)
        last = int(replay.next(WordList::kLastDrawable)) + 1;
    QCOMPARE(index, last);
    QCOMPARE(r.next(1u << 31), replay.next(1u << 31));
    QVERIFY(!WordDraw::accepts(index, s, 0));
}

void WordDrawTest::previousTargetIsNeverDrawnAgain()
{
    GameSettings s;
    s.TailleMini = 1;
    s.TailleMaxi = 1; // only the 26 letters: the draw keeps finding the same ones
    RandomSource r;
    for (std::uint32_t seed = 0; seed < 500; ++seed) {
        // The entry this seed draws when nothing is excluded (0 is never a
        // candidate) becomes the previous target: without the rule the same
        // seed would draw it again, on every one of the 500 rows.
        r.setSeed(seed);
        const int previous = WordDraw::draw(r, s, 0);
        r.setSeed(seed);
        const int next = WordDraw::draw(r, s, previous);
        QVERIFY(next != previous);
        QCOMPARE(WordList::nounLength(WordList::nameView(next)), 1);
    }
}

QTEST_APPLESS_MAIN(WordDrawTest)
#include "worddraw_test.moc"
