// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The stored form of an embedded picture (PictureStreamFormat.h): a length-prefixed class name, a
// 4-byte little-endian length L and a complete JPEG file of exactly L bytes.

#include "toolkit/PictureStreamFormat.h"

#include <QByteArrayView>
#include <QSize>
#include <QString>

namespace numislot::toolkit {

inline constexpr QByteArrayView PictureClassName { PictureStreamClassName.data(),
    qsizetype(PictureStreamClassName.size()) };

struct PictureStreamContent
{
    QByteArrayView jpeg; // points into the stream; empty when the stream was refused
    QString error; // empty when the stream is good

    bool isValid() const { return error.isEmpty(); }
};

// Checks the class name, that L is the rest of the stream and that the data runs from FF D8 to FF D9.
PictureStreamContent parsePictureStream(QByteArrayView stream);

// Wraps a JPEG file into a stream (the build does this with its own tool; tests and benchmarks use it).
QByteArray makePictureStream(QByteArrayView jpeg);

// Width and height from the JPEG's frame header, read without decoding; invalid when there is none.
QSize jpegFrameSize(QByteArrayView jpeg);

} // namespace numislot::toolkit
