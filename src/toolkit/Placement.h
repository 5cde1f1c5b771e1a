// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

class QWidget;

namespace numislot::toolkit {

// The outer top-left that centres a window of outer size `size` over `mainTopLeft`/`mainSize`:
// integer division, never clamped to the screen.
constexpr QPoint centredPosition(QPoint mainTopLeft, QSize mainSize, QSize size)
{
    return { mainTopLeft.x() + (mainSize.width() - size.width()) / 2,
        mainTopLeft.y() + (mainSize.height() - size.height()) / 2 };
}

// The frame of the platform the windows were laid out on: 4-pixel sizing borders and a 19-pixel
// caption. Outer sizes rest on it until a window manager's own frame is seen.
inline constexpr QSize DesignedFrame(8, 27);

// What the window manager adds around a window, as far as it is known: the window's own frame as
// announced or seen, else the main window's (the same manager draws both); nothing when neither is known.
std::optional<QMargins> knownFrame(const QWidget* window, const QWidget* mainWindow);

// The window's rectangle with its known frame.
QRect outerGeometry(const QWidget* window);

// Fixes the screen that a window not yet shown reports to the one it would report now. Until then
// every control added to it looks the screen up again from the window's position, to scale its font.
void pinScreen(QWidget* window);

// Moves a top-level window so that its frame is centred on the available desktop of its screen.
void centreOnDesktop(QWidget* window);

// Moves a top-level window so that its frame is centred over the main window's frame.
void centreOver(QWidget* window, const QWidget* mainWindow);

// The client size that gives a window the outer size wanted, under the frame it has or will have.
QSize clientSizeFor(QSize outerSize, const QWidget* window, const QWidget* mainWindow);

} // namespace numislot::toolkit
