#include "forms/Unit4.h"

#include "forms/Unit16.h"
#include "toolkit/Environment.h"

using namespace Qt::StringLiterals;

namespace numislot {

TForm4::TForm4(QWidget* parent)
    : ModalForm(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(u"Form4"_s);
    setFont(toolkit::formFont());
    setFixedSize(690, 173);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
}

void TForm4::ShowIssuerDetail(int issuer, const std::array<bool, catalogue::DenominationCount>& owned)
{
    Q_UNUSED(issuer);
    Q_UNUSED(owned);
}

} // namespace numislot
