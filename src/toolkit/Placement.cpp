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
    // Before its first show a window's frame is unknown; assume the main window's.
    QSize extra;
    if (window->windowFlags() & Qt::FramelessWindowHint)
        extra = QSize(0, 0);
    else if (window->isVisible() || window->testAttribute(Qt::WA_WState_Created))
        extra = frameExtra(window);
    else
        extra = frameExtra(main);
    window->move(centredPosition(mainFrame.topLeft(), mainFrame.size(), window->size() + extra));
}

void resizeOuter(QWidget* window, QSize outerSize)
{
    window->resize(outerSize - frameExtra(window));
}

} // namespace numislot::toolkit
