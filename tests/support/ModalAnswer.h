// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Answers the next modal window the way a user does: once its nested event loop runs,
// optionally look at it, then click one of its buttons.

#include <QAbstractButton>
#include <QApplication>
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
