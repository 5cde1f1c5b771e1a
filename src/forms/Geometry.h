// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The catalogue's designed rectangles as Qt's.

#include "catalogue/Catalogue.h"

#include <QRect>

namespace numislot {

constexpr QRect toQRect(const catalogue::Rect& rect)
{
    return { rect.left, rect.top, rect.width, rect.height };
}

} // namespace numislot
