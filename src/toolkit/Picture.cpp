// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Picture.h"

#include "toolkit/JpegDecoder.h"
#include "toolkit/PictureStream.h"

#include <QResource>
#include <QSharedData>
#include <QThreadPool>
#include <QtDebug>
#include <atomic>
#include <mutex>

using namespace Qt::StringLiterals;

// The resources live in the static toolkit library; this pulls them in whatever the linker keeps.
static void initPictureResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    Q_UNUSED(done);
}

namespace numislot::toolkit {

struct Picture::Data : QSharedData
{
    QByteArray ownedStream; // empty for embedded pictures, whose bytes live in the executable
    QByteArrayView jpeg;
    QSize size;
    QString streamError; // fixed when the stream is opened
    // Written once, under the flag, possibly on a worker thread; read only once `decoded` is set.
    std::once_flag decodeOnce;
    std::atomic<bool> decoded = false;
    QString decodeError;
    QImage image;

    void decode()
    {
        if (streamError.isEmpty()) {
            JpegDecodeResult result = decodeJpeg(jpeg);
            image = std::move(result.image);
            decodeError = std::move(result.error);
        }
        const QString& error = streamError.isEmpty() ? decodeError : streamError;
        if (!error.isEmpty())
            qWarning().noquote() << error;
        decoded.store(true, std::memory_order_release);
    }
};

Picture::Picture() = default;
Picture::~Picture() = default;
Picture::Picture(const Picture&) = default;
Picture& Picture::operator=(const Picture&) = default;
Picture::Picture(Data* data)
    : d(data)
{
}

QByteArrayView Picture::embeddedStream(QStringView window, QStringView cell)
{
    initPictureResources();
    QString path = u":/numislot/pictures/"_s;
    path += window;
    path += u'/';
    path += cell;
    const QResource resource(path);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
        return {};
    return { reinterpret_cast<const char*>(resource.data()), qsizetype(resource.size()) };
}

Picture Picture::open(QByteArray owned, QByteArrayView stream)
{
    auto* data = new Data;
    data->ownedStream = std::move(owned);
    const PictureStreamContent content = parsePictureStream(data->ownedStream.isNull() ? stream : data->ownedStream);
    data->streamError = content.error;
    data->jpeg = content.jpeg;
    if (content.isValid())
        data->size = jpegFrameSize(content.jpeg);
    return Picture(data);
}

Picture Picture::embedded(QStringView window, QStringView cell)
{
    const QByteArrayView stream = embeddedStream(window, cell);
    if (stream.isEmpty())
        return {};
    return open({}, stream);
}

Picture Picture::fromStream(QByteArrayView stream)
{
    return open(stream.toByteArray(), {});
}

bool Picture::isNull() const
{
    return !d;
}

QSize Picture::size() const
{
    return d ? d->size : QSize();
}

QImage Picture::image() const
{
    if (!d)
        return {};
    Data* data = d.data();
    std::call_once(data->decodeOnce, [data] { data->decode(); });
    return data->image;
}

void Picture::decodeAhead() const
{
    if (!d || isDecoded())
        return;
    // The task holds its own reference, so the data outlives every window that drops the picture.
    QThreadPool::globalInstance()->start([picture = *this] { picture.image(); });
}

bool Picture::isDecoded() const
{
    return d && d->decoded.load(std::memory_order_acquire);
}

QString Picture::errorString() const
{
    if (!d)
        return {};
    // A refused stream is known from the start; a decode error only once decoded.
    if (!d->streamError.isEmpty() || !isDecoded())
        return d->streamError;
    return d->decodeError;
}

} // namespace numislot::toolkit
