// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The 139 pictures of the program: the window cell each one belongs to, its pixel size and the
// JPEG profile it is encoded with.

#include <QSize>
#include <QString>
#include <vector>

namespace numislot::pictures {

enum class Role { GalleryCoin, ColumnCoin, AboutBanner, Splash, PageBanner };

struct JpegProfile
{
    bool progressive = false;
    bool subsampled = false; // 4:2:0, otherwise 4:4:4
    int adobeTransform = 1;
    int density = 72; // dots per inch
    bool exif = false;
    bool icc = false;
};

struct PictureEntry
{
    QString window; // Form1, Form3, Form5, Form7, Form16
    QString cell; // Image<n>
    QString file; // in assets/
    QSize size;
    JpegProfile profile;
    Role role = Role::GalleryCoin;
    int slot = 0; // gallery coins
    int denomination = 0; // gallery and column coins
};

// In the order the inventory table lists them: Form1, Form3, Form5, Form7, then the gallery by cell.
std::vector<PictureEntry> inventory();

QString inventoryHeader();
QString inventoryLine(const PictureEntry& entry);

} // namespace numislot::pictures
