// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Names for controls whose caption does not say what they are, given to assistive technology once
// it is active. Each name set sends an accessibility event, and until a screen reader connects
// nothing receives it: naming the main window's 128 boxes at start-up cost more than building them.

#include <QAccessible>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

namespace numislot::toolkit {

class AccessibleNames : public QAccessible::ActivationObserver
{
public:
    using NameOf = std::function<QString()>;

    AccessibleNames();
    ~AccessibleNames() override;
    AccessibleNames(const AccessibleNames&) = delete;
    AccessibleNames& operator=(const AccessibleNames&) = delete;

    // Names the widget now if accessibility is active, otherwise as soon as it becomes so.
    void add(QWidget* widget, const QString& name);
    // A name that follows what the widget shows: asked for when a screen reader connects, and again at
    // each changed() while one is connected. The name change is what a screen reader announces.
    void follow(QWidget* widget, NameOf name);
    void changed(QWidget* widget);

    void accessibilityActiveChanged(bool active) override;

private:
    // Whether a screen reader listens, as the activation observer last heard.
    bool m_active = QAccessible::isActive();
    std::vector<std::pair<QPointer<QWidget>, QString>> m_pending;
    std::vector<std::pair<QPointer<QWidget>, NameOf>> m_followed;
};

} // namespace numislot::toolkit
