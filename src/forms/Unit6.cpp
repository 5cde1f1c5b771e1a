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

void TForm6::printCatalogue()
{
    FillCataloguePages();
    if (!m_printer)
        m_printer.emplace(QPrinter::HighResolution);
    if (!m_services.runPrintDialog(this, *m_printer))
        return;
    // Two jobs of one page each; the print has no title of its own.
    if (printCataloguePage(*m_printer, *this))
        Q_EMIT pagePrinted(1);
    if (m_page2 && printCataloguePage(*m_printer, *m_page2))
        Q_EMIT pagePrinted(2);
}

} // namespace numislot
