// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/ReportPrinting.h"

#include "catalogue/Catalogue.h"
#include "printing/OwnedReport.h"
#include "toolkit/Services.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QStringDecoder>
#include <QTextDocument>
#include <QTextEdit>

using namespace Qt::StringLiterals;

namespace numislot {

namespace {

// Pixel sizes are the design's screen pixels; on paper the same height is kept in points.
QFont paperFont(const QFont& font)
{
    QFont paper = font;
    if (font.pixelSize() > 0)
        paper.setPointSizeF(font.pixelSize() * 72.0 / catalogue::DesignPixelsPerInch);
    return paper;
}

} // namespace

bool loadReportFile(QTextEdit& richEdit, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(printing::ReportEncoding);
    if (!decoder.isValid())
        return false;
    QString text = decoder(bytes);
    // The file's CR LF pairs are paragraph ends, as any other line break.
    text.replace(u"\r\n"_s, u"\n"_s);
    richEdit.setPlainText(text);
    return true;
}

bool printReportText(QPrinter& printer, const QString& text, const QFont& font)
{
    printer.setDocName(u" "_s);

    QTextDocument document;
    document.setUndoRedoEnabled(false);
    document.documentLayout()->setPaintDevice(&printer);
    document.setDefaultFont(paperFont(font));
    document.setDocumentMargin(0);
    const QSizeF page = printer.pageRect(QPrinter::DevicePixel).size();
    document.setPageSize(page);
    document.setPlainText(text);

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const int pages = document.pageCount();
    for (int index = 0; index < pages; ++index) {
        if (index > 0)
            printer.newPage();
        painter.save();
        const QRectF shown(0, index * page.height(), page.width(), page.height());
        painter.translate(0, -shown.top());
        painter.setClipRect(shown);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = shown;
        context.palette.setColor(QPalette::Text, Qt::black);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}

void printRichEdit(toolkit::Services& services, const QTextEdit& richEdit, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!services.runPrintDialog(parent, printer))
        return;
    printReportText(printer, richEdit.toPlainText(), richEdit.font());
}

} // namespace numislot
