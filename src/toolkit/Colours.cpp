// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Colours.h"

#include <QWidget>
#include <cmath>

namespace numislot::toolkit {

namespace {

double luminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

} // namespace

QColor toQColor(catalogue::Colour colour, const QPalette& palette)
{
    if (colour & catalogue::SystemColourFlag) {
        switch (colour & 0xFF) {
        case catalogue::SystemWindowIndex:
            return palette.color(QPalette::Base);
        case catalogue::SystemWindowTextIndex:
            return palette.color(QPalette::WindowText);
        case catalogue::SystemButtonFaceIndex:
            return palette.color(QPalette::Button);
        default:
            return palette.color(QPalette::Window);
        }
    }
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor readableOn(const QColor& background, const QColor& designed, const QColor& alternative)
{
    return contrastRatio(designed, background) >= contrastRatio(alternative, background) ? designed : alternative;
}

void setBackgroundColour(QWidget* widget, const QColor& wanted)
{
    QPalette palette = widget->palette();
    if (widget->autoFillBackground() && palette.color(QPalette::Window) == wanted
        && (palette.resolveMask() & (1 << QPalette::Window)))
        return;
    palette.setColor(QPalette::Window, wanted);
    widget->setAutoFillBackground(true);
    widget->setPalette(palette);
}

void setTextColour(QWidget* widget, const QColor& wanted)
{
    QPalette palette = widget->palette();
    if (palette.color(QPalette::ButtonText) == wanted && palette.color(QPalette::WindowText) == wanted
        && (palette.resolveMask() & (1 << QPalette::WindowText)))
        return;
    palette.setColor(QPalette::ButtonText, wanted);
    palette.setColor(QPalette::WindowText, wanted);
    widget->setPalette(palette);
}

void inheritColours(QWidget* widget)
{
    if (widget->testAttribute(Qt::WA_SetPalette))
        widget->setPalette(QPalette());
}

void paintWhite(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace numislot::toolkit
