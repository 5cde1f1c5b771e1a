// SPDX-License-Identifier: GPL-3.0-or-later
// The embedded picture streams and the JPEG files inside them, checked against assets/inventory.csv.

#include "support/Inventory.h"
#include "toolkit/Picture.h"
#include "toolkit/PictureStream.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;
using numislot::toolkit::makePictureStream;
using numislot::toolkit::parsePictureStream;
using numislot::toolkit::Picture;

namespace {

QByteArray assetBytes(const QString& file)
{
    QFile asset(QString::fromUtf8(NUMISLOT_ASSETS_DIR) + u'/' + file);
    return asset.open(QIODevice::ReadOnly) ? asset.readAll() : QByteArray();
}

// What the marker segments before the first scan say.
struct Markers
{
    int frameMarker = 0; // 0xC0 baseline, 0xC2 progressive
    int precision = 0;
    QSize size;
    QList<int> sampling; // 0xHV per component
    int jfifVersion = 0, densityUnit = -1, xDensity = 0, yDensity = 0;
    int adobeTransform = -1;
    bool exif = false, icc = false, photoshop = false;
    QByteArray iccProfile;
    bool wellFormed = false;
};

Markers readMarkers(QByteArrayView jpeg)
{
    Markers m;
    const auto u8 = [&](qsizetype at) { return at < jpeg.size() ? int(quint8(jpeg[at])) : -1; };
    const auto u16 = [&](qsizetype at) { return u8(at) << 8 | u8(at + 1); };
    qsizetype at = 2;
    while (at + 4 <= jpeg.size() && u8(at) == 0xFF) {
        const int marker = u8(at + 1);
        const int length = u16(at + 2);
        const QByteArrayView body = jpeg.sliced(at + 4, qMin<qsizetype>(length - 2, jpeg.size() - at - 4));
        if (marker == 0xDA) {
            m.wellFormed = true;
            break;
        }
        if (marker == 0xE0 && body.startsWith("JFIF\0"_ba)) {
            m.jfifVersion = u16(at + 9);
            m.densityUnit = u8(at + 11);
            m.xDensity = u16(at + 12);
            m.yDensity = u16(at + 14);
        } else if (marker == 0xE1 && body.startsWith("Exif\0\0"_ba)) {
            m.exif = body.sliced(6).startsWith("II*\0"_ba) || body.sliced(6).startsWith("MM\0*"_ba);
        } else if (marker == 0xE2 && body.startsWith("ICC_PROFILE\0"_ba)) {
            m.icc = true;
            m.iccProfile += body.sliced(14);
        } else if (marker == 0xED && body.startsWith("Photoshop 3.0\0"_ba)) {
            m.photoshop = body.sliced(14).startsWith("8BIM");
        } else if (marker == 0xEE && body.startsWith("Adobe") && body.size() >= 12) {
            m.adobeTransform = u8(at + 4 + 11);
        } else if (marker == 0xC0 || marker == 0xC1 || marker == 0xC2) {
            m.frameMarker = marker;
            m.precision = u8(at + 4);
            m.size = QSize(u16(at + 7), u16(at + 5));
            for (int component = 0; component < u8(at + 9); ++component)
                m.sampling.append(u8(at + 11 + 3 * component));
        }
        at += 2 + length;
    }
    return m;
}

QByteArray withLength(QByteArray stream, quint32 length)
{
    qToLittleEndian<quint32>(length, stream.data() + 11);
    return stream;
}

} // namespace

class TestPictureStream : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void embeddedStream_data();
    void embeddedStream();
    void jpegProfile_data();
    void jpegProfile();
    void refusedStream_data();
    void refusedStream();
    void promisedSizeIsDecodedSize_data();
    void promisedSizeIsDecodedSize();

private:
    QList<InventoryEntry> m_inventory;
    QByteArray m_goodStream;
};

void TestPictureStream::initTestCase()
{
    m_inventory = readInventory();
    QCOMPARE(m_inventory.size(), 139);
    QStringList keys;
    for (const InventoryEntry& entry : std::as_const(m_inventory))
        keys << entry.window + u'/' + entry.cell;
    keys.removeDuplicates();
    QCOMPARE(keys.size(), 139);
    m_goodStream = Picture::embeddedStream(u"Form16", u"Image1").toByteArray();
    QVERIFY(!m_goodStream.isEmpty());
}

void TestPictureStream::embeddedStream_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("file");
    for (const InventoryEntry& entry : std::as_const(m_inventory))
        QTest::addRow("%s/%s", qPrintable(entry.window), qPrintable(entry.cell))
            << entry.window << entry.cell << entry.file;
}

// Every cell's stream is the class name, L = the rest of the stream, and exactly the committed JPEG file.
void TestPictureStream::embeddedStream()
{
    QFETCH(QString, window);
    QFETCH(QString, cell);
    QFETCH(QString, file);
    const QByteArrayView stream = Picture::embeddedStream(window, cell);
    QVERIFY(!stream.isEmpty());
    QCOMPARE(int(quint8(stream[0])), 10);
    QCOMPARE(stream.sliced(1, 10), "TJPEGImage"_ba);
    QCOMPARE(qsizetype(qFromLittleEndian<quint32>(stream.data() + 11)), stream.size() - 15);

    const auto content = parsePictureStream(stream);
    QVERIFY2(content.isValid(), qPrintable(content.error));
    QVERIFY(content.jpeg.startsWith("\xFF\xD8"));
    QVERIFY(content.jpeg.endsWith("\xFF\xD9"));
    QCOMPARE(content.jpeg.toByteArray(), assetBytes(file));
}

