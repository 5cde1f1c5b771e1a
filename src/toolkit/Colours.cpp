// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Colours.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
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

double luminanceRatio(double first, double second)
{
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
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

// How an empty check box of the container's style stands out from the window under `palette`: the
// pixel farthest from the window, and, with keyboard focus, the farthest of the pixels that focus changes.
struct IndicatorContrast
{
    double outline = 1;
    double focus = 1;
};

IndicatorContrast measureIndicator(const QWidget* container, const QPalette& palette, const QColor& window)
{
    QStyle* style = container->style();
    QStyleOptionButton option;
    option.palette = palette;
    option.state = QStyle::State_Enabled | QStyle::State_Active | QStyle::State_Off;
    option.rect = QRect(QPoint(0, 0), style->sizeFromContents(QStyle::CT_CheckBox, &option, QSize(), nullptr));
    const auto render = [&](QStyle::State extra) {
        QImage image(option.rect.size(), QImage::Format_RGB32);
        image.fill(window);
        QPainter painter(&image);
        QStyleOptionButton state = option;
        state.state |= extra;
        style->drawControl(QStyle::CE_CheckBox, &state, &painter, nullptr);
        return image;
    };
    const QImage plain = render({});
    const QImage focused = render(QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange);
    // A box has a few colours over a few hundred pixels: each colour's contrast is worked out once.
    const double windowLuminance = luminance(window);
    QHash<QRgb, double> contrasts;
    const auto contrastOf = [&](QRgb pixel) {
        auto known = contrasts.constFind(pixel);
        if (known == contrasts.constEnd())
            known = contrasts.insert(pixel, luminanceRatio(windowLuminance, luminance(QColor(pixel))));
        return *known;
    };
    IndicatorContrast measured;
    for (int y = 0; y < plain.height(); ++y) {
        const auto* plainLine = reinterpret_cast<const QRgb*>(plain.constScanLine(y));
        const auto* focusedLine = reinterpret_cast<const QRgb*>(focused.constScanLine(y));
        for (int x = 0; x < plain.width(); ++x) {
            measured.outline = std::max(measured.outline, contrastOf(plainLine[x]));
            if (plainLine[x] != focusedLine[x])
                measured.focus = std::max(measured.focus, contrastOf(focusedLine[x]));
        }
    }
    return measured;
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
    return luminanceRatio(luminance(a), luminance(b));
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

void readableIndicators(std::span<QWidget* const> containers, const QPalette& palette)
{
    if (containers.empty())
        return;
    const QWidget* container = containers.front();
    // A little above 3:1, so that the shading of a face does not take an outline under it.
    constexpr double Wanted = 3.2;
    constexpr int Steps = 10;
    const QColor window = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    const QColor highlight = palette.color(QPalette::Highlight);
    // Styles draw the outline from the Window role (Fusion darkens it, Breeze mixes it with the text)
    // and the focus ring from Highlight: where they do not show, both roles step towards the text until
    // they do. The boxes do not fill their background, so the window around them keeps its colour.
    bool outlineShows = false;
    bool focusShows = false;
    QPalette own;
    for (int step = 0; step <= Steps && !(outlineShows && focusShows); ++step) {
        QPalette trial = palette;
        if (!outlineShows)
            own.setColor(QPalette::Window, mixed(window, text, double(step) / Steps));
        if (!focusShows)
            own.setColor(QPalette::Highlight, mixed(highlight, text, double(step) / Steps));
        trial.setColor(QPalette::Window, own.color(QPalette::Window));
        trial.setColor(QPalette::Highlight, own.color(QPalette::Highlight));
        // Measured on the real window's colour: only the style's drawing takes the trial roles.
        const IndicatorContrast measured = measureIndicator(container, trial, window);
        outlineShows = outlineShows || measured.outline >= Wanted;
        focusShows = focusShows || measured.focus >= Wanted;
        if (step == 0 && outlineShows && focusShows) {
            for (QWidget* each : containers)
                inheritColours(each);
            return;
        }
    }
    for (QWidget* each : containers)
        each->setPalette(own);
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
