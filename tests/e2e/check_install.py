#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Installs the build into a staging directory and checks the tree a desktop will read: everything
under the prefix, the program, one id shared by the desktop entry, MIME package, metainfo and
icons, and a MIME database in which *.eur files are collections."""

import configparser
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

APP_ID = None  # the build's own, given on the command line
MIME_TYPE = "application/x-numislot-collection"
PREFIX = "/opt/numislot-check"
SKIP = 77


class Failure(Exception):
    pass


def fail(message):
    raise Failure(message)


def run(command, env=None, timeout=120):
    result = subprocess.run(command, capture_output=True, text=True, env=env, timeout=timeout)
    if result.returncode != 0:
        fail("%s failed (%d):\n%s%s" % (" ".join(command), result.returncode, result.stdout, result.stderr))
    return result.stdout


def png_size(path):
    with open(path, "rb") as png:
        head = png.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        fail("%s is not a PNG file" % path)
    return struct.unpack(">II", head[16:24])


def check(build_dir, stage):
    env = dict(os.environ, DESTDIR=stage)
    run(["cmake", "--install", build_dir, "--prefix", PREFIX], env=env)

    root = stage + PREFIX
    installed = []
    for directory, _, files in os.walk(stage):
        installed += [os.path.join(directory, name) for name in files]
    outside = [path for path in installed if not path.startswith(root + os.sep)]
    if outside:
        fail("installed outside the prefix %s: %s" % (PREFIX, outside))

    program = os.path.join(root, "bin", "numislot")
    if not os.access(program, os.X_OK):
        fail("no executable %s" % program)

    desktop_path = os.path.join(root, "share", "applications", APP_ID + ".desktop")
    entry = configparser.ConfigParser(interpolation=None, strict=True)
    entry.optionxform = str
    if not entry.read(desktop_path, encoding="utf-8"):
        fail("no desktop entry %s" % desktop_path)
    section = entry["Desktop Entry"]
    exec_line = section.get("Exec", "")
    if exec_line.split()[0] != "numislot" or "%f" not in exec_line.split()[1:]:
        fail("the desktop entry should run 'numislot %%f', it runs %r" % exec_line)
    if section.get("Icon") != APP_ID:
        fail("the desktop entry's icon %r is not the id %s" % (section.get("Icon"), APP_ID))
    if [t for t in section.get("MimeType", "").split(";") if t] != [MIME_TYPE]:
        fail("the desktop entry declares %r instead of %s" % (section.get("MimeType"), MIME_TYPE))

    mime_path = os.path.join(root, "share", "mime", "packages", APP_ID + ".xml")
    ns = {"m": "http://www.freedesktop.org/standards/shared-mime-info"}
    types = [t.get("type") for t in ET.parse(mime_path).getroot().findall("m:mime-type", ns)]
    if types != [MIME_TYPE]:
        fail("the MIME package declares %s instead of %s" % (types, MIME_TYPE))

    metainfo_path = os.path.join(root, "share", "metainfo", APP_ID + ".metainfo.xml")
    component = ET.parse(metainfo_path).getroot()
    if component.findtext("id") != APP_ID:
        fail("the metainfo id %r is not %s" % (component.findtext("id"), APP_ID))
    launchable = component.findtext("launchable[@type='desktop-id']")
    if launchable != os.path.basename(desktop_path):
        fail("the metainfo launches %r, the desktop entry is %s" % (launchable, os.path.basename(desktop_path)))
    if component.findtext("provides/mediatype") != MIME_TYPE:
        fail("the metainfo provides %r instead of %s" % (component.findtext("provides/mediatype"), MIME_TYPE))

    # Every icon size the sources hold is installed under the id, at the size its folder names.
    source_icons = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "icons")
    wanted = sorted(name for name in (os.listdir(source_icons) if os.path.isdir(source_icons) else [])
                    if re.fullmatch(r"\d+x\d+", name)
                    and any(f.endswith(".png") for f in os.listdir(os.path.join(source_icons, name))))
    hicolor = os.path.join(root, "share", "icons", "hicolor")
    for size in wanted:
        icon = os.path.join(hicolor, size, "apps", APP_ID + ".png")
        if not os.path.isfile(icon):
            fail("no %s icon installed (%s)" % (size, icon))
        width, height = png_size(icon)
        if "%dx%d" % (width, height) != size:
            fail("the icon in %s is %dx%d" % (size, width, height))
    if not wanted:
        print("note: no icon under assets/icons/<size>x<size>/ yet")

    # The MIME database a desktop builds from the package: *.eur names a collection.
    if shutil.which("update-mime-database"):
        mime_dir = os.path.join(root, "share", "mime")
        run(["update-mime-database", mime_dir])
        with open(os.path.join(mime_dir, "globs2"), encoding="utf-8") as globs:
            if not re.search(r"^\d+:" + re.escape(MIME_TYPE) + r":\*\.eur$", globs.read(), re.M):
                fail("the MIME database built from the package has no *.eur glob for " + MIME_TYPE)
        if shutil.which("gio"):
            sample = os.path.join(stage, "sample.eur")
            with open(sample, "wb") as out:
                out.write(b"1" * 128)
            lookup = dict(os.environ, XDG_DATA_DIRS=os.path.join(root, "share"),
                          XDG_DATA_HOME=os.path.join(stage, "empty"))
            found = run(["gio", "info", "-a", "standard::content-type", sample], env=lookup)
            if MIME_TYPE not in found:
                fail("gio sees sample.eur as %r" % found.strip())


def main():
    global APP_ID
    if len(sys.argv) != 3:
        print("usage: %s <build directory> <application id>" % sys.argv[0])
        return 2
    APP_ID = sys.argv[2]
    if not shutil.which("cmake"):
        print("skipped: cmake not found")
        return SKIP
    stage = tempfile.mkdtemp(prefix="numislot-install-")
    try:
        check(os.path.abspath(sys.argv[1]), stage)
    except Failure as failure:
        print("FAIL: %s" % failure)
        return 1
    except subprocess.TimeoutExpired as expired:
        print("FAIL: %s did not finish within %s s" % (" ".join(expired.cmd), expired.timeout))
        return 1
    finally:
        shutil.rmtree(stage, ignore_errors=True)
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
