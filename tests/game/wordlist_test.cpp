#include "cp1252.h"
#include "wordlist.h"

#include <QFile>
#include <QSet>
#include <QTest>

// Guards the vocabulary: indices, bytes and the derived name, key and noun.
class WordListTest : public QObject
{
    Q_OBJECT
private slots:
    void entriesKeepTheirIndex_data();
    void entriesKeepTheirIndex();
    void everyEntryMatchesTheListByteForByte();
    void nounLength_data();
    void nounLength();
    void everyEntryIsWellFormed();
    void articlesAreCountedAsListed();
};

void WordListTest::entriesKeepTheirIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("key");
    QTest::newRow("first, never drawn") << 0 << cp1252("le a") << QByteArray("A");
    QTest::newRow("abeille") << 1 << cp1252("l'abeille") << QByteArray("ABEILLE");
    QTest::newRow("eight-letter key") << 4 << cp1252("l'accent circonflexe") << QByteArray("ACCENCIR");
    QTest::newRow("default target") << 100 << cp1252("le canard") << QByteArray("CANARD");
    QTest::newRow("plural article") << 127 << cp1252("les chaussettes") << QByteArray("CHAUSSET");
    QTest::newRow("hyphen, underscore key") << 130 << cp1252("la chauve-souris") << QByteArray("CHAUVE_S");
    QTest::newRow("plural noun") << 421 << cp1252("les petits pois") << QByteArray("PETITPOI");
    QTest::newRow("minitel") << 351 << cp1252("le minitel") << QByteArray("MINITEL");
    QTest::newRow("key unlike noun") << 517 << cp1252("le signe égal") << QByteArray("EGAL");
    QTest::newRow("tour eiffel") << 565 << cp1252("la tour eiffel") << QByteArray("TOUREIFF");
    QTest::newRow("last drawable") << 607 << cp1252("le zéro") << QByteArray("ZERO");
    QTest::newRow("empty last") << 608 << QByteArray() << QByteArray();
}

void WordListTest::entriesKeepTheirIndex()
{
    QFETCH(int, index);
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, key);
    QCOMPARE(WordList::name(index), name);
    QCOMPARE(WordList::key(index), key);
}

// Every entry against a copy of the list typed apart (UTF-8 in the test's
// folder): a wrong accent or a swapped pair anywhere shows here.
void WordListTest::everyEntryMatchesTheListByteForByte()
{
    QFile file(QStringLiteral(VOCABULARY_FILE));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QList<QByteArray> expected;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().chopped(1);
        if (!line.startsWith('#'))
            expected << QString::fromUtf8(line).toLatin1();
    }
    QCOMPARE(expected.size(), WordList::kCount);
    for (int i = 0; i < WordList::kCount; ++i)
        QVERIFY2(WordList::entry(i) == expected.at(i), qPrintable(QStringLiteral("entry %1").arg(i)));
}

void WordListTest::nounLength_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("noun");
    QTest::newRow("elided article") << cp1252("l'aiguille à tricoter") << 19 << cp1252("aiguille à tricoter");
    QTest::newRow("after first space") << cp1252("la pomme de terre") << 14 << cp1252("pomme de terre");
    QTest::newRow("letter") << cp1252("le a") << 1 << QByteArray("a");
    QTest::newRow("les") << cp1252("les skis") << 4 << QByteArray("skis");
    QTest::newRow("accent counts one byte") << cp1252("l'âne") << 3 << cp1252("âne");
    QTest::newRow("longest name") << cp1252("le point d'interrogation") << 21 << cp1252("point d'interrogation");
}

void WordListTest::nounLength()
{
    QFETCH(QByteArray, name);
    QFETCH(int, length);
    QFETCH(QByteArray, noun);
    QCOMPARE(WordList::nounLength(name), length);
    // The noun is what the length leaves at the end of the name.
    QCOMPARE(name.right(length), noun);
}

void WordListTest::everyEntryIsWellFormed()
{
    const QByteArray nounBytes = cp1252("abcdefghijklmnopqrstuvwxyz '-àâçèéêëîû");
    QSet<QByteArray> keys;
    int longestNoun = 0;
    for (int i = 0; i < WordList::kCount - 1; ++i) {
        const QByteArray e = WordList::entry(i);
        QCOMPARE(e.count('/'), 1);
        const QByteArray key = WordList::key(i);
        QVERIFY2(!key.isEmpty() && key.size() <= 8, e.constData());
        for (char c : key)
            QVERIFY2((c >= 'A' && c <= 'Z') || c == '_', e.constData());
        QVERIFY2(!keys.contains(key), e.constData());
        keys.insert(key);
        const QByteArray name = WordList::name(i);
        QVERIFY(name.size() <= 24);
        for (char c : name)
            QVERIFY2(nounBytes.contains(c), e.constData());
        longestNoun = std::max(longestNoun, WordList::nounLength(name));
    }
    QCOMPARE(longestNoun, 21);
    QCOMPARE(keys.size(), 608);
}

void WordListTest::articlesAreCountedAsListed()
{
    int le = 0, la = 0, les = 0, elided = 0;
    for (int i = 0; i < WordList::kCount - 1; ++i) {
        const QByteArray n = WordList::name(i);
        if (n.startsWith("l'"))
            ++elided;
        else if (n.startsWith("les "))
            ++les;
        else if (n.startsWith("le "))
            ++le;
        else if (n.startsWith("la "))
            ++la;
    }
    QCOMPARE(le, 309);
    QCOMPARE(la, 196);
    QCOMPARE(les, 24);
    QCOMPARE(elided, 79);
}

QTEST_APPLESS_MAIN(WordListTest)
#include "wordlist_test.moc"
