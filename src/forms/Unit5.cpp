// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Unit5.h"

#include "toolkit/Colours.h"
#include "toolkit/Environment.h"
#include "toolkit/PictureCell.h"
#include "toolkit/Placement.h"

#include <QTimer>

using namespace Qt::StringLiterals;

namespace numislot {

TForm5::TForm5(QWidget* parent)
    : ModalForm(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(u"Form5"_s);
    setFont(toolkit::formFont());
    setFixedSize(445, 191);
    setCursor(Qt::CrossCursor);
    toolkit::paintWhite(this);

    m_image1 = new toolkit::PictureCell(this);
    m_image1->setObjectName(u"Image1"_s);
    m_image1->setGeometry(0, 0, 445, 191);
    const toolkit::Picture splash = toolkit::Picture::embedded(u"Form5", u"Image1");
    // Shown over the main window's first frame: decoding it meanwhile keeps it off that frame's path.
    splash.decodeAhead();
    m_image1->setPicture(splash);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(u"Timer1"_s);
    m_timer1->setInterval(4000);
    connect(m_timer1, &QTimer::timeout, this, &TForm5::Timer1Timer);
    m_timer1->start();
}

void TForm5::Timer1Timer()
{
    if (QWidget* main = mainWindow())
        main->setVisible(true);
    // Ends the modal show with Cancel; on a hidden splash it changes nothing.
    close();
}

} // namespace numislot
