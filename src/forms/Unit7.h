// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace numislot {

// Catalogue print page 2 (Italie to Vatican); never shown.
class TForm7 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);
};

} // namespace numislot
