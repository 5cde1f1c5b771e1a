// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Catalogue.h"
#include "catalogue/Maker.h"

#include <QStringEncoder>
#include <QTest>
#include <cstdlib>
#include <set>

using namespace numislot::catalogue;
using namespace Qt::StringLiterals;

namespace {
QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void slotArithmetic_data();
    void slotArithmetic();
    void everySlotRoundTrips();
    void coinHints_data();
    void coinHints();
    void gridHasNoOverlapAndTabOrderIsAPermutation();
    void displayRowsAreAlphabetical();
    void galleryCellRule_data();
    void galleryCellRule();
    void columnPicturesStandOnTheGrid();
    void everyTextFitsWindows1252();
};

void TestCatalogue::slotArithmetic_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("issuer");
    QTest::addColumn<int>("denomination");
    QTest::newRow("slot 1 is the 2 euro of Allemagne") << 1 << u"Allemagne"_s << 0;
    QTest::newRow("slot 34 is the 1 euro of Finlande") << 34 << u"Finlande"_s << 1;
    QTest::newRow("slot 105 is the 2 euro of Vatican") << 105 << u"Vatican"_s << 0;
    QTest::newRow("slot 113 is the 2 euro of Monaco") << 113 << u"Monaco"_s << 0;
    QTest::newRow("slot 121 is the 2 euro of Slovenie") << 121 << u"Slovénie"_s << 0;
    QTest::newRow("slot 128 is the 1 cent of Slovenie") << 128 << u"Slovénie"_s << 7;
    QTest::newRow("slot 96 is the 1 cent of Portugal") << 96 << u"Portugal"_s << 7;
}

void TestCatalogue::slotArithmetic()
{
    QFETCH(int, slot);
    QFETCH(QString, issuer);
    QFETCH(int, denomination);
    QCOMPARE(qs(issuers[issuerOf(slot)].name), issuer);
    QCOMPARE(denominationOf(slot), denomination);
    QCOMPARE(slotOf(issuerOf(slot), denomination), slot);
}

void TestCatalogue::everySlotRoundTrips()
{
    std::set<int> seen;
    for (int issuer = 0; issuer < IssuerCount; ++issuer) {
        for (int denomination = 0; denomination < DenominationCount; ++denomination) {
            const int slot = slotOf(issuer, denomination);
            QVERIFY(isSlot(slot));
            QCOMPARE(issuerOf(slot), issuer);
            QCOMPARE(denominationOf(slot), denomination);
            seen.insert(slot);
        }
    }
    QCOMPARE(int(seen.size()), SlotCount);
}

void TestCatalogue::coinHints_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("hint");
    QTest::newRow("2 euro Allemagne, plural") << 1 << u"2 € Allemands"_s;
    QTest::newRow("1 euro Allemagne, singular") << 2 << u"1 € Allemand"_s;
    QTest::newRow("50 cents Allemagne") << 3 << u"50 Centimes d' € Allemands"_s;
    QTest::newRow("1 cent Allemagne, singular") << 8 << u"1 Centime d' € Allemand"_s;
    QTest::newRow("20 cents Pays-Bas") << 84 << u"20 Centimes d' € Néerlandais"_s;
    QTest::newRow("2 euro San Marin") << 97 << u"2 € de San Marin"_s;
    QTest::newRow("1 cent Vatican") << 112 << u"1 Centime d' € du Vatican"_s;
    QTest::newRow("1 euro Monaco, singular") << 114 << u"1 € Monegasque"_s;
    QTest::newRow("1 cent Monaco, plural by exception") << 120 << u"1 Centime d' € Monegasques"_s;
    QTest::newRow("2 cents Monaco") << 119 << u"2 Centimes d' € Monegasques"_s;
    QTest::newRow("1 euro Finlande") << 34 << u"1 € Finlandai"_s;
    QTest::newRow("1 cent Finlande") << 40 << u"1 Centime d' € Finlandai"_s;
    QTest::newRow("2 euro Finlande") << 33 << u"2 € Finlandais"_s;
    QTest::newRow("1 cent Luxembourg") << 80 << u"1 Centime d' € Luxembougeois"_s;
    QTest::newRow("1 euro France") << 42 << u"1 € Français"_s;
    QTest::newRow("2 euro Slovenie") << 121 << u"2 € Slovènes"_s;
    QTest::newRow("1 cent Slovenie") << 128 << u"1 Centime d' € Slovène"_s;
}

