#include "toolkit/Placement.h"

#include <QPointer>
#include <QWidget>

namespace numislot::toolkit {

namespace {
QPointer<QWidget> s_mainWindow;
QString s_applicationTitle;

QSize frameExtra(const QWidget* window)
{
    return window->frameGeometry().size() - window->geometry().size();
}
} // namespace

void setApplicationTitle(const QString& title)
{
    s_applicationTitle = title;
}

QString applicationTitle()
{
    return s_applicationTitle;
}

void setMainWindow(QWidget* window)
{
    s_mainWindow = window;
}

QWidget* mainWindow()
{
    return s_mainWindow;
}

void pinScreen(QWidget* window)
{
    if (window->isWindow() && !window->windowHandle())
        window->setScreen(window->screen());
}

void centreOverMainWindow(QWidget* window)
{
    const QWidget* main = s_mainWindow;
    if (!main || main == window)
        return;
    const QRect mainFrame = main->frameGeometry();
    QSize extra(0, 0);
    QPoint clientOffset;
    if (!(window->windowFlags() & Qt::FramelessWindowHint)) {
        // Until the window manager has framed a window once, it reports no frame (even when its
        // native window exists already); assume the main window's. Such a native window takes the
        // position asked for as its client's, so the frame's offset is added.
        extra = frameExtra(window);
        if (extra.isNull()) {
            extra = frameExtra(main);
            if (window->testAttribute(Qt::WA_WState_Created))
                clientOffset = main->geometry().topLeft() - mainFrame.topLeft();
        }
    }
    window->move(centredPosition(mainFrame.topLeft(), mainFrame.size(), window->size() + extra) + clientOffset);
}

void resizeOuter(QWidget* window, QSize outerSize)
{
    window->resize(outerSize - frameExtra(window));
}

} // namespace numislot::toolkit
