// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Placement.h"

#include "toolkit/WindowFrame.h"

#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <vector>

namespace numislot::toolkit {

namespace {

std::optional<QMargins> frameOf(const QWidget* window)
{
    if (!window || !window->testAttribute(Qt::WA_WState_Created))
        return std::nullopt;
    // What the window manager announced holds before the window is mapped and after it is let go.
    if (const std::optional<QMargins> announced = announcedFrame(window))
        return announced;
    const QWindow* handle = window->windowHandle();
    if (!handle || !handle->handle())
        return std::nullopt;
    const QMargins margins = handle->frameMargins();
    if (margins.isNull())
        return std::nullopt;
    return margins;
}

QSize sizeOf(const QMargins& frame)
{
    return { frame.left() + frame.right(), frame.top() + frame.bottom() };
}

// Moves the window's client area to `clientTopLeft`, whatever Qt believes of the frame meanwhile.
void placeClient(QWidget* window, QPoint clientTopLeft)
{
    window->move(clientTopLeft - (window->geometry().topLeft() - window->pos()));
}

// Places the window's frame, of the known or guessed extents, at `outerTopLeft`.
void placeOuter(QWidget* window, QPoint outerTopLeft, const QMargins& frame)
{
    // Qt takes the position of a window not created yet as its frame's.
    if (!window->testAttribute(Qt::WA_WState_Created)) {
        window->move(outerTopLeft);
        return;
    }
    placeClient(window, outerTopLeft + QPoint(frame.left(), frame.top()));
}

// A window centred over another and where it was put: it moves with the other when that one is placed
// again, which a window manager that frames windows only once they are shown brings about after the
// splash is up.
struct Follower
{
    QPointer<QWidget> window;
    QPointer<const QWidget> over;
    QPoint placedAt;
};

std::vector<Follower>& followers()
{
    static std::vector<Follower> list;
    return list;
}

void follow(QWidget* window, const QWidget* over)
{
    std::vector<Follower>& list = followers();
    std::erase_if(list, [window](const Follower& follower) { return !follower.window || follower.window == window; });
    list.push_back({ window, over, window->geometry().topLeft() });
}

void placeFollowers(const QWidget* moved)
{
    std::vector<QPointer<QWidget>> due;
    for (const Follower& follower : followers()) {
        if (follower.window && follower.over == moved && follower.window->isVisible()
            && follower.window->geometry().topLeft() == follower.placedAt)
            due.push_back(follower.window);
    }
    for (const QPointer<QWidget>& window : due) {
        if (window)
            centreOver(window, moved);
    }
}

// The frame a window manager draws may differ from the one it announced before (a grip more or less,
// a title bar it had not counted): the window is placed again if it still stands where it was put.
void replaceWhenFramed(QWidget* window, std::function<void()> place)
{
    const QPoint placedAt = window->geometry().topLeft();
    onFrameChange(window, [window = QPointer<QWidget>(window), place = std::move(place), placedAt] {
        if (window && window->isVisible() && window->geometry().topLeft() == placedAt) {
            place();
            placeFollowers(window);
        }
    });
}

} // namespace

std::optional<QMargins> knownFrame(const QWidget* window, const QWidget* mainWindow)
{
    if (window->windowFlags() & Qt::FramelessWindowHint)
        return QMargins();
    const std::optional<QMargins> own = frameOf(window);
    const std::optional<QMargins> main = mainWindow && mainWindow != window ? frameOf(mainWindow) : std::nullopt;
    // mutter answers "none" for a window that leaves its decorations to the window manager (the detail
    // window's title bar without buttons), and newer mutter for any window it has yet to frame, then
    // frames it like any other.
    if (own && own->isNull() && main && (!window->isVisible() || !inManagerFrame(window)))
        return main;
    return own ? own : main;
}

QRect outerGeometry(const QWidget* window)
{
    return window->geometry().marginsAdded(knownFrame(window, nullptr).value_or(QMargins()));
}

void pinScreen(QWidget* window)
{
    if (window->isWindow() && !window->windowHandle())
        window->setScreen(window->screen());
}

void centreOnDesktop(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect desktop = screen->availableGeometry();
    const QMargins frame = knownFrame(window, nullptr).value_or(QMargins());
    placeOuter(window, centredPosition(desktop.topLeft(), desktop.size(), window->size() + sizeOf(frame)), frame);
    replaceWhenFramed(window, [window] { centreOnDesktop(window); });
}

void centreOver(QWidget* window, const QWidget* mainWindow)
{
    if (!mainWindow || mainWindow == window)
        return;
    const QRect mainFrame = outerGeometry(mainWindow);
    // A window never shown under this window manager wears the main window's frame until its own is known.
    const QMargins frame = knownFrame(window, mainWindow).value_or(QMargins());
    placeOuter(window, centredPosition(mainFrame.topLeft(), mainFrame.size(), window->size() + sizeOf(frame)), frame);
    follow(window, mainWindow);
    replaceWhenFramed(window, [window, main = QPointer<const QWidget>(mainWindow)] { centreOver(window, main); });
}

QSize clientSizeFor(QSize outerSize, const QWidget* window, const QWidget* mainWindow)
{
    const std::optional<QMargins> frame = knownFrame(window, mainWindow);
    return outerSize - (frame ? sizeOf(*frame) : DesignedFrame);
}

} // namespace numislot::toolkit
