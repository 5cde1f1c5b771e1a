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

// Nothing when the path cannot be opened for reading or is not a regular file (directory, pipe,
// socket, device). Never blocks and never reads more than 128 bytes. A write-protected file is fine.
std::optional<Ownership> readCollectionFile(const QString& path);

// Reads at most 128 bytes from an open device.
Ownership readCollection(QIODevice& device);

// Replaces the file only once all 128 bytes are written and flushed; on any failure returns false
// and the previous file stays as it was.
bool writeCollectionFile(const QString& path, const Ownership& ownership);

// Writes the 128 bytes to an open device (flushed when it is a file); false when any byte fails.
bool writeCollection(QIODevice& device, const Ownership& ownership);

} // namespace numislot::collection
