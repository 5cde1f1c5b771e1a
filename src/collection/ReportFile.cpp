// SPDX-License-Identifier: GPL-3.0-or-later
#include "collection/ReportFile.h"

#include <QDir>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace numislot::collection {

QString reportFilePath()
{
    const QString runtimeDir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    // Qt gives an empty location when it finds no runtime directory it can trust; an empty result
    // then makes the report's creation fail instead of landing in the current directory.
    if (runtimeDir.isEmpty())
        return {};
    return QDir(runtimeDir).filePath(u"NumislotImprim.txt"_s);
}

} // namespace numislot::collection
