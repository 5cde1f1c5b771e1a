// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The designed colours, in the 0x00BBGGRR form the windows were drawn with; a set top bit names a
// system colour by its index. The completion rules choose among them and the toolkit paints them.

#include <cstdint>

namespace numislot::catalogue {

using Colour = std::uint32_t;
inline constexpr Colour Lime = 0x00FF00;
inline constexpr Colour DarkGreen = 0x008000;
inline constexpr Colour Black = 0x000000;
inline constexpr Colour White = 0xFFFFFF;
// Complete issuers' button text where the desktop's button face is too dark for the dark green.
inline constexpr Colour LightGreen = 0x90EE90;
inline constexpr Colour SystemColourFlag = 0x80000000;
// The system colours' indexes, in the low byte.
inline constexpr Colour SystemWindowIndex = 5;
inline constexpr Colour SystemWindowTextIndex = 8;
inline constexpr Colour SystemButtonFaceIndex = 15;
inline constexpr Colour ButtonFace = SystemColourFlag | SystemButtonFaceIndex;
inline constexpr Colour WindowText = SystemColourFlag | SystemWindowTextIndex;

} // namespace numislot::catalogue
