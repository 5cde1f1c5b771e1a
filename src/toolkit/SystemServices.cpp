// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Placement.h"
#include "toolkit/Services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

namespace numislot::toolkit {

namespace {

// Centred over the parent's window, frame included, as the program's own modal windows are: Qt's own
// placement guesses a frame where none is known yet.
class CentredMessageBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        if (parentWidget())
            centreOver(this, parentWidget()->window());
    }
};

} // namespace

std::optional<QString> SystemServices::runFileDialog(QWidget* parent, const FileDialogRequest& request)
{
    QFileDialog dialog(parent);
    const bool save = request.mode == FileDialogMode::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Qt's own titles, set: the desktop's dialogs (KDE's, GTK's, a portal's) show only a title given.
    dialog.setWindowTitle(save ? QStringLiteral("Enregistrer sous") : QStringLiteral("Ouvrir"));
    // Open accepts a name that does not exist (loading reports it); save never asks before overwriting.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setNameFilter(request.filter);
    // No default suffix here: Qt's dialog would add it to an existing name that has none.
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool SystemServices::runPrintDialog(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void SystemServices::showMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

bool SystemServices::askYesNo(QWidget* parent, const QString& text)
{
    CentredMessageBox box(QMessageBox::Warning, applicationTitle(), text, QMessageBox::NoButton, parent);
    const QPushButton* yes = box.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void SystemServices::showException(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, applicationTitle(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void SystemServices::beep()
{
    QApplication::beep();
}

void SystemServices::openUrl(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}

void SystemServices::deleteFile(const QString& path)
{
    QFile::remove(path);
}

void SystemServices::exitProcess(int status)
{
    std::fflush(nullptr);
    // Qt's own statics are torn down by exit(); returning through the event loop would handle more events.
    std::exit(status);
}

QStringList SystemServices::arguments() const
{
    QStringList arguments = QCoreApplication::arguments();
    if (!arguments.isEmpty())
        arguments.removeFirst();
    return arguments;
}

} // namespace numislot::toolkit
