#include "forms/Unit16.h"

#include "toolkit/Environment.h"
#include "toolkit/Placement.h"

using namespace Qt::StringLiterals;

namespace numislot {

TForm16::TForm16(QWidget* parent)
    : QScrollArea(parent)
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setObjectName(u"Form16"_s);
    setWindowTitle(u"Les €uros"_s);
    setFont(toolkit::formFont());
    resize(649, 464);
    move(174, 166);
}

void TForm16::showCentred()
{
    toolkit::centreOverMainWindow(this);
    hide();
    show();
    raise();
    activateWindow();
}

void TForm16::showInPlace()
{
    if (!isVisible())
        show();
}

} // namespace numislot
