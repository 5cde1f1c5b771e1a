// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The collection file: 128 bytes in slot order, '1' for an owned coin, anything else for one not held.

#include "collection/Ownership.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

class QIODevice;

namespace numislot::collection {

inline constexpr qsizetype CollectionFileSize = catalogue::SlotCount;
inline constexpr char OwnedByte = '1';
inline constexpr char NotHeldByte = '0';

QByteArray encodeCollection(const Ownership& ownership);

// Only the first 128 bytes count; a short input leaves the slots after its end not owned.
Ownership decodeCollection(QByteArrayView bytes);

// What tells a file on disk apart and whether it changed: device and inode, size and modification time.
struct FileIdentity
{
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;

    bool sameFile(const FileIdentity& other) const { return device == other.device && inode == other.inode; }
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// What the path names now, links followed; nothing when there is nothing there.
std::optional<FileIdentity> fileIdentity(const QString& path);

// The file a collection was last read from or written to, as it was then.
struct OwnFile
{
    QString path; // absolute
    FileIdentity identity;
};

OwnFile ownFile(const QString& path, const FileIdentity& identity);

enum class Replacement {
    None, // nothing at that name, or a directory
    OwnFile, // the collection's own file, unchanged since
    ChangedOwnFile, // the own file, written by someone else since, or replaced at its name
    OtherFile,
};

// What saving to `path` would replace.
Replacement replacementAt(const QString& path, const std::optional<OwnFile>& own);

// Nothing when the path cannot be opened for reading or is not a regular file (directory, pipe,
// socket, device). Never blocks and never reads more than 128 bytes. A write-protected file is fine.
// `identity`, when given, receives the identity of the file read.
std::optional<Ownership> readCollectionFile(const QString& path, FileIdentity* identity = nullptr);

// Reads at most 128 bytes from an open device.
Ownership readCollection(QIODevice& device);

// Replaces the file only once all 128 bytes are written and flushed; on any failure returns false
// and the previous file stays as it was. The new file keeps the old one's owner and group (where this
// user may give them), mode, ACL and extended attributes; a link is followed and its target replaced.
// `written`, when given, receives the identity of the new file.
bool writeCollectionFile(const QString& path, const Ownership& ownership, FileIdentity* written = nullptr);

// Writes the 128 bytes to an open device (flushed when it is a file); false when any byte fails.
bool writeCollection(QIODevice& device, const Ownership& ownership);

} // namespace numislot::collection
