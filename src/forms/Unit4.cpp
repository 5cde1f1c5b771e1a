// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Unit4.h"

#include "catalogue/Colours.h"
#include "catalogue/GalleryLayout.h"
#include "forms/Controls.h"
#include "forms/Geometry.h"
#include "forms/Unit16.h"
#include "toolkit/Colours.h"
#include "toolkit/Environment.h"
#include "toolkit/FirstShow.h"
#include "toolkit/PictureCell.h"
#include "toolkit/Text.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace numislot {

TForm4::TForm4(QWidget* parent)
    : ModalForm(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    using namespace catalogue;

    setObjectName(u"Form4"_s);
    setFont(toolkit::formFont());
    setFixedSize(DetailClientSize.width, DetailClientSize.height);
    toolkit::paintWhite(this);

    m_button1 = makeButton(this, u"Button1"_s, u"&Ok"_s, toQRect(DetailOkButton));
    m_button1->setDefault(true);
    connect(m_button1, &QPushButton::clicked, this, [this] { done(toolkit::ResultOk); });

    auto* firstShow = new toolkit::FirstShow(this);
    for (int k = 0; k < DenominationCount; ++k) {
        auto* label = new QLabel(toolkit::qs(denominations[k].detailCaption), this);
        label->setObjectName(u"Label%1"_s.arg(k + 1));
        label->move(detailLabelLefts[k], DetailLabelTop);
        firstShow->add([label] { label->resize(label->sizeHint().width(), DetailLabelHeight); });
        toolkit::setBackgroundColour(label, toolkit::toQColor(White));
        m_labels[k] = label;
    }
    for (int k = 0; k < DenominationCount; ++k) {
        auto* cell = new toolkit::PictureCell(this);
        cell->setObjectName(u"Image%1"_s.arg(k + 1));
        cell->setGeometry(toQRect(detailCellRects[k]));
        m_cells[k] = cell;
    }
}

void TForm4::rename(const QString& name)
{
    if (windowTitle() == objectName())
        setWindowTitle(name);
    setObjectName(name);
}

void TForm4::ShowIssuerDetail(int issuer, const std::array<bool, catalogue::DenominationCount>& owned)
{
    using namespace catalogue;
    if (issuer < 0 || issuer >= IssuerCount)
        return;

    for (int k = 0; k < DenominationCount; ++k) {
        const int cell = galleryCellOfSlot(slotOf(issuer, k));
        m_cells[k]->setPicture(m_gallery ? m_gallery->cellPicture(cell) : toolkit::Picture());
        m_cells[k]->setToolTip(m_gallery ? m_gallery->cellHint(cell) : QString());
    }

    requestCentreOnMainWindow();

    rename(QString());
    rename(toolkit::qs(issuers[issuer].titleWord));

    for (int k = 0; k < DenominationCount; ++k) {
        toolkit::setBackgroundColour(m_labels[k], toolkit::toQColor(owned[k] ? Lime : White));
        // The marker is colour alone; a screen reader hears it in the name.
        m_labels[k]->setAccessibleName(m_labels[k]->text() + (owned[k] ? u" possédée"_s : u" non possédée"_s));
    }

    showModal();
}

} // namespace numislot
