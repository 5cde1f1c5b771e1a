# SPDX-License-Identifier: GPL-3.0-or-later
"""A private X session for driving the program from outside, as a user would.

Each test gets its own Xvfb (on a display it picks itself), no window manager unless it asks for
one (openbox, or GNOME's mutter with or without modal windows attached to their parents), and the
program under the xcb platform unless it chooses another. A test may add a private
CUPS server with a PDF printer, or a Weston compositor. Windows are found by title with xdotool, clicked at the client coordinates
the layout fixes, typed into through the real dialogs, and read back from screenshots.
Every process started here is ended by its pid, and every wait is bounded.
"""

import ctypes
import glob
import html
import itertools
import json
import os
import re
import select
import shutil
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import time

SKIP = 77  # ctest's SKIP_RETURN_CODE for the end-to-end tests

SCREEN_WIDTH = 1280
SCREEN_HEIGHT = 1024

MAIN_TITLE = "Numislot par QVT"
CLIENT_WIDTH = 690
CLIENT_HEIGHT = 525

_layout = None

LIME = (0x00, 0xFF, 0x00)
SPLASH_SIZE = (445, 191)


class Failure(Exception):
    pass


def fail(message):
    raise Failure(message)


def skip(reason):
    print("skipped: " + reason)
    sys.exit(SKIP)


def require_tools(*tools):
    missing = [tool for tool in tools if shutil.which(tool) is None and not os.path.exists(tool)]
    if missing:
        skip("missing " + ", ".join(missing) + " (tools/install-deps installs them)")


def require_root(what):
    if os.geteuid() != 0:
        skip(what + " needs root")


def _stop(process, timeout=5):
    if process is not None and process.poll() is None:
        os.kill(process.pid, signal.SIGTERM)
        try:
            process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            os.kill(process.pid, signal.SIGKILL)
            process.wait(timeout=timeout)


def _free_port():
    with socket.socket(socket.AF_INET, socket.SOCK_STREAM) as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def _die_with_parent():
    # If the test itself is killed (ctest timeout), its Xvfb and program go with it.
    libc = ctypes.CDLL(None, use_errno=True)
    PR_SET_PDEATHSIG = 1
    libc.prctl(PR_SET_PDEATHSIG, signal.SIGKILL)


def wait_until(predicate, timeout, what, interval=0.1):
    """Polls predicate until it returns a true value; fails naming `what` (a text, or a function giving
    one at that moment) after timeout seconds."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() >= deadline:
            fail("timed out after %.0f s waiting for %s" % (timeout, what() if callable(what) else what))
        time.sleep(interval)


def layout():
    """The main window's grid from the program's own tables, as numislot_print_layout prints it (ctest
    names it in NUMISLOT_LAYOUT): issuers in slot order with their names, display rows, label tops,
    button rectangles and slots, and each slot's check box."""
    global _layout
    if _layout is None:
        tool = os.environ.get("NUMISLOT_LAYOUT")
        if not tool or not os.access(tool, os.X_OK):
            fail("NUMISLOT_LAYOUT names no numislot_print_layout program (%r)" % tool)
        _layout = json.loads(subprocess.run([tool], check=True, capture_output=True, text=True).stdout)
    return _layout


def __getattr__(name):
    # Issuer names and display rows by slot order, read from the layout when a test first asks.
    if name == "ISSUER_NAMES":
        return [issuer["name"] for issuer in layout()["issuers"]]
    if name == "DISPLAY_ROW":
        return [issuer["displayRow"] for issuer in layout()["issuers"]]
    raise AttributeError(name)


def slot_of(issuer, denomination):
    return layout()["issuers"][issuer]["slots"][denomination]


def check_box_rect(slot):
    return tuple(layout()["checkBoxes"][slot - 1])


def label_top(issuer):
    return layout()["issuers"][issuer]["labelTop"]


class Screenshot:
    def __init__(self, data, width, height):
        self.data = data
        self.width = width
        self.height = height

    def pixel(self, x, y):
        offset = 3 * (y * self.width + x)
        return tuple(self.data[offset:offset + 3])

    def count(self, left, top, width, height, test):
        return sum(1 for y in range(top, top + height) for x in range(left, left + width)
                   if test(self.pixel(x, y)))

    def save(self, path):
        with open(path, "wb") as out:
            out.write(b"P6 %d %d 255\n" % (self.width, self.height))
            out.write(self.data)


class Program:
    """The program under test, started in a Session."""

    def __init__(self, session, process, log_path):
        self.session = session
        self.process = process
        self.log_path = log_path

    @property
    def pid(self):
        return self.process.pid

    def running(self):
        return self.process.poll() is None

    def wait_exit(self, timeout):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            fail("the program (pid %d) was still running %.0f s later" % (self.pid, timeout))

    def log(self):
        try:
            with open(self.log_path, encoding="utf-8", errors="replace") as log:
                return log.read()
        except OSError:
            return ""

    def stop(self):
        _stop(self.process)


