// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Decodes one JPEG file with libjpeg straight into a QImage's scan lines.

#include <QByteArrayView>
#include <QImage>
#include <QString>

namespace numislot::toolkit {

struct JpegDecodeResult
{
    QImage image; // Format_RGBX8888; null on failure
    QString error; // "Erreur JPEG #<code>" with the library's message code; empty on success
};

// Never ends the process: every library error, and every warning about damaged data, comes back as an
// error. The colour space is the library's: a JFIF marker means YCbCr, whatever an Adobe segment says.
JpegDecodeResult decodeJpeg(QByteArrayView jpeg);

} // namespace numislot::toolkit
