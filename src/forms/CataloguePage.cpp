// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/CataloguePage.h"

#include "forms/Controls.h"
#include "forms/Geometry.h"
#include "forms/Unit16.h"
#include "toolkit/Colours.h"
#include "toolkit/Environment.h"
#include "toolkit/FirstShow.h"
#include "toolkit/PictureCell.h"
#include "toolkit/Placement.h"
#include "toolkit/Text.h"

#include <QGroupBox>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>

using namespace Qt::StringLiterals;

namespace numislot {

namespace {

// The frame of a group box without a caption, which is all a separator shows: a flat etched band
// half a text line below its top.
void drawSeparator(QPainter& painter, const QRect& rect)
{
    const int top = rect.top() + 4;
    const int bottom = rect.bottom() - 1;
    painter.save();
    painter.setPen(QColor(0xa0, 0xa0, 0xa0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(rect.left(), top, rect.width() - 2, bottom - top));
    painter.restore();
}

// A captionless group box used as a rule between rows; it paints as the print does.
class PageSeparator : public QGroupBox
{
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        drawSeparator(painter, rect());
    }
};

void drawCell(QPainter& painter, const toolkit::PictureCell& cell)
{
    const QRect rect = cell.geometry();
    painter.fillRect(rect, Qt::white);
    const QImage image = cell.picture().image();
    if (image.isNull())
        return;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.drawImage(rect.topLeft(), image);
    painter.restore();
}

void drawLabel(QPainter& painter, const QLabel& label)
{
    painter.save();
    painter.setFont(label.font());
    painter.setPen(label.palette().color(QPalette::WindowText));
    painter.drawText(label.geometry(), int(label.alignment()) | Qt::TextSingleLine, label.text());
    painter.restore();
}

} // namespace

void buildCataloguePage(QWidget* page, const printing::CataloguePage& layout)
{
    page->setObjectName(toolkit::qs(layout.caption));
    page->setWindowTitle(toolkit::qs(layout.caption));
    toolkit::pinScreen(page);
    page->setFont(toolkit::formFont());
    page->setFixedSize(layout.clientWidth, layout.clientHeight);
    toolkit::paintWhite(page);
    // The pages are printed, never shown; printing runs this first.
    auto* firstShow = new toolkit::FirstShow(page);

    for (int row = 0; row < printing::RowCount; ++row) {
        const printing::PageRow& info = layout.rows[row];
        for (int denomination = 0; denomination < catalogue::DenominationCount; ++denomination) {
            auto* cell = new toolkit::PictureCell(page);
            cell->setObjectName(u"Image%1"_s.arg(printing::boxNumber(info, denomination)));
            cell->setGeometry(toQRect(printing::boxRect(info, denomination)));
        }
        makeLabel(page, u"Label%1"_s.arg(info.labelNumber), toolkit::qs(catalogue::issuers[info.issuer].name),
            { info.labelLeft, info.labelTop }, firstShow);
    }
    for (int index = 0; index < printing::SeparatorCount; ++index) {
        auto* separator = new PageSeparator(page);
        separator->setObjectName(u"GroupBox%1"_s.arg(index + 1));
        separator->setGeometry(layout.separatorLefts[index], layout.separatorTops[index], printing::SeparatorWidth,
            printing::SeparatorHeight);
    }
    QLabel* pageLabel = makeLabel(page, u"Label%1"_s.arg(layout.pageLabelNumber), toolkit::qs(layout.pageLabelText),
        { layout.pageLabelLeft, layout.pageLabelTop }, firstShow);
    pageLabel->setFont(toolkit::formFont(printing::PageLabelPixelHeight, true));
    // Its designed box, whatever its text measures.
    firstShow->add([pageLabel] { pageLabel->resize(printing::PageLabelWidth, printing::PageLabelHeight); });
    pageLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    if (layout.banner.width > 0) {
        auto* banner = new toolkit::PictureCell(page);
        banner->setObjectName(u"Image1"_s);
        banner->setGeometry(toQRect(layout.banner));
        banner->setPicture(toolkit::Picture::embedded(toolkit::qs(layout.caption), u"Image1"));
    }
}

void fillCataloguePage(QWidget* page, const printing::CataloguePage& layout, const TForm16& gallery)
{
    for (const printing::PageRow& row : layout.rows) {
        for (int denomination = 0; denomination < catalogue::DenominationCount; ++denomination) {
            auto* target = page->findChild<toolkit::PictureCell*>(
                u"Image%1"_s.arg(printing::boxNumber(row, denomination)), Qt::FindDirectChildrenOnly);
            if (target)
                target->setPicture(gallery.cellPicture(printing::galleryCellOfBox(row, denomination)));
        }
    }
}

void paintCataloguePage(QPainter& painter, const QWidget& page)
{
    // A page never shown has not sized its captions yet.
    toolkit::FirstShow::runFor(page);
    painter.fillRect(page.rect(), Qt::white);
    // Children in their stacking order, as the window would paint them.
    for (const QObject* child : page.children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (!widget || !widget->isVisibleTo(&page))
            continue;
        if (const auto* cell = qobject_cast<const toolkit::PictureCell*>(widget))
            drawCell(painter, *cell);
        else if (const auto* label = qobject_cast<const QLabel*>(widget))
            drawLabel(painter, *label);
        else if (qobject_cast<const QGroupBox*>(widget))
            drawSeparator(painter, widget->geometry());
    }
}

bool printCataloguePages(QPrinter& printer, const QList<const QWidget*>& pages)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // Vector drawing under the scale: the page is never turned into one printer-sized image.
    painter.scale(double(printer.logicalDpiX()) / catalogue::DesignPixelsPerInch,
        double(printer.logicalDpiY()) / catalogue::DesignPixelsPerInch);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const QWidget* page : pages) {
        if (page != pages.constFirst())
            printer.newPage();
        paintCataloguePage(painter, *page);
    }
    return painter.end();
}

} // namespace numislot
