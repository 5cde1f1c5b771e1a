#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Under a real window manager (openbox): the splash stands over the main window (placed before the
frame is known, so not necessarily centred on it) and goes after about 4 s; the gallery, the detail window, the About window and the save prompt open centred over the main
window; the close box, through the window manager's Alt+F4, asks "Sauvegarder ?", in a prompt of
271 x 115 with the frame."""

import time

import x11session as x
from x11session import SavePrompt, Session, fail, wait_until

FRANCE = 5
# Outer rectangles are placed by integer division; the frame may round by a pixel more.
CENTRING_TOLERANCE = 2


def check_centred(session, window, main, what):
    error = session.centring_error(window, main.id)
    if error > CENTRING_TOLERANCE:
        fail("%s is %d px off centre over the main window (outer %s, main %s)"
             % (what, error, session.outer_geometry(window), session.outer_geometry(main.id)))


def close_with_alt_f4(session, window, what):
    session.focus(window)
    session.key("alt+F4")
    session.wait_gone(window, what=what + " to close on Alt+F4")


def test(program_path):
    with Session(program_path, window_manager=True) as session:
        started = time.monotonic()
        program = session.start()
        main = session.main_window()
        splash = wait_until(lambda: session.splash_windows(program), 10, "the splash (445 x 191)")[0]
        sx, sy, swidth, sheight = session.outer_geometry(splash)
        mx, my, mwidth, mheight = session.outer_geometry(main.id)
        if not (mx <= sx and sx + swidth <= mx + mwidth and my <= sy and sy + sheight <= my + mheight):
            fail("the splash %s does not stand over the main window %s"
                 % ((sx, sy, swidth, sheight), (mx, my, mwidth, mheight)))
        wait_until(lambda: not session.splash_windows(program), 10, "the splash to close")
        shown = time.monotonic() - started
        if not 3 <= shown <= 8:
            fail("the splash went %.1f s after the start instead of about 4 s" % shown)

        session.focus(main.id)
        session.key("alt+l")
        gallery = session.wait_window("^Les €uros$", what='the gallery "Les €uros"')
        check_centred(session, gallery, main, "the gallery")
        close_with_alt_f4(session, gallery, "the gallery")

        main.click_issuer_button(FRANCE)
        detail = session.wait_window("^France$", what="the detail window of France")
        check_centred(session, detail, main, "the detail window")
        close_with_alt_f4(session, detail, "the detail window")

        main.menu("Right", "Return")
        about = session.wait_window("^A Propos$", what='the "A Propos" window')
        check_centred(session, about, main, 'the "A Propos" window')
        close_with_alt_f4(session, about, 'the "A Propos" window')

        # A change, then the close box: the prompt, centred; "&Annuler" keeps the program.
        main.click_slot(1)
        session.focus(main.id)
        session.key("alt+F4")
        prompt = SavePrompt(session)
        check_centred(session, prompt.id, main, 'the "Sauvegarder ?" prompt')
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


if __name__ == "__main__":
    x.main(test)
