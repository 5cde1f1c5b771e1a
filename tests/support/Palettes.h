// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Desktop palettes for colour tests. In each, Window and Button differ, and WindowText, ButtonText and
// black all differ, so an assertion can tell which role a colour came from.

#include <QApplication>
#include <QPalette>

inline QPalette testPalette(
    const QColor& window, const QColor& button, const QColor& windowText, const QColor& buttonText)
{
    QPalette palette(button, window);
    palette.setColor(QPalette::WindowText, windowText);
    palette.setColor(QPalette::ButtonText, buttonText);
    palette.setColor(QPalette::Text, windowText);
    palette.setColor(QPalette::Base, window.lighter(105));
    return palette;
}

// Light faces; the button face is the one the windows were designed on.
inline QPalette lightPalette()
{
    return testPalette(
        QColor(0xe4, 0xe0, 0xd8), QColor(0xf0, 0xf0, 0xf0), QColor(0x1a, 0x1a, 0x60), QColor(0x60, 0x20, 0x20));
}

// A dark theme: light text on dark faces.
inline QPalette darkPalette()
{
    return testPalette(
        QColor(0x2b, 0x2b, 0x2b), QColor(0x3c, 0x3c, 0x3c), QColor(0xe8, 0xe8, 0xe8), QColor(0xf0, 0xe0, 0xc0));
}

// Sets the application palette for the scope of a test.
class ScopedPalette
{
public:
    explicit ScopedPalette(const QPalette& palette)
        : m_old(QApplication::palette())
    {
        QApplication::setPalette(palette);
    }
    ~ScopedPalette() { QApplication::setPalette(m_old); }
    ScopedPalette(const ScopedPalette&) = delete;
    ScopedPalette& operator=(const ScopedPalette&) = delete;

private:
    QPalette m_old;
};
