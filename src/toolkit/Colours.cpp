// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Colours.h"

#include <QStyle>
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

QColor mixed(const QColor& from, const QColor& to, double share)
{
    const auto channel = [share](double a, double b) { return a + (b - a) * share; };
    return QColor::fromRgbF(float(channel(from.redF(), to.redF())), float(channel(from.greenF(), to.greenF())),
        float(channel(from.blueF(), to.blueF())));
}

// A line drawn in `derive(role)` reads at `wanted` on the background: the role itself where it does,
// else the first step of it towards the text colour that does.
template <typename Derive>
QColor roleFor(const QColor& role, const QColor& background, const QColor& text, double wanted, Derive derive)
{
    constexpr int Steps = 20;
    for (int step = 0; step <= Steps; ++step) {
        const QColor candidate = mixed(role, text, double(step) / Steps);
        if (contrastRatio(derive(candidate), background) >= wanted)
            return candidate;
    }
    return text;
}

// Fusion's derivations, as its painting does them.
QColor fusionOutline(const QColor& window)
{
    return window.darker(140).lighter(110);
}

QColor fusionFocus(const QColor& highlight)
{
    QColor outline = highlight.darker(125);
    if (outline.value() > 160)
        outline.setHsl(outline.hue(), outline.saturation(), 160);
    return outline;
}

} // namespace

QColor toQColor(catalogue::Colour colour, const QPalette& palette)
{
    if (colour & catalogue::SystemColourFlag) {
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

QColor lineColour(const QColor& preferred, const QColor& background, const QColor& text)
{
    // A little above 3:1: a frame's line is drawn soft at its corners.
    return roleFor(preferred, background, text, 3.2, [](const QColor& colour) { return colour; });
}

void readableIndicators(QWidget* container, const QPalette& palette)
{
    const QColor window = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    // A little above 3:1, so that the shading of the face does not take the outline under it.
    constexpr double Wanted = 3.2;
    const bool fusion = container->style()->name().compare(u"fusion", Qt::CaseInsensitive) == 0;
    const QColor outlineRole = roleFor(window, window, text, Wanted, fusionOutline);
    const QColor focusRole = roleFor(palette.color(QPalette::Highlight), window, text, Wanted, fusionFocus);
    if (!fusion || (outlineRole == window && focusRole == palette.color(QPalette::Highlight))) {
        inheritColours(container);
        return;
    }
    // Only these two roles: the others follow the desktop's.
    QPalette own;
    own.setColor(QPalette::Window, outlineRole);
    own.setColor(QPalette::Highlight, focusRole);
    container->setPalette(own);
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
