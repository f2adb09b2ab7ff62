#!/usr/bin/env python3
"""End-to-end tests of WispaneCalendar.exe under Wine.

Each test copies the program folder (program, Holiday.ini) into a fresh temporary
folder, starts the program there as a user would, looks at its window from outside
with wispane-window-probe.exe, acts with xdotool on the display, and reads the
settings file the program leaves beside itself.

    calendar_e2e.py --program-dir DIR --probe PROBE.exe CASE

CASE is one of FirstStart, SecondCopy, StoredSettings, Languages. Needs DISPLAY,
WINEPREFIX, wine, xdotool and faketime.
"""
import argparse
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

PROGRAM = "WispaneCalendar.exe"
SETTINGS = "Wispane Calendar.ini"
SECTION = "Wispane Calendar"

WS_EX_TOPMOST = 0x8
WS_EX_TOOLWINDOW = 0x80
WS_EX_APPWINDOW = 0x40000
MCS_DAYSTATE = 0x1
MCS_NOTODAYCIRCLE = 0x8
MCS_NOTODAY = 0x10

ARGS = None


def wine_env(locale, extra=None):
    env = dict(os.environ)
    env["LC_ALL"] = locale
    env.setdefault("WINEDEBUG", "-all")
    env.update(extra or {})
    return env


