// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Controls.h"

#include "toolkit/FirstShow.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace numislot {

QPushButton* makeButton(
    QWidget* parent, const QString& name, const QString& caption, const QRect& geometry, const QString& hint)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    // Return and Enter press the focused button, as Space does; no window has a default button. In a
    // dialog Qt would make an auto-default button the default once the focus left it, and draw it so:
    // there ModalForm presses the focused button instead.
    button->setAutoDefault(!qobject_cast<QDialog*>(parent->window()));
    button->setGeometry(geometry);
    button->setToolTip(hint);
    return button;
}

QLabel* makeLabel(
    QWidget* parent, const QString& name, const QString& caption, QPoint topLeft, toolkit::FirstShow* firstShow)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    // Explicitly: a style sheet on the parent would drop the inherited font.
    label->setFont(parent->font());
    label->move(topLeft);
    if (firstShow)
        firstShow->add([label] { label->adjustSize(); });
    else
        label->adjustSize();
    return label;
}

} // namespace numislot
