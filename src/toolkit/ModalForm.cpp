#include "toolkit/ModalForm.h"

#include "toolkit/Placement.h"

#include <QKeyEvent>

namespace numislot::toolkit {

ModalForm::ModalForm(QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
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
    QDialog::keyPressEvent(event);
}

void ModalForm::showEvent(QShowEvent* event)
{
    if (m_centreOnShow || m_centreAlways) {
        m_centreOnShow = false;
        centreOverMainWindow(this);
    }
    QDialog::showEvent(event);
}

} // namespace numislot::toolkit
