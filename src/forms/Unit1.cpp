// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Unit1.h"

#include "catalogue/Maker.h"
#include "collection/CollectionFile.h"
#include "collection/ReportFile.h"
#include "forms/Controls.h"
#include "forms/Geometry.h"
#include "forms/ReportPrinting.h"
#include "forms/Unit16.h"
#include "forms/Unit2.h"
#include "forms/Unit3.h"
#include "forms/Unit4.h"
#include "forms/Unit5.h"
#include "forms/Unit6.h"
#include "printing/OwnedReport.h"
#include "toolkit/Colours.h"
#include "toolkit/Environment.h"
#include "toolkit/PictureCell.h"
#include "toolkit/Placement.h"
#include "toolkit/Services.h"
#include "toolkit/Text.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QSessionManager>
#include <QTextEdit>
#include <QWindow>
#include <algorithm>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace numislot {

using namespace catalogue;
using toolkit::qs;

namespace {

const QString CannotOpen = u"Impossible d'ouvrir le fichier"_s;
// No-break spaces inside the quotes and before the question mark, as French sets them.
const QString ReplaceOther = u"Le fichier \u00AB\u00A0%1\u00A0\u00BB existe déjà.\nVoulez-vous le remplacer\u00A0?"_s;
const QString ReplaceChanged = u"Le fichier \u00AB\u00A0%1\u00A0\u00BB a été modifié sur le disque depuis sa dernière "
                               u"ouverture ou sauvegarde.\nVoulez-vous le remplacer\u00A0?"_s;

} // namespace

