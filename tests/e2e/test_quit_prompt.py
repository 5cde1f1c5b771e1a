#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The quit paths: "&Annuler" keeps the program running, the close box of an unmodified collection
ends with status 0, "&Non" ends without writing, and ending through the prompt removes the report file."""

import os

import x11session as x
from x11session import SavePrompt, fail

REPORT = "NumislotImprim.txt"


def plant_report(session):
    report = os.path.join(session.env()["XDG_RUNTIME_DIR"], REPORT)
    with open(report, "w") as out:
        out.write("left by an earlier report\n")
    return report


def cancel_keeps_running(session):
    program = session.start()
    main = session.wait_ready(program)
    main.click_slot(42)

    main.click_quit()
    SavePrompt(session).answer("Annuler")
    if not program.running():
        fail('the program ended after "&Annuler" from the "&Quitter" button')

    # The close box asks too, and "&Annuler" keeps the main window open.
    session.request_close(main.id)
    SavePrompt(session).answer("Annuler")
    if not program.running() or main.id not in session.windows("^" + x.MAIN_TITLE):
        fail('the main window closed after "&Annuler" from its close box')

    # Still modified: "&Quitter" asks again; "&Non" ends at once and writes nothing.
    report = plant_report(session)
    main.click_quit()
    SavePrompt(session).answer("Non")
    status = program.wait_exit(10)
    if status != 0:
        fail('"&Non" ended the program with status %d' % status)
    if os.path.exists(report):
        fail("the report file %s survived the quit" % report)
    stray = [name for name in os.listdir(session.tmp) if name.endswith(".eur")]
    if stray:
        fail('"&Non" wrote %s' % stray)


def close_box_unmodified(session):
    report = plant_report(session)
    program = session.start()
    main = session.wait_ready(program)
    session.request_close(main.id)
    status = program.wait_exit(10)
    if status != 0:
        fail("closing the unmodified main window ended with status %d" % status)
    if os.path.exists(report):
        fail("the report file %s survived the close box" % report)


def test(program_path):
    x.run_cases(program_path, [(case.__name__, case) for case in (cancel_keeps_running, close_box_unmodified)])


if __name__ == "__main__":
    x.main(test)
