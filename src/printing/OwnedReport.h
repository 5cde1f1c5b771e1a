// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The owned-coins report: plain Windows-1252 text with CR LF line breaks, one line per issuer in
// display order, then the count line and a footer without a line break.

#include "collection/Ownership.h"

#include <QByteArray>
#include <QString>

namespace numislot::printing {

// The report's encoding, as the library's converters name it.
inline constexpr char ReportEncoding[] = "windows-1252";

// caption: the main window's caption; countText: the status label's text, copied as it reads.
QByteArray ownedReport(const collection::Ownership& ownership, const QString& caption, const QString& countText);

// The last line of every report, already encoded.
QByteArray reportFooter();

// Replaces whatever stands at the path by a new file holding the bytes; false when it cannot be created
// or written.
bool writeOwnedReport(const QString& path, const QByteArray& bytes);

} // namespace numislot::printing
