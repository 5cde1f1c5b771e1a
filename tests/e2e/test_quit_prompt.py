#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The quit paths: "&Annuler" keeps the program running, the close box of an unmodified collection
ends with status 0, "&Non" ends without writing, and ending through the prompt removes the report file.
Logging out asks as the close box does and "&Annuler" cancels the logout; SIGTERM, SIGHUP and SIGINT
end the program without asking, with status 0 and the report file removed."""

import os
import signal
import sys

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


def ended_cleanly(session, program, main, what):
    report = os.path.join(session.env()["XDG_RUNTIME_DIR"], REPORT)
    status = program.wait_exit(10)
    if status != 0:
        fail("%s ended the program with status %d" % (what, status))
    if os.path.exists(report):
        fail("the report file %s survived %s" % (report, what))
    session.wait_gone(main.id)


def logout(session):
    manager = x.SessionManager(session)
    program = session.start(env=manager.env)
    manager.expect("registered")
    main = session.wait_ready(program)
    main.click_slot(42)
    report = plant_report(session)

    # A desktop's logout asks as the close box does; "&Annuler" cancels it and the program goes on.
    manager.logout()
    manager.expect("interact")
    SavePrompt(session).answer("Annuler")
    manager.expect("cancelled")
    if not program.running() or not os.path.exists(report):
        fail('the program or its report file went after "&Annuler" cancelled the logout')

    # Asked again, "&Non" lets the session end: nothing is written and the report goes.
    manager.logout()
    manager.expect("interact")
    SavePrompt(session).answer("Non")
    manager.expect("die")
    ended_cleanly(session, program, main, 'the logout answered "&Non"')
    manager.expect("closed")
    stray = [name for name in os.listdir(session.tmp) if name.endswith(".eur")]
    if stray:
        fail('"&Non" wrote %s' % stray)

    # Nothing to save: the session ends at once, without a question.
    program = session.start(env=manager.env)
    manager.expect("registered")
    main = session.wait_ready(program)
    plant_report(session)
    manager.logout()
    manager.expect("die")
    ended_cleanly(session, program, main, "the logout of an unmodified collection")


def signals(session):
    for number in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT):
        # The program must not inherit the signal ignored from whatever started the test.
        inherited = signal.signal(number, lambda *_: None)
        try:
            program = session.start()
        finally:
            signal.signal(number, inherited)
        main = session.wait_ready(program)
        # Modified, yet nobody may be there to answer: no prompt.
        main.click_slot(42)
        plant_report(session)
        os.kill(program.pid, number)
        ended_cleanly(session, program, main, signal.Signals(number).name)


def test(program_path):
    cases = [cancel_keeps_running, close_box_unmodified, logout, signals]
    if sys.argv[2:]:
        cases = [case for case in cases if case.__name__ in sys.argv[2:]]
    if logout in cases and not x.SessionManager.available():
        print("skipped logout: no session manager to test with (built where libSM and libICE are found)")
        cases.remove(logout)
    x.run_cases(program_path, [(case.__name__, case) for case in cases])


if __name__ == "__main__":
    x.main(test)
