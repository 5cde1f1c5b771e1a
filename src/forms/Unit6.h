// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPrinter>
#include <QWidget>
#include <optional>

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
    ~TForm6() override;

    void setPages(TForm7* page2, TForm16* gallery)
    {
        m_page2 = page2;
        m_gallery = gallery;
    }

    // Touslesuros1Click and the gallery's Button1Click; the print dialog centres over `origin`.
    void printCatalogue(QWidget* origin);
    // Both pages' boxes from the gallery's cells, by coin.
    void FillCataloguePages();

Q_SIGNALS:
    // After each print job has been handed to the printer, with the numbers of its pages.
    void jobPrinted(const QList<int>& pageNumbers);

private:
    toolkit::Services& m_services;
    TForm7* m_page2 = nullptr;
    TForm16* m_gallery = nullptr;
    // PrintDialog1's settings, kept from one run to the next as the dialog keeps them. Made on the first
    // print: opening the print system at start-up cost more than building all the windows.
    std::optional<QPrinter> m_printer;
};

} // namespace numislot
