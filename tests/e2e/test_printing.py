#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Printing through a real CUPS server and Qt's print dialog, driven from the keyboard.

to_printer: "Mes €uros" is one job titled " " holding the collection's lines; "Tous les €uros" is
two jobs, page 1 first, and page 2 shows the Vatican row.
to_file: "Tous les €uros" printed to a file from the same dialog gives one PDF of two pages.
Cases may be named on the command line after the program's path."""

import os
import sys

import x11session as x
from x11session import Cups, fail, wait_until

PRINT_DIALOG = "^(Imprimer|Print)$"
OWNED_MARKS = ["2€", "1€", "50c€", "20c€", "10c€", "5c€", "2c€", "1c€"]
# Allemagne holds 2 €, 1 €, 20, 2 and 1 cent; France is complete; Monaco holds its 2 €; Vatican its 1 cent.
OWNED = [1, 2, 4, 7, 8] + list(range(41, 49)) + [113, 112]


def words(text):
    return " ".join(text.split())


def expected_lines(caption):
    lines = [caption]
    for issuer in sorted(range(16), key=lambda i: x.DISPLAY_ROW[i]):
        marks = [OWNED_MARKS[d] if x.slot_of(issuer, d) in OWNED else "--" for d in range(8)]
        lines.append(words("%s : %s" % (x.ISSUER_NAMES[issuer], " ".join(marks))))
    lines.append("Je possède donc %d €uros sur 128" % len(OWNED))
    return lines


def start_with_collection(session):
    collection = session.path("ma collection.eur")
    with open(collection, "wb") as out:
        out.write(bytes(ord("1") if slot in OWNED else ord("0") for slot in range(1, 129)))
    program = session.start(collection)
    main = session.wait_ready(program)
    caption = x.MAIN_TITLE + " : " + collection
    wait_until(lambda: main.title() == caption, 10, "the caption to name " + collection)
    return main, caption


def confirm_print_dialog(session, *keys):
    """Answers the print dialog from the keyboard: the keys given, then Return."""
    dialog = session.wait_window(PRINT_DIALOG, what="the print dialog")
    session.focus(dialog)
    session.keys(*keys, "Return")
    session.wait_gone(dialog, what="the print dialog to close after Return")


def coin_pixels(shot, left, top, right, bottom):
    """Coloured pixels (the gold and copper coins) in a rectangle of a rendered page."""
    left, top = max(0, int(left)), max(0, int(top))
    right, bottom = min(shot.width, int(right)), min(shot.height, int(bottom))
    return shot.count(left, top, right - left, bottom - top, lambda p: max(p) - min(p) > 60)


def to_printer(session):
    cups = Cups(session).start()
    main, caption = start_with_collection(session)

    # Fichier > Imprimer > Mes €uros: the submenu opens on its first item.
    main.menu("i", "Down", "Return")
    confirm_print_dialog(session)
    jobs = cups.wait_jobs(1)
    if len(jobs) != 1:
        fail("the report gave %d jobs instead of 1: %s" % (len(jobs), jobs))
    (job, title), = jobs
    if title != " ":
        fail('the report was printed as a job titled %r instead of " "' % title)
    lines = [words(line) for line in x.pdf_text(session, cups.document(job)).splitlines() if line.strip()]
    position = 0
    for line in expected_lines(caption):
        while position < len(lines) and lines[position] != line:
            position += 1
        if position == len(lines):
            fail("the report job lacks the line %r (or has it out of order); it reads:\n%s" % (line, "\n".join(lines)))
    if x.pdf_pages(session, cups.output(job)) < 1:
        fail("cups-pdf wrote no page for the report")

    # Fichier > Imprimer > Tous les €uros: two single-page jobs, page 1 first.
    main.menu("i", "Return")
    confirm_print_dialog(session)
    jobs = cups.wait_jobs(3)[1:]
    if len(jobs) != 2:
        fail("the catalogue gave %d jobs instead of 2: %s" % (len(jobs), jobs))
    (first, _), (second, _) = jobs
    for job in (first, second):
        pages = x.pdf_pages(session, cups.output(job))
        if pages != 1:
            fail("catalogue job %d has %d pages instead of 1" % (job, pages))
    page1 = words(x.pdf_text(session, cups.document(first)))
    page2 = words(x.pdf_text(session, cups.document(second)))
    if not ("Allemagne" in page1 and "Irlande" in page1 and "Italie" not in page1):
        fail("the first catalogue job is not page 1 (Allemagne to Irlande): %r" % page1)
    if not ("Italie" in page2 and "Vatican" in page2 and "Allemagne" not in page2):
        fail("the second catalogue job is not page 2 (Italie to Vatican): %r" % page2)

    # The Vatican row's coins are on the printed page, level with its label, as cups-pdf rendered it.
    vatican = [w for w in x.pdf_words(session, cups.document(second)) if w[0] == "Vatican"]
    if not vatican:
        fail("no word Vatican placed on page 2")
    _, label_left, label_top, _, label_bottom = vatican[0]
    shot = x.pdf_raster(session, cups.output(second))
    coins = coin_pixels(shot, 0, label_top - 25, label_left - 5, label_bottom + 25)
    if coins < 400:
        shot.save(session.path("page2.ppm"))
        fail("page 2 as printed shows %d coloured pixels beside the Vatican label (coins expected); "
             "rendering kept as page2.ppm" % coins)


def to_file(session):
    cups = Cups(session).start()
    main, _ = start_with_collection(session)
    output = os.path.join(session.env()["HOME"], "print.pdf")

    # The printer list ends with the PDF file entry; the dialog proposes ~/print.pdf.
    main.menu("i", "Return")
    confirm_print_dialog(session, "alt+n", "End")
    wait_until(lambda: os.path.isfile(output) and os.path.getsize(output) > 0, 20, "the PDF file " + output)
    # Both pages go into that one file; a second job would overwrite the first.
    wait_until(lambda: x.pdf_pages(session, output) == 2, 10,
               lambda: "%s to hold two pages (it has %d)" % (output, x.pdf_pages(session, output)))
    if "Allemagne" not in words(x.pdf_text(session, output, 1)) or "Vatican" not in words(x.pdf_text(session, output, 2)):
        fail("the file's pages are not page 1 then page 2")
    if cups.jobs():
        fail("printing to a file also sent jobs to the printer: %s" % cups.jobs())


CASES = {"to_printer": to_printer, "to_file": to_file}


def test(program_path):
    x.run_cases(program_path, [(name, CASES[name]) for name in sys.argv[2:] or CASES])


if __name__ == "__main__":
    x.main(test)
