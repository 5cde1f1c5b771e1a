// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The push buttons and labels of every window, made one way: named as designed, at their place.

#include <QPoint>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace numislot {

namespace toolkit {
class FirstShow;
}

QPushButton* makeButton(
    QWidget* parent, const QString& name, const QString& caption, const QRect& geometry, const QString& hint = {});

// In its parent's font, sized to its text: when the window first shows where a FirstShow is given (so
// start-up measures no text), at once otherwise.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, QPoint topLeft,
    toolkit::FirstShow* firstShow = nullptr);

} // namespace numislot
