#pragma once

#include <QDialog>

namespace numislot::toolkit {

// Modal results of the program's windows.
enum ModalResult { ResultNone = 0, ResultOk = 1, ResultCancel = 2, ResultAbort = 3 };

// A window that can be shown modally and answers with a modal result: the button's own,
// or Cancel when it is closed any other way. None of the program's windows has a cancel button,
// so Escape answers nothing.
class ModalForm : public QDialog
{
    Q_OBJECT
public:
    explicit ModalForm(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    // Runs a nested event loop until the window closes; the window is hidden on return.
    int showModal();

    // Centre over the main window the next time the window is shown; showing consumes the request.
    void requestCentreOnMainWindow() { m_centreOnShow = true; }
    // Centre over the main window at every show (the save prompt, the About window).
    void setCentredOnEveryShow(bool centred) { m_centreAlways = centred; }

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool m_centreOnShow = false;
    bool m_centreAlways = false;
};

} // namespace numislot::toolkit
