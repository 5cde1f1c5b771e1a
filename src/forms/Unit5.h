// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/ModalForm.h"

class QTimer;

namespace numislot {

namespace toolkit {
class PictureCell;
}

// The splash: the product's picture over the main window until the next tick of a 4 s timer
// that runs from the window's creation.
class TForm5 : public toolkit::ModalForm
{
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    QTimer* timer() const { return m_timer1; }
    void Timer1Timer();

private:
    QTimer* m_timer1 = nullptr;
    toolkit::PictureCell* m_image1 = nullptr;
};

} // namespace numislot
