// SPDX-License-Identifier: GPL-3.0-or-later
#include "collection/CollectionFile.h"

#include <QFile>
#include <QFileDevice>
#include <QIODevice>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace numislot::collection {

namespace {

// Closes the descriptor on every way out of the reader.
class FileDescriptor
{
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {
    }
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

QByteArray encodeCollection(const Ownership& ownership)
{
    QByteArray bytes(CollectionFileSize, NotHeldByte);
    for (qsizetype i = 0; i < CollectionFileSize; ++i) {
        if (ownership[i])
            bytes[i] = OwnedByte;
    }
    return bytes;
}

Ownership decodeCollection(QByteArrayView bytes)
{
    Ownership ownership {};
    const qsizetype used = std::min(bytes.size(), CollectionFileSize);
    for (qsizetype i = 0; i < used; ++i)
        ownership[i] = bytes[i] == OwnedByte;
    return ownership;
}

std::optional<Ownership> readCollectionFile(const QString& path)
{
    const QByteArray localPath = QFile::encodeName(path);
    // A NUL inside the name would silently open a shorter path.
    if (localPath.isEmpty() || localPath.contains('\0'))
        return std::nullopt;

    // O_NONBLOCK so that opening a named pipe returns at once; the type is checked on the opened
    // descriptor, so the path cannot be swapped between the check and the read.
    const FileDescriptor fd(::open(localPath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0)
        return std::nullopt;
    struct stat status = {};
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;

    char buffer[CollectionFileSize];
    qsizetype filled = 0;
    while (filled < CollectionFileSize) {
        const ssize_t got = ::read(fd.get(), buffer + filled, size_t(CollectionFileSize - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        filled += got;
    }
    return decodeCollection(QByteArrayView(buffer, filled));
}

Ownership readCollection(QIODevice& device)
{
    return decodeCollection(device.read(CollectionFileSize));
}

bool writeCollection(QIODevice& device, const Ownership& ownership)
{
    const QByteArray bytes = encodeCollection(ownership);
    qsizetype written = 0;
    while (written < bytes.size()) {
        const qint64 n = device.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            return false;
        written += n;
    }
    if (auto* file = qobject_cast<QFileDevice*>(&device))
        return file->flush();
    return true;
}

bool writeCollectionFile(const QString& path, const Ownership& ownership)
{
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!writeCollection(file, ownership)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace numislot::collection
