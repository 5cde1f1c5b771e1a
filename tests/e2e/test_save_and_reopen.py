#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Ticks saved through "&Quitter", "&Oui" and the real save dialog come back when the file is reopened;
saving onto another existing file asks first, and Return keeps that file. The desktop's own file
dialogs (GTK's, through Qt's GTK platform theme) are titled "Ouvrir" and "Enregistrer sous" too."""

import glob
import os

import x11session as x
from x11session import Question, SavePrompt, Session, fail, save_through_dialog, wait_until

# Corners and odd spots of the grid: the first and last slot, the taller box 59, Monaco above Pays-Bas,
# Vatican in the last row below Slovénie.
TICKED = [1, 8, 34, 59, 81, 105, 113, 120, 121, 128]


def expected_bytes():
    return bytes(ord("1") if slot in TICKED else ord("0") for slot in range(1, 129))


def ticked_on_screen(session, main):
    shot = session.screenshot()
    return [slot for slot in range(1, 129) if main.box_dark_pixels(shot, slot) >= 6]


def test(program_path):
    with Session(program_path) as session:
        program = session.start()
        main = session.wait_ready(program)
        if ticked_on_screen(session, main):
            fail("boxes look ticked before any was clicked: %s" % ticked_on_screen(session, main))
        for slot in TICKED:
            main.click_slot(slot)
        wait_until(lambda: ticked_on_screen(session, main) == TICKED, 5,
                   lambda: "the clicked boxes %s to show a check mark (seen: %s)"
                   % (TICKED, ticked_on_screen(session, main)))

        main.click_quit()
        SavePrompt(session).answer("Oui")
        # Typed without its extension: the dialog adds ".eur".
        save_through_dialog(session, session.path("ma collection"))
        status = program.wait_exit(10)
        if status != 0:
            fail('the program ended with status %d after "&Oui" and a save' % status)

        saved = session.path("ma collection.eur")
        if not os.path.isfile(saved):
            fail("no file %s after the save; the folder holds %s" % (saved, sorted(os.listdir(session.tmp))))
        with open(saved, "rb") as data:
            content = data.read()
        if content != expected_bytes():
            fail("the saved file differs from the ticks:\n  expected %r\n  found    %r" % (expected_bytes(), content))

        # Restarted with that file: the same boxes are ticked, and nothing asks to save.
        program = session.start(saved)
        main = session.wait_ready(program)
        wait_until(lambda: main.title() == x.MAIN_TITLE + " : " + saved, 10, "the caption to name " + saved)
        # The caption follows the boxes: once the program has answered a ping sent after it, they are drawn.
        session.ping(main.id)
        if ticked_on_screen(session, main) != TICKED:
            fail("the reopened file ticks %s instead of %s" % (ticked_on_screen(session, main), TICKED))

        # Fichier > Sauvegarder onto a file that exists asks first: Return keeps the file, "&Oui" replaces
        # it with the same bytes as opened.
        copy = session.path("copie.eur")
        someone_elses = b"not a collection\n"
        with open(copy, "wb") as data:
            data.write(someone_elses)
        for key, replaced in (("Return", False), ("alt+o", True)):
            window_x, window_y, _, _ = session.geometry(main.id)
            session.click(window_x + 20, window_y + main.menu_bar_height() // 2)
            session.key("s")
            save_through_dialog(session, copy)
            question = Question(session, main)
            if session.centring_error(question.id, main.id) > 2:
                fail("the question is not centred over the main window (%s over %s)"
                     % (session.geometry(question.id), session.geometry(main.id)))
            question.answer(key)
            if replaced:
                wait_until(lambda: main.title() == x.MAIN_TITLE + " : " + copy, 5, "the caption to name " + copy)
            with open(copy, "rb") as data:
                content = data.read()
            if content != (expected_bytes() if replaced else someone_elses):
                fail("after %s to the question, %s holds %r" % (key, copy, content))
            if not replaced and main.title() != x.MAIN_TITLE + " : " + saved:
                fail("the caption changed to %r though nothing was saved" % main.title())

        # Unmodified since the save: the close box ends at once.
        session.request_close(main.id)
        status = program.wait_exit(10)
        if status != 0:
            fail("closing the unmodified main window ended with status %d" % status)

    desktop_dialog_titles(program_path)


def desktop_dialog_titles(program_path):
    if not glob.glob("/usr/lib/*/qt6/plugins/platformthemes/libqgtk3.so"):
        print("skipped the GTK dialogs: Qt's GTK platform theme is missing (qt6-gtk-platformtheme)")
        return
    with Session(program_path) as session:
        program = session.start(env={"QT_QPA_PLATFORMTHEME": "gtk3"})
        main = session.wait_ready(program)
        for keys, title in ((("Return",), "Ouvrir"), (("s",), "Enregistrer sous")):
            main.menu(*keys)
            dialog = session.wait_window("^%s$" % title, what='the GTK dialog titled "%s"' % title)
            session.focus(dialog)
            session.key("Escape")
            session.wait_gone(dialog, what='the "%s" dialog to close on Escape' % title)
        if not program.running():
            fail("the program ended after the dialogs were cancelled")


if __name__ == "__main__":
    x.main(test)
