// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

namespace numislot::toolkit {

class Services;

// The message shown for an error: a full stop is added when the text ends in a character
// that sorts after '.', so sentences end with one and texts ending in punctuation keep theirs.
QString exceptionDisplayText(const QString& message);

// The application object: an exception escaping an event handler is shown and the program carries on;
// the platform's request to end (the session manager once the session ends) is handed to whoever
// listens to quitRequested instead of Qt closing the windows.
class Application : public QApplication
{
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    void setServices(Services* services) { m_services = services; }
    bool notify(QObject* receiver, QEvent* event) override;

Q_SIGNALS:
    void quitRequested();

protected:
    bool event(QEvent* event) override;

private:
    Services* m_services = nullptr;
};

} // namespace numislot::toolkit
