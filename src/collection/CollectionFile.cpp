// SPDX-License-Identifier: GPL-3.0-or-later
#include "collection/CollectionFile.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
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
    void reset(int fd)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

FileIdentity identityOf(const struct stat& status)
{
    return { quint64(status.st_dev), quint64(status.st_ino), qint64(status.st_size),
        qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec };
}

// The file a link leads to, as QSaveFile would find it, so that what is read from the old file and the
// directory synced are the target's.
QString linkTarget(const QString& path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 128 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

// Every extended attribute the old file lists that the new one may take.
void copyAttributes(int from, int to)
{
    const ssize_t namesSize = ::flistxattr(from, nullptr, 0);
    if (namesSize <= 0)
        return;
    QByteArray names(namesSize, '\0');
    const ssize_t listed = ::flistxattr(from, names.data(), size_t(names.size()));
    for (qsizetype at = 0; at < listed; at += qsizetype(std::strlen(names.constData() + at)) + 1) {
        const char* name = names.constData() + at;
        const ssize_t valueSize = ::fgetxattr(from, name, nullptr, 0);
        if (valueSize < 0)
            continue;
        QByteArray value(valueSize, '\0');
        const ssize_t length = ::fgetxattr(from, name, value.data(), size_t(value.size()));
        if (length >= 0)
            (void)::fsetxattr(to, name, value.constData(), size_t(length), 0);
    }
}

// The new file takes what the old one had. What the file system or this user's rights do not allow is
// left out: the contents matter more than any of it. All of it is read through one descriptor, so that
// it comes from the one file even if the path is changed meanwhile.
void keepAttributes(const QByteArray& oldPath, int fd)
{
    // Not followed: the link was resolved already, and one that appeared since leads elsewhere.
    FileDescriptor old(::open(oldPath.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | O_NOFOLLOW));
    // A file this user may not read still tells its owner and mode.
    if (old.get() < 0 && errno == EACCES)
        old.reset(::open(oldPath.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    struct stat status = {};
    if (old.get() < 0 || ::fstat(old.get(), &status) != 0)
        return;
    // The group alone where the owner cannot be given away.
    if (::fchown(fd, status.st_uid, status.st_gid) != 0)
        (void)::fchown(fd, uid_t(-1), status.st_gid);
    // An ACL is an attribute too, copied with the others. The new file may hold one from its directory's
    // default ACL: where the old file had none, it goes, and the mode stands alone.
    constexpr char accessAcl[] = "system.posix_acl_access";
    if (::fgetxattr(old.get(), accessAcl, nullptr, 0) < 0 && errno == ENODATA)
        (void)::fremovexattr(fd, accessAcl);
    copyAttributes(old.get(), fd);
    // The mode last: a change of owner or of ACL may clear its set-id bits.
    (void)::fchmod(fd, status.st_mode & 07777);
}

// So that the rename itself survives a power cut.
void syncDirectory(const QString& directory)
{
    const FileDescriptor fd(::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0)
        (void)::fsync(fd.get());
}

QString absolutePath(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

std::optional<FileIdentity> fileIdentity(const QString& path)
{
    const QByteArray localPath = QFile::encodeName(path);
    struct stat status = {};
    if (localPath.isEmpty() || localPath.contains('\0') || ::stat(localPath.constData(), &status) != 0)
        return std::nullopt;
    return identityOf(status);
}

OwnFile ownFile(const QString& path, const FileIdentity& identity)
{
    return { absolutePath(path), identity };
}

Replacement replacementAt(const QString& path, const std::optional<OwnFile>& own)
{
    const std::optional<FileIdentity> existing = fileIdentity(path);
    // A directory is never replaced: the save fails and says so.
    if (!existing || QFileInfo(path).isDir())
        return Replacement::None;
    if (!own)
        return Replacement::OtherFile;
    if (*existing == own->identity)
        return Replacement::OwnFile;
    if (existing->sameFile(own->identity) || absolutePath(path) == own->path)
        return Replacement::ChangedOwnFile;
    return Replacement::OtherFile;
}

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

std::optional<Ownership> readCollectionFile(const QString& path, FileIdentity* identity)
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
    if (identity)
        *identity = identityOf(status);
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

bool writeCollectionFile(const QString& path, const Ownership& ownership, FileIdentity* written)
{
    if (path.isEmpty())
        return false;
    const QString target = linkTarget(path);
    QSaveFile file(target);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!writeCollection(file, ownership)) {
        file.cancelWriting();
        return false;
    }
    keepAttributes(QFile::encodeName(target), file.handle());
    struct stat status = {};
    // All bytes are in the file and what follows changes no more than its name.
    if (::fstat(file.handle(), &status) != 0) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;
    syncDirectory(QFileInfo(target).absolutePath());
    if (written)
        *written = identityOf(status);
    return true;
}

} // namespace numislot::collection
