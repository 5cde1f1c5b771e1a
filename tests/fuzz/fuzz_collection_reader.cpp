// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes of any length, as a collection file: decoded in memory and read back from a real file,
// and both must agree with the reading rule byte for byte.

#include "FuzzCheck.h"
#include "collection/CollectionFile.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace collection = numislot::collection;

namespace {

QString scratchFile()
{
    // Removed again when the run ends normally.
    static const QTemporaryDir dir;
    if (!dir.isValid())
        std::abort();
    return dir.filePath(QStringLiteral("c.eur"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const collection::Ownership decoded = collection::decodeCollection(bytes);
    for (qsizetype i = 0; i < collection::CollectionFileSize; ++i) {
        const bool expected = i < bytes.size() && bytes[i] == '1';
        NUMISLOT_CHECK(decoded[i] == expected);
    }

    QFile file(scratchFile());
    NUMISLOT_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    file.close();
    const auto read = collection::readCollectionFile(scratchFile());
    NUMISLOT_CHECK(read && *read == decoded);

    // What the writer produces reads back unchanged.
    NUMISLOT_CHECK(collection::decodeCollection(collection::encodeCollection(decoded)) == decoded);
    return 0;
}
