// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>

namespace numislot::toolkit {

// Modal results of the program's windows.
enum ModalResult { ResultNone = 0, ResultOk = 1, ResultCancel = 2, ResultAbort = 3 };

// A window that can be shown modally and answers with a modal result: the button's own,
// or Cancel when it is closed any other way. None of the program's windows has a cancel button,
// so Escape answers nothing. A button's underlined letter presses it with or without Alt, as in
// the dialogs of the platform the windows were designed on.
class ModalForm : public QDialog
{
    Q_OBJECT
public:
    // The parent is the main window the form centres over.
    explicit ModalForm(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    // Runs a nested event loop until the window closes; the window is hidden on return.
    int showModal();

    QWidget* mainWindow() const { return m_mainWindow; }

    // Centre over the main window the next time the window is shown; showing consumes the request.
    void requestCentreOnMainWindow() { m_centreOnShow = true; }
    // Centre over the main window at every show (the save prompt, the About window).
    void setCentredOnEveryShow(bool centred) { m_centreAlways = centred; }
    // The control that has the focus, with its focus frame drawn, whenever the window is shown.
    void setFocusOnShow(QWidget* control) { m_focusOnShow = control; }

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPointer<QWidget> m_mainWindow;
    QPointer<QWidget> m_focusOnShow;
    bool m_centreOnShow = false;
    bool m_centreAlways = false;
};

} // namespace numislot::toolkit