TForm1::TForm1(toolkit::Services& services, QWidget* parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_save(toolkit::FileDialogMode::Save, u"Fichier eur|*.eur", u"eur")
    , m_open(toolkit::FileDialogMode::Open, u"Fichier Numislot QVT|*.eur", u"eur")
{
    setObjectName(u"Form1"_s);
    setWindowTitle(qs(ApplicationTitle));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
        | Qt::WindowCloseButtonHint);
    toolkit::pinScreen(this);
    setFont(toolkit::formFont());

    auto* client = new QWidget(this);
    client->setObjectName(u"client"_s);
    client->setFixedSize(690, 525);
    setCentralWidget(client);

    buildGrid(client);
    buildControls(client);
    buildMenu();
    buildTabOrder();
    // Fixed size: no resizing, no maximising.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Logging out asks about unsaved changes as the close box does.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &TForm1::commitData);
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::buildGrid(QWidget* client)
{
    // The frame goes first so that the boxes lie on top of it.
    auto* frame = new QGroupBox(client);
    frame->setObjectName(u"GroupBox1"_s);
    frame->setGeometry(104, 65, 479, 416);

    // Each issuer's eight boxes in a row of their own. Each time a box is unticked Qt looks through
    // all its siblings for a group it might belong to: among the window's controls that search was
    // most of the cost of loading a collection. The row also gives a screen reader the issuer's name.
    for (int issuer = 0; issuer < IssuerCount; ++issuer) {
        auto* row = new QWidget(client);
        row->setObjectName(u"Row%1"_s.arg(issuers[issuer].labelNumber));
        m_accessibleNames.add(row, qs(issuers[issuer].name));
        m_rows[issuer] = row;
    }
    for (int slot = 1; slot <= SlotCount; ++slot) {
        auto* box = new QCheckBox(m_rows[issuerOf(slot)]);
        box->setObjectName(u"CheckBox%1"_s.arg(slot));
        box->setTristate(false);
        const QString hint = qs(coinHint(slot));
        box->setToolTip(hint);
        // The caption is hidden by the width; a screen reader needs the coin's name.
        m_accessibleNames.add(box, hint);
        // toggled, not clicked: every change of state runs the handler, whoever made it.
        connect(box, &QCheckBox::toggled, this, [this, slot] { checkBoxClick(slot); });
        m_checkBoxes[slot - 1] = box;
    }
    fitCheckBoxes();
    const QPalette system = QApplication::palette(this);
    toolkit::readableIndicators(m_rows, system);

    for (int issuer = 0; issuer < IssuerCount; ++issuer) {
        const Issuer& info = issuers[issuer];
        auto* label = new QLabel(qs(info.name), client);
        label->setObjectName(u"Label%1"_s.arg(info.labelNumber));
        label->adjustSize();
        label->move(IssuerLabelRight - label->width(), issuerLabelTop(issuer));
        // Opaque, in the window's colour until the first refresh.
        label->setAutoFillBackground(true);
        m_issuerLabels[issuer] = label;

        auto* button = makeButton(client, u"BitBtn%1"_s.arg(info.buttonNumber), qs(info.name),
            toQRect(issuerButtonRect(issuer)), qs(info.buttonHint));
        connect(button, &QPushButton::clicked, this, [this, issuer] { issuerButtonClick(issuer); });
        m_issuerButtons[issuer] = button;

        // Completion shows as colour alone: a screen reader hears it in the name.
        const auto name = [this, issuer] {
            const QString issuerName = qs(issuers[issuer].name);
            return m_shownMarks[std::size_t(issuer)].complete ? issuerName + u" complet"_s : issuerName;
        };
        m_accessibleNames.follow(label, name);
        m_accessibleNames.follow(button, name);
    }

    for (int denomination = 0; denomination < DenominationCount; ++denomination) {
        const int number = DenominationCount - denomination;
        auto* cell = new toolkit::PictureCell(client);
        cell->setObjectName(u"Image%1"_s.arg(number));
        cell->setGeometry(toQRect(columnPictureRects[denomination]));
        const toolkit::Picture picture = toolkit::Picture::embedded(u"Form1", cell->objectName());
        // Painted in the first frame; decoded on a worker while the other windows are built.
        picture.decodeAhead();
        cell->setPicture(picture);
        m_images[number - 1] = cell;
    }
}

void TForm1::buildControls(QWidget* client)
{
    auto* status = new QGroupBox(u"Etat"_s, client);
    status->setObjectName(u"GroupBox2"_s);
    status->setGeometry(608, 8, 65, 49);
    m_status = status;
    styleStatusBox();
    // A style sheet drops the inherited font, so the box and its labels take the window's explicitly.
    status->setFont(toolkit::formFont());
    m_label17 = makeLabel(status, u"Label17"_s, u"0"_s, { 8, 14 });
    // The box reads as one phrase; a change of its name is what a screen reader announces.
    m_accessibleNames.follow(status, [this] { return m_label17->text() + u" / 128 pièces"_s; });
    // Designed 29 x 13 and 31 x 13, widened where the font here needs it.
    QLabel* total = makeLabel(status, u"Label16"_s, u" / 128"_s, { 28, 14 });
    total->resize(std::max(29, total->width()), 13);
    QLabel* coins = makeLabel(status, u"Label18"_s, u"pièces"_s, { 16, 30 });
    coins->resize(std::max(31, coins->width()), 13);

    m_button2 = makeButton(
        client, u"Button2"_s, u"&Ouvrir Collection"_s, { 161, 488, 94, 33 }, u"Ouvrir une collection éxistante"_s);
    m_button3
        = makeButton(client, u"Button3"_s, u"&Les €uros"_s, { 298, 488, 94, 33 }, u"Voir les €uros des 12 pays"_s);
    m_button1 = makeButton(client, u"Button1"_s, u"&Quitter"_s, { 434, 488, 94, 33 }, u"Quitter ?"_s);
    connect(m_button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(m_button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(m_button3, &QPushButton::clicked, this, &TForm1::Button3Click);
}

QTextEdit* TForm1::richEdit()
{
    // Made when the report first needs it: a text box lays out its empty document in the application's
    // font as it is made, a font nothing else at start-up loads.
    if (m_richEdit)
        return m_richEdit;
    // Holds the report text for printing; never shown.
    m_richEdit = new QTextEdit(centralWidget());
    m_richEdit->setVisible(false);
    m_richEdit->setObjectName(u"RichEdit1"_s);
    m_richEdit->setGeometry(8, 488, 25, 25);
    m_richEdit->setFont(toolkit::formFont(19));
    m_richEdit->setFocusPolicy(Qt::NoFocus);
    return m_richEdit;
}

void TForm1::styleStatusBox()
{
    // The caption sits on the frame's top line, as the count's layout expects; Qt's style would put it
    // above. The frame's line in the desktop's mid tone where that shows on the window.
    const QPalette system = QApplication::palette(this);
    const QColor line = toolkit::lineColour(
        system.color(QPalette::Mid), system.color(QPalette::Window), system.color(QPalette::WindowText));
    // Set anew on every change of palette: the style sheet keeps the palette it was set under.
    m_status->setStyleSheet(
        u"QGroupBox#GroupBox2 { border: 1px solid %1; border-radius: 2px; margin-top: 6px; }"
        u"QGroupBox#GroupBox2::title { subcontrol-origin: margin; left: 6px; padding: 0 1px; }"_s.arg(line.name()));
}

void TForm1::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(u"MainMenu1"_s);
    auto addItem = [this](QMenu* menu, const QString& name, const QString& caption, void (TForm1::*handler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
    };

    QMenu* file = bar->addMenu(u"&Fichier"_s);
    file->setObjectName(u"Fichier1"_s);
    // The menus are the window's own, in its form font; as windows of their own they would not inherit it.
    file->setFont(font());
    file->menuAction()->setObjectName(u"Fichier1Action"_s);
    addItem(file, u"Charger1"_s, u"&Ouvrir"_s, &TForm1::Charger1Click);
    addItem(file, u"Savegarder1"_s, u"&Sauvegarder"_s, &TForm1::Savegarder1Click);
    addItem(file, u"Lesuros1"_s, u"L&es €uros"_s, &TForm1::Lesuros1Click);
    QMenu* print = file->addMenu(u"&Imprimer"_s);
    print->setObjectName(u"Imprimer1"_s);
    print->setFont(font());
    addItem(print, u"Touslesuros1"_s, u"Tous les €uros"_s, &TForm1::Touslesuros1Click);
    addItem(print, u"Mesuros1"_s, u"Mes €uros"_s, &TForm1::Mesuros1Click);
    addItem(file, u"Quitter1"_s, u"&Quitter"_s, &TForm1::Quitter1Click);

    QMenu* help = bar->addMenu(u"&?"_s);
    help->setObjectName(u"Aide1"_s);
    help->setFont(font());
    addItem(help, u"APropos1"_s, u"A Propos"_s, &TForm1::APropos1Click);
}

void TForm1::buildTabOrder()
{
    std::vector<std::pair<int, QWidget*>> chain;
    for (int slot = 1; slot <= SlotCount; ++slot)
        chain.emplace_back(checkBoxTabOrder(slot), checkBox(slot));
    chain.emplace_back(QuitButtonTabOrder, m_button1);
    chain.emplace_back(OpenButtonTabOrder, m_button2);
    chain.emplace_back(GalleryButtonTabOrder, m_button3);
    for (int issuer = 0; issuer < IssuerCount; ++issuer)
        chain.emplace_back(issuerButtonTabOrder[issuers[issuer].buttonNumber - 1], m_issuerButtons[issuer]);
    std::sort(chain.begin(), chain.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1].second, chain[i].second);
}

void TForm1::fitCheckBoxes()
{
    // A style's indicator may need more than the designed 13 x 17 (Breeze's is 20 x 20, Fusion's 14
    // wide): each box grows right and down from its designed place, so the designed area, where a
    // click lands, stays inside it.
    const QSize needed = m_checkBoxes[0]->sizeHint();
    for (int issuer = 0; issuer < IssuerCount; ++issuer) {
        std::array<QRect, DenominationCount> boxes;
        QRect area;
        for (int denomination = 0; denomination < DenominationCount; ++denomination) {
            const QRect designed = toQRect(checkBoxRect(slotOf(issuer, denomination)));
            boxes[denomination] = QRect(designed.topLeft(), designed.size().expandedTo(needed));
            area |= boxes[denomination];
        }
        m_rows[issuer]->setGeometry(area);
        for (int denomination = 0; denomination < DenominationCount; ++denomination)
            checkBox(slotOf(issuer, denomination))->setGeometry(boxes[denomination].translated(-area.topLeft()));
    }
}

bool TForm1::isOwned(int slot) const
{
    return checkBox(slot)->isChecked();
}

collection::Ownership TForm1::ownership() const
{
    collection::Ownership owned {};
    for (int slot = 1; slot <= SlotCount; ++slot)
        owned[slot - 1] = isOwned(slot);
    return owned;
}

void TForm1::checkBoxClick(int slot)
{
    // A change made after the session's question was answered needs asking about again.
    m_sessionMayEnd = false;
    m_state.slotChanged(isOwned(slot));
    RefreshCompletion();
}

void TForm1::RefreshCompletion()
{
    const collection::IsOwned owned = [this](int slot) { return isOwned(slot); };
    // The desktop's colours as they are now.
    const QPalette system = QApplication::palette(this);
    for (int issuer = 0; issuer < IssuerCount; ++issuer) {
        const bool complete = collection::isIssuerComplete(owned, issuer);
        // A load runs one refresh per box, and nearly all of them leave an issuer's colours as they are.
        // A palette changed since the last refresh may have given the same marks other colours.
        ShownMarks& shown = m_shownMarks[std::size_t(issuer)];
        if (shown.palette == system.cacheKey() && shown.complete == complete)
            continue;
        const bool completionChanged = shown.complete != complete;
        shown = { system.cacheKey(), complete };
        showMarks(issuer, system);
        if (completionChanged) {
            m_accessibleNames.changed(m_issuerLabels[issuer]);
            m_accessibleNames.changed(m_issuerButtons[issuer]);
        }
    }
    // Runs once per box during a load: laying out the count's text each time was most of its cost, and
    // the size for a given count never changes.
    const int count = m_state.ownedCount();
    m_label17->setText(QString::number(count));
    QSize& size = m_countSizes[std::size_t(std::clamp(count, 0, SlotCount))];
    if (!size.isValid()) {
        m_label17->adjustSize();
        size = m_label17->size();
    } else {
        m_label17->resize(size);
    }
    m_accessibleNames.changed(m_label17->parentWidget());
}

void TForm1::showMarks(int issuer, const QPalette& system)
{
    const collection::IssuerMarks marks = collection::issuerMarks(m_shownMarks[std::size_t(issuer)].complete);
    QLabel* label = m_issuerLabels[issuer];
    if (marks.label == ButtonFace) {
        // The window's own background and text, whatever the desktop's colours.
        toolkit::inheritColours(label);
    } else {
        toolkit::setBackgroundColour(label, toolkit::toQColor(marks.label));
        toolkit::setTextColour(label, toolkit::toQColor(Black));
    }
    // The designed text colours read on a light button face; a dark one takes colours that read on it.
    const QColor face = system.color(QPalette::Button);
    const QColor alternative
        = marks.buttonText == DarkGreen ? toolkit::toQColor(LightGreen) : system.color(QPalette::ButtonText);
    toolkit::setTextColour(
        m_issuerButtons[issuer], toolkit::readableOn(face, toolkit::toQColor(marks.buttonText), alternative));
}

void TForm1::issuerButtonClick(int issuer)
{
    if (!m_links.detail)
        return;
    std::array<bool, DenominationCount> owned {};
    for (int denomination = 0; denomination < DenominationCount; ++denomination)
        owned[denomination] = isOwned(slotOf(issuer, denomination));
    m_links.detail->ShowIssuerDetail(issuer, owned);
}

void TForm1::showCaptionFor(const QString& path)
{
    setWindowTitle(qs(ApplicationTitle) + qs(CaptionSeparator) + path);
}

bool TForm1::LoadCollection()
{
    const QString path = m_commandLineLoad ? m_commandLinePath : m_open.fileName();
    m_commandLineLoad = false;
    collection::FileIdentity identity;
    const std::optional<collection::Ownership> owned = collection::readCollectionFile(path, &identity);
    if (!owned) {
        // The caption keeps naming the collection on screen.
        m_services.showMessage(this, CannotOpen);
        return false;
    }
    // Each box that changes runs its handler; boxes that keep their state run nothing.
    for (int slot = 1; slot <= SlotCount; ++slot)
        checkBox(slot)->setChecked((*owned)[slot - 1]);
    m_state.markSaved();
    m_ownFile = collection::ownFile(path, identity);
    showCaptionFor(path);
    return true;
}

bool TForm1::SaveCollection()
{
    const QString path = m_save.fileName();
    collection::FileIdentity identity;
    if (!collection::writeCollectionFile(path, ownership(), &identity)) {
        m_services.showMessage(this, CannotOpen);
        return false;
    }
    m_ownFile = collection::ownFile(path, identity);
    showCaptionFor(path);
    return true;
}

bool TForm1::mayReplace(const QString& path)
{
    using collection::Replacement;
    const Replacement replacement = collection::replacementAt(path, m_ownFile);
    if (replacement == Replacement::None || replacement == Replacement::OwnFile)
        return true;
    const QString& question = replacement == Replacement::ChangedOwnFile ? ReplaceChanged : ReplaceOther;
    return m_services.askYesNo(this, question.arg(QFileInfo(path).fileName()));
}

bool TForm1::chooseSaveFile()
{
    return m_save.execute(m_services, this, [this](const QString& path) { return mayReplace(path); });
}

void TForm1::Savegarder1Click()
{
    if (!chooseSaveFile())
        return;
    if (SaveCollection())
        m_state.markSaved();
}

bool TForm1::settleChanges()
{
    switch (m_links.savePrompt->showModal()) {
    case toolkit::ResultOk:
        // A cancelled or failed save keeps the collection on screen.
        if (!chooseSaveFile() || !SaveCollection())
            return false;
        m_state.markSaved();
        return true;
    case toolkit::ResultAbort:
        return true;
    default:
        return false;
    }
}

void TForm1::OpenCommand()
{
    if (m_state.isModified() && !settleChanges())
        return;
    if (m_open.execute(m_services, this))
        LoadCollection();
}

void TForm1::Charger1Click()
{
    OpenCommand();
}

void TForm1::Button2Click()
{
    OpenCommand();
}

void TForm1::endProgram()
{
    m_services.deleteFile(collection::reportFilePath());
    m_services.exitProcess(0);
}

bool TForm1::mayEnd()
{
    if (!m_state.isModified())
        return true;
    m_services.beep();
    return settleChanges();
}

void TForm1::QuitWithPrompt()
{
    if (mayEnd())
        endProgram();
}

void TForm1::commitData(QSessionManager& manager)
{
    m_sessionMayEnd = false;
    // Where nobody may be asked, nothing is saved either.
    if (m_state.isModified() && !manager.allowsInteraction())
        return;
    if (!mayEnd()) {
        manager.cancel();
        return;
    }
    manager.release();
    m_sessionMayEnd = true;
}

void TForm1::platformQuit()
{
    // As the close box does, without asking again what the session's question settled.
    if (m_sessionMayEnd)
        endProgram();
    else
        QuitWithPrompt();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        QMetaObject::invokeMethod(this, &TForm1::FormActivate, Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::Button1Click()
{
    QuitWithPrompt();
}

void TForm1::Quitter1Click()
{
    // The menu's "&Quitter" ends at once by design: no save prompt, and the report file stays.
    m_services.exitProcess(0);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // FormClose: the window closes only by ending the program; after "Annuler" it stays open.
    QuitWithPrompt();
    event->ignore();
}

void TForm1::Button3Click()
{
    if (m_links.gallery)
        m_links.gallery->showCentred();
}

void TForm1::Lesuros1Click()
{
    if (m_links.gallery)
        m_links.gallery->showInPlace();
}

void TForm1::Touslesuros1Click()
{
    if (m_links.page1)
        m_links.page1->printCatalogue(this);
}

void TForm1::Mesuros1Click()
{
    const QByteArray report = printing::ownedReport(ownership(), windowTitle(), m_label17->text());
    const QString path = collection::reportFilePath();
    // A report that cannot be written, or only in part, is not loaded nor printed; nothing is shown.
    if (path.isEmpty() || !printing::writeOwnedReport(path, report))
        return;
    if (!loadReportFile(*richEdit(), path))
        return;
    printRichEdit(m_services, *m_richEdit, this);
}

void TForm1::APropos1Click()
{
    if (m_links.about)
        m_links.about->showModal();
}

void TForm1::FormActivate()
{
    if (!m_firstActivation)
        return;
    m_firstActivation = false;
    if (m_links.splash) {
        m_links.splash->requestCentreOnMainWindow();
        m_links.splash->showModal();
    }
    const QStringList arguments = m_services.arguments();
    if (arguments.isEmpty())
        return;
    m_commandLinePath = arguments.constFirst();
    m_commandLineLoad = true;
    LoadCollection();
}

bool TForm1::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QMainWindow::event(event);
}

void TForm1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    switch (event->type()) {
    case QEvent::StyleChange:
        // Once every box has heard of the new style and forgotten its old size.
        QMetaObject::invokeMethod(this, &TForm1::fitCheckBoxes, Qt::QueuedConnection);
        [[fallthrough]];
    case QEvent::PaletteChange:
        followDesktopColours();
        break;
    default:
        break;
    }
}

void TForm1::followDesktopColours()
{
    const QPalette system = QApplication::palette(this);
    // Before the grid is built there is nothing to colour.
    if (m_rows.front())
        toolkit::readableIndicators(m_rows, system);
    // The colours chosen to read on the old palette may not read on the new one: the marks shown so
    // far are shown again, looked up in the new palette.
    for (int issuer = 0; issuer < IssuerCount; ++issuer) {
        ShownMarks& shown = m_shownMarks[std::size_t(issuer)];
        if (shown.palette != -1 && shown.palette != system.cacheKey()) {
            shown.palette = system.cacheKey();
            showMarks(issuer, system);
        }
    }
    if (m_status)
        styleStatusBox();
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_firstShow)
        return;
    m_firstShow = false;
    toolkit::centreOnDesktop(this);
    // Some platforms never activate a window (offscreen, X11 without a window manager): there the
    // first exposure counts as the first activation. Not before: until a window manager has framed
    // and placed the window, Qt may still report where the window was made, and the splash centres on it.
    if (QWindow* handle = windowHandle())
        handle->installEventFilter(this);
    else
        QMetaObject::invokeMethod(this, &TForm1::FormActivate, Qt::QueuedConnection);
}

} // namespace numislot
