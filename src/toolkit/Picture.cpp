#include "toolkit/Picture.h"

#include "toolkit/JpegDecoder.h"
#include "toolkit/PictureStream.h"

#include <QResource>
#include <QSharedData>
#include <QtDebug>

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
    QString error;
    bool decoded = false;
    QImage image;
};

Picture::Picture() = default;
Picture::~Picture() = default;
Picture::Picture(const Picture&) = default;
Picture& Picture::operator=(const Picture&) = default;
Picture::Picture(Data* data) : d(data) { }

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
    return {reinterpret_cast<const char*>(resource.data()), qsizetype(resource.size())};
}

Picture Picture::open(QByteArray owned, QByteArrayView stream)
{
    auto* data = new Data;
    data->ownedStream = std::move(owned);
    const PictureStreamContent content = parsePictureStream(data->ownedStream.isNull() ? stream : data->ownedStream);
    data->error = content.error;
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
    if (!d->decoded) {
        d->decoded = true;
        if (d->error.isEmpty()) {
            JpegDecodeResult result = decodeJpeg(d->jpeg);
            d->image = std::move(result.image);
            d->error = std::move(result.error);
        }
        if (!d->error.isEmpty())
            qWarning().noquote() << d->error;
    }
    return d->image;
}

bool Picture::isDecoded() const
{
    return d && d->decoded;
}

QString Picture::errorString() const
{
    return d ? d->error : QString();
}

} // namespace numislot::toolkit
