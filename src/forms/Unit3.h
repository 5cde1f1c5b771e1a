// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/ModalForm.h"

#include <QUrl>

class QLabel;
class QPushButton;

namespace numislot {

namespace toolkit {
class PictureCell;
class Services;
} // namespace toolkit

// The About window "A Propos".
class TForm3 : public toolkit::ModalForm
{
    Q_OBJECT
public:
    explicit TForm3(toolkit::Services& services, QWidget* parent = nullptr);

    // The links the two big buttons hand to the desktop.
    static QUrl mailLink();
    static QUrl forumLink();

    void Button1Click();
    void Button2Click();
    void Button3Click();

private:
    toolkit::Services& m_services;
    toolkit::PictureCell* m_image1 = nullptr;
    QPushButton* m_button1 = nullptr;
    QPushButton* m_button2 = nullptr;
    QPushButton* m_button3 = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label3 = nullptr;
};

} // namespace numislot
