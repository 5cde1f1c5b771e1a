// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace numislot::collection {

// Where the owned-coins report is written and, on quitting, deleted: in the user's private runtime
// directory, never under a fixed name in a world-writable one.
QString reportFilePath();

} // namespace numislot::collection
