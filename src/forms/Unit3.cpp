// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Unit3.h"

#include "catalogue/Maker.h"
#include "forms/Controls.h"
#include "toolkit/Environment.h"
#include "toolkit/FirstShow.h"
#include "toolkit/PictureCell.h"
#include "toolkit/Services.h"
#include "toolkit/Text.h"

#include <QLabel>
#include <QPushButton>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

namespace numislot {

using toolkit::qs;

TForm3::TForm3(toolkit::Services& services, QWidget* parent)
    : ModalForm(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_services(services)
{
    setObjectName(u"Form3"_s);
    setWindowTitle(u"A Propos"_s);
    setFont(toolkit::formFont());
    setFixedSize(286, 254);
    setCentredOnEveryShow(true);

    m_image1 = new toolkit::PictureCell(this);
    m_image1->setObjectName(u"Image1"_s);
    m_image1->setGeometry(39, 3, 208, 46);
    m_image1->setPicture(toolkit::Picture::embedded(u"Form3", u"Image1"));

    auto* firstShow = new toolkit::FirstShow(this);
    m_button1 = makeButton(this, u"Button1"_s, u"&OK"_s, { 66, 45, 153, 25 });
    m_label3 = makeLabel(this, u"Label3"_s, u"Numislot, V 3.25.07 RC1"_s, { 55, 72 }, firstShow);
    m_label3->setFont(toolkit::formFont(11, true));
    m_label1 = makeLabel(this, u"Label1"_s, u"Pour tout renseignements :"_s, { 80, 159 }, firstShow);
    m_button2 = makeButton(this, u"Button2"_s, qs(catalogue::ContactAddress), { 7, 175, 273, 34 });
    m_button3 = makeButton(this, u"Button3"_s, u"Forum Numislot"_s, { 7, 215, 273, 34 });
    for (QPushButton* button : { m_button2, m_button3 })
        button->setFont(toolkit::formFont(13, true, u"Arial"));

    setTabOrder(m_button1, m_button2);
    setTabOrder(m_button2, m_button3);
    // Shown with its focus frame: no default outline marks the button that Enter presses.
    setFocusOnShow(m_button1);

    connect(m_button1, &QPushButton::clicked, this, &TForm3::Button1Click);
    connect(m_button2, &QPushButton::clicked, this, &TForm3::Button2Click);
    connect(m_button3, &QPushButton::clicked, this, &TForm3::Button3Click);
}

QUrl TForm3::mailLink()
{
    // The query goes through QUrlQuery so that the desktop gets it percent-encoded and the mail
    // program decodes the subject back to its blanks.
    QUrl link;
    link.setScheme(u"mailto"_s);
    link.setPath(qs(catalogue::ContactAddress));
    QUrlQuery query;
    query.addQueryItem(u"subject"_s, qs(catalogue::MailSubject));
    link.setQuery(query);
    return link;
}

QUrl TForm3::forumLink()
{
    return QUrl(qs(catalogue::ForumUrl), QUrl::StrictMode);
}

void TForm3::Button1Click()
{
    done(toolkit::ResultOk);
}

void TForm3::Button2Click()
{
    m_services.openUrl(mailLink());
}

void TForm3::Button3Click()
{
    m_services.openUrl(forumLink());
}

} // namespace numislot
