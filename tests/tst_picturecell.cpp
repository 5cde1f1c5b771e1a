// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures and the cells that show them: lazy, shared decoding; natural size, clipped, unscaled;
// the cell keeps its mouse moves.

#include "toolkit/Picture.h"
#include "toolkit/PictureCell.h"

#include <QTest>

using namespace Qt::StringLiterals;
using numislot::toolkit::Picture;
using numislot::toolkit::PictureCell;

namespace {

class TrackingParent : public QWidget
{
public:
    TrackingParent() { setMouseTracking(true); }
    int moves = 0;

protected:
    void mouseMoveEvent(QMouseEvent*) override { ++moves; }
};

} // namespace

class TestPictureCell : public QObject
{
    Q_OBJECT

private slots:
    void embeddedLookup_data();
    void embeddedLookup();
    void copiesShareOneDecode();
    void decodeAheadGivesTheSameImage_data();
    void decodeAheadGivesTheSameImage();
    void drawsAtNaturalSize_data();
    void drawsAtNaturalSize();
    void decodesOnFirstPaintOnly();
    void keepsItsMouseMoves();
};

void TestPictureCell::decodeAheadGivesTheSameImage_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("cell");
    QTest::newRow("main window 2 euro") << u"Form1"_s << u"Image8"_s;
    QTest::newRow("splash") << u"Form5"_s << u"Image1"_s;
    QTest::newRow("gallery Slovenie 2 euro") << u"Form16"_s << u"Image105"_s;
}

// Asked for at once, while the worker may still be decoding: one decode, the same pixels.
void TestPictureCell::decodeAheadGivesTheSameImage()
{
    QFETCH(QString, window);
    QFETCH(QString, cell);
    const Picture ahead = Picture::embedded(window, cell);
    const Picture onUse = Picture::fromStream(Picture::embeddedStream(window, cell));
    ahead.decodeAhead();
    const Picture copy = ahead;
    const QImage shown = copy.image();
    QVERIFY(ahead.isDecoded());
    QVERIFY(!shown.isNull());
    QCOMPARE(shown, onUse.image());
    QCOMPARE(ahead.image().constBits(), shown.constBits());
}

void TestPictureCell::embeddedLookup_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QSize>("size");
    QTest::newRow("main window 2 euro") << u"Form1"_s << u"Image8"_s << QSize(64, 65);
    QTest::newRow("main window 1 cent") << u"Form1"_s << u"Image1"_s << QSize(42, 42);
    QTest::newRow("about banner") << u"Form3"_s << u"Image1"_s << QSize(208, 46);
    QTest::newRow("splash") << u"Form5"_s << u"Image1"_s << QSize(445, 191);
    QTest::newRow("page 2 banner") << u"Form7"_s << u"Image1"_s << QSize(224, 42);
    QTest::newRow("gallery Slovenie 2 euro") << u"Form16"_s << u"Image105"_s << QSize(71, 70);
    QTest::newRow("gallery Vatican 1 cent") << u"Form16"_s << u"Image128"_s << QSize(52, 52);
    QTest::newRow("gallery Monaco 1 euro") << u"Form16"_s << u"Image114"_s << QSize(75, 76);
    QTest::newRow("no such cell") << u"Form16"_s << u"Image129"_s << QSize();
    QTest::newRow("no pictures in the save prompt") << u"Form2"_s << u"Image1"_s << QSize();
}

// Sizes come from the frame header; looking a picture up never decodes it.
void TestPictureCell::embeddedLookup()
{
    QFETCH(QString, window);
    QFETCH(QString, cell);
    QFETCH(QSize, size);
    const Picture picture = Picture::embedded(window, cell);
    QCOMPARE(picture.isNull(), !size.isValid());
    QCOMPARE(picture.size(), size);
    QVERIFY(!picture.isDecoded());
    QCOMPARE(picture.image().isNull(), !size.isValid());
    if (size.isValid())
        QCOMPARE(picture.image().size(), size);
}

void TestPictureCell::copiesShareOneDecode()
{
    const Picture gallery = Picture::embedded(u"Form16", u"Image9");
    const Picture detail = gallery; // what a window does when it copies a cell's picture
    QVERIFY(!gallery.isDecoded());
    const QImage shown = detail.image();
    QVERIFY(gallery.isDecoded());
    QCOMPARE(gallery.image().constBits(), shown.constBits());

    // A change to one copy's image leaves the other alone.
    QImage changed = gallery.image();
    changed.fill(Qt::black);
    QCOMPARE(detail.image().pixel(0, 0), qRgb(255, 255, 255) | 0u);
    QVERIFY(detail.image().pixel(0, 0) != changed.pixel(0, 0));
}

void TestPictureCell::drawsAtNaturalSize_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QSize>("cellSize");
    QTest::newRow("cell of the picture's size") << u"Image1"_s << QSize(79, 80);
    QTest::newRow("one pixel shorter") << u"Image18"_s << QSize(75, 76);
    QTest::newRow("Slovenie, cell wider and taller") << u"Image105"_s << QSize(73, 74);
    QTest::newRow("Slovenie, cell narrower and shorter") << u"Image112"_s << QSize(52, 48);
}

// The cell shows the picture's pixels from its top-left corner, unscaled, and white where the
// picture does not reach.
void TestPictureCell::drawsAtNaturalSize()
{
    QFETCH(QString, cell);
    QFETCH(QSize, cellSize);
    const Picture picture = Picture::embedded(u"Form16", cell);
    PictureCell widget;
    widget.resize(cellSize);
    widget.setPicture(picture);
    const QImage shown = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), cellSize);
    const QImage source = picture.image().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < cellSize.height(); ++y) {
        for (int x = 0; x < cellSize.width(); ++x) {
            const QRgb expected = source.rect().contains(x, y) ? source.pixel(x, y) : qRgb(255, 255, 255);
            if (shown.pixel(x, y) != expected)
                QFAIL(qPrintable(u"pixel %1,%2 differs"_s.arg(x).arg(y)));
        }
    }
}

void TestPictureCell::decodesOnFirstPaintOnly()
{
    PictureCell widget;
    widget.setPicture(Picture::embedded(u"Form5", u"Image1"));
    QCOMPARE(widget.sizeHint(), QSize(445, 191));
    QVERIFY(!widget.picture().isDecoded());
    widget.resize(widget.sizeHint());
    widget.grab();
    QVERIFY(widget.picture().isDecoded());
}

// The gallery moves its print button on moves over its own background; moves over a cell stay in the cell.
void TestPictureCell::keepsItsMouseMoves()
{
    TrackingParent parent;
    parent.resize(200, 120);
    auto* cell = new PictureCell(&parent);
    cell->setGeometry(10, 10, 79, 80);
    cell->setPicture(Picture::embedded(u"Form16", u"Image1"));
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));

    QTest::mouseMove(&parent, QPoint(150, 100));
    QTRY_VERIFY(parent.moves > 0); // the background does receive moves
    const int before = parent.moves;
    QTest::mouseMove(cell, QPoint(20, 20));
    QTest::mouseMove(cell, QPoint(40, 50));
    QCOMPARE(parent.moves, before);
}

QTEST_MAIN(TestPictureCell)
#include "tst_picturecell.moc"
