// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Everything that blocks on the user or reaches outside the program goes through Services,
// handed to the windows at start-up, so tests can answer dialogs and catch the process exit.

#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;
class QUrl;
class QWidget;

namespace numislot::toolkit {

enum class FileDialogMode { Open, Save };

struct FileDialogRequest
{
    FileDialogMode mode = FileDialogMode::Open;
    QString filter; // "Fichier eur (*.eur)"
    QString fileName; // the name confirmed last, shown again
};

class Services
{
public:
    virtual ~Services() = default;

    // The caption of message boxes and of the exception display. It is not Qt's display name, which
    // the X11 platform would append to every window's title.
    void setApplicationTitle(const QString& title) { m_applicationTitle = title; }
    QString applicationTitle() const { return m_applicationTitle; }

    // The confirmed full path as the user chose it, or nothing when the user cancelled.
    virtual std::optional<QString> runFileDialog(QWidget* parent, const FileDialogRequest& request) = 0;
    // True when the user confirmed; the printer then carries the chosen settings.
    virtual bool runPrintDialog(QWidget* parent, QPrinter& printer) = 0;
    // A message box with one OK button, captioned with the application title.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // A question answered "&Oui" (true) or "&Non", captioned with the application title; Return and
    // Escape answer "&Non" until the user moves to "&Oui".
    virtual bool askYesNo(QWidget* parent, const QString& text) = 0;
    // Shows an error that escaped an event handler; the program carries on.
    virtual void showException(const QString& text) = 0;
    virtual void beep() = 0;
    // Hands a link to the desktop (mail program, browser); failures are the desktop's to report.
    virtual void openUrl(const QUrl& url) = 0;
    // Removes a file by path; a missing file is not an error.
    virtual void deleteFile(const QString& path) = 0;
    // Ends the process with the status: exit handlers run, streams are flushed, no further event is handled.
    // A replacement in tests records the call and returns, so callers return right after it.
    virtual void exitProcess(int status) = 0;
    // The command-line arguments after the program's own path.
    virtual QStringList arguments() const = 0;

private:
    QString m_applicationTitle;
};

// The real services: Qt's dialogs, the desktop, the C runtime's exit.
class SystemServices final : public Services
{
public:
    std::optional<QString> runFileDialog(QWidget* parent, const FileDialogRequest& request) override;
    bool runPrintDialog(QWidget* parent, QPrinter& printer) override;
    void showMessage(QWidget* parent, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& text) override;
    void showException(const QString& text) override;
    void beep() override;
    void openUrl(const QUrl& url) override;
    void deleteFile(const QString& path) override;
    void exitProcess(int status) override;
    QStringList arguments() const override;
};

} // namespace numislot::toolkit
