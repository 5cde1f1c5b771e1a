#pragma once

// Names for controls whose caption does not say what they are, given to assistive technology once
// it is active. Each name set sends an accessibility event, and until a screen reader connects
// nothing receives it: naming the main window's 128 boxes at start-up cost more than building them.

#include <QAccessible>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <utility>
#include <vector>

namespace numislot::toolkit {

class AccessibleNames : public QAccessible::ActivationObserver
{
public:
    AccessibleNames();
    ~AccessibleNames() override;
    AccessibleNames(const AccessibleNames&) = delete;
    AccessibleNames& operator=(const AccessibleNames&) = delete;

    // Names the widget now if accessibility is active, otherwise as soon as it becomes so.
    void add(QWidget* widget, const QString& name);

    void accessibilityActiveChanged(bool active) override;

private:
    std::vector<std::pair<QPointer<QWidget>, QString>> m_pending;
};

} // namespace numislot::toolkit
