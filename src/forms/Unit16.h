// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Catalogue.h"
#include "toolkit/PictureCell.h"

#include <QPointer>
#include <QScrollArea>
#include <array>

class QPushButton;

namespace numislot {

class TForm6;

// The gallery "Les €uros": all 128 coins with their design names; the run-time store of the
// coin pictures that the detail window and the catalogue print copy.
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
    // The window that a centred show centres over.
    void setMainWindow(QWidget* mainWindow) { m_mainWindow = mainWindow; }

    // Cell Image<n>, n = 1..128; which coin it holds is catalogue::slotOfGalleryCell(n).
    // Readable whether or not the gallery has ever been shown.
    const toolkit::PictureCell* cell(int n) const;
    toolkit::Picture cellPicture(int n) const;
    QString cellHint(int n) const;

    // A pointer move over the window's own background brings the print button back into view.
    void FormMouseMove();
    void Button1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildContent();
    void fitOuterSize();
    void watchForFrame();
    void keepAtEndOfContent();

    TForm6* m_page1 = nullptr;
    QPointer<QWidget> m_mainWindow;
    QWidget* m_content = nullptr;
    QPushButton* m_button1 = nullptr;
    std::array<toolkit::PictureCell*, catalogue::SlotCount> m_cells {};
    // Until the window manager's frame is seen, the client size rests on an assumed frame.
    bool m_frameSeen = false;
    bool m_everShown = false;
    // Centred over the main window by its last show, and centred again once framed.
    bool m_shownCentred = false;
    // The first show displays the end of the content; the user's first scroll ends that.
    bool m_keepAtEnd = true;
};

} // namespace numislot
