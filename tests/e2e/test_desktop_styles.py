#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The main window under the styles and colour schemes of the desktops people run: every check box
drawn whole, its outline and the count's frame at least 3:1 on the window, the count's text 4.5:1;
Qt's own dialogs in the desktop's font. A desktop whose components are not installed (Breeze for Qt 6
comes with Debian 13) is skipped."""

import glob
import os
import sys

import x11session as x
from x11session import Session, fail, skip

# Where a Breeze Dark colour scheme may lie; the few roles used here are written out when none does.
BREEZE_DARK_FILES = ["/usr/share/color-schemes/BreezeDark.colors"]
BREEZE_DARK = """[Colors:Window]
BackgroundNormal=32,35,38
ForegroundNormal=252,252,252
[Colors:View]
BackgroundNormal=20,22,24
ForegroundNormal=252,252,252
[Colors:Button]
BackgroundNormal=41,44,48
ForegroundNormal=252,252,252
[Colors:Selection]
BackgroundNormal=61,174,233
ForegroundNormal=252,252,252
"""


def plugin(kind, pattern):
    return glob.glob("/usr/lib/*/qt6/plugins/%s/%s" % (kind, pattern))


def luminance(pixel):
    def linear(channel):
        channel /= 255.0
        return channel / 12.92 if channel <= 0.04045 else ((channel + 0.055) / 1.055) ** 2.4
    red, green, blue = (linear(c) for c in pixel)
    return 0.2126 * red + 0.7152 * green + 0.0722 * blue


def contrast(a, b):
    first, second = luminance(a), luminance(b)
    return (max(first, second) + 0.05) / (min(first, second) + 0.05)


def patch(shot, left, top, width, height):
    return [[shot.pixel(px, py) for px in range(left, left + width)] for py in range(top, top + height)]


def commonest(rows):
    counts = {}
    for row in rows:
        for pixel in row:
            counts[pixel] = counts.get(pixel, 0) + 1
    return max(counts, key=counts.get)


def standing_out(rows, background):
    return max(contrast(pixel, background) for row in rows for pixel in row)


def check_box(shot, main, slot, scale):
    """An empty box: drawn whole (its outline's left and right sides, top and bottom alike) and seen."""
    ox, oy = main.origin()
    left, top, _, _ = x.check_box_rect(slot)
    left, top = ox + round(left * scale), oy + round(top * scale)
    background = commonest(patch(shot, left - round(6 * scale), top, round(5 * scale), round(17 * scale)))
    # Up to 20 x 20 and a pixel around: short of the next row (25 px lower) and of the grid's frame.
    size = round(22 * scale)
    rows = patch(shot, left - 1, top - 1, size, size)
    drawn = [(col, row) for row in range(size) for col in range(size)
             if contrast(rows[row][col], background) > 1.3]
    if not drawn:
        return "CheckBox%d: nothing drawn" % slot
    first_col, last_col = min(c for c, _ in drawn), max(c for c, _ in drawn)
    first_row, last_row = min(r for _, r in drawn), max(r for _, r in drawn)

    def side(points):
        return sum(1 for c, r in drawn if (c, r) in points)
    height, width = last_row - first_row + 1, last_col - first_col + 1
    sides = (side({(first_col, r) for r in range(size)}), side({(last_col, r) for r in range(size)}),
             side({(c, first_row) for c in range(size)}), side({(c, last_row) for c in range(size)}))
    # A box cut short on the right or at the bottom keeps only the corners of its cut side.
    if abs(sides[0] - sides[1]) > max(2, height // 4) or abs(sides[2] - sides[3]) > max(2, width // 4):
        return "CheckBox%d cut: %d x %d drawn, sides left %d right %d top %d bottom %d" % (
            slot, width, height, *sides)
    seen = standing_out(rows, background)
    if seen < 3:
        return "CheckBox%d outline %.2f:1 on the window" % (slot, seen)
    return None


def check(session, env):
    scale = session.scale_factor or 1
    program = session.start(env=env)
    main = session.wait_ready(program)
    shot = session.screenshot()
    keep = os.environ.get("NUMISLOT_SCREENSHOTS")
    if keep:
        session.save_png(os.path.join(keep, "%s.png" % session.case_name), main.id)
    faults = [fault for fault in (check_box(shot, main, slot, scale) for slot in range(1, 129)) if fault]
    ox, oy = main.origin()

    def area(left, top, width, height):
        return patch(shot, ox + round(left * scale), oy + round(top * scale), round(width * scale),
                     round(height * scale))
    # The count's box: its frame's left side below the caption, and the count "0".
    frame = area(607, 28, 5, 24)
    seen = standing_out(frame, commonest(frame))
    if seen < 3:
        faults.append("the \"Etat\" frame %.2f:1 on the window" % seen)
    count = area(616, 22, 8, 13)
    seen = standing_out(count, commonest(count))
    if seen < 4.5:
        faults.append("the count %.2f:1" % seen)
    if faults:
        fail("; ".join(faults[:6]) + (" (and %d more)" % (len(faults) - 6) if len(faults) > 6 else ""))


def gtk(dark):
    def case(session):
        if not plugin("platformthemes", "libqgtk3.so"):
            skip("the GTK platform theme for Qt 6 (qt6-gtk-platformtheme) is not installed")
        check(session, {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "Adwaita:dark" if dark else "Adwaita"})
    return case


def breeze(dark):
    def case(session):
        if not plugin("styles", "breeze6.so") or not plugin("platformthemes", "KDEPlasmaPlatformTheme6.so"):
            skip("Breeze and Plasma's platform theme for Qt 6 are not installed (they come with Debian 13)")
        config = session.path("home", ".config")
        os.makedirs(config, exist_ok=True)
        with open(os.path.join(config, "kdeglobals"), "w") as out:
            if dark:
                scheme = [path for path in BREEZE_DARK_FILES if os.path.exists(path)]
                out.write(open(scheme[0]).read() if scheme else BREEZE_DARK)
            out.write("\n[KDE]\nwidgetStyle=Breeze\n")
        check(session, {"QT_QPA_PLATFORMTHEME": "kde", "QT_STYLE_OVERRIDE": "breeze"})
    return case


def desktop_font(session):
    """Qt's message box takes the desktop's font (here GNOME's, set large) while the main window keeps
    its form font: the box grows with the font and the main window keeps its designed client area."""
    if not plugin("platformthemes", "libqgtk3.so"):
        skip("the GTK platform theme for Qt 6 (qt6-gtk-platformtheme) is not installed")
    heights = []
    for font in ("DejaVu Sans 9", "DejaVu Sans 20"):
        settings = session.path("home", ".config", "gtk-3.0")
        os.makedirs(settings, exist_ok=True)
        with open(os.path.join(settings, "settings.ini"), "w") as out:
            out.write("[Settings]\ngtk-font-name=%s\n" % font)
        program = session.start(session.path("absent.eur"),
                                env={"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "Adwaita"})
        main = session.wait_ready(program)
        box = session.wait_window("^" + x.MAIN_TITLE + "$", exclude=(main.id,), timeout=10,
                                  what='the message box "Impossible d\'ouvrir le fichier"')
        heights.append(session.geometry(box)[3])
        program.stop()
        session.wait_gone(main.id)
    if heights[1] < heights[0] * 1.4:
        fail("the message box is %d px high under the desktop's 9 pt font and %d px under its 20 pt one: "
             "it does not follow the desktop's font" % tuple(heights))


def fusion(session):
    check(session, {})


# (name, QT_SCALE_FACTOR, case)
CASES = [
    ("fusion", None, fusion),
    ("fusion_scale_2", 2, fusion),
    ("adwaita", None, gtk(False)),
    ("adwaita_dark", None, gtk(True)),
    ("breeze", None, breeze(False)),
    ("breeze_dark", None, breeze(True)),
    ("desktop_font", None, desktop_font),
]


def test(program_path):
    wanted = sys.argv[2:]
    skipped = []
    for name, scale, case in CASES:
        if wanted and name not in wanted:
            continue
        with Session(program_path, scale_factor=scale) as session:
            session.case_name = name
            try:
                case(session)
            except SystemExit as ended:
                if ended.code != x.SKIP:
                    raise
                skipped.append(name)
                continue
            except x.Failure as failure:
                fail("%s: %s" % (name, failure))
            print("ok " + name)
    if skipped:
        print("skipped: " + ", ".join(skipped))


if __name__ == "__main__":
    x.main(test)
