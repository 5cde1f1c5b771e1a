#include "forms/Unit3.h"

#include "toolkit/Environment.h"
#include "toolkit/Services.h"

using namespace Qt::StringLiterals;

namespace numislot {

TForm3::TForm3(toolkit::Services& services, QWidget* parent)
    : ModalForm(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_services(services)
{
    setObjectName(u"Form3"_s);
    setWindowTitle(u"A Propos"_s);
    setFont(toolkit::formFont());
    setFixedSize(286, 254);
    setCentredOnEveryShow(true);
}

} // namespace numislot