class Session:
    """An Xvfb of its own and the private directories the program writes to."""

    # window_manager: False for none, True or "openbox", "mutter", or "mutter attached" (modal windows
    # attached to their parents, as GNOME Shell sets it).
    def __init__(self, program_path, scale_factor=None, screen=(SCREEN_WIDTH, SCREEN_HEIGHT), window_manager=False):
        self.program_path = program_path
        self.scale_factor = scale_factor
        self.screen = screen
        self.window_manager = "openbox" if window_manager is True else window_manager
        self.tmp = tempfile.mkdtemp(prefix="numislot-e2e-")
        self.xvfb = None
        self.openbox = None
        self.mutter = None
        self.bus = None
        self.display = None
        self.programs = []
        # Set by the components a test adds (CUPS_SERVER, WAYLAND_DISPLAY...); None removes a variable.
        self.extra_env = {}
        self._cleanups = []

    def __enter__(self):
        if self.window_manager == "openbox":
            require_tools("openbox", "xprop")
        elif self.window_manager:
            require_tools("mutter", "dbus-daemon", "xprop")
        self._start_xvfb()
        if self.window_manager == "openbox":
            self._start_openbox()
        elif self.window_manager:
            self._start_mutter(attached=self.window_manager == "mutter attached")
        return self

    def __exit__(self, kind, value, trace):
        for program in self.programs:
            program.stop()
        for cleanup in reversed(self._cleanups):
            cleanup()
        _stop(self.openbox)
        _stop(self.mutter)
        _stop(self.bus)
        _stop(self.xvfb)
        if value is not None and not isinstance(value, SystemExit):
            for program in self.programs:
                log = program.log().strip()
                if log:
                    print("--- output of the program (pid %d) ---\n%s" % (program.pid, log))
            print("files kept in " + self.tmp)
        else:
            shutil.rmtree(self.tmp, ignore_errors=True)
        return False

    def path(self, *parts):
        return os.path.join(self.tmp, *parts)

    # --- the X server ---

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             "%dx%dx24" % self.screen, "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=_die_with_parent)
        os.close(write_end)
        answer = b""
        deadline = time.monotonic() + 15
        while not answer.endswith(b"\n"):
            remaining = deadline - time.monotonic()
            ready, _, _ = select.select([read_end], [], [], max(remaining, 0))
            if not ready:
                os.close(read_end)
                fail("Xvfb did not report a display within 15 s")
            chunk = os.read(read_end, 16)
            if not chunk:
                os.close(read_end)
                fail("Xvfb ended before reporting a display (exit status %s)" % self.xvfb.poll())
            answer += chunk
        os.close(read_end)
        self.display = ":" + answer.decode().strip()

    def _start_openbox(self):
        log = open(self.path("openbox.log"), "wb")
        self.openbox = subprocess.Popen(["openbox", "--sm-disable"], env=self.env(), stdin=subprocess.DEVNULL,
                                        stdout=log, stderr=subprocess.STDOUT, preexec_fn=_die_with_parent)
        log.close()
        self._wait_managed("openbox")

    def _start_mutter(self, attached):
        """mutter as the X11 window manager of the session's Xvfb, on a D-Bus session bus of its own;
        settings from a key file, where only the attachment of modal windows is set."""
        env = self.env()
        read_end, write_end = os.pipe()
        self.bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=%d" % write_end],
                                    pass_fds=(write_end,), env=env, stdin=subprocess.DEVNULL,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, preexec_fn=_die_with_parent)
        os.close(write_end)
        with os.fdopen(read_end) as answer:
            address = answer.readline().strip()
        if not address:
            fail("dbus-daemon gave no address (exit status %s)" % self.bus.poll())
        settings = os.path.join(env["XDG_CONFIG_HOME"], "glib-2.0", "settings")
        os.makedirs(settings, exist_ok=True)
        with open(os.path.join(settings, "keyfile"), "w") as out:
            out.write("[org/gnome/mutter]\nattach-modal-dialogs=%s\n" % ("true" if attached else "false"))
        env.update({"DBUS_SESSION_BUS_ADDRESS": address, "GSETTINGS_BACKEND": "keyfile"})
        log = open(self.path("mutter.log"), "wb")
        self.mutter = subprocess.Popen(["mutter", "--replace", "--x11", "--sm-disable"], env=env,
                                       stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                                       preexec_fn=_die_with_parent)
        log.close()
        self._wait_managed("mutter")

    def _wait_managed(self, name):
        # An EWMH window manager announces itself on the root window once it manages the screen.
        wait_until(lambda: "window id" in self.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK", check=False).stdout,
                   10, name + " to manage the screen")

    def add_cleanup(self, function):
        self._cleanups.append(function)

    def env(self):
        env = {key: value for key, value in os.environ.items()
               if not key.startswith(("QT_", "XDG_", "WAYLAND_", "DESKTOP_SESSION", "GNOME_", "KDE_"))}
        home = self.path("home")
        runtime = self.path("runtime")
        for directory in (home, runtime):
            os.makedirs(directory, mode=0o700, exist_ok=True)
        env.update({
            "DISPLAY": self.display,
            "QT_QPA_PLATFORM": "xcb",
            "HOME": home,
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache"),
            "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
            "XDG_RUNTIME_DIR": runtime,
            "LC_ALL": "C.UTF-8",
            "NO_AT_BRIDGE": "1",
        })
        env.pop("XAUTHORITY", None)
        if self.scale_factor:
            env["QT_SCALE_FACTOR"] = str(self.scale_factor)
        for key, value in self.extra_env.items():
            if value is None:
                env.pop(key, None)
            else:
                env[key] = value
        return env

    def run(self, *command, timeout=10, check=True):
        try:
            result = subprocess.run(list(command), env=self.env(), capture_output=True, text=True,
                                    timeout=timeout)
        except subprocess.TimeoutExpired:
            fail("%s did not finish within %d s" % (" ".join(command), timeout))
        if check and result.returncode != 0:
            fail("%s failed (%d): %s" % (" ".join(command), result.returncode, result.stderr.strip()))
        return result

    # --- the program ---

    def start(self, *arguments, env=None):
        """Starts the program; `env` changes its environment (None removes a variable)."""
        environment = self.env()
        for key, value in (env or {}).items():
            if value is None:
                environment.pop(key, None)
            else:
                environment[key] = value
        log_path = self.path("program-%d.log" % len(self.programs))
        with open(log_path, "wb") as log:
            process = subprocess.Popen([self.program_path, *arguments], env=environment, cwd=self.tmp,
                                       stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                                       preexec_fn=_die_with_parent)
        program = Program(self, process, log_path)
        self.programs.append(program)
        return program

    # --- windows ---

    def windows(self, title_regex, pid=None):
        command = ["xdotool", "search", "--onlyvisible"]
        if pid is not None:
            command += ["--pid", str(pid)]
        result = self.run(*command, "--name", title_regex, check=False)
        found = [int(line) for line in result.stdout.split()]
        if not self.window_manager:
            return found
        # Newer mutter draws frames in windows that carry their client's title; a window manager marks
        # only the clients it manages with WM_STATE.
        return [window for window in found
                if "window state" in self.run("xprop", "-id", str(window), "WM_STATE", check=False).stdout]

    def title(self, window):
        return self.run("xdotool", "getwindowname", str(window)).stdout.rstrip("\n")

    def geometry(self, window):
        """(x, y, width, height) of the window's client area in root coordinates."""
        out = self.run("xwininfo", "-id", str(window)).stdout
        values = {}
        for key, pattern in (("x", r"Absolute upper-left X:\s+(-?\d+)"), ("y", r"Absolute upper-left Y:\s+(-?\d+)"),
                             ("w", r"Width:\s+(\d+)"), ("h", r"Height:\s+(\d+)")):
            match = re.search(pattern, out)
            if not match:
                fail("xwininfo gave no %s for window %d" % (key, window))
            values[key] = int(match.group(1))
        return values["x"], values["y"], values["w"], values["h"]

    def outer_geometry(self, window):
        """(x, y, width, height) with the window manager's frame, where there is one."""
        x, y, width, height = self.geometry(window)
        out = self.run("xprop", "-id", str(window), "_NET_FRAME_EXTENTS", check=False).stdout
        match = re.search(r"=\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+)", out)
        left, right, top, bottom = (int(v) for v in match.groups()) if match else (0, 0, 0, 0)
        return x - left, y - top, width + left + right, height + top + bottom

    def desktop(self):
        """(x, y, width, height) of the desktop's work area, the whole screen without a window manager."""
        out = self.run("xprop", "-root", "_NET_WORKAREA", check=False).stdout
        match = re.search(r"=\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+)", out)
        return tuple(int(v) for v in match.groups()) if match else (0, 0) + self.screen

    def centring_offset(self, window, over=None):
        """(dx, dy) of the window's outer rectangle from centred over `over`'s (a window, or the desktop)."""
        x, y, width, height = self.outer_geometry(window)
        ox, oy, owidth, oheight = self.desktop() if over is None else self.outer_geometry(over)
        return x - (ox + (owidth - width) // 2), y - (oy + (oheight - height) // 2)

    def centring_error(self, window, over=None):
        """How far, in pixels, the window's outer rectangle is from centred over `over`'s."""
        return max(abs(offset) for offset in self.centring_offset(window, over))

    def geometry_or_none(self, window):
        """The geometry, or None when the window went away between the search and the question."""
        if subprocess.run(["xwininfo", "-id", str(window)], env=self.env(), capture_output=True,
                          timeout=10).returncode != 0:
            return None
        try:
            return self.geometry(window)
        except Failure:
            return None

    def wait_window(self, title_regex, timeout=15, size=None, exclude=(), what=None):
        """The one visible window whose title matches (and whose size is `size`, if given)."""
        def find():
            for window in self.windows(title_regex):
                if window in exclude:
                    continue
                geometry = self.geometry_or_none(window)
                if geometry and (size is None or geometry[2:] == size):
                    return window
            return None
        return wait_until(find, timeout, what or "a window titled /%s/" % title_regex)

    def wait_gone(self, window, timeout=10, what=None):
        wait_until(lambda: window not in self.windows("."), timeout,
                   what or "window %d to close" % window)

    def main_window(self, timeout=20):
        """The main window and its client origin: the menu bar sits above the 690 x 525 client area."""
        def find():
            for window in self.windows("^" + re.escape(MAIN_TITLE)):
                geometry = self.geometry_or_none(window)
                if not geometry:
                    continue
                x, y, width, height = geometry
                scale = self.scale_factor or 1
                if width == round(CLIENT_WIDTH * scale) and height > round(CLIENT_HEIGHT * scale):
                    return window
            return None
        window = wait_until(find, timeout, "the main window (%d wide, titled %s...)" % (CLIENT_WIDTH, MAIN_TITLE))
        return MainWindow(self, window)

    def splash_windows(self, program):
        """The program's visible untitled 445 x 191 windows: its splash."""
        out = self.run("xdotool", "search", "--onlyvisible", "--pid", str(program.pid), check=False).stdout
        scale = self.scale_factor or 1
        size = (round(SPLASH_SIZE[0] * scale), round(SPLASH_SIZE[1] * scale))
        return [int(window) for window in out.split()
                if (self.geometry_or_none(int(window)) or (0, 0, 0, 0))[2:] == size]

    def wait_ready(self, program):
        """The main window once the splash, shown over it at start, has closed."""
        main = self.main_window()
        wait_until(lambda: self.splash_windows(program), 10, "the splash (445 x 191) over the main window")
        wait_until(lambda: not self.splash_windows(program), 10, "the splash to close (about 4 s)")
        return main

    # --- input ---

    def click(self, x, y, button=1):
        self.run("xdotool", "mousemove", str(x), str(y))
        self.run("xdotool", "click", str(button))

    def focus(self, window):
        self.run("xdotool", "windowfocus", str(window))

    def activate(self, window):
        """Has the window manager make the window the active one, and waits until it has: mutter, until
        then, may take a click on the window as the one that focuses it and not pass it on."""
        self.run("xdotool", "windowactivate", "--sync", str(window), timeout=15)

    def type(self, text):
        self.run("xdotool", "type", "--delay", "15", text, timeout=60)

    def key(self, *keys):
        self.run("xdotool", "key", *keys)

    def keys(self, *keys, pause=0.3):
        """Presses keys one at a time, leaving menus and dialogs the time to open between them."""
        for key in keys:
            self.key(key)
            time.sleep(pause)

    # --- output ---

    def screenshot(self):
        try:
            result = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], env=self.env(),
                                    capture_output=True, timeout=20)
        except subprocess.TimeoutExpired:
            fail("import did not take a screenshot within 20 s")
        width, height = self.screen
        expected = width * height * 3
        if result.returncode != 0 or len(result.stdout) != expected:
            fail("import gave %d bytes instead of %d: %s" % (len(result.stdout), expected,
                                                            result.stderr.decode(errors="replace")))
        return Screenshot(result.stdout, width, height)

    def save_png(self, path, window="root"):
        self.run("import", "-window", str(window), path, timeout=20)

    # --- the window manager's part: asking a window to close ---

    def ping(self, window):
        """Returns once the program owning the window has gone through its event loop since the call."""
        XConnection(self.display).ping(window)

    def request_close(self, window):
        """Sends WM_DELETE_WINDOW, the message a window manager sends when the close box is clicked."""
        XConnection(self.display).send_delete_window(window)


