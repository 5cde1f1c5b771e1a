#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every window used from the keyboard alone, under openbox (whose Alt+F4 is the close box).

windows: a box ticked with Space; the gallery by Alt+L; a detail window from its issuer button and
closed by its button; the About window from the menu; the save prompt answered by Alt+A and Alt+N.
prompt_keys: the prompt opens with the focus on "&Oui" every time, a letter alone answers it, and
Return presses the focused button, through the save dialog to the file."""

import os
import sys

import x11session as x
from x11session import SavePrompt, fail, save_through_dialog, wait_until

DETAIL_SIZE = (690, 173)


def ticked(session, main, slot):
    return main.box_dark_pixels(session.screenshot(), slot) >= 6


def tick_first_box(session, main):
    # The first box of the tab order has the focus once the splash has gone.
    session.focus(main.id)
    session.key("space")
    wait_until(lambda: ticked(session, main, 1), 5, "Space to tick the focused first box")


def windows(session):
    program = session.start()
    main = session.wait_ready(program)
    tick_first_box(session, main)

    session.key("alt+l")
    gallery = session.wait_window("^Les €uros$", what='the gallery "Les €uros" after Alt+L')
    session.key("alt+F4")
    session.wait_gone(gallery, what="the gallery to close on Alt+F4")

    # Backwards from the first box: the last issuer button of the tab order.
    session.focus(main.id)
    session.keys("shift+Tab", "space")
    detail = session.wait_window(".", size=DETAIL_SIZE, exclude=(main.id,), what="a detail window (690 x 173)")
    session.key("space")
    session.wait_gone(detail, what="the detail window to close on Space over its button")

    main.menu("Right", "Return")
    about = session.wait_window("^A Propos$", what='the "A Propos" window')
    session.key("space")
    session.wait_gone(about, what='"A Propos" to close on Space over its button')

    session.focus(main.id)
    session.key("alt+q")
    prompt = SavePrompt(session)
    session.key("alt+a")
    session.wait_gone(prompt.id, what='the prompt to close on Alt+A')
    if not program.running():
        fail('the program ended after "&Annuler"')
    session.key("alt+q")
    prompt = SavePrompt(session)
    session.key("alt+n")
    status = program.wait_exit(10)
    if status != 0:
        fail('Alt+N ended the program with status %d' % status)


def prompt_keys(session):
    program = session.start()
    main = session.wait_ready(program)
    tick_first_box(session, main)

    # Away from "&Oui", then "a" alone: "&Annuler".
    session.key("alt+q")
    prompt = SavePrompt(session)
    session.keys("Tab", "a")
    session.wait_gone(prompt.id, what='the prompt to close on the letter A alone')
    if not program.running():
        fail('the program ended after the letter A')

    # Reopened, the focus is on "&Oui" again: Return saves.
    session.focus(main.id)
    session.key("alt+q")
    SavePrompt(session)
    session.key("Return")
    saved = session.path("au clavier.eur")
    save_through_dialog(session, saved)
    status = program.wait_exit(10)
    if status != 0:
        fail("the program ended with status %d after the save" % status)
    with open(saved, "rb") as data:
        content = data.read()
    if content != b"1" + b"0" * 127:
        fail("the file saved from the keyboard holds %r" % content)


CASES = {"windows": windows, "prompt_keys": prompt_keys}


def test(program_path):
    x.run_cases(program_path, [(name, CASES[name]) for name in sys.argv[2:] or CASES], window_manager=True)


if __name__ == "__main__":
    x.main(test)
