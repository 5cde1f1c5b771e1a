// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/FirstShow.h"

#include <QEvent>
#include <QMetaObject>
#include <QVariant>
#include <QWidget>
#include <utility>

namespace numislot::toolkit {

namespace {

// The window keeps a pointer to its own FirstShow: a search among its children by type would need
// run-time type information that a plain QObject subclass does not have.
constexpr char firstShowProperty[] = "_numislot_firstShow";

class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget* window, std::function<void()> work)
        : QObject(window)
        , m_work(std::move(work))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued: the frame is flushed to the screen once its paint events are done.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_work();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_work;
};

} // namespace

FirstShow::FirstShow(QWidget* window)
    : QObject(window)
    , m_window(window)
{
    window->setProperty(firstShowProperty, QVariant::fromValue(static_cast<QObject*>(this)));
    window->installEventFilter(this);
}

void FirstShow::add(std::function<void()> work)
{
    if (m_done) {
        work();
        return;
    }
    m_work.push_back(std::move(work));
}

void FirstShow::runFor(const QWidget& window)
{
    if (auto* first = static_cast<FirstShow*>(window.property(firstShowProperty).value<QObject*>()))
        first->run();
}

bool FirstShow::eventFilter(QObject* watched, QEvent* event)
{
    // Filters see the show before the window does, and both come before its first paint.
    if (watched == m_window && event->type() == QEvent::Show)
        run();
    return QObject::eventFilter(watched, event);
}

void afterFirstPaint(QWidget* window, std::function<void()> work)
{
    new FirstPaint(window, std::move(work));
}

void FirstShow::run()
{
    if (m_done)
        return;
    m_window->removeEventFilter(this);
    m_done = true;
    for (const auto& work : std::exchange(m_work, {}))
        work();
}

} // namespace numislot::toolkit
