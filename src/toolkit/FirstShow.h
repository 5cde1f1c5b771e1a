// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Work that measures text, held back until a window is first shown or printed. Measuring loads the
// font and shapes the text; the program creates every window at start-up, when only the main window
// is about to be seen.

#include <QObject>
#include <functional>
#include <vector>

class QWidget;

namespace numislot::toolkit {

class FirstShow : public QObject
{
public:
    explicit FirstShow(QWidget* window);

    // Runs the work when the window is first shown, or at once if that has happened already.
    void add(std::function<void()> work);

    // Runs the window's held-back work now: before a window that was never shown is printed or read.
    static void runFor(const QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void run();

    QWidget* m_window;
    std::vector<std::function<void()>> m_work;
    bool m_done = false;
};

// Runs the work once the window has painted its first frame, from the event loop: what that frame
// does not need waits until the user sees the window.
void afterFirstPaint(QWidget* window, std::function<void()> work);

} // namespace numislot::toolkit
