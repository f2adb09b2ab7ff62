"""End-to-end test of the release: the zip as a user downloads it, unpacked into a
folder named with blanks and Japanese on drive C:, started by its full path from
another current folder, and closed the system's way."""
import json
import os
import shutil
import subprocess
import tempfile
import unittest
import zipfile

from e2e_support import PROGRAM, SECTION, SETTINGS, Program, faked_clock, is_red_digit, wine_env

FOLDER = "WispaneCalendar"
CONTENTS = [PROGRAM, "wispane-ics.exe", "Holiday.ini", "ReadMeEN.txt", "ReadMeJA.txt"]


def drive_c():
    return os.path.join(os.environ["WINEPREFIX"], "drive_c")


def listing(root):
    """Every folder and file below root: files with their size and modification time."""
    found = {}
    for folder, folders, files in os.walk(root):
        for name in folders:
            found[os.path.relpath(os.path.join(folder, name), root) + "/"] = None
        for name in files:
            info = os.lstat(os.path.join(folder, name))
            found[os.path.relpath(os.path.join(folder, name), root)] = (info.st_size, info.st_mtime_ns)
    return found


def warm_wine_server():
    """Wine brings the prefix up to date whenever its server starts, rewriting some
    800 of its own files on drive C:. With a server running already (the suite keeps
    one; else one started here stays five seconds after its last program) the
    program's start leaves drive C: alone."""
    # Fails where one runs. Its output not to ctest's pipe, which it would hold open.
    subprocess.run(["wineserver", "-p5"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run(["wine", "cmd", "/c", "exit"], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, check=True)


def changes(before, after):
    return sorted(path for path in before.keys() | after.keys()
                  if before.get(path, "absent") != after.get(path, "absent"))


class Unpacked(Program):
    """The program in the folder the release was unpacked to, started by its full
    Windows path from C:\\ (not its own folder)."""

    def __init__(self, test, folder):
        self.base = tempfile.mkdtemp(prefix="wispane-e2e-")  # the probe's files
        test.addCleanup(self.remove)
        self.folder = folder
        self.locale = "en_US.UTF-8"
        self.date = "2026-12-10 12:00:00"
        self.processes = []
        self.logs = []

    def start(self):
        program = "C:\\" + os.path.relpath(self.path(PROGRAM), drive_c()).replace("/", "\\")
        self.logs.append(os.path.join(self.base, f"wine-{len(self.processes)}.log"))
        log = open(self.logs[-1], "wb")
        process = subprocess.Popen(["wine", program], cwd=drive_c(), stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                                   env=wine_env(self.locale, faked_clock(self.date)), start_new_session=True)
        self.processes.append(process)
        return process


class Release(unittest.TestCase):
    def package(self):
        """The zip, made by CPack from this build as the package target makes it."""
        output = tempfile.mkdtemp(prefix="wispane-package-")
        self.addCleanup(shutil.rmtree, output, ignore_errors=True)
        subprocess.run([os.environ["WISPANE_CPACK"], "--config", os.environ["WISPANE_CPACK_CONFIG"], "-B", output],
                       check=True, stdout=subprocess.DEVNULL)
        return os.path.join(output, os.environ["WISPANE_PACKAGE"])

    def test_the_unpacked_release_runs_from_any_folder_and_writes_only_its_settings(self):
        with zipfile.ZipFile(self.package()) as package:
            self.assertEqual(sorted(package.namelist()), sorted(f"{FOLDER}/{name}" for name in CONTENTS),
                             "one folder with the program, its iCalendar tool, its rules and its read-me files")
            place = tempfile.mkdtemp(prefix="Wispane 配布 テスト ", dir=drive_c())
            self.addCleanup(shutil.rmtree, place, ignore_errors=True)
            package.extractall(place)
        program = Unpacked(self, os.path.join(place, FOLDER))
        warm_wine_server()
        before = listing(drive_c())

        process = program.start()
        program.wait_until_shown()
        program.dismiss_first_run_hint()
        self.assertEqual(len(program.wait_for_window()["windows"]), 1)
        christmas = json.loads(program.probe("cells", "2026-12-10"))["2026-12-25"]
        self.assertGreater(program.snapshot().count(christmas, is_red_digit), 5,
                           "December 2026 shows, with Christmas Day from the unpacked Holiday.ini in red")

        subprocess.run(["wine", "taskkill", "/im", PROGRAM], cwd=program.base,
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        status = process.wait(timeout=30)
        self.assertIn("Config", dict(program.settings()), f"[{SECTION}] written beside the program")
        written = os.path.relpath(program.path(SETTINGS), drive_c())
        self.assertEqual(changes(before, listing(drive_c())), [written], "nothing else changed on drive C:")
        self.assertEqual(status, 0)
