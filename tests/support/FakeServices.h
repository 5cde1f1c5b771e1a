// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Services that answer dialogs from a script and record what the program asked for.

#include "toolkit/Services.h"

#include <QPrinter>
#include <QStringList>
#include <QUrl>
#include <deque>
#include <functional>
#include <optional>

class FakeServices : public numislot::toolkit::Services
{
public:
    // Next answers of the file dialogs, in order; nothing queued means "cancelled".
    std::deque<std::optional<QString>> fileAnswers;
    std::deque<bool> printAnswers;
    // Next answers of yes/no questions; nothing queued means "&Non".
    std::deque<bool> questionAnswers;
    // Called with the confirmed printer, e.g. to direct it to a PDF file.
    std::function<void(QPrinter&)> preparePrinter;
    QStringList commandLine;

    QList<numislot::toolkit::FileDialogRequest> fileRequests;
    QStringList messages;
    QStringList questions;
    QStringList exceptions;
    QList<QUrl> openedUrls;
    QStringList deletedFiles;
    QList<int> exitStatuses;
    int beeps = 0;
    int printDialogs = 0;
    // The window each print dialog was centred over.
    QList<QWidget*> printParents;
    // How often the program read its command line: a test waits for this, not for what it causes.
    mutable int argumentReads = 0;

    std::optional<QString> runFileDialog(QWidget*, const numislot::toolkit::FileDialogRequest& request) override
    {
        fileRequests.append(request);
        if (fileAnswers.empty())
            return std::nullopt;
        const bool confirmed = fileAnswers.front().has_value();
        const QString name = fileAnswers.front().value_or(QString());
        fileAnswers.pop_front();
        if (!confirmed)
            return std::nullopt;
        return name;
    }
    bool runPrintDialog(QWidget* parent, QPrinter& printer) override
    {
        ++printDialogs;
        printParents.append(parent);
        if (printAnswers.empty())
            return false;
        const bool confirmed = printAnswers.front();
        printAnswers.pop_front();
        if (confirmed && preparePrinter)
            preparePrinter(printer);
        return confirmed;
    }
    void showMessage(QWidget*, const QString& text) override { messages.append(text); }
    bool askYesNo(QWidget*, const QString& text) override
    {
        questions.append(text);
        if (questionAnswers.empty())
            return false;
        const bool yes = questionAnswers.front();
        questionAnswers.pop_front();
        return yes;
    }
    void showException(const QString& text) override { exceptions.append(text); }
    void beep() override { ++beeps; }
    void openUrl(const QUrl& url) override { openedUrls.append(url); }
    void deleteFile(const QString& path) override { deletedFiles.append(path); }
    void exitProcess(int status) override { exitStatuses.append(status); }
    QStringList arguments() const override
    {
        ++argumentReads;
        return commandLine;
    }

    bool exited() const { return !exitStatuses.isEmpty(); }
};
