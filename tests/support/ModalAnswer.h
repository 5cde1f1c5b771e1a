// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Answers the next modal window the way a user does: once its nested event loop runs,
// optionally look at it, then click one of its buttons.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>

inline void clickInNextModal(const QString& buttonName, std::function<void(QWidget*)> inspect = {})
{
    QTimer::singleShot(0, qApp, [buttonName, inspect] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY2(modal, "no modal window is shown");
        if (inspect)
            inspect(modal);
        auto* button = modal->findChild<QAbstractButton*>(buttonName);
        QVERIFY2(button, qPrintable(QStringLiteral("no button ") + buttonName));
        QTest::mouseClick(button, Qt::LeftButton);
    });
}

// Closes the next modal window by its close box.
inline void closeNextModal(std::function<void(QWidget*)> inspect = {})
{
    QTimer::singleShot(0, qApp, [inspect] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY2(modal, "no modal window is shown");
        if (inspect)
            inspect(modal);
        modal->close();
    });
}

// Runs `act` once `modal`, about to be shown modally, is up and the application's active window (so
// that keys go to its focus). A window the action failed to answer is ended after 5 s, with result
// -1, so that a failing test cannot hang.
inline void actInNextModal(QDialog* modal, std::function<void()> act)
{
    QTimer::singleShot(0, modal, [modal, act] {
        QVERIFY(modal->isVisible());
        modal->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), modal);
        act();
    });
    QTimer::singleShot(5000, modal, [modal] {
        if (modal->isVisible())
            modal->done(-1);
    });
}
