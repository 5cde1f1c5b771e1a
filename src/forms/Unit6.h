#pragma once

#include <QWidget>

namespace numislot {

namespace toolkit {
class Services;
}

class TForm7;
class TForm16;

// Catalogue print page 1 (Allemagne to Irlande); never shown. Owns the print dialog of both pages.
class TForm6 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm6(toolkit::Services& services, QWidget* parent = nullptr);

    void setPages(TForm7* page2, TForm16* gallery)
    {
        m_page2 = page2;
        m_gallery = gallery;
    }

    // Touslesuros1Click and the gallery's Button1Click.
    void printCatalogue();

private:
    toolkit::Services& m_services;
    TForm7* m_page2 = nullptr;
    TForm16* m_gallery = nullptr;
};

} // namespace numislot
