// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Placement.h"

#include <QWidget>

namespace numislot::toolkit {

namespace {

std::optional<QSize> frameOf(const QWidget* window)
{
    if (!window || !window->testAttribute(Qt::WA_WState_Created))
        return std::nullopt;
    const QSize extra = window->frameGeometry().size() - window->geometry().size();
    if (extra.isNull())
        return std::nullopt;
    return extra;
}

} // namespace

std::optional<QSize> knownFrame(const QWidget* window, const QWidget* mainWindow)
{
    if (window->windowFlags() & Qt::FramelessWindowHint)
        return QSize(0, 0);
    if (const std::optional<QSize> own = frameOf(window))
        return own;
    if (mainWindow && mainWindow != window)
        return frameOf(mainWindow);
    return std::nullopt;
}

void pinScreen(QWidget* window)
{
    if (window->isWindow() && !window->windowHandle())
        window->setScreen(window->screen());
}

void centreOver(QWidget* window, const QWidget* mainWindow)
{
    if (!mainWindow || mainWindow == window)
        return;
    const QRect mainFrame = mainWindow->frameGeometry();
    const QSize outer = window->size() + knownFrame(window, mainWindow).value_or(QSize(0, 0));
    // A native window that the window manager has not framed yet takes the position asked for as its
    // client's: the frame's offset is added, assumed to be the main window's.
    QPoint clientOffset;
    if (!(window->windowFlags() & Qt::FramelessWindowHint) && window->testAttribute(Qt::WA_WState_Created)
        && !frameOf(window))
        clientOffset = mainWindow->geometry().topLeft() - mainFrame.topLeft();
    window->move(centredPosition(mainFrame.topLeft(), mainFrame.size(), outer) + clientOffset);
}

QSize clientSizeFor(QSize outerSize, const QWidget* window, const QWidget* mainWindow)
{
    return outerSize - knownFrame(window, mainWindow).value_or(DesignedFrame);
}

} // namespace numislot::toolkit
