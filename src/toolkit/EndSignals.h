// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>

class QSocketNotifier;

namespace numislot::toolkit {

// SIGTERM, SIGHUP and SIGINT, which ask the program to end, delivered as a signal of the event loop. The
// handlers only write a byte to a socket the loop watches, so the program ends through its own code.
class EndSignals : public QObject
{
    Q_OBJECT
public:
    // Installs the handlers; one instance per process.
    explicit EndSignals(QObject* parent = nullptr);
    ~EndSignals() override;

Q_SIGNALS:
    void received();

private:
    void wake();

    QSocketNotifier* m_notifier = nullptr;
    QList<int> m_handled;
};

} // namespace numislot::toolkit
