// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as an embedded picture stream: parsed, sized from the frame header and decoded. Nothing may
// crash, leak or read outside the bytes, and a decoded picture must have the size the header promised.

#include "FuzzCheck.h"
#include "toolkit/JpegDecoder.h"
#include "toolkit/Picture.h"
#include "toolkit/PictureStream.h"

#include <QByteArrayView>
#include <QImage>
#include <QtGlobal>
#include <cstddef>
#include <cstdint>

namespace toolkit = numislot::toolkit;

namespace {

// Every refused picture warns once; thousands of lines a second would only slow the run.
void quiet(QtMsgType, const QMessageLogContext&, const QString&) { }

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qInstallMessageHandler(quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    const toolkit::PictureStreamContent content = toolkit::parsePictureStream(bytes);
    NUMISLOT_CHECK(content.isValid() != content.jpeg.isEmpty());
    if (content.isValid()) {
        // The JPEG is the tail of the stream, nothing more and nothing less.
        NUMISLOT_CHECK(content.jpeg.data() + content.jpeg.size() == bytes.data() + bytes.size());
        NUMISLOT_CHECK(toolkit::makePictureStream(content.jpeg) == bytes);
    }

    // Through the handle the windows use: the stream is copied, decoded once, shared by copies.
    const toolkit::Picture picture = toolkit::Picture::fromStream(bytes);
    NUMISLOT_CHECK(!picture.isNull());
    const QSize promised = picture.size();
    const toolkit::Picture copy = picture;
    const QImage image = copy.image();
    NUMISLOT_CHECK(picture.isDecoded());
    NUMISLOT_CHECK(image.isNull() != picture.errorString().isEmpty());
    if (!image.isNull()) {
        NUMISLOT_CHECK(content.isValid());
        NUMISLOT_CHECK(image.size() == promised);
        NUMISLOT_CHECK(image.format() == QImage::Format_RGBX8888);
        NUMISLOT_CHECK(picture.image().constBits() == image.constBits()); // not decoded a second time
    }

    // The decoder on its own, on whatever follows the header, valid stream or not.
    if (bytes.size() > 15) {
        const toolkit::JpegDecodeResult direct = toolkit::decodeJpeg(bytes.sliced(15));
        NUMISLOT_CHECK(direct.image.isNull() != direct.error.isEmpty());
    }
    return 0;
}
