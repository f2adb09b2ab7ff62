"""End-to-end tests of how WispaneCalendar.exe keeps its settings file: whole after
a kill at any moment of a save, written on a task manager's close, and found
beside the program in any folder."""
import json
import os
import random
import re
import subprocess
import tempfile
import time
import unittest

from e2e_support import SECTION, SETTINGS, Program, is_red_digit

PLACE = (100, 100)
WINDOW_POS = f"0:1:-1:-1:-1:-1:{PLACE[0]}:{PLACE[1]}:{PLACE[0] + 196}:{PLACE[1] + 123}"
CONFIG = "1,0,0,00e0f0ff,0,1,0,0000bf00,1"
MAIN_KEYS = {
    "Font": r"-?\d+(,-?\d+){12}",
    "FontFace": r".+",
    "WindowPos": r"-?\d+(:-?\d+){9}",
    "Config": r"\d+,\d+,\d+,[0-9a-f]{8},\d+,\d+,\d+,[0-9a-f]{8},\d+",
    "CustomColors": r"[0-9a-f]+(,[0-9a-f]+){15}",
}


def sections(data):
    """Section name -> its lines, in file order."""
    found, current = {}, None
    for line in data.decode("latin-1").split("\r\n"):
        if line.startswith("["):
            current = found.setdefault(line.strip("[]"), [])
        elif line and current is not None:
            current.append(line)
    return found


def main_keys(lines):
    return dict(line.split("=", 1) for line in lines if "=" in line)


class KillDuringSave(unittest.TestCase):
    TRIES = 40
    SCHEDULES = 20000

    def test_a_kill_at_any_moment_of_a_save_leaves_a_whole_file(self):
        program = Program(self)
        schedule_lines = [f"Schedule={1950 + day // 336}/{1 + day // 28 % 12}/{1 + day % 28},Note {day}, kept"
                          for day in range(self.SCHEDULES)]
        stored = "\r\n".join([f"[{SECTION}]", f"WindowPos={WINDOW_POS}", f"Config={CONFIG}", "[Schedule]"]
                             + schedule_lines + [""]).encode()

        def close_and_kill_after(delay):
            with open(program.path(SETTINGS), "wb") as file:
                file.write(stored)
            process = program.start()
            program.wait_until_shown()
            program.press_alt_f4_at(PLACE[0] + 40, PLACE[1] + 60)
            pressed = time.time()
            if delay is None:
                process.wait(timeout=60)
            else:
                time.sleep(delay)
                program.kill()
            return os.stat(program.path(SETTINGS)).st_mtime - pressed

        # The save ends with the file's last write: kills land from the key press
        # to a little after it, most of them within the save.
        span = max(1.25 * close_and_kill_after(None), 0.05)
        damaged = []
        for attempt in range(self.TRIES):
            delay = random.uniform(0, span)
            close_and_kill_after(delay)
            with open(program.path(SETTINGS), "rb") as file:
                found = sections(file.read())
            keys = main_keys(found.get(SECTION, []))
            # The file as it was stored, or with all five keys saved.
            well_formed = (set(keys) in ({"WindowPos", "Config"}, set(MAIN_KEYS)) and
                           all(re.fullmatch(MAIN_KEYS[key], value) for key, value in keys.items()))
            if found.get("Schedule") != schedule_lines or not well_formed:
                damaged.append(f"killed {delay * 1000:.0f} ms after the key: "
                               f"{len(found.get('Schedule', []))} schedules, main section {keys}")
        self.assertEqual(damaged, [], f"{len(damaged)} of {self.TRIES} kills within {span * 1000:.0f} ms of "
                                      "the close left a damaged file")


class SystemClose(unittest.TestCase):
    def test_a_task_managers_close_writes_every_key_every_time(self):
        program = Program(self)
        for attempt in range(5):
            with open(program.path(SETTINGS), "wb") as file:
                file.write(b"[Schedule]\r\nSchedule=2026/1/2,Kept\r\n")
            process = program.start()
            program.wait_until_shown()
            # Without /f: WM_CLOSE to every top-level window of the program, the
            # invisible owner window among them.
            subprocess.run(["wine", "taskkill", "/im", "WispaneCalendar.exe"], cwd=program.folder,
                           stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                           timeout=60)
            self.assertEqual(process.wait(timeout=60), 0)
            self.assertEqual([key for key, _ in program.settings()], list(MAIN_KEYS), f"close {attempt + 1}")


class AnyFolder(unittest.TestCase):
    """The settings file and Holiday.ini are found and written beside the program
    where the ANSI calls cannot name the folder as it is."""

    def run_from(self, subfolder):
        program = Program(self, subfolder)
        program.date = "2026-12-10 12:00:00"
        with open(program.path(SETTINGS), "wb") as file:
            file.write(f"[{SECTION}]\r\nWindowPos={WINDOW_POS}\r\nConfig={CONFIG}\r\n".encode())
        process = program.start()
        [window] = program.wait_for_window()["windows"]
        self.assertEqual(window["rect"][:2], list(PLACE), "the stored place was read")
        picture = program.snapshot()
        christmas = json.loads(program.probe("cells", "2026-12-10"))["2026-12-25"]
        self.assertGreater(picture.count(christmas, is_red_digit), 5, "Christmas Day from Holiday.ini is red")
        self.assertEqual(program.close_by_system(process), 0)
        self.assertEqual(sorted(key for key, _ in program.settings()), sorted(MAIN_KEYS), "the settings were written")
        self.assertEqual(dict(program.settings())["Config"], CONFIG)
        windows_folder = os.path.join(os.environ["WINEPREFIX"], "drive_c", "windows")
        self.assertFalse(os.path.exists(os.path.join(windows_folder, SETTINGS)), "nothing written elsewhere")
        return program

    def test_a_folder_named_in_japanese_on_an_english_system(self):
        self.run_from("カレンダー 日本 (テスト)")

    def test_a_settings_path_of_300_characters(self):
        # Z: maps the Unix root: "Z:", the folder and "\" + the file's name make 300
        # characters. The folder is a temporary one (8 random characters) and two below it.
        base = os.path.join(tempfile.gettempdir(), "wispane-e2e-" + "x" * 8)
        length = 300 - len("Z:") - len("\\" + SETTINGS) - len(base) - 2
        self.run_from(os.path.join("a" * (length // 2), "b" * (length - length // 2)))
