// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/ExceptionDisplay.h"

#include "toolkit/Services.h"

#include <QMetaMethod>
#include <exception>

namespace numislot::toolkit {

QString exceptionDisplayText(const QString& message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        if (m_services)
            m_services->showException(exceptionDisplayText(QString::fromLocal8Bit(error.what())));
    }
    return false;
}

bool Application::event(QEvent* event)
{
    // Here rather than in a filter on the application object, which every event of every object passes.
    if (event->type() == QEvent::Quit && isSignalConnected(QMetaMethod::fromSignal(&Application::quitRequested))) {
        Q_EMIT quitRequested();
        return true;
    }
    return QApplication::event(event);
}

} // namespace numislot::toolkit
