// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's own drawings: coins, banners and the splash, on a white ground.

#include "Inventory.h"

#include <QImage>

namespace numislot::pictures {

QImage drawPicture(const PictureEntry& entry);

// An application icon: the 2 € coin on a transparent ground.
QImage drawIcon(int side);

} // namespace numislot::pictures
