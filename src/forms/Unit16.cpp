// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Unit16.h"

#include "catalogue/GalleryLayout.h"
#include "forms/Controls.h"
#include "forms/Geometry.h"
#include "forms/Unit6.h"
#include "toolkit/Colours.h"
#include "toolkit/Environment.h"
#include "toolkit/FirstShow.h"
#include "toolkit/Placement.h"
#include "toolkit/Text.h"

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace numislot {

namespace {

// Under the designed frame, the client height that shows the end of the content at 1483.
constexpr QSize OuterSize(649, 464);

// The background under the gallery's controls: the only place where FormMouseMove starts.
class GalleryContent : public QWidget
{
public:
    GalleryContent(TForm16* form, QWidget* parent)
        : QWidget(parent)
        , m_form(form)
    {
        setMouseTracking(true);
    }

protected:
    void mouseMoveEvent(QMouseEvent* event) override
    {
        // A move that a control passed on is not one over the background.
        if (!childAt(event->position().toPoint()))
            m_form->FormMouseMove();
        event->accept();
    }

private:
    TForm16* m_form;
};

// Wheel turns over any control must still reach the scroll area; the background tells moves over
// controls apart by itself.
void letWheelThrough(QWidget* control)
{
    control->setAttribute(Qt::WA_NoMousePropagation, false);
}

} // namespace

TForm16::TForm16(QWidget* parent)
    : QScrollArea(parent)
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint);
    setObjectName(u"Form16"_s);
    setWindowTitle(u"Les €uros"_s);
    toolkit::pinScreen(this);
    setFont(toolkit::formFont());
    setFrameShape(QFrame::NoFrame);
    // The design names show on hover even while the main window is the active one.
    setAttribute(Qt::WA_AlwaysShowToolTips);

    // White behind the pictures; the scroll bars stay in the desktop's colours, dark ones too.
    toolkit::paintWhite(viewport());

    buildContent();

    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalScrollBar()->setTracking(true);
    horizontalScrollBar()->setTracking(true);
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] { m_keepAtEnd = false; });

    resize(toolkit::clientSizeFor(OuterSize, this, nullptr));
    move(174, 166);
}

void TForm16::buildContent()
{
    using namespace catalogue;

    auto* content = new GalleryContent(this, this);
    content->setObjectName(u"GalleryContent"_s);
    toolkit::paintWhite(content);
    m_content = content;

    int contentWidth = GalleryPrintButton.left + GalleryPrintButton.width;
    for (int n = 1; n <= GalleryCellCount; ++n) {
        const QString name = u"Image%1"_s.arg(n);
        auto* cell = new toolkit::PictureCell(m_content);
        cell->setObjectName(name);
        cell->setGeometry(toQRect(galleryCellRect(n)));
        cell->setPicture(toolkit::Picture::embedded(u"Form16", name));
        cell->setToolTip(toolkit::qs(designName(slotOfGalleryCell(n))));
        letWheelThrough(cell);
        m_cells[n - 1] = cell;
        contentWidth = std::max(contentWidth, cell->geometry().right() + 1);
    }

    auto* firstShow = new toolkit::FirstShow(this);
    for (const GalleryRow& row : galleryRows) {
        auto* caption = new QLabel(toolkit::qs(row.caption), m_content);
        caption->setObjectName(u"Label%1"_s.arg(row.captionNumber));
        caption->move(GalleryCaptionCentre, row.captionTop);
        firstShow->add([caption, top = row.captionTop] {
            const int width = caption->sizeHint().width();
            caption->setGeometry(GalleryCaptionCentre - width / 2, top, width, GalleryCaptionHeight);
        });

        if (row.separatorNumber == 0)
            continue;
        auto* separator = new QGroupBox(m_content);
        separator->setObjectName(u"GroupBox%1"_s.arg(row.separatorNumber));
        separator->setGeometry(
            row.separatorLeft, row.separatorTop, GallerySeparatorSize.width, GallerySeparatorSize.height);
        contentWidth = std::max(contentWidth, separator->geometry().right() + 1);
    }

    m_button1 = makeButton(m_content, u"Button1"_s, u"Imprimer"_s, toQRect(GalleryPrintButton));
    connect(m_button1, &QPushButton::clicked, this, &TForm16::Button1Click);

    // The scroll range follows the controls' extent: exactly the content height, never the window's.
    m_content->setMinimumSize(contentWidth, GalleryContentHeight);
    m_content->setMaximumHeight(GalleryContentHeight);
    setWidgetResizable(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWidget(m_content);
}

const toolkit::PictureCell* TForm16::cell(int n) const
{
    return catalogue::isGalleryCell(n) ? m_cells[n - 1] : nullptr;
}

toolkit::Picture TForm16::cellPicture(int n) const
{
    const toolkit::PictureCell* found = cell(n);
    return found ? found->picture() : toolkit::Picture();
}

QString TForm16::cellHint(int n) const
{
    const toolkit::PictureCell* found = cell(n);
    return found ? found->toolTip() : QString();
}

void TForm16::showCentred()
{
    fitOuterSize();
    toolkit::centreOver(this, m_mainWindow);
    m_shownCentred = true;
    hide();
    show();
    raise();
    activateWindow();
}

void TForm16::showInPlace()
{
    if (isVisible())
        return;
    fitOuterSize();
    m_shownCentred = false;
    show();
}

void TForm16::FormMouseMove()
{
    m_button1->move(
        catalogue::GalleryPrintButton.left, verticalScrollBar()->value() + catalogue::GalleryPrintButtonAnchor);
}

void TForm16::Button1Click()
{
    if (m_page1)
        m_page1->printCatalogue(this);
}

void TForm16::fitOuterSize()
{
    // Before its first show the window has no frame of its own; the main window's is the best guess.
    if (m_everShown || m_frameSeen)
        return;
    resize(toolkit::clientSizeFor(OuterSize, this, m_mainWindow));
}

void TForm16::watchForFrame()
{
    // The window manager adds its frame some time after mapping; match the outer size once.
    const std::optional<QMargins> frame = toolkit::knownFrame(this, nullptr);
    if (m_frameSeen || !isVisible() || !frame)
        return;
    // mutter answers "no frame" for a window it has yet to frame; the main window's stays the better guess.
    if (frame->isNull() && !toolkit::knownFrame(m_mainWindow, nullptr).value_or(QMargins()).isNull())
        return;
    m_frameSeen = true;
    // The frame is first seen as the window manager frames the window, before the user can reach its
    // edges: a size other than the fitted one is the window manager's (newer mutter resizes the window
    // as it frames it), and the designed outer size stands over it.
    resize(toolkit::clientSizeFor(OuterSize, this, nullptr));
    if (m_shownCentred)
        toolkit::centreOver(this, m_mainWindow);
}

void TForm16::keepAtEndOfContent()
{
    if (m_keepAtEnd)
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void TForm16::showEvent(QShowEvent* event)
{
    fitOuterSize();
    QScrollArea::showEvent(event);
    m_everShown = true;
    keepAtEndOfContent();
    watchForFrame();
    if (!m_frameSeen)
        QTimer::singleShot(0, this, &TForm16::watchForFrame);
}

void TForm16::hideEvent(QHideEvent* event)
{
    QScrollArea::hideEvent(event);
    if (m_everShown)
        m_keepAtEnd = false;
}

void TForm16::moveEvent(QMoveEvent* event)
{
    QScrollArea::moveEvent(event);
    watchForFrame();
}

void TForm16::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    watchForFrame();
    keepAtEndOfContent();
}

} // namespace numislot
