#include "forms/Unit6.h"

#include "toolkit/Environment.h"
#include "toolkit/Services.h"

using namespace Qt::StringLiterals;

namespace numislot {

TForm6::TForm6(toolkit::Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint)
    , m_services(services)
{
    setObjectName(u"Form6"_s);
    setWindowTitle(u"Form6"_s);
    setFont(toolkit::formFont());
    setFixedSize(735, 713);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
}

void TForm6::printCatalogue()
{
}

} // namespace numislot
