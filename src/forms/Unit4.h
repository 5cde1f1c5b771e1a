#pragma once

#include "catalogue/Catalogue.h"
#include "toolkit/ModalForm.h"

#include <array>

namespace numislot {

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
    TForm16* m_gallery = nullptr;
};

} // namespace numislot
