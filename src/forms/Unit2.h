// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/ModalForm.h"

class QLabel;
class QPushButton;

namespace numislot {

// The save prompt "Sauvegarder ?": Oui (1), Non (3), Annuler (2); the close box answers 2.
// It has no code of its own: its callers act on the result.
class TForm2 : public toolkit::ModalForm
{
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace numislot
