#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader hears, read through AT-SPI on a private D-Bus session: the check boxes are
named after their coins, a complete issuer says so, the count reads as one phrase, and the detail
window says which coins are owned.

The test runs itself again under dbus-run-session with Debian's /usr/bin/python3, which has pyatspi."""

import os
import subprocess
import sys

import x11session as x
from x11session import Session, fail, wait_until

SYSTEM_PYTHON = "/usr/bin/python3"
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
FRANCE = 5
# France complete; Allemagne holds 2 €, 1 €, 20, 2 and 1 cent.
ALLEMAGNE_OWNED = [0, 1, 3, 6, 7]
OWNED = list(range(41, 49)) + [x.slot_of(0, d) for d in ALLEMAGNE_OWNED]


def tree(root, limit=3000):
    """(role name, accessible name) of every node under root."""
    nodes, pending = [], [root]
    while pending and len(nodes) < limit:
        node = pending.pop()
        try:
            role = node.getRoleName()
            # AT-SPI 2.56 (Debian 13) calls a push button plainly "button".
            nodes.append(("push button" if role == "button" else role, node.name or ""))
            pending.extend(node.getChildAtIndex(i) for i in range(node.childCount))
        except Exception:  # a node that went away while the tree was read
            continue
    return nodes


def application(pyatspi, pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def check(session, program_path):
    import pyatspi

    collection = session.path("deux pays.eur")
    with open(collection, "wb") as out:
        out.write(bytes(ord("1") if slot in OWNED else ord("0") for slot in range(1, 129)))
    program = session.start(collection, env={"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "NO_AT_BRIDGE": None})
    main = session.wait_ready(program)
    wait_until(lambda: main.title().endswith(collection), 10, "the caption to name " + collection)
    app = wait_until(lambda: application(pyatspi, program.pid), 15, "the program on the AT-SPI bus")

    problems = []
    count_phrase = "%d / 128 pièces" % len(OWNED)

    def main_tree_ready():
        nodes = tree(app)
        return nodes if any(name == count_phrase for _, name in nodes) else None
    try:
        nodes = wait_until(main_tree_ready, 10, "the count read as %r" % count_phrase)
    except x.Failure as failure:
        problems.append(str(failure))
        nodes = tree(app)

    boxes = [name for role, name in nodes if role == "check box"]
    if len(boxes) != 128 or "" in boxes or "2 € Allemands" not in boxes:
        problems.append("the check boxes are not all named after their coins: %d boxes, %d unnamed, first names %s"
                        % (len(boxes), boxes.count(""), boxes[:3]))
    complete = sorted((role, name) for role, name in nodes if name.endswith(" complet"))
    if complete != [("label", "France complet"), ("push button", "France complet")]:
        problems.append('the complete issuer is not said: expected a label and a button "France complet", '
                        'found %s' % complete)

    # The detail window of Allemagne: five coins owned, three not.
    main.click_issuer_button(0)
    detail = session.wait_window("^Allemagne$", what="the detail window of Allemagne")

    def detail_marks():
        names = [name for _, name in tree(app)]
        owned = [n for n in names if n.endswith(" possédée") and not n.endswith(" non possédée")]
        missing = [n for n in names if n.endswith(" non possédée")]
        return (len(owned), len(missing))
    try:
        wait_until(lambda: detail_marks() == (5, 3), 10,
                   lambda: "the detail window to say 5 coins owned and 3 not (it says %d and %d)" % detail_marks())
    except x.Failure as failure:
        problems.append(str(failure))
    session.focus(detail)
    session.key("Escape", "alt+F4")
    if problems:
        fail("\n  ".join(["what AT-SPI reads is not what the window shows:"] + problems))


def test(program_path):
    x.require_tools(SYSTEM_PYTHON, BUS_LAUNCHER, "dbus-run-session", "dbus-send")
    if os.environ.get("NUMISLOT_E2E_PRIVATE_BUS") != "1":
        probe = subprocess.run([SYSTEM_PYTHON, "-c", "import pyatspi"], capture_output=True)
        if probe.returncode != 0:
            x.skip("pyatspi is missing for %s (python3-pyatspi)" % SYSTEM_PYTHON)
        env = dict(os.environ, NUMISLOT_E2E_PRIVATE_BUS="1")
        result = subprocess.run(["dbus-run-session", "--", SYSTEM_PYTHON, os.path.abspath(__file__), program_path],
                                env=env, timeout=150)
        sys.exit(result.returncode)

    with Session(program_path) as session:
        launcher = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"], stdin=subprocess.DEVNULL,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                    preexec_fn=x._die_with_parent)
        session.add_cleanup(lambda: x._stop(launcher))
        # The program looks for the accessibility bus once, at start.
        wait_until(lambda: "true" in session.run(
            "dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
            "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus", check=False).stdout, 10,
            "at-spi-bus-launcher to own org.a11y.Bus")
        check(session, program_path)


if __name__ == "__main__":
    x.main(test)
