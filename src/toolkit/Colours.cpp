#include "toolkit/Colours.h"

#include <QApplication>
#include <QWidget>

namespace numislot::toolkit {

QColor toQColor(collection::Colour colour, const QPalette& palette)
{
    if (colour & collection::SystemColourFlag) {
        switch (colour & 0xFF) {
        case 5:
            return palette.color(QPalette::Base);
        case 8:
            return palette.color(QPalette::WindowText);
        case 15:
            return palette.color(QPalette::Button);
        default:
            return palette.color(QPalette::Window);
        }
    }
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

void setBackgroundColour(QWidget* widget, collection::Colour colour)
{
    // System colours come from the application's palette, which no widget has changed.
    setBackgroundColour(widget, toQColor(colour, QApplication::palette(widget)));
}

void setTextColour(QWidget* widget, collection::Colour colour)
{
    setTextColour(widget, toQColor(colour, QApplication::palette(widget)));
}

void setBackgroundColour(QWidget* widget, const QColor& wanted)
{
    QPalette palette = widget->palette();
    if (widget->autoFillBackground() && palette.color(QPalette::Window) == wanted)
        return;
    palette.setColor(QPalette::Window, wanted);
    widget->setAutoFillBackground(true);
    widget->setPalette(palette);
}

void setTextColour(QWidget* widget, const QColor& wanted)
{
    QPalette palette = widget->palette();
    if (palette.color(QPalette::ButtonText) == wanted && palette.color(QPalette::WindowText) == wanted)
        return;
    palette.setColor(QPalette::ButtonText, wanted);
    palette.setColor(QPalette::WindowText, wanted);
    widget->setPalette(palette);
}

} // namespace numislot::toolkit
