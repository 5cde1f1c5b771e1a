#pragma once

#include "collection/CompletionRules.h"

#include <QColor>
#include <QPalette>

namespace numislot::toolkit {

// Maps a 0x00BBGGRR colour, or a system colour index, onto the palette of the widget it colours.
QColor toQColor(collection::Colour colour, const QPalette& palette);

// Solid background for a label (labels are transparent otherwise).
void setBackgroundColour(QWidget* widget, collection::Colour colour);
void setTextColour(QWidget* widget, collection::Colour colour);
void setBackgroundColour(QWidget* widget, const QColor& colour);
void setTextColour(QWidget* widget, const QColor& colour);

} // namespace numislot::toolkit
