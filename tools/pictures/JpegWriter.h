// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Inventory.h"

#include <QByteArray>
#include <QImage>

namespace numislot::pictures {

// Encodes with libjpeg to the given profile. Every file gets JFIF 1.02, an APP13 (IPTC) and an Adobe
// APP14 segment; EXIF and the sRGB profile only where the profile asks. The same input gives the same bytes.
QByteArray encodeJpeg(const QImage& image, const JpegProfile& profile, const QString& title);

} // namespace numislot::pictures
