// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding the embedded JPEG pictures, and what damaged data does to the decoder.

#include "support/Inventory.h"
#include "toolkit/JpegDecoder.h"
#include "toolkit/Picture.h"
#include "toolkit/PictureStream.h"

#include <QFile>
#include <QTest>
#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>

using namespace Qt::StringLiterals;
using numislot::toolkit::decodeJpeg;
using numislot::toolkit::parsePictureStream;
using numislot::toolkit::Picture;

namespace {

QByteArray jpegOf(QStringView window, QStringView cell)
{
    return parsePictureStream(Picture::embeddedStream(window, cell)).jpeg.toByteArray();
}

int maximumDifference(const QImage& a, const QImage& b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max(
                { worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q)) });
        }
    }
    return worst;
}

} // namespace

class TestJpegDecoder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void decodesEveryPicture_data();
    void decodesEveryPicture();
    void jfifDecidesOverAdobeFlag_data();
    void jfifDecidesOverAdobeFlag();
    void damagedData_data();
    void damagedData();
    void damagedPictureInACell_data();
    void damagedPictureInACell();

private:
    QList<InventoryEntry> m_inventory;
};

void TestJpegDecoder::initTestCase()
{
    m_inventory = readInventory();
    QCOMPARE(m_inventory.size(), 139);
}

void TestJpegDecoder::decodesEveryPicture_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QSize>("size");
    for (const InventoryEntry& entry : std::as_const(m_inventory))
        QTest::addRow("%s/%s", qPrintable(entry.window), qPrintable(entry.cell))
            << entry.window << entry.cell << entry.size;
}

// Each picture decodes at its listed size, and to the colours Qt's own JPEG reader finds in the same file
// (a swapped channel order or a wrong colour space would show here).
void TestJpegDecoder::decodesEveryPicture()
{
    QFETCH(QString, window);
    QFETCH(QString, cell);
    QFETCH(QSize, size);
    const QByteArray jpeg = jpegOf(window, cell);
    const auto result = decodeJpeg(jpeg);
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QCOMPARE(result.image.size(), size);
    QCOMPARE(result.image.format(), QImage::Format_RGBX8888);

    const QImage reference = QImage::fromData(jpeg, "JPEG");
    if (reference.isNull())
        QSKIP("Qt's JPEG reader is not installed");
    QVERIFY(maximumDifference(result.image, reference) <= 2);
}

void TestJpegDecoder::jfifDecidesOverAdobeFlag_data()
{
    QTest::addColumn<QString>("cell");
    int count = 0;
    for (const InventoryEntry& entry : std::as_const(m_inventory)) {
        if (entry.frame == u"progressive") {
            QCOMPARE(entry.adobeTransform, 0);
            QTest::addRow("%s", qPrintable(entry.cell)) << entry.cell;
            ++count;
        }
    }
    QCOMPARE(count, 16);
}

// The progressive coins carry JFIF and an Adobe flag 0. Their white corners must come out white: read as
// RGB (trusting the flag) the YCbCr white 255/128/128 would turn pink. The margin allows for the
// 4:2:0 coins' chroma, which bleeds a little from the coin's edge into the corner.
void TestJpegDecoder::jfifDecidesOverAdobeFlag()
{
    QFETCH(QString, cell);
    const auto result = decodeJpeg(jpegOf(u"Form16", cell));
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    const QImage& image = result.image;
    for (const QPoint corner : { QPoint(0, 0), QPoint(image.width() - 1, 0), QPoint(0, image.height() - 1),
             QPoint(image.width() - 1, image.height() - 1) }) {
        const QRgb pixel = image.pixel(corner);
        QVERIFY2(qRed(pixel) >= 235 && qGreen(pixel) >= 235 && qBlue(pixel) >= 235,
            qPrintable(u"(%1,%2,%3)"_s.arg(qRed(pixel)).arg(qGreen(pixel)).arg(qBlue(pixel))));
    }
}

void TestJpegDecoder::damagedData_data()
{
    QTest::addColumn<QByteArray>("jpeg");
    QTest::addColumn<int>("code");
    const QByteArray baseline = jpegOf(u"Form16", u"Image1");
    const QByteArray progressive = jpegOf(u"Form16", u"Image97");
    QVERIFY(!baseline.isEmpty() && !progressive.isEmpty());
    const qsizetype frame = baseline.indexOf("\xFF\xC0");
    QVERIFY(frame > 0);

    QByteArray unknownMarker = baseline;
    unknownMarker[3] = char(0x4F); // the segment after SOI
    QByteArray zeroWidth = baseline;
    zeroWidth[frame + 7] = 0;
    zeroWidth[frame + 8] = 0;
    QByteArray fourComponents = baseline;
    fourComponents[frame + 9] = 4;
    QByteArray cutScan = baseline.left(baseline.size() / 2);
    cutScan += "\xFF\xD9"; // still ends like a complete file

    QTest::newRow("zero length") << QByteArray() << int(JERR_INPUT_EMPTY);
    QTest::newRow("not a JPEG") << "GIF89a, certainly not a JPEG"_ba << int(JERR_NO_SOI);
    QTest::newRow("truncated header") << baseline.left(40) << int(JWRN_JPEG_EOF);
    QTest::newRow("truncated baseline scan") << baseline.left(baseline.size() / 2) << int(JWRN_JPEG_EOF);
    QTest::newRow("truncated progressive scan") << progressive.left(progressive.size() * 2 / 3) << int(JWRN_JPEG_EOF);
    QTest::newRow("scan cut, end marker kept") << cutScan << int(JWRN_HIT_MARKER);
    QTest::newRow("unknown marker") << unknownMarker << int(JERR_UNKNOWN_MARKER);
    QTest::newRow("zero width") << zeroWidth << int(JERR_EMPTY_IMAGE);
    QTest::newRow("frame length mismatch") << fourComponents << int(JERR_BAD_LENGTH);
}

void TestJpegDecoder::damagedData()
{
    QFETCH(QByteArray, jpeg);
    QFETCH(int, code);
    const auto result = decodeJpeg(jpeg);
    QCOMPARE(result.error, u"Erreur JPEG #%1"_s.arg(code));
    QVERIFY(result.image.isNull());
}

void TestJpegDecoder::damagedPictureInACell_data()
{
    QTest::addColumn<bool>("ahead");
    QTest::newRow("decoded when painted") << false;
    QTest::newRow("decoded ahead on a worker") << true;
}

// A stream that passes its own checks but holds damaged JPEG data: the cell's picture reports the
// decoder's error once and stays empty, whichever thread decoded it.
void TestJpegDecoder::damagedPictureInACell()
{
    QFETCH(bool, ahead);
    QByteArray jpeg = jpegOf(u"Form1", u"Image8");
    jpeg = jpeg.left(jpeg.size() / 2) + "\xFF\xD9";
    const Picture picture = Picture::fromStream(numislot::toolkit::makePictureStream(jpeg));
    QCOMPARE(picture.errorString(), QString());
    QCOMPARE(picture.size(), QSize(64, 65));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Erreur JPEG #\\d+$"_s));
    if (ahead) {
        picture.decodeAhead();
        QTRY_VERIFY(picture.isDecoded());
        QVERIFY(picture.errorString().startsWith(u"Erreur JPEG #"));
    }
    QVERIFY(picture.image().isNull());
    QVERIFY(picture.errorString().startsWith(u"Erreur JPEG #"));
    QVERIFY(picture.image().isNull()); // no second attempt, no second warning
}

QTEST_GUILESS_MAIN(TestJpegDecoder)
#include "tst_jpegdecoder.moc"
