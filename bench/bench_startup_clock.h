// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Both start-up programs end the same way: once the watched window has received its first paint event
// and the rest of that frame has been painted, they print the monotonic clock for bench/run and quit.

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <cstdio>
#include <ctime>
#include <functional>
#include <utility>

namespace numislot::bench {

class FirstPaintClock : public QObject
{
public:
    FirstPaintClock(std::function<QObject*()> watched, QObject* parent)
        : QObject(parent)
        , m_watched(std::move(watched))
    {
    }

    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && object == m_watched()) {
            m_seen = true;
            // Queued, so the children of that frame are painted and it is flushed before the clock is read.
            QMetaObject::invokeMethod(this, &FirstPaintClock::finish, Qt::QueuedConnection);
        }
        return QObject::eventFilter(object, event);
    }

private:
    void finish()
    {
        timespec now {};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("first-paint-ns %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    std::function<QObject*()> m_watched;
    bool m_seen = false;
};

inline void quitAfterFirstPaint(QCoreApplication& application, std::function<QObject*()> window)
{
    application.installEventFilter(new FirstPaintClock(std::move(window), &application));
}

} // namespace numislot::bench
