// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Unit7.h"

#include "forms/CataloguePage.h"

namespace numislot {

TForm7::TForm7(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    buildCataloguePage(this, printing::page2);
}

} // namespace numislot
