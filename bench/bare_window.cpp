// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up: a plain Qt Widgets program with one window holding as many controls as the
// main window (128 check boxes, 19 labels, 19 buttons, two frames, eight picture places, a text box,
// a menu bar), no pictures, no other window. Prints the clock when its first frame is painted and quits.

#include "bench_startup_clock.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QString>
#include <QTextEdit>

using namespace Qt::StringLiterals;

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setObjectName(u"Bare"_s);
    window.setWindowTitle(u"Bare"_s);
    auto* client = new QWidget(&window);
    client->setFixedSize(690, 525);
    window.setCentralWidget(client);

    auto* frame = new QGroupBox(client);
    frame->setGeometry(104, 65, 479, 416);
    for (int slot = 0; slot < 128; ++slot) {
        auto* box = new QCheckBox(client);
        box->setGeometry(120 + (slot % 8) * 57, 75 + (slot / 8) * 25, 17, 17);
        box->setToolTip(u"Pièce %1"_s.arg(slot + 1));
    }
    for (int row = 0; row < 16; ++row) {
        auto* label = new QLabel(u"Pays %1"_s.arg(row + 1), client);
        label->adjustSize();
        label->move(100 - label->width(), 78 + row * 25);
        label->setAutoFillBackground(true);
        auto* button = new QPushButton(u"Pays %1"_s.arg(row + 1), client);
        button->setGeometry(595, 75 + row * 25, 80, 21);
        button->setToolTip(u"Voir les pièces"_s);
    }
    for (int column = 0; column < 8; ++column)
        (new QLabel(client))->setGeometry(120 + column * 57, 20, 45, 45);

    auto* status = new QGroupBox(u"Etat"_s, client);
    status->setGeometry(608, 8, 65, 49);
    (new QLabel(u"0"_s, status))->move(8, 14);
    (new QLabel(u" / 128"_s, status))->move(28, 14);
    (new QLabel(u"pièces"_s, status))->move(16, 30);
    for (int button = 0; button < 3; ++button)
        (new QPushButton(u"Bouton %1"_s.arg(button + 1), client))->setGeometry(161 + button * 137, 488, 94, 33);
    auto* edit = new QTextEdit(client);
    edit->setGeometry(8, 488, 25, 25);
    edit->setVisible(false);

    QMenu* file = window.menuBar()->addMenu(u"&Fichier"_s);
    for (int item = 0; item < 5; ++item)
        file->addAction(u"Article %1"_s.arg(item + 1));
    window.menuBar()->addMenu(u"&Aide"_s)->addAction(u"A propos"_s);

    numislot::bench::quitAfterFirstPaint(application, [&window] { return static_cast<QObject*>(&window); });
    window.show();
    return application.exec();
}
