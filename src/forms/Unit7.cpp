#include "forms/Unit7.h"

#include "toolkit/Environment.h"

using namespace Qt::StringLiterals;

namespace numislot {

TForm7::TForm7(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(u"Form7"_s);
    setWindowTitle(u"Form7"_s);
    setFont(toolkit::formFont());
    resize(736, 740);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
}

} // namespace numislot
