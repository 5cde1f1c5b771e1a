#pragma once

#include <QScrollArea>

namespace numislot {

// The gallery "Les €uros": all 128 coins with their design names; the run-time store of the
// coin pictures that the detail window and the catalogue print copy.
class TForm6;

class TForm16 : public QScrollArea
{
    Q_OBJECT
public:
    explicit TForm16(QWidget* parent = nullptr);

    // Button3Click: centred over the main window, shown afresh and raised.
    void showCentred();
    // Lesuros1Click: shown where it last was; nothing changes when it is already shown.
    void showInPlace();

    // The catalogue print that the "Imprimer" button runs.
    void setPrintPages(TForm6* page1) { m_page1 = page1; }

private:
    TForm6* m_page1 = nullptr;
};

} // namespace numislot
