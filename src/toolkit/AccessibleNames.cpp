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
    if (QAccessible::isActive())
        widget->setAccessibleName(name);
    else
        m_pending.emplace_back(widget, name);
}

void AccessibleNames::accessibilityActiveChanged(bool active)
{
    if (!active)
        return;
    for (const auto& [widget, name] : std::exchange(m_pending, {})) {
        if (widget)
            widget->setAccessibleName(name);
    }
}

} // namespace numislot::toolkit
