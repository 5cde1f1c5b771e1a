// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The frame a window manager draws around the windows, known before they are first mapped: an X11
// window manager that follows the desktop conventions answers the question for a window not yet
// shown, so a window can be placed by its outer frame from its first show on.

#include <QList>
#include <QMargins>
#include <functional>
#include <optional>

class QWidget;

namespace numislot::toolkit {

// Asks the window manager for the frame of each window (creating their native windows) and runs
// `then` once every answer is in; at once where no window manager answers (none running, or not X11).
void askFrames(const QList<QWidget*>& windows, std::function<void()> then);

// The frame the window manager last announced for the window; nothing where none was announced.
std::optional<QMargins> announcedFrame(const QWidget* window);

// Whether the window manager has put the window into a frame of its own (reparented it); false where
// no window manager frames it, off X11 too.
bool inManagerFrame(const QWidget* window);

// Runs `changed` each time the window manager announces for the window a frame other than the one
// known before (once it frames it for real, say); a later call for the same window replaces it.
void onFrameChange(QWidget* window, std::function<void()> changed);

} // namespace numislot::toolkit
