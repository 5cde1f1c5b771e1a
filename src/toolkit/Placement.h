#pragma once

#include <QPoint>
#include <QString>
#include <QSize>

class QWidget;

namespace numislot::toolkit {

// The outer top-left that centres a window of outer size `size` over `mainTopLeft`/`mainSize`:
// integer division, never clamped to the screen.
constexpr QPoint centredPosition(QPoint mainTopLeft, QSize mainSize, QSize size)
{
    return {mainTopLeft.x() + (mainSize.width() - size.width()) / 2,
            mainTopLeft.y() + (mainSize.height() - size.height()) / 2};
}

// The application title: the caption of message boxes and of the exception display. It is not
// Qt's display name, which the X11 platform would append to every window's title.
void setApplicationTitle(const QString& title);
QString applicationTitle();

// The main window: the first window created; other windows centre over it.
void setMainWindow(QWidget* window);
QWidget* mainWindow();

// Fixes the screen that a window not yet shown reports to the one it would report now. Until then
// every control added to it looks the screen up again from the window's position, to scale its font.
void pinScreen(QWidget* window);

// Moves a top-level window so that its frame is centred over the main window's frame.
void centreOverMainWindow(QWidget* window);

// Gives a top-level window the outer size wanted, sizing the client by the frame when the
// window manager draws one (without a frame, outer and client sizes are the same).
void resizeOuter(QWidget* window, QSize outerSize);

} // namespace numislot::toolkit
