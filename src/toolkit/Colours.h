// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Colours.h"

#include <QColor>
#include <QPalette>
#include <span>

class QWidget;

namespace numislot::toolkit {

// Maps a 0x00BBGGRR colour, or a system colour index, onto a palette.
QColor toQColor(catalogue::Colour colour, const QPalette& palette = {});

// How far apart two colours read, from 1 (the same) to 21 (black on white); text wants 4.5 or more.
double contrastRatio(const QColor& a, const QColor& b);

// The designed text colour, unless the alternative reads better on the background.
QColor readableOn(const QColor& background, const QColor& designed, const QColor& alternative);

// A colour for a line that a user must see (a frame, an outline): the preferred one where it reads at
// 3:1 on the background, else the nearest step from it towards the text colour that does.
QColor lineColour(const QColor& preferred, const QColor& background, const QColor& text);

// Empty check boxes whose outline and keyboard focus ring show at 3:1 on the palette's window, whatever
// the style: the containers take roles from which the style draws them so (measured once, on a box
// drawn aside in the first container's style), or drop them where the desktop's already do.
void readableIndicators(std::span<QWidget* const> containers, const QPalette& palette);

// Solid background for a label (labels are transparent otherwise).
void setBackgroundColour(QWidget* widget, const QColor& colour);
void setTextColour(QWidget* widget, const QColor& colour);
// Drops a widget's own colours: it takes its window's background and text again.
void inheritColours(QWidget* widget);

// A window designed white keeps its designed black text too, whatever the desktop's palette: a dark
// theme would otherwise draw light text on the white.
void paintWhite(QWidget* widget);

} // namespace numislot::toolkit