void TestCatalogue::coinHints()
{
    QFETCH(int, slot);
    QFETCH(QString, hint);
    QCOMPARE(qs(coinHint(slot)), hint);
}

void TestCatalogue::gridHasNoOverlapAndTabOrderIsAPermutation()
{
    std::set<std::pair<int, int>> places;
    std::set<int> orders;
    for (int slot = 1; slot <= SlotCount; ++slot) {
        places.insert({ checkBoxRect(slot).left, checkBoxRect(slot).top });
        orders.insert(checkBoxTabOrder(slot));
    }
    QCOMPARE(int(places.size()), SlotCount);
    QCOMPARE(int(orders.size()), SlotCount);
    QCOMPARE(*orders.begin(), 0);
    QCOMPARE(*orders.rbegin(), 127);
}

void TestCatalogue::displayRowsAreAlphabetical()
{
    const QStringList expected { u"Allemagne"_s, u"Autriche"_s, u"Belgique"_s, u"Espagne"_s, u"Finlande"_s, u"France"_s,
        u"Grèce"_s, u"Irlande"_s, u"Italie"_s, u"Luxembourg"_s, u"Monaco"_s, u"Pays-Bas"_s, u"Portugal"_s,
        u"San Marin"_s, u"Slovénie"_s, u"Vatican"_s };
    QStringList rows;
    for (int row = 0; row < IssuerCount; ++row)
        rows.append(qs(issuers[issuerAtRow(row)].name));
    QCOMPARE(rows, expected);
}

void TestCatalogue::galleryCellRule_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("cell");
    QTest::newRow("Allemagne keeps its number") << 1 << 1;
    QTest::newRow("San Marin 1 cent") << 104 << 104;
    QTest::newRow("Vatican 2 euro in cell 121") << 105 << 121;
    QTest::newRow("Vatican 1 cent in cell 128") << 112 << 128;
    QTest::newRow("Monaco keeps its number") << 113 << 113;
    QTest::newRow("Monaco 1 cent keeps its number") << 120 << 120;
    QTest::newRow("Slovenie 2 euro in cell 105") << 121 << 105;
    QTest::newRow("Slovenie 1 cent in cell 112") << 128 << 112;
}

void TestCatalogue::galleryCellRule()
{
    QFETCH(int, slot);
    QFETCH(int, cell);
    QCOMPARE(galleryCellOfSlot(slot), cell);
    QCOMPARE(slotOfGalleryCell(cell), slot);

    // Every coin in exactly one cell.
    std::set<int> held;
    for (int other = 1; other <= SlotCount; ++other)
        held.insert(slotOfGalleryCell(other));
    QCOMPARE(int(held.size()), SlotCount);
    QCOMPARE(*held.begin(), 1);
    QCOMPARE(*held.rbegin(), SlotCount);
}

void TestCatalogue::columnPicturesStandOnTheGrid()
{
    for (int denomination = 0; denomination < DenominationCount; ++denomination) {
        const Rect& picture = columnPictureRects[denomination];
        QCOMPARE(picture.top + picture.height, 65);
        // Over its own column: nearer to it than to either neighbour.
        const int centre = picture.left + picture.width / 2;
        for (int other = 0; other < DenominationCount; ++other) {
            if (other != denomination)
                QVERIFY(std::abs(centre - denominations[denomination].gridLeft)
                    < std::abs(centre - denominations[other].gridLeft));
        }
    }
}

void TestCatalogue::everyTextFitsWindows1252()
{
    QStringList texts;
    for (const Denomination& denomination : denominations)
        texts << qs(denomination.hintForm) << qs(denomination.detailCaption);
    for (const Issuer& issuer : issuers)
        texts << qs(issuer.name) << qs(issuer.buttonHint) << qs(issuer.pluralForm) << qs(issuer.singularForm)
              << qs(issuer.titleWord);
    for (int slot = 1; slot <= SlotCount; ++slot) {
        texts << qs(coinHint(slot)) << qs(designName(slot));
        QVERIFY2(!designName(slot).empty(), qPrintable(u"slot %1 has no design name"_s.arg(slot)));
    }
    texts << qs(ApplicationTitle) << qs(ContactAddress) << qs(ForumUrl) << qs(MailSubject);
    for (const QString& text : std::as_const(texts)) {
        QStringEncoder encoder("windows-1252");
        QVERIFY(encoder.isValid());
        const QByteArray bytes = encoder.encode(text);
        QVERIFY2(!encoder.hasError() && QStringDecoder("windows-1252").decode(bytes) == text, qPrintable(text));
    }
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
