// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/WindowFrame.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QHash>
#include <QLayout>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <list>
#include <memory>
#include <xcb/xcb.h>

namespace numislot::toolkit {

namespace {

// A window manager that says it answers but stays silent must not keep the windows hidden for ever.
constexpr int AnswerLimitMs = 3000;

template <typename Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> Owned<Reply> own(Reply* reply)
{
    return Owned<Reply>(reply, &std::free);
}

// Watches the X server for the frame extents the window manager sets on the program's windows.
class FrameWatcher : public QObject, public QAbstractNativeEventFilter
{
public:
    // The application's watcher; nullptr off X11.
    static FrameWatcher* instance()
    {
        static QPointer<FrameWatcher> watcher;
        if (!watcher && qGuiApp) {
            // The offscreen platform answers for X11 too, without a connection.
            auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
            if (x11 && x11->connection()) {
                watcher = new FrameWatcher(x11->connection());
                qGuiApp->installNativeEventFilter(watcher);
            }
        }
        return watcher;
    }

    std::optional<QMargins> frame(xcb_window_t window) const
    {
        const auto found = m_frames.constFind(window);
        if (found == m_frames.cend())
            return std::nullopt;
        return *found;
    }

    void ask(const QList<QWidget*>& windows, std::function<void()> then)
    {
        QList<xcb_window_t> waiting;
        // Without a window manager to answer, the windows are left as they are, native windows not made.
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
        if (!screen || !answersRequests(screen->root)) {
            then();
            return;
        }
        for (QWidget* widget : windows) {
            // The size limits are part of what decides the frame (a window of fixed size has no grip).
            if (QLayout* layout = widget->layout())
                layout->activate();
            const auto window = static_cast<xcb_window_t>(widget->winId());
            if (m_frames.contains(window) || read(window))
                continue;
            const auto tree = own(xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, window), nullptr));
            if (!tree || (tree->root != screen->root && !answersRequests(tree->root)))
                continue;
            xcb_client_message_event_t request {};
            request.response_type = XCB_CLIENT_MESSAGE;
            request.format = 32;
            request.window = window;
            request.type = m_request;
            xcb_send_event(m_connection, false, tree->root,
                XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                reinterpret_cast<const char*>(&request));
            waiting.append(window);
        }
        if (waiting.isEmpty()) {
            then();
            return;
        }
        xcb_flush(m_connection);
        m_waiters.push_back({ ++m_lastWaiter, waiting, std::move(then) });
        QTimer::singleShot(AnswerLimitMs, this, [this, id = m_lastWaiter] { release(id); });
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto* change = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        // A window manager that lets a window go deletes its extents; the last announced ones still
        // hold when the window is shown again.
        if (change->atom != m_frameExtents || change->state != XCB_PROPERTY_NEW_VALUE)
            return false;
        const std::optional<QMargins> before = frame(change->window);
        if (!read(change->window))
            return false;
        if (before && before != frame(change->window)) {
            if (const auto watch = m_watches.constFind(change->window); watch != m_watches.cend() && *watch)
                QMetaObject::invokeMethod(this, *watch, Qt::QueuedConnection);
        }
        for (auto waiter = m_waiters.begin(); waiter != m_waiters.end();) {
            waiter->windows.removeAll(change->window);
            if (!waiter->windows.isEmpty()) {
                ++waiter;
                continue;
            }
            // Not from inside the X event dispatch: the work shows windows.
            QMetaObject::invokeMethod(this, std::move(waiter->then), Qt::QueuedConnection);
            waiter = m_waiters.erase(waiter);
        }
        return false;
    }

    bool reparented(xcb_window_t window) const
    {
        const auto tree = own(xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, window), nullptr));
        return tree && tree->parent != tree->root;
    }

    void watch(xcb_window_t window, std::function<void()> changed) { m_watches.insert(window, std::move(changed)); }

