#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Under real window managers (openbox; mutter, with modal windows free and attached to their
parents): the main window's frame is centred on the desktop; the splash, the gallery, the detail
window, the About window and the save prompt open with their frames centred over the main window's,
to the pixel, however late the window manager frames them; the splash goes after about 4 s; the close
box, through the window manager's Alt+F4, asks "Sauvegarder ?", in a prompt of 271 x 115 with the
frame. Names of window managers on the command line run only those."""

import re
import sys
import time

import x11session as x
from x11session import SavePrompt, Session, fail, wait_until

FRANCE = 5
WINDOW_MANAGERS = ("openbox", "mutter", "mutter attached")
# Both sides are placed by integer division of the same sizes; a frame of odd width may round apart.
CENTRING_TOLERANCE = 1


def check_centred(session, window, what, over=None):
    def off_centre():
        dx, dy = session.centring_offset(window, over)
        return "%s to stand centred over %s (%+d, %+d px off: outer %s, %s %s)" % (
            what, "the desktop" if over is None else "the main window", dx, dy, session.outer_geometry(window),
            "desktop" if over is None else "main", session.desktop() if over is None else session.outer_geometry(over))
    # Newer mutter frames a window only once it is shown, and the program places it again then: where
    # it settles counts, not where the frame first caught it.
    wait_until(lambda: max(map(abs, session.centring_offset(window, over))) <= CENTRING_TOLERANCE, 10, off_centre)
    print("%s: %+d, %+d from centre" % ((what,) + session.centring_offset(window, over)))


def close_with_alt_f4(session, window, what):
    session.focus(window)
    session.key("alt+F4")
    session.wait_gone(window, what=what + " to close on Alt+F4")


def click_main(session, main, left, top, width, height):
    """Clicks in the main window once nothing else stands at that spot: mutter may keep a closed window's
    frame a moment longer, and a click there is lost."""
    x0, y0 = main.origin()
    x, y = x0 + left + width // 2, y0 + top + height // 2
    session.run("xdotool", "mousemove", str(x), str(y))
    def main_under_pointer():
        match = re.search(r"WINDOW=(\d+)", session.run("xdotool", "getmouselocation", "--shell", check=False).stdout)
        if not match:
            return False
        under = int(match.group(1))
        # The window itself, or the frame the window manager put around it.
        return under == main.id or ("0x%x " % main.id) in session.run("xwininfo", "-children", "-id", str(under),
                                                                        check=False).stdout
    wait_until(main_under_pointer, 10, "the main window alone under the pointer at (%d, %d)" % (x, y))
    session.run("xdotool", "click", "1")


def framed(session, window):
    """The window once the window manager has put its frame around it (its extents are set)."""
    wait_until(lambda: "=" in session.run("xprop", "-id", str(window), "_NET_FRAME_EXTENTS", check=False).stdout,
               10, "the window manager to frame window %d" % window)
    return window


def run(session):
    started = time.monotonic()
    program = session.start()
    main = session.main_window()
    framed(session, main.id)
    check_centred(session, main.id, "the main window")
    splash = wait_until(lambda: session.splash_windows(program), 10, "the splash (445 x 191)")[0]
    check_centred(session, splash, "the splash", main.id)
    wait_until(lambda: not session.splash_windows(program), 10, "the splash to close")
    shown = time.monotonic() - started
    if not 3 <= shown <= 8:
        fail("the splash went %.1f s after the start instead of about 4 s" % shown)

    session.focus(main.id)
    session.key("alt+l")
    gallery = framed(session, session.wait_window("^Les €uros$", what='the gallery "Les €uros"'))
    check_centred(session, gallery, "the gallery", main.id)
    close_with_alt_f4(session, gallery, "the gallery")

    session.activate(main.id)
    click_main(session, main, *x.layout()["issuers"][FRANCE]["button"])
    detail = framed(session, session.wait_window("^France$", what="the detail window of France"))
    check_centred(session, detail, "the detail window", main.id)
    if session.window_manager == "openbox":
        close_with_alt_f4(session, detail, "the detail window")
    else:
        # mutter offers no closing to a window without a close box: its "&Ok".
        session.focus(detail)
        session.key("alt+o")
        session.wait_gone(detail, what='the detail window to close on "&Ok"')

    main.menu("Right", "Return")
    about = framed(session, session.wait_window("^A Propos$", what='the "A Propos" window'))
    check_centred(session, about, 'the "A Propos" window', main.id)
    close_with_alt_f4(session, about, 'the "A Propos" window')

    # A change, then the close box: the prompt, centred; "&Annuler" keeps the program.
    session.activate(main.id)
    click_main(session, main, *x.check_box_rect(1))
    session.key("alt+F4")
    prompt = SavePrompt(session)
    framed(session, prompt.id)
    check_centred(session, prompt.id, 'the "Sauvegarder ?" prompt', main.id)
    outer = session.outer_geometry(prompt.id)[2:]
    if outer != SavePrompt.OUTER_SIZE:
        fail('the prompt is %d x %d with its frame instead of 271 x 115' % outer)
    prompt.answer("Annuler")
    if not program.running():
        fail('the program ended after "&Annuler"')
    session.focus(main.id)
    session.key("alt+F4")
    SavePrompt(session).answer("Non")
    status = program.wait_exit(10)
    if status != 0:
        fail('"&Non" ended the program with status %d' % status)


def test(program_path):
    for manager in sys.argv[2:] or WINDOW_MANAGERS:
        with Session(program_path, window_manager=manager) as session:
            try:
                run(session)
            except x.Failure as failure:
                fail("under %s: %s" % (manager, failure))
            print("ok " + manager)


if __name__ == "__main__":
    x.main(test)
