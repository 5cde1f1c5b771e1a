// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/ExceptionDisplay.h"

#include "toolkit/Services.h"

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

} // namespace numislot::toolkit
