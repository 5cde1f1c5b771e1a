// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Catalogue.h"
#include "toolkit/ModalForm.h"

#include <array>

class QLabel;
class QPushButton;

namespace numislot {

namespace toolkit {
class PictureCell;
}

class TForm16;

// The issuer detail window: one issuer's eight coins, their design names and owned markers.
class TForm4 : public toolkit::ModalForm
{
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

    // The gallery holds the pictures and design names that the window copies.
    void setGallery(TForm16* gallery) { m_gallery = gallery; }

    // Fills the window for an issuer (slot order) and shows it modally; `owned` by denomination.
    void ShowIssuerDetail(int issuer, const std::array<bool, catalogue::DenominationCount>& owned);

private:
    // The title follows the object name when both were equal, as the windows' titles always have.
    void rename(const QString& name);

    TForm16* m_gallery = nullptr;
    QPushButton* m_button1 = nullptr;
    std::array<QLabel*, catalogue::DenominationCount> m_labels {};
    std::array<toolkit::PictureCell*, catalogue::DenominationCount> m_cells {};
};

} // namespace numislot
