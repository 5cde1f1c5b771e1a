// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Catalogue.h"

#include <array>

namespace numislot::collection {

// Which coins a collection holds; index = slot - 1, so slot order, as in the file.
using Ownership = std::array<bool, catalogue::SlotCount>;

constexpr bool isOwned(const Ownership& ownership, int slot)
{
    return catalogue::isSlot(slot) && ownership[slot - 1];
}

} // namespace numislot::collection