private:
    struct Waiter
    {
        int id;
        QList<xcb_window_t> windows;
        std::function<void()> then;
    };

    explicit FrameWatcher(xcb_connection_t* connection)
        : QObject(qGuiApp)
        , m_connection(connection)
        , m_frameExtents(atom("_NET_FRAME_EXTENTS"))
        , m_request(atom("_NET_REQUEST_FRAME_EXTENTS"))
        , m_supported(atom("_NET_SUPPORTED"))
        , m_check(atom("_NET_SUPPORTING_WM_CHECK"))
    {
    }

    xcb_atom_t atom(const char* name) const
    {
        const auto reply = own(xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, false, static_cast<uint16_t>(strlen(name)), name), nullptr));
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    Owned<xcb_get_property_reply_t> property(
        xcb_window_t window, xcb_atom_t name, xcb_atom_t type, uint32_t length) const
    {
        auto reply = own(xcb_get_property_reply(
            m_connection, xcb_get_property(m_connection, false, window, name, type, 0, length), nullptr));
        if (reply && (reply->type != type || reply->format != 32))
            reply.reset();
        return reply;
    }

    // A running window manager (its check window names itself) that lists the request as supported.
    bool answersRequests(xcb_window_t root) const
    {
        const auto check = property(root, m_check, XCB_ATOM_WINDOW, 1);
        if (!check || xcb_get_property_value_length(check.get()) != 4)
            return false;
        const xcb_window_t wm = *static_cast<const xcb_window_t*>(xcb_get_property_value(check.get()));
        const auto itself = property(wm, m_check, XCB_ATOM_WINDOW, 1);
        if (!itself || xcb_get_property_value_length(itself.get()) != 4
            || *static_cast<const xcb_window_t*>(xcb_get_property_value(itself.get())) != wm)
            return false;
        const auto supported = property(root, m_supported, XCB_ATOM_ATOM, 4096);
        if (!supported)
            return false;
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(supported.get()));
        const int count = xcb_get_property_value_length(supported.get()) / 4;
        return std::find(atoms, atoms + count, m_request) != atoms + count;
    }

    // Reads the window's extents into the table; false when it has none.
    bool read(xcb_window_t window)
    {
        const auto extents = property(window, m_frameExtents, XCB_ATOM_CARDINAL, 4);
        if (!extents || xcb_get_property_value_length(extents.get()) != 16)
            return false;
        const auto* value = static_cast<const uint32_t*>(xcb_get_property_value(extents.get()));
        // Left, right, top, bottom.
        m_frames.insert(window,
            QMargins(static_cast<int>(value[0]), static_cast<int>(value[2]), static_cast<int>(value[1]),
                static_cast<int>(value[3])));
        return true;
    }

    void release(int id)
    {
        for (auto waiter = m_waiters.begin(); waiter != m_waiters.end(); ++waiter) {
            if (waiter->id == id) {
                std::function<void()> then = std::move(waiter->then);
                m_waiters.erase(waiter);
                then();
                return;
            }
        }
    }

    xcb_connection_t* m_connection;
    xcb_atom_t m_frameExtents;
    xcb_atom_t m_request;
    xcb_atom_t m_supported;
    xcb_atom_t m_check;
    QHash<xcb_window_t, QMargins> m_frames;
    QHash<xcb_window_t, std::function<void()>> m_watches;
    std::list<Waiter> m_waiters;
    int m_lastWaiter = 0;
};

} // namespace

void askFrames(const QList<QWidget*>& windows, std::function<void()> then)
{
    FrameWatcher* watcher = FrameWatcher::instance();
    if (!watcher) {
        then();
        return;
    }
    watcher->ask(windows, std::move(then));
}

std::optional<QMargins> announcedFrame(const QWidget* window)
{
    if (!window || !window->testAttribute(Qt::WA_WState_Created))
        return std::nullopt;
    FrameWatcher* watcher = FrameWatcher::instance();
    if (!watcher)
        return std::nullopt;
    return watcher->frame(static_cast<xcb_window_t>(window->internalWinId()));
}

bool inManagerFrame(const QWidget* window)
{
    if (!window || !window->testAttribute(Qt::WA_WState_Created))
        return false;
    FrameWatcher* watcher = FrameWatcher::instance();
    return watcher && watcher->reparented(static_cast<xcb_window_t>(window->internalWinId()));
}

void onFrameChange(QWidget* window, std::function<void()> changed)
{
    if (FrameWatcher* watcher = FrameWatcher::instance(); watcher && window->testAttribute(Qt::WA_WState_Created))
        watcher->watch(static_cast<xcb_window_t>(window->internalWinId()), std::move(changed));
}

} // namespace numislot::toolkit
