// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Unit2.h"

#include "forms/Controls.h"
#include "toolkit/Environment.h"
#include "toolkit/FirstShow.h"
#include "toolkit/Placement.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace numislot {

namespace {
constexpr QSize OuterSize(271, 115);
}

TForm2::TForm2(QWidget* parent)
    : ModalForm(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(u"Form2"_s);
    setWindowTitle(u"Sauvegarder ?"_s);
    setFont(toolkit::formFont());
    setFixedSize(toolkit::clientSizeFor(OuterSize, this, nullptr));
    setCentredOnEveryShow(true);

    auto* label = new QLabel(u"Voulez vous sauvegarder la collection en cours ?"_s, this);
    label->setObjectName(u"Label1"_s);
    label->move(16, 15);
    // The laid-out width was measured in the original font; never cut the question mark.
    (new toolkit::FirstShow(this))->add([label] { label->resize(std::max(232, label->sizeHint().width()), 13); });

    struct Answer
    {
        const char16_t* name;
        const char16_t* caption;
        int left;
        int result;
    };
    static constexpr Answer answers[] = {
        { u"Button1", u"&Oui", 16, toolkit::ResultOk },
        { u"Button2", u"&Non", 99, toolkit::ResultAbort },
        { u"Button3", u"&Annuler", 182, toolkit::ResultCancel },
    };
    QWidget* previous = nullptr;
    for (const Answer& answer : answers) {
        // No default button: Return and Enter press the focused one, Escape none.
        QPushButton* button = makeButton(
            this, QString::fromUtf16(answer.name), QString::fromUtf16(answer.caption), QRect(answer.left, 47, 65, 25));
        const int result = answer.result;
        connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
        if (previous)
            setTabOrder(previous, button);
        else
            setFocusOnShow(button);
        previous = button;
    }
}

void TForm2::showEvent(QShowEvent* event)
{
    // 271 x 115 is the prompt's outer size: the client is what the window manager's frame leaves of it.
    setFixedSize(toolkit::clientSizeFor(OuterSize, this, mainWindow()));
    ModalForm::showEvent(event);
}

} // namespace numislot