class Program:
    """One copy of the program folder and the program running from it."""

    def __init__(self, test):
        self.folder = tempfile.mkdtemp(prefix="wispane-e2e-")
        test.addCleanup(self.remove)
        for name in (PROGRAM, "Holiday.ini"):
            shutil.copy(os.path.join(ARGS.program_dir, name), self.folder)
        self.locale = "en_US.UTF-8"
        self.date = None
        self.processes = []

    def remove(self):
        # Each start leads a process group of its own: faketime runs wine as its child.
        for process in self.processes:
            if process.poll() is None:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
        shutil.rmtree(self.folder, ignore_errors=True)

    def path(self, name):
        return os.path.join(self.folder, name)

    def start(self, winedebug=None):
        extra = {"WINEDEBUG": winedebug} if winedebug else {}
        command = ["wine", PROGRAM]
        if self.date:
            command = ["faketime", self.date] + command
        log = open(self.path(f"wine-{len(self.processes)}.log"), "wb")
        process = subprocess.Popen(command, cwd=self.folder, stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                                   env=wine_env(self.locale, extra), start_new_session=True)
        self.processes.append(process)
        return process

    def probe(self, *arguments):
        # Files, not pipes: a Wine helper process that the probe happens to start
        # (the desktop process) inherits its output and would hold a pipe open.
        with open(self.path("probe.out"), "w+b") as output, open(self.path("probe.err"), "w+b") as errors:
            # Never under faketime: the probe, a console program, hangs at start when
            # its clock is far from the Wine server's.
            status = subprocess.run(["wine", ARGS.probe, *arguments], cwd=self.folder,
                                    stdin=subprocess.DEVNULL, stdout=output, stderr=errors,
                                    env=wine_env(self.locale), timeout=120).returncode
            output.seek(0)
            errors.seek(0)
            if status != 0:
                raise AssertionError(f"probe {arguments} failed: {errors.read().decode(errors='replace')}")
            return output.read()

    def windows(self):
        return json.loads(self.probe("windows"))

    def snapshot(self):
        name = self.path("snapshot.ppm")
        self.probe("snapshot", name)
        return Picture(name)

    def wait_for_window(self, timeout=90):
        """The probe's report once one window shows and its picture has settled."""
        deadline = time.monotonic() + timeout
        previous = None
        while time.monotonic() < deadline:
            report = self.windows()
            if report["windows"]:
                picture = self.snapshot().pixels
                if picture == previous:
                    return report
                previous = picture
            for process in self.processes:
                if process.poll() is not None:
                    raise AssertionError(f"the program ended early with exit code {process.returncode}")
            time.sleep(0.5)
        raise AssertionError("no calendar window settled in time")

    def close_by_system(self, process):
        """Alt+F4, the system's close, then waits for the program to end. Without a
        window manager the keyboard goes to the window under the pointer."""
        [window] = self.windows()["windows"]
        left, top, right, bottom = window["rect"]
        subprocess.run(["xdotool", "mousemove", str((left + right) // 2), str((top + bottom) // 2)], check=True)
        subprocess.run(["xdotool", "key", "--clearmodifiers", "alt+F4"], check=True)
        return process.wait(timeout=60)

    def read_bytes(self, name):
        """The file's bytes, or None when it does not exist."""
        try:
            with open(self.path(name), "rb") as file:
                return file.read()
        except FileNotFoundError:
            return None

    def settings(self):
        """The keys of the main section in file order, as text in the file's bytes."""
        with open(self.path(SETTINGS), "rb") as file:
            lines = file.read().decode("latin-1").splitlines()
        keys = []
        section = None
        for line in lines:
            line = line.strip()
            if line.startswith("["):
                section = line.strip("[]")
            elif "=" in line and section == SECTION:
                keys.append(tuple(line.split("=", 1)))
        return keys


class Picture:
    """A PPM snapshot of a window."""

    def __init__(self, path):
        with open(path, "rb") as file:
            data = file.read()
        match = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
        self.width, self.height = int(match.group(1)), int(match.group(2))
        self.pixels = data[match.end():]

    def pixel(self, x, y):
        offset = 3 * (y * self.width + x)
        return tuple(self.pixels[offset:offset + 3])

    def count(self, box, predicate):
        left, top, right, bottom = box
        return sum(1 for y in range(top, bottom) for x in range(left, right) if predicate(self.pixel(x, y)))


def is_red_digit(rgb):
    red, green, blue = rgb
    return red >= 200 and green <= 80 and blue <= 80


def size_of(rect):
    return rect[2] - rect[0], rect[3] - rect[1]


class FirstStart(unittest.TestCase):
    def test_without_settings_the_window_is_centred_on_top_and_one_month_in_the_icon_title_font(self):
        program = Program(self)
        process = program.start()
        report = program.wait_for_window()
        [window] = report["windows"]

        self.assertTrue(window["ex_style"] & WS_EX_TOPMOST, "topmost")
        self.assertFalse(window["ex_style"] & WS_EX_APPWINDOW, "no taskbar button of its own")
        self.assertTrue(window["owner_ex_style"] & WS_EX_TOOLWINDOW, "owned by an invisible tool window")
        width, height = size_of(window["rect"])
        self.assertEqual((width, height), size_of(window["one_month"]),
                         "the window has the size of one month in the icon-title font")
        self.assertEqual(window["calendar_rect"], [0, 0, width, height], "the calendar fills the window")
        self.assertEqual(window["calendar_style"] & (MCS_DAYSTATE | MCS_NOTODAY | MCS_NOTODAYCIRCLE),
                         MCS_DAYSTATE | MCS_NOTODAYCIRCLE, "day states on, today line shown, no today mark")
        area = report["work_area"]
        left, top = window["rect"][:2]
        self.assertLessEqual(abs(left - (area[0] + area[2] - width) // 2), 1, "centred horizontally")
        self.assertLessEqual(abs(top - (area[1] + area[3] - height) // 2), 1, "centred vertically")

        self.assertEqual(program.close_by_system(process), 0)
        settings = program.settings()
        self.assertEqual([key for key, _ in settings], ["Font", "FontFace", "WindowPos", "Config", "CustomColors"])
        values = dict(settings)
        self.assertEqual(values["Font"], report["icon_title_font"])
        self.assertEqual(values["FontFace"], report["icon_title_face"])
        placement = [int(number) for number in values["WindowPos"].split(":")]
        self.assertEqual(len(placement), 10)
        self.assertEqual(placement[1], 1, "shown normally")
        self.assertEqual(placement[6:], window["rect"])
        self.assertEqual(values["Config"], "1,0,0,00ffffff,0,1,0,0000bf00,1")
        self.assertEqual(values["CustomColors"], ",".join(["ffffff"] * 16))


class SecondCopy(unittest.TestCase):
    def test_a_second_start_ends_at_once_and_leaves_the_first_untouched(self):
        program = Program(self)
        first = program.start()
        [before] = program.wait_for_window()["windows"]
        settings_before = program.read_bytes(SETTINGS)

        second = program.start()
        self.assertEqual(second.wait(timeout=60), 0, "the second copy ends by itself, silently")
        self.assertIsNone(first.poll(), "the first copy still runs")
        [after] = program.windows()["windows"]
        self.assertEqual(after, before, "the first window kept its place, size and styles")
        self.assertEqual(program.read_bytes(SETTINGS), settings_before, "the second copy wrote nothing")

        self.assertEqual(program.close_by_system(first), 0)
        self.assertTrue(os.path.exists(program.path(SETTINGS)))


class StoredSettings(unittest.TestCase):
    STORED_CONFIG = "0,0,1,00ff8000,1,0,1,000000ff,0"

    def test_stored_placement_and_options_come_back_and_are_kept(self):
        program = Program(self)
        # A show command of 0 (hidden) would leave a window without caption or
        # taskbar button out of reach: it opens normally all the same.
        with open(program.path(SETTINGS), "w", newline="\r\n") as file:
            file.write(f"[{SECTION}]\nWindowPos=0:0:-1:-1:-1:-1:100:120:330:260\n"
                       f"Config={self.STORED_CONFIG}\nCustomColors=123456,ABCDEF\n")
        process = program.start()
        [window] = program.wait_for_window()["windows"]

        self.assertEqual(window["rect"][:2], [100, 120], "the stored position")
        width, height = size_of(window["rect"])
        self.assertEqual((width, height), size_of(window["one_month"]), "sized to the month without today line")
        # Whether it is topmost cannot be seen here: Wine keeps WS_EX_TOPMOST on a
        # popup without caption. The option must survive in the file (below).
        self.assertEqual(window["calendar_style"] & (MCS_NOTODAY | MCS_NOTODAYCIRCLE), MCS_NOTODAY,
                         "today line hidden, today mark shown")
        background = program.snapshot().count([0, 0, width, height], lambda rgb: rgb == (0, 0x80, 0xFF))
        self.assertGreater(background, width * height // 10, "the stored background colour RGB(0, 128, 255)")

        self.assertEqual(program.close_by_system(process), 0)
        values = dict(program.settings())
        self.assertEqual(values["Config"], self.STORED_CONFIG)
        self.assertEqual(values["CustomColors"], ",".join(["123456", "abcdef"] + ["ffffff"] * 14))
        placement = [int(number) for number in values["WindowPos"].split(":")]
        self.assertEqual(placement[1], 1)
        self.assertEqual(placement[6:], [100, 120, 100 + width, 120 + height])


class Languages(unittest.TestCase):
    """May 2026: 3 to 6 May are Japanese holidays (3 May a Sunday), 25 May is
    Memorial Day in the United States."""

    def run_calendar(self, locale):
        program = Program(self)
        program.locale = locale
        program.date = "2026-05-10 12:00:00"
        process = program.start(winedebug="-all,+resource")
        program.wait_for_window()
        picture = program.snapshot()
        cells = json.loads(program.probe("cells", "2026-05-10"))
        self.assertEqual(program.close_by_system(process), 0)
        with open(program.path("wine-0.log"), "rb") as file:
            languages = set(re.findall(rb"FindResourceExA \S+ #0005 #0066 ([0-9a-f]{4})", file.read()))
        red = {day: picture.count(cells[f"2026-05-{day:02d}"], is_red_digit) for day in (4, 5, 6, 7, 25)}
        return languages, red

    def test_japanese_locale_uses_japanese_resources_and_holidays(self):
        languages, red = self.run_calendar("ja_JP.UTF-8")
        self.assertEqual(languages, {b"0411"}, "the main window's template is asked for in Japanese")
        for day in (4, 5, 6):
            self.assertGreater(red[day], 5, f"{day} May is a Japanese holiday: {red}")
        self.assertEqual(red[7], 0, f"7 May is a working day: {red}")
        self.assertEqual(red[25], 0, f"25 May is a working day in Japan: {red}")

    def test_english_locale_uses_english_resources_and_us_holidays(self):
        languages, red = self.run_calendar("en_US.UTF-8")
        self.assertEqual(languages, {b"0409"}, "the main window's template is asked for in English")
        self.assertGreater(red[25], 5, f"25 May is Memorial Day: {red}")
        for day in (4, 5, 6, 7):
            self.assertEqual(red[day], 0, f"{day} May is a working day in the United States: {red}")


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--program-dir", required=True)
    parser.add_argument("--probe", required=True)
    parser.add_argument("case")
    ARGS = parser.parse_args()
    suite = unittest.defaultTestLoader.loadTestsFromName(ARGS.case, sys.modules[__name__])
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    sys.exit(0 if result.wasSuccessful() else 1)


if __name__ == "__main__":
    main()
