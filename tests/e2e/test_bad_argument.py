#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A command-line path that cannot be read shows "Impossible d'ouvrir le fichier" and the program
stays usable, its caption unchanged."""

import os

import x11session as x
from x11session import SavePrompt, fail

MESSAGE_TITLE = "^" + x.MAIN_TITLE + "$"


def missing_file(session):
    return session.path("absent.eur")


def directory(session):
    path = session.path("un dossier.eur")
    os.mkdir(path)
    return path


def named_pipe(session):
    path = session.path("tube.eur")
    os.mkfifo(path)
    return path


def check(session, path):
    program = session.start(path)
    main = session.wait_ready(program)
    box = session.wait_window(MESSAGE_TITLE, exclude=(main.id,), timeout=10,
                              what='the message box "Impossible d\'ouvrir le fichier" titled ' + x.MAIN_TITLE)
    if main.title() != x.MAIN_TITLE:
        fail("the caption changed to %r although nothing was read" % main.title())
    session.focus(box)
    session.key("Return")
    session.wait_gone(box, what="the message box to close on Return")

    # Usable: a tick counts as a change, so "&Quitter" asks; "&Non" ends normally.
    main.click_slot(1)
    main.click_quit()
    SavePrompt(session).answer("Non")
    status = program.wait_exit(10)
    if status != 0:
        fail('"&Non" ended the program with status %d' % status)


def test(program_path):
    x.run_cases(program_path, [(make.__name__, lambda session, make=make: check(session, make(session)))
                               for make in (missing_file, directory, named_pipe)])


if __name__ == "__main__":
    x.main(test)
