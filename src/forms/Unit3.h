#pragma once

#include "toolkit/ModalForm.h"

namespace numislot {

namespace toolkit {
class Services;
}

// The About window "A Propos".
class TForm3 : public toolkit::ModalForm
{
    Q_OBJECT
public:
    explicit TForm3(toolkit::Services& services, QWidget* parent = nullptr);

private:
    toolkit::Services& m_services;
};

} // namespace numislot
