// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/AccessibleNames.h"

namespace numislot::toolkit {

AccessibleNames::AccessibleNames()
{
    QAccessible::installActivationObserver(this);
}

AccessibleNames::~AccessibleNames()
{
    QAccessible::removeActivationObserver(this);
}

void AccessibleNames::add(QWidget* widget, const QString& name)
{
    if (m_active)
        widget->setAccessibleName(name);
    else
        m_pending.emplace_back(widget, name);
}

void AccessibleNames::follow(QWidget* widget, NameOf name)
{
    if (m_active)
        widget->setAccessibleName(name());
    m_followed.emplace_back(widget, std::move(name));
}

void AccessibleNames::changed(QWidget* widget)
{
    // A load changes the count up to 128 times: without a screen reader, no name is even worked out.
    if (!m_active)
        return;
    for (const auto& [followed, name] : m_followed) {
        if (followed == widget)
            widget->setAccessibleName(name());
    }
}

void AccessibleNames::accessibilityActiveChanged(bool active)
{
    m_active = active;
    if (!active)
        return;
    for (const auto& [widget, name] : std::exchange(m_pending, {})) {
        if (widget)
            widget->setAccessibleName(name);
    }
    for (const auto& [widget, name] : m_followed) {
        if (widget)
            widget->setAccessibleName(name());
    }
}

} // namespace numislot::toolkit
