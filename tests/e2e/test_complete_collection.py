#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A complete collection named on the command line: after the splash, every issuer label is lime."""

import x11session as x
from x11session import Session, fail, wait_until

def test(program_path):
    with Session(program_path) as session:
        collection = session.path("complete.eur")
        with open(collection, "wb") as out:
            out.write(b"1" * 128)
        program = session.start(collection)
        main = session.main_window()

        # The file is read only once the splash has gone.
        wait_until(lambda: session.splash_windows(program), 10, "the splash (445 x 191) over the main window")
        shot = session.screenshot()
        if session.splash_windows(program):
            lime = [x.ISSUER_NAMES[i] for i in range(16) if main.label_lime_share(shot, i) > 0]
            if lime:
                fail("labels already lime while the splash is up: " + ", ".join(lime))
        wait_until(lambda: not session.splash_windows(program), 10, "the splash to close (about 4 s)")

        wait_until(lambda: main.title() == x.MAIN_TITLE + " : " + collection, 10,
                   "the caption to name the collection file")

        def all_lime():
            shot = session.screenshot()
            return all(main.label_lime_share(shot, issuer) >= 0.3 for issuer in range(16))
        try:
            wait_until(all_lime, 5, "all 16 issuer labels to turn lime")
        except x.Failure:
            shot = session.screenshot()
            shares = ", ".join("%s %.0f%%" % (x.ISSUER_NAMES[i], 100 * main.label_lime_share(shot, i))
                               for i in range(16))
            fail("not every issuer label is lime (0x00FF00) after loading 128 bytes \"1\": " + shares)

        # Nothing else on screen: no message box.
        others = [w for w in session.windows(".") if w != main.id]
        if others:
            fail("unexpected windows after the load: " + ", ".join(session.title(w) for w in others))


if __name__ == "__main__":
    x.main(test)
