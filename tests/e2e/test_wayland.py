#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program in a Wayland session, with a Weston of the test's own.

On Wayland (chosen by the user, or the only display there is) it opens its command-line file and
quits with status 0 from the keyboard; Weston is drawn in the private X server there, so xdotool's
keys reach it and the screenshots show what it shows. With both a Wayland and an X display and no
platform chosen, the program runs on X11, where it can place its windows."""

import os

import x11session as x
from x11session import Weston, fail, wait_until

# The sixteen labels of a complete collection, lime behind each name: a few hundred pixels each.
LIME_PIXELS_OF_ALL_LABELS = 16 * 250


def lime_pixels(session):
    shot = session.screenshot()
    return shot.count(0, 0, shot.width, shot.height, lambda p: p == x.LIME)


def first_lime_pixel(session):
    shot = session.screenshot()
    offset = shot.data.find(bytes(x.LIME))
    while offset >= 0 and offset % 3:
        offset = shot.data.find(bytes(x.LIME), offset + 1)
    return divmod(offset // 3, shot.width)[::-1] if offset >= 0 else None


def complete_collection(session):
    path = session.path("complete.eur")
    with open(path, "wb") as out:
        out.write(b"1" * 128)
    return path


def on_wayland(session, env):
    weston = Weston(session, backend="x11").start()
    env = dict(env, WAYLAND_DISPLAY=weston.socket)
    program = session.start(complete_collection(session), env=env)

    # The labels turn lime once the splash has gone and the file is read.
    wait_until(lambda: lime_pixels(session) >= LIME_PIXELS_OF_ALL_LABELS, 20,
               lambda: "the complete collection's lime labels in Weston's output (%d lime pixels)"
               % lime_pixels(session))
    if session.windows("^" + x.MAIN_TITLE):
        fail("the program opened an X11 window instead of running on Wayland")

    # "&Quitter" from the keyboard: the collection is unmodified, so the program ends at once. A click
    # on an issuer label (which does nothing) gives the main window Weston's keyboard focus, which
    # the splash took with it when it closed.
    session.focus(weston.x_window())
    session.click(*first_lime_pixel(session))
    session.keys("alt+q")
    status = program.wait_exit(10)
    if status != 0:
        fail("the program ended with status %d" % status)


def wayland_chosen(session):
    # The user's choice holds although an X server is there too.
    on_wayland(session, {"QT_QPA_PLATFORM": "wayland"})


def no_display(session):
    on_wayland(session, {"DISPLAY": None, "QT_QPA_PLATFORM": None})


def display_without_server(session):
    dead = next(":%d" % n for n in range(179, 159, -1) if not os.path.exists("/tmp/.X11-unix/X%d" % n))
    on_wayland(session, {"DISPLAY": dead, "QT_QPA_PLATFORM": None})


def both_displays_prefer_x11(session):
    weston = Weston(session, backend="headless").start()
    program = session.start(env={"QT_QPA_PLATFORM": None, "WAYLAND_DISPLAY": weston.socket,
                                 "XDG_SESSION_TYPE": "wayland"})
    # wait_ready finds the main window and its splash in the X server.
    main = session.wait_ready(program)
    session.request_close(main.id)
    status = program.wait_exit(10)
    if status != 0:
        fail("closing the main window ended with status %d" % status)


def test(program_path):
    x.run_cases(program_path, [(case.__name__, case) for case in (wayland_chosen, no_display, display_without_server, both_displays_prefer_x11)])


if __name__ == "__main__":
    x.main(test)
