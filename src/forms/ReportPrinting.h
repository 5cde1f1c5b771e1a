// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Loading the owned-coins report into the main window's hidden rich-edit control and printing it.

#include <QString>

class QFont;
class QPrinter;
class QTextEdit;
class QWidget;

namespace numislot {

namespace toolkit {
class Services;
}

// Replaces the control's whole text by the report file, read as Windows-1252 plain text.
// False when the file cannot be read; the control then keeps its text.
bool loadReportFile(QTextEdit& richEdit, const QString& path);

// Lays the text out over the printer's whole page area in the font, with no margins of its own, and
// prints it as one job titled " ", continuing on as many pages as it needs. False when the job could
// not be started.
bool printReportText(QPrinter& printer, const QString& text, const QFont& font);

// The print dialog through the services, then, when confirmed, the control's text as one job.
void printRichEdit(toolkit::Services& services, const QTextEdit& richEdit, QWidget* parent);

} // namespace numislot
