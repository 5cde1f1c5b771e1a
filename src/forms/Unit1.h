// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Catalogue.h"
#include "collection/CollectionFile.h"
#include "collection/CompletionRules.h"
#include "collection/Ownership.h"
#include "toolkit/AccessibleNames.h"
#include "toolkit/FileDialog.h"

#include <QMainWindow>
#include <QtGlobal>
#include <array>
#include <optional>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QSessionManager;
class QTextEdit;

namespace numislot {

namespace toolkit {
class PictureCell;
class Services;
} // namespace toolkit

class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm16;

// The other windows the main window drives, handed over once all of them exist.
struct FormLinks
{
    TForm2* savePrompt = nullptr;
    TForm3* about = nullptr;
    TForm4* detail = nullptr;
    TForm5* splash = nullptr;
    TForm6* page1 = nullptr;
    TForm7* page2 = nullptr;
    TForm16* gallery = nullptr;
};

// The main window: the checklist of the 128 coins and the entry point of every command.
class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm1(toolkit::Services& services, QWidget* parent = nullptr);
    ~TForm1() override;

    void setLinks(const FormLinks& links) { m_links = links; }

    QCheckBox* checkBox(int slot) const { return m_checkBoxes[slot - 1]; }
    bool isOwned(int slot) const;
    collection::Ownership ownership() const;
    const collection::CollectionState& state() const { return m_state; }

    toolkit::FileDialog& openDialog() { return m_open; }
    // RichEdit1, the report's text for printing.
    QTextEdit* richEdit();

    // The handler of every coin box (CheckBox1Click .. CheckBox128Click), run after each change of state.
    void checkBoxClick(int slot);
    void RefreshCompletion();

    // BitBtn1Click .. BitBtn16Click.
    void issuerButtonClick(int issuer);

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Charger1Click();
    void Savegarder1Click();
    void Lesuros1Click();
    void Touslesuros1Click();
    void Mesuros1Click();
    void Quitter1Click();
    void APropos1Click();
    void FormActivate();
    void FormCreate() { }

    // Reads the collection named by the command line or the Open dialog; true when it was read.
    bool LoadCollection();
    // Writes the collection to the Save dialog's file; true when all of it was written.
    bool SaveCollection();
    void QuitWithPrompt();
    // Removes the report file and ends the process with status 0, asking nothing.
    void endProgram();
    // The session manager asks before the session ends: a modified collection gets the close box's
    // question where it allows asking; "Annuler", or a save not made, cancels the logout.
    void commitData(QSessionManager& manager);
    // The platform ends the program (the session manager once the session ends).
    void platformQuit();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildGrid(QWidget* client);
    void buildControls(QWidget* client);
    void buildMenu();
    void buildTabOrder();
    void fitCheckBoxes();
    void styleStatusBox();
    // A palette or style changed while the program runs: what took its colours from the old one.
    void followDesktopColours();
    void OpenCommand();
    // Asks "Sauvegarder ?" about unsaved changes; true when the command may go on (saved or discarded).
    bool settleChanges();
    // The save dialog; a name that would replace a file other than the collection's own unchanged one
    // is asked about first, and "Non" counts as a cancelled dialog.
    bool chooseSaveFile();
    bool mayReplace(const QString& path);
    void showCaptionFor(const QString& path);
    // An issuer's label and button in the colours of its last shown completion.
    void showMarks(int issuer, const QPalette& system);
    // The close box's question about unsaved changes; true when the program may end.
    bool mayEnd();

    toolkit::Services& m_services;
    FormLinks m_links;
    collection::CollectionState m_state;
    bool m_firstActivation = true;
    bool m_firstShow = true;
    bool m_commandLineLoad = false;
    // The session manager's question was answered so that the session may end.
    bool m_sessionMayEnd = false;
    QString m_commandLinePath;
    std::optional<collection::OwnFile> m_ownFile;

    std::array<QCheckBox*, catalogue::SlotCount> m_checkBoxes {};
    std::array<QWidget*, catalogue::IssuerCount> m_rows {}; // each issuer's boxes, by issuer, slot order
    std::array<QLabel*, catalogue::IssuerCount> m_issuerLabels {}; // by issuer, slot order
    std::array<QPushButton*, catalogue::IssuerCount> m_issuerButtons {}; // by issuer, slot order
    std::array<toolkit::PictureCell*, catalogue::DenominationCount> m_images {}; // Image1..Image8
    QGroupBox* m_status = nullptr; // GroupBox2, "Etat"
    QLabel* m_label17 = nullptr;
    std::array<QSize, catalogue::SlotCount + 1> m_countSizes {}; // Label17's size by count, once laid out
    // The marks each issuer's label and button were last given, and the palette they were looked up in.
    struct ShownMarks
    {
        qint64 palette = -1;
        bool complete = false;
    };
    std::array<ShownMarks, catalogue::IssuerCount> m_shownMarks {};
    QPushButton* m_button1 = nullptr;
    QPushButton* m_button2 = nullptr;
    QPushButton* m_button3 = nullptr;
    QTextEdit* m_richEdit = nullptr;

    toolkit::FileDialog m_save;
    toolkit::FileDialog m_open;
    toolkit::AccessibleNames m_accessibleNames;
};

} // namespace numislot
