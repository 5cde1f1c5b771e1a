// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One picture of the program: a handle to its JPEG data, decoded on first use.

#include <QByteArrayView>
#include <QExplicitlySharedDataPointer>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringView>

namespace numislot::toolkit {

class Picture
{
public:
    Picture();
    ~Picture();
    Picture(const Picture&);
    Picture& operator=(const Picture&);

    // The picture stored for a window's cell, embedded(u"Form1", u"Image8"); null if there is none.
    static Picture embedded(QStringView window, QStringView cell);
    // The stored picture stream itself, empty if there is none (tests and benchmarks read it).
    static QByteArrayView embeddedStream(QStringView window, QStringView cell);
    // A picture over a stream held by the caller; the stream is copied.
    static Picture fromStream(QByteArrayView stream);

    bool isNull() const;
    // From the JPEG frame header, without decoding.
    QSize size() const;
    // Decoded the first time it is asked for; copies of this Picture share the result.
    QImage image() const;
    // Starts the decode on a worker thread, for a picture shown as soon as its window appears; image()
    // then waits for that decode instead of repeating it. Any thread may ask for the image.
    void decodeAhead() const;
    bool isDecoded() const;
    // Why the stream was refused or the data did not decode; empty otherwise.
    QString errorString() const;

private:
    struct Data;
    explicit Picture(Data* data);
    // Parses the stream; the Picture refers to its bytes, which `owned` keeps alive unless they are embedded.
    static Picture open(QByteArray owned, QByteArrayView stream);
    QExplicitlySharedDataPointer<Data> d;
};

} // namespace numislot::toolkit
