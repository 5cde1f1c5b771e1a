// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The product's fixed identity: title, maker and contact, used by the windows and the report.

#include <string_view>

namespace numislot::catalogue {

inline constexpr std::string_view ApplicationTitle = "Numislot par QVT";
inline constexpr std::string_view CaptionSeparator = " : ";
inline constexpr std::string_view MakerName = "QVT";
inline constexpr std::string_view ContactAddress = "numislot@example.org";
inline constexpr std::string_view ForumUrl = "https://forum.example.org/phpbb2/viewforum.php?f=15";
inline constexpr std::string_view MailSubject = "Numislot (-_-)";

} // namespace numislot::catalogue
