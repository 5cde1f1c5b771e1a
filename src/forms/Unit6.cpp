// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Unit6.h"

#include "forms/CataloguePage.h"
#include "forms/Unit16.h"
#include "forms/Unit7.h"
#include "toolkit/Services.h"

using namespace Qt::StringLiterals;

namespace numislot {

TForm6::TForm6(toolkit::Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint)
    , m_services(services)
{
    buildCataloguePage(this, printing::page1);
}

TForm6::~TForm6() = default;

void TForm6::FillCataloguePages()
{
    if (!m_gallery)
        return;
    fillCataloguePage(this, printing::page1, *m_gallery);
    if (m_page2)
        fillCataloguePage(m_page2, printing::page2, *m_gallery);
}

void TForm6::printCatalogue(QWidget* origin)
{
    FillCataloguePages();
    if (!m_printer)
        m_printer.emplace(QPrinter::HighResolution);
    if (!m_services.runPrintDialog(origin, *m_printer))
        return;
    QList<const QWidget*> pages { this };
    if (m_page2)
        pages.append(m_page2);
    // The print has no title of its own. A printer gets one job per page, page 1 first; a file gets
    // both pages in one job, since a second job would write over the first.
    if (!m_printer->outputFileName().isEmpty()) {
        QList<int> numbers;
        for (int number = 1; number <= pages.size(); ++number)
            numbers.append(number);
        if (printCataloguePages(*m_printer, pages))
            Q_EMIT jobPrinted(numbers);
        return;
    }
    for (int number = 1; number <= pages.size(); ++number) {
        if (printCataloguePages(*m_printer, { pages[number - 1] }))
            Q_EMIT jobPrinted({ number });
    }
}

} // namespace numislot
