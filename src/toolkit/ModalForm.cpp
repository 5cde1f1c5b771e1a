// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/ModalForm.h"

#include "toolkit/Placement.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPushButton>

namespace numislot::toolkit {

ModalForm::ModalForm(QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , m_mainWindow(parent)
{
    setModal(true);
}

int ModalForm::showModal()
{
    if (isVisible())
        return ResultNone;
    return exec();
}

void ModalForm::reject()
{
    done(ResultCancel);
}

void ModalForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    // The focused push button passed Return or Enter on: it is the one pressed, never another.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto* button = qobject_cast<QPushButton*>(focusWidget());
        if (button && button->isVisible() && button->isEnabled()) {
            event->accept();
            button->click();
            return;
        }
    }
    // The focused control passed the letter on: a button's underlined letter presses it, as Alt+letter does.
    if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        const QKeySequence alt(QKeyCombination(Qt::AltModifier, Qt::Key(event->key())));
        for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
            if (button->isVisible() && button->isEnabled() && QKeySequence::mnemonic(button->text()) == alt) {
                event->accept();
                button->click();
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}

void ModalForm::showEvent(QShowEvent* event)
{
    if (m_centreOnShow || m_centreAlways) {
        m_centreOnShow = false;
        centreOver(this, m_mainWindow);
    }
    if (m_focusOnShow) {
        m_focusOnShow->setFocus(Qt::TabFocusReason);
        // Qt draws focus frames only after a focus change by the keyboard; the design shows it at once.
        setAttribute(Qt::WA_KeyboardFocusChange);
    }
    QDialog::showEvent(event);
}

} // namespace numislot::toolkit
