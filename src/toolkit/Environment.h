// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

class QCoreApplication;

namespace numislot::toolkit {

// The windows were laid out for "MS Sans Serif" at fixed pixel sizes; map it, and Arial, onto
// installed fonts of close metrics so that no caption is clipped.
void installFontSubstitutes();

// Qt's own dialogs (file, print, message boxes) and KDE's file dialog speak French like the rest of
// the program.
void installFrenchTranslations(QCoreApplication& application);

// "MS Sans Serif" at a pixel height, the font of every window, or another designed family.
QFont formFont(int pixelHeight = 11, bool bold = false, QStringView family = u"MS Sans Serif");

} // namespace numislot::toolkit
