// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/PictureStream.h"

#include <QtEndian>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace numislot::toolkit {

PictureStreamContent parsePictureStream(QByteArrayView stream)
{
    if (stream.isEmpty())
        return { {}, u"Flux d'image vide"_s };
    const auto nameLength = qsizetype(quint8(stream[0]));
    if (stream.size() < 1 + nameLength + PictureStreamLengthBytes)
        return { {}, u"Flux d'image tronqué"_s };
    const QByteArrayView className = stream.sliced(1, nameLength);
    if (className != PictureClassName)
        return { {}, u"Classe d'image inconnue : %1"_s.arg(QString::fromLatin1(className)) };
    const quint32 length = qFromLittleEndian<quint32>(stream.data() + 1 + nameLength);
    const QByteArrayView jpeg = stream.sliced(1 + nameLength + PictureStreamLengthBytes);
    if (qsizetype(length) != jpeg.size())
        return { {}, u"Longueur d'image incorrecte : %1 annoncés, %2 présents"_s.arg(length).arg(jpeg.size()) };
    if (jpeg.size() < 4 || !jpeg.startsWith("\xFF\xD8") || !jpeg.endsWith("\xFF\xD9"))
        return { {}, u"Données JPEG incomplètes"_s };
    return { jpeg, {} };
}

QByteArray makePictureStream(QByteArrayView jpeg)
{
    const std::string header = pictureStreamHeader(quint32(jpeg.size()));
    QByteArray stream;
    stream.reserve(qsizetype(header.size()) + jpeg.size());
    stream.append(header.data(), qsizetype(header.size()));
    stream.append(jpeg);
    return stream;
}

QSize jpegFrameSize(QByteArrayView jpeg)
{
    const auto byte = [&](qsizetype at) { return int(quint8(jpeg[at])); };
    qsizetype at = 2;
    while (at + 4 <= jpeg.size()) {
        if (byte(at) != 0xFF)
            return {};
        const int marker = byte(at + 1);
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) {
            at += 2;
            continue;
        }
        // libjpeg reads the two length bytes and skips whatever more they announce; a length of 0 or 1
        // in a segment it skips (APPn, COM) is not an error to it, so it must not end the walk here
        // either, or the size promised would differ from the size decoded.
        const int length = std::max(byte(at + 2) << 8 | byte(at + 3), 2);
        // SOF0..SOF15 except DHT (C4), JPG (C8) and DAC (CC).
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (at + 9 > jpeg.size())
                return {};
            return { byte(at + 7) << 8 | byte(at + 8), byte(at + 5) << 8 | byte(at + 6) };
        }
        if (marker == 0xDA || marker == 0xD9) // scan data before any frame header
            return {};
        at += 2 + length;
    }
    return {};
}

} // namespace numislot::toolkit