void TestPictureStream::jpegProfile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("progressive");
    QTest::addColumn<bool>("subsampled");
    QTest::addColumn<int>("adobeTransform");
    QTest::addColumn<int>("density");
    QTest::addColumn<bool>("exif");
    QTest::addColumn<bool>("icc");
    for (const InventoryEntry& entry : std::as_const(m_inventory)) {
        QTest::addRow("%s", qPrintable(entry.file))
            << entry.file << entry.size << (entry.frame == u"progressive") << (entry.sampling == u"4:2:0")
            << entry.adobeTransform << entry.density << entry.exif << entry.icc;
    }
}

void TestPictureStream::jpegProfile()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFETCH(bool, progressive);
    QFETCH(bool, subsampled);
    QFETCH(int, adobeTransform);
    QFETCH(int, density);
    QFETCH(bool, exif);
    QFETCH(bool, icc);

    const QByteArray jpeg = assetBytes(file);
    const Markers m = readMarkers(jpeg);
    QVERIFY(m.wellFormed);
    QCOMPARE(m.frameMarker, progressive ? 0xC2 : 0xC0);
    QCOMPARE(m.precision, 8);
    QCOMPARE(m.size, size);
    QCOMPARE(m.sampling, (QList<int> { subsampled ? 0x22 : 0x11, 0x11, 0x11 }));
    QCOMPARE(m.jfifVersion, 0x0102);
    QCOMPARE(m.densityUnit, 1);
    QCOMPARE(m.xDensity, density);
    QCOMPARE(m.yDensity, density);
    QCOMPARE(m.adobeTransform, adobeTransform);
    QVERIFY(m.photoshop);
    QCOMPARE(m.exif, exif);
    QCOMPARE(m.icc, icc);
    if (icc) { // a real RGB display profile, not a placeholder
        QVERIFY(m.iccProfile.size() > 128);
        QCOMPARE(qsizetype(qFromBigEndian<quint32>(m.iccProfile.constData())), m.iccProfile.size());
        QCOMPARE(m.iccProfile.sliced(12, 4), "mntr"_ba);
        QCOMPARE(m.iccProfile.sliced(16, 4), "RGB "_ba);
        QCOMPARE(m.iccProfile.sliced(36, 4), "acsp"_ba);
    }
}

void TestPictureStream::refusedStream_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QString>("error");
    const QByteArray good = m_goodStream;
    const QByteArray jpeg = good.sliced(15);
    QByteArray otherClass = good;
    otherClass.replace(1, 10, "TBitmapImg");
    QByteArray longerName = good;
    longerName[0] = char(11);

    QTest::newRow("empty") << QByteArray() << u"Flux d'image vide"_s;
    QTest::newRow("header only") << good.left(12) << u"Flux d'image tronqué"_s;
    QTest::newRow("name longer than the stream")
        << QByteArray(1, char(200)) + "TJPEGImage" << u"Flux d'image tronqué"_s;
    QTest::newRow("wrong class name") << otherClass << u"Classe d'image inconnue : TBitmapImg"_s;
    QTest::newRow("wrong name length") << longerName
                                       << u"Classe d'image inconnue : "_s
            + QString::fromLatin1(longerName.sliced(1, 11));
    QTest::newRow("truncated") << good.chopped(
        100) << u"Longueur d'image incorrecte : %1 annoncés, %2 présents"_s.arg(jpeg.size()).arg(jpeg.size() - 100);
    QTest::newRow("L one short") << withLength(good,
        quint32(jpeg.size()
            - 1)) << u"Longueur d'image incorrecte : %1 annoncés, %2 présents"_s.arg(jpeg.size() - 1).arg(jpeg.size());
    QTest::newRow("L beyond 2 GB") << withLength(good,
        0xFFFFFFF0u) << u"Longueur d'image incorrecte : %1 annoncés, %2 présents"_s.arg(0xFFFFFFF0u).arg(jpeg.size());
    QTest::newRow("zero length") << makePictureStream({}) << u"Données JPEG incomplètes"_s;
    QTest::newRow("no start of image") << makePictureStream(jpeg.sliced(2)) << u"Données JPEG incomplètes"_s;
    QTest::newRow("no end of image") << makePictureStream(jpeg.chopped(2)) << u"Données JPEG incomplètes"_s;
}

void TestPictureStream::refusedStream()
{
    QFETCH(QByteArray, stream);
    QFETCH(QString, error);
    const auto content = parsePictureStream(stream);
    QCOMPARE(content.error, error);
    QVERIFY(content.jpeg.isEmpty());

    // A cell given such a stream shows nothing, reports why, and carries on.
    const Picture picture = Picture::fromStream(stream);
    QVERIFY(!picture.isNull());
    QVERIFY(!picture.size().isValid());
    QTest::ignoreMessage(QtWarningMsg, qPrintable(error));
    QVERIFY(picture.image().isNull());
    QCOMPARE(picture.errorString(), error);
}

void TestPictureStream::promisedSizeIsDecodedSize_data()
{
    QTest::addColumn<QString>("path");
    const QDir seeds(QString::fromUtf8(NUMISLOT_PICTURE_SEEDS));
    const QStringList files = seeds.entryList(QDir::Files);
    QVERIFY(!files.isEmpty());
    for (const QString& file : files)
        QTest::addRow("%s", qPrintable(file)) << seeds.filePath(file);
}

// The windows are laid out by the size read from the frame header before decoding; the fuzzer's seeds,
// odd segments included, must decode to exactly that size.
void TestPictureStream::promisedSizeIsDecodedSize()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const Picture picture = Picture::fromStream(file.readAll());
    const QImage image = picture.image();
    QVERIFY2(!image.isNull(), qPrintable(picture.errorString()));
    QCOMPARE(image.size(), picture.size());
}

QTEST_GUILESS_MAIN(TestPictureStream)
#include "tst_picturestream.moc"
