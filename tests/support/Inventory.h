// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// assets/inventory.csv: one row per embedded picture, as the generator wrote it.

#include <QFile>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

struct InventoryEntry
{
    QString window, cell, file;
    QSize size;
    QString frame, sampling;
    int adobeTransform = -1;
    int density = 0;
    bool exif = false, icc = false;
};

// Empty when the file cannot be read or a row has not its eleven columns.
inline QList<InventoryEntry> readInventory()
{
    QFile file(QString::fromUtf8(NUMISLOT_INVENTORY));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<InventoryEntry> entries;
    file.readLine(); // column names
    while (!file.atEnd()) {
        const QStringList f = QString::fromUtf8(file.readLine().trimmed()).split(u',');
        if (f.size() != 11)
            return {};
        entries.append({ f[0], f[1], f[2], QSize(f[3].toInt(), f[4].toInt()), f[5], f[6], f[7].toInt(), f[8].toInt(),
            f[9] == u"yes", f[10] == u"yes" });
    }
    return entries;
}