class MainWindow:
    def __init__(self, session, window):
        self.session = session
        self.id = window

    def origin(self):
        """Root coordinates of the client area's top-left corner (below the menu bar)."""
        x, y, width, height = self.session.geometry(self.id)
        return x, y + self.menu_bar_height()

    def menu_bar_height(self):
        scale = self.session.scale_factor or 1
        return self.session.geometry(self.id)[3] - round(CLIENT_HEIGHT * scale)

    def title(self):
        return self.session.title(self.id)

    def click(self, left, top, width, height):
        x, y = self.origin()
        self.session.click(x + left + width // 2, y + top + height // 2)

    def click_slot(self, slot):
        self.click(*check_box_rect(slot))

    def click_quit(self):
        self.click(434, 488, 94, 33)

    def click_issuer_button(self, issuer):
        self.click(*layout()["issuers"][issuer]["button"])

    def menu(self, *keys):
        """Opens the "&Fichier" menu from the keyboard and presses the keys that follow in it."""
        self.session.focus(self.id)
        self.session.keys("alt+f", *keys)

    def centre(self):
        x, y, width, height = self.session.geometry(self.id)
        return x + width / 2, y + height / 2

    def label_lime_share(self, shot, issuer):
        """Share of lime pixels in the last 8 x 10 pixels of the issuer's label (right-aligned at x = 81)."""
        x, y = self.origin()
        left, top = x + layout()["labelRight"] - 8, y + label_top(issuer)
        return shot.count(left, top, 8, 10, lambda p: p == LIME) / 80.0

    def box_dark_pixels(self, shot, slot):
        """Dark pixels inside a check box: the check mark adds many, an empty box has only its frame."""
        x, y = self.origin()
        left, top, width, height = check_box_rect(slot)
        return shot.count(x + left + 3, y + top + 4, width - 6, height - 8, lambda p: max(p) < 96)


class SavePrompt:
    """The "Sauvegarder ?" prompt with its three answers; 271 x 115 is its outer size, with the frame."""

    OUTER_SIZE = (271, 115)
    ANSWERS = {"Oui": 16, "Non": 99, "Annuler": 182}

    def __init__(self, session, timeout=10):
        self.session = session
        self.id = session.wait_window(r"^Sauvegarder \?$", timeout=timeout,
                                      what='the "Sauvegarder ?" prompt')

    def answer(self, caption):
        x, y, _, _ = self.session.geometry(self.id)
        self.session.click(x + self.ANSWERS[caption] + 32, y + 47 + 12)
        self.session.wait_gone(self.id, what='the "Sauvegarder ?" prompt to close after "&%s"' % caption)


class Question:
    """A "&Oui"/"&Non" question of the program, captioned with its title: a window other than the main
    window titled exactly so."""

    def __init__(self, session, main, timeout=10):
        self.session = session
        self.id = session.wait_window("^%s$" % re.escape(MAIN_TITLE), timeout=timeout, exclude=(main.id,),
                                      what="a question titled %s" % MAIN_TITLE)

    def answer(self, key):
        """Answers from the keyboard: Return gives the default answer, alt+o "&Oui", alt+n "&Non"."""
        self.session.focus(self.id)
        self.session.key(key)
        self.session.wait_gone(self.id, what="the question to close on %s" % key)


SAVE_DIALOG = "^Enregistrer sous$"


def save_through_dialog(session, path):
    """Types a path into the save dialog and confirms it with Return."""
    dialog = session.wait_window(SAVE_DIALOG, what="the save dialog")
    session.focus(dialog)
    session.type(path)
    session.key("Return")
    session.wait_gone(dialog, what="the save dialog to close after Return")


class XConnection:
    """Just enough of the X protocol to send a client message; no library beyond Python's own."""

    def __init__(self, display):
        number = display.lstrip(":").split(".")[0]
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.settimeout(5)
        self.sock.connect("/tmp/.X11-unix/X" + number)
        self.sock.sendall(struct.pack("<cxHHHHxx", b"l", 11, 0, 0, 0))
        head = self._read(8)
        if head[0] != 1:
            reason = self._read(struct.unpack("<H", head[6:8])[0] * 4)[:head[1]]
            fail("the X server refused the connection: " + reason.decode(errors="replace"))
        setup = self._read(struct.unpack("<H", head[6:8])[0] * 4)
        vendor_length, formats = struct.unpack("<H", setup[16:18])[0], setup[21]
        # The first screen's root window follows the vendor's name and the pixmap formats.
        self.root = struct.unpack_from("<I", setup, 32 + (vendor_length + 3) // 4 * 4 + 8 * formats)[0]

    def _read(self, count):
        data = b""
        while len(data) < count:
            chunk = self.sock.recv(count - len(data))
            if not chunk:
                fail("the X server closed the connection")
            data += chunk
        return data

    def _reply(self):
        while True:
            packet = self._read(32)
            if packet[0] == 0:
                fail("X error %d (major opcode %d)" % (packet[1], packet[10]))
            if packet[0] == 1:
                extra = struct.unpack("<I", packet[4:8])[0]
                return packet + self._read(extra * 4)
            # An event: none was asked for, so skip it.

    def intern_atom(self, name):
        encoded = name.encode()
        pad = (4 - len(encoded) % 4) % 4
        self.sock.sendall(struct.pack("<BBHHxx", 16, 0, 2 + (len(encoded) + pad) // 4, len(encoded))
                          + encoded + b"\0" * pad)
        return struct.unpack("<I", self._reply()[8:12])[0]

    def _event(self, wanted, timeout):
        self.sock.settimeout(timeout)
        try:
            while True:
                packet = self._read(32)
                if packet[0] == 0:
                    fail("X error %d (major opcode %d)" % (packet[1], packet[10]))
                if packet[0] == 1:
                    self._read(struct.unpack("<I", packet[4:8])[0] * 4)
                elif wanted(packet):
                    return packet
        except socket.timeout:
            return None
        finally:
            self.sock.settimeout(5)

    def ping(self, window, timeout=60):
        """_NET_WM_PING, which a Qt window answers from its event loop: what the program had done when the
        ping was sent (a change of caption seen, say) has been painted and reached the X server when the
        answer comes back. Closes the connection."""
        protocols = self.intern_atom("WM_PROTOCOLS")
        ping = self.intern_atom("_NET_WM_PING")
        # The answer goes to the root window, to those listening for changes of it or of its children.
        self.sock.sendall(struct.pack("<BxHII", 2, 4, self.root, 0x800) + struct.pack("<I", 0xA0000))
        stamp = int(time.monotonic() * 1000) & 0xFFFFFFFF
        event = struct.pack("<BBHII5I", 33, 32, 0, window, protocols, ping, stamp, window, 0, 0)
        self.sock.sendall(struct.pack("<BBHII", 25, 0, 11, window, 0) + event)
        answer = self._event(lambda packet: packet[0] & 0x7F == 33
                             and struct.unpack_from("<II", packet, 12) == (ping, stamp), timeout)
        self.sock.close()
        if answer is None:
            fail("the program did not answer a ping to window %d within %d s" % (window, timeout))

    def send_delete_window(self, window):
        protocols = self.intern_atom("WM_PROTOCOLS")
        delete = self.intern_atom("WM_DELETE_WINDOW")
        event = struct.pack("<BBHII5I", 33, 32, 0, window, protocols, delete, 0, 0, 0, 0)
        # No event mask: the event goes to the client that created the window.
        self.sock.sendall(struct.pack("<BBHII", 25, 0, 11, window, 0) + event)
        # GetInputFocus as a round trip, so the message has been handled when we return.
        self.sock.sendall(struct.pack("<BxH", 43, 1))
        self._reply()
        self.sock.close()


class SessionManager:
    """tests/e2e/xsmp_manager.c, a session manager of the tests' own: the program registers with it
    (SESSION_MANAGER in its environment) and it ends the session as a desktop does when logging out."""

    @staticmethod
    def available():
        return os.access(os.environ.get("NUMISLOT_XSMP_MANAGER", ""), os.X_OK)

    def __init__(self, session):
        self.process = subprocess.Popen([os.environ["NUMISLOT_XSMP_MANAGER"]], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        env=session.env(), preexec_fn=_die_with_parent)
        session.add_cleanup(lambda: _stop(self.process))
        self._pending = b""
        line = self._line(10, "the session manager to listen")
        if not line.startswith("SESSION_MANAGER="):
            fail("the session manager said %r" % line)
        self.env = {"SESSION_MANAGER": line.split("=", 1)[1]}

    def _line(self, timeout, what):
        deadline = time.monotonic() + timeout
        while b"\n" not in self._pending:
            remaining = deadline - time.monotonic()
            ready, _, _ = select.select([self.process.stdout], [], [], max(remaining, 0))
            if not ready:
                fail("timed out after %.0f s waiting for %s" % (timeout, what))
            chunk = os.read(self.process.stdout.fileno(), 256)
            if not chunk:
                fail("the session manager ended (status %s) while waiting for %s" % (self.process.poll(), what))
            self._pending += chunk
        line, self._pending = self._pending.split(b"\n", 1)
        return line.decode()

    def expect(self, *events, timeout=15):
        """Waits for the next event the manager reports and checks that it is one of `events`."""
        event = self._line(timeout, " or ".join(events))
        if event not in events:
            fail("the session manager reported %r, not %s" % (event, " or ".join(events)))
        return event

    def logout(self):
        """Asks every client to save before the session ends, with interaction allowed."""
        self.process.stdin.write(b"logout\n")
        self.process.stdin.flush()


class Cups:
    """A private CUPS server on a port of its own, with a cups-pdf queue as the default printer.

    The program and the session's commands reach it through CUPS_SERVER. cups-pdf writes its PDFs
    into the session's folder (through a configuration named after this queue); the scheduler keeps
    each job's document as the program sent it, which still has real text for pdftotext (cups-pdf's
    own PDFs carry Type 3 fonts). The page log gives each finished job's number and title."""

    BACKEND = "/usr/lib/cups/backend/cups-pdf"
    PPD = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"
    QUEUE = "numislot-pdf"

    def __init__(self, session):
        self.session = session
        self.root = session.path("cups")
        self.name = "numislot-e2e-%d" % os.getpid()
        self.backend_config = "/etc/cups/cups-pdf-%s.conf" % self.name
        self.cupsd = None

    def start(self):
        """Starts the server for the rest of the session; skips the test where it cannot run."""
        require_root("printing through a private CUPS server")
        require_tools("cupsd", "lpadmin", "lpstat", "pdfinfo", "pdftotext", "pdftoppm", self.BACKEND, self.PPD)
        # The filters run as lp and must reach the spool through the session's folder.
        os.chmod(self.session.tmp, 0o711)
        for name in ("etc", "spool", "cache", "state", "log", "out", "pdf-spool"):
            os.makedirs(os.path.join(self.root, name), mode=0o755)
        os.chmod(os.path.join(self.root, "pdf-spool"), 0o1777)
        os.makedirs(os.path.join(self.root, "spool", "tmp"), mode=0o1777)
        os.chmod(os.path.join(self.root, "spool", "tmp"), 0o1777)
        port = _free_port()
        with open(os.path.join(self.root, "cups-files.conf"), "w") as out:
            out.write("ServerRoot {0}/etc\nRequestRoot {0}/spool\nTempDir {0}/spool/tmp\nCacheDir {0}/cache\n"
                      "StateDir {0}/state\nErrorLog {0}/log/error_log\nAccessLog {0}/log/access_log\n"
                      "PageLog {0}/log/page_log\n".format(self.root))
        with open(os.path.join(self.root, "cupsd.conf"), "w") as out:
            out.write("Listen 127.0.0.1:%d\nLogLevel info\nPageLogFormat %%j|%%{job-name}|\nBrowsing No\n"
                      "WebInterface No\nDefaultAuthType None\nPreserveJobFiles Yes\n"
                      "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                      "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n" % port)
        with open(self.backend_config, "w") as out:
            out.write("Out %s/out\nSpool %s/pdf-spool\n" % (self.root, self.root))
        self.session.add_cleanup(self._stop)
        self.session.extra_env["CUPS_SERVER"] = "127.0.0.1:%d" % port
        log = open(os.path.join(self.root, "cupsd.out"), "wb")
        self.cupsd = subprocess.Popen(["cupsd", "-f", "-c", os.path.join(self.root, "cupsd.conf"),
                                       "-s", os.path.join(self.root, "cups-files.conf")],
                                      stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                                      preexec_fn=_die_with_parent)
        log.close()
        wait_until(lambda: self.cupsd.poll() is None
                   and "is running" in self.session.run("lpstat", "-r", check=False).stdout,
                   15, lambda: "cupsd to answer (exit status %s)" % self.cupsd.poll())
        self.session.run("lpadmin", "-p", self.QUEUE, "-E", "-v", "cups-pdf:/" + self.name, "-P", self.PPD,
                         timeout=20)
        self.session.run("lpadmin", "-d", self.QUEUE, timeout=20)
        return self

    def _stop(self):
        _stop(self.cupsd, timeout=10)
        try:
            os.remove(self.backend_config)
        except OSError:
            pass

    def jobs(self):
        """(number, title) of every finished job, in the order they were sent."""
        try:
            with open(os.path.join(self.root, "log", "page_log"), encoding="utf-8", errors="replace") as log:
                lines = log.read().splitlines()
        except OSError:
            return []
        jobs = []
        for line in lines:
            number, _, rest = line.partition("|")
            if number.isdigit() and rest.endswith("|"):
                jobs.append((int(number), rest[:-1]))
        return sorted(jobs)

    def wait_jobs(self, count, timeout=30):
        """The first `count` finished jobs once each has its PDF from cups-pdf."""
        def done():
            jobs = self.jobs()
            return jobs if len(jobs) >= count and all(self.output(number) for number, _ in jobs) else None
        return wait_until(done, timeout, lambda: "%d finished print jobs with their PDFs (have %s; lpstat: %s)"
                          % (count, self.jobs(), self.session.run("lpstat", "-W", "all", "-o", check=False).stdout))

    def document(self, job):
        """The job's document as the program sent it."""
        return os.path.join(self.root, "spool", "d%05d-001" % job)

    def output(self, job):
        """The PDF cups-pdf wrote for the job (its name derives from the title, so found by number)."""
        found = [name for name in os.listdir(os.path.join(self.root, "out"))
                 if re.search(r"job_%d\b" % job, name) and name.endswith(".pdf")]
        return os.path.join(self.root, "out", found[0]) if found else None


def pdf_pages(session, path):
    """The page count, 0 while the file is not (yet) a whole PDF."""
    match = re.search(r"^Pages:\s+(\d+)", session.run("pdfinfo", path, check=False).stdout, re.M)
    return int(match.group(1)) if match else 0


def pdf_text(session, path, page=None):
    command = ["pdftotext", "-layout"]
    if page is not None:
        command += ["-f", str(page), "-l", str(page)]
    return session.run(*command, path, "-", timeout=30).stdout


def pdf_words(session, path, page=1):
    """(word, xMin, yMin, xMax, yMax) in points from the page's top-left corner."""
    out = session.run("pdftotext", "-bbox", "-f", str(page), "-l", str(page), path, "-", timeout=30).stdout
    return [(html.unescape(m.group(5)), float(m.group(1)), float(m.group(2)), float(m.group(3)), float(m.group(4)))
            for m in re.finditer(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>',
                                 out)]


def pdf_raster(session, path, page=1, dpi=72):
    """One page rendered at `dpi` (72: a pixel per point), as a Screenshot."""
    out = session.path("raster-%d" % next(_raster_numbers))
    session.run("pdftoppm", "-r", str(dpi), "-f", str(page), "-l", str(page), "-singlefile", path, out, timeout=60)
    with open(out + ".ppm", "rb") as ppm:
        data = ppm.read()
    match = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
    if not match:
        fail("pdftoppm gave no PPM for " + path)
    width, height = int(match.group(1)), int(match.group(2))
    return Screenshot(data[match.end():], width, height)


_raster_numbers = itertools.count()


class Weston:
    """A private Weston compositor: headless, or drawn in the session's X server (x11 backend), where
    xdotool's keys reach it through its X window and `import` sees what it shows."""

    def __init__(self, session, backend="headless"):
        self.session = session
        self.backend = backend
        self.socket = "numislot-e2e-%d-%d" % (os.getpid(), next(_weston_numbers))
        self.process = None

    def start(self):
        """Starts the compositor for the rest of the session; skips the test where it cannot run."""
        require_tools("weston")
        if not glob.glob("/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so"):
            skip("Qt's Wayland platform plugin is missing (qt6-wayland)")
        env = self.session.env()
        # The kiosk shell has no panel to click by mistake and gives the keyboard to the window on top.
        command = ["weston", "--backend=%s-backend.so" % self.backend, "--shell=kiosk-shell.so", "--use-pixman",
                   "--idle-time=0", "--socket=" + self.socket]
        if self.backend == "x11":
            command += ["--width=1024", "--height=768"]
        else:
            env.pop("DISPLAY", None)
        log = open(self.session.path("weston-%s.log" % self.socket), "wb")
        self.process = subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL, stdout=log,
                                        stderr=subprocess.STDOUT, preexec_fn=_die_with_parent)
        log.close()
        self.session.add_cleanup(lambda: _stop(self.process))
        socket_path = os.path.join(env["XDG_RUNTIME_DIR"], self.socket)
        wait_until(lambda: self.process.poll() is None and os.path.exists(socket_path), 15,
                   lambda: "weston to open its socket (exit status %s)" % self.process.poll())
        return self

    def x_window(self):
        """Weston's own window in the X session (x11 backend); it is named by its class only."""
        def find():
            out = self.session.run("xdotool", "search", "--onlyvisible", "--class", "^Weston Compositor$",
                                   check=False).stdout.split()
            return int(out[0]) if out else None
        return wait_until(find, 15, "Weston's window in the X session")


_weston_numbers = itertools.count()


def run_cases(program_path, cases, **session_options):
    """Runs each (name, case) in a session of its own; the first failure fails the test, named."""
    for name, case in cases:
        with Session(program_path, **session_options) as session:
            try:
                case(session)
            except Failure as failure:
                fail("%s: %s" % (name, failure))
            print("ok " + name)


def main(test):
    """Runs test(program_path); prints the outcome and exits with ctest's status."""
    require_tools("Xvfb", "xdotool", "xwininfo", "import")
    if len(sys.argv) < 2:
        print("usage: %s <path of the numislot program>" % sys.argv[0])
        sys.exit(2)
    program_path = os.path.abspath(sys.argv[1])
    try:
        test(program_path)
    except Failure as failure:
        print("FAIL: %s" % failure)
        sys.exit(1)
    print("PASS")
    sys.exit(0)
