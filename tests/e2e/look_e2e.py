"""End-to-end tests of WispaneCalendar.exe's see-through look, its today line and
its timers: what a user sees on the desktop."""
import json
import os
import subprocess
import time
import unittest

from e2e_support import SECTION, SETTINGS, Program, is_red_digit, screen

ID_SEE_THROUGH = 32772
PLACE = (100, 100)
WINDOW_POS = f"0:1:-1:-1:-1:-1:{PLACE[0]}:{PLACE[1]}:{PLACE[0] + 196}:{PLACE[1] + 123}"
DESKTOP = (0x33, 0x66, 0x99)
BACKGROUND = (0xFF, 0xF0, 0xE0)  # stored as 00e0f0ff


def store(program, config):
    with open(program.path(SETTINGS), "wb") as file:
        file.write(f"[{SECTION}]\r\nWindowPos={WINDOW_POS}\r\nConfig={config}\r\n".encode())


def is_dark(rgb):
    return max(rgb) < 100


def is_selected_holiday(rgb):
    """The selection's blue with the holiday's red mixed in: pink."""
    red, green, blue = rgb
    return red >= 200 and green <= 150 and blue >= 100


class SeeThrough(unittest.TestCase):
    def setUp(self):
        subprocess.run(["xsetroot", "-solid", "#%02x%02x%02x" % DESKTOP], check=True)
        self.addCleanup(subprocess.run, ["xsetroot", "-def"])

    def desktop_share(self, program, window):
        """The share of the window's rectangle where the desktop shows through."""
        picture = screen(window["rect"])
        area = picture.width * picture.height
        return picture.count((0, 0, picture.width, picture.height), lambda rgb: rgb == DESKTOP) / area, picture

    def wait_for_share(self, program, window, wanted, timeout=10):
        """The share and the picture once the share is as wanted and the picture has
        settled (the same twice in a row: a repaint may be under way)."""
        deadline = time.monotonic() + timeout
        previous = None
        while True:
            share, picture = self.desktop_share(program, window)
            settled = previous is not None and picture.pixels == previous.pixels
            if (wanted(share) and settled) or time.monotonic() > deadline:
                return share, picture
            previous = picture
            time.sleep(0.3)

    def test_only_digits_marks_and_title_stay_on_the_desktop(self):
        program = Program(self)
        program.date = "2026-12-10 12:00:00"
        store(program, "1,0,0,00e0f0ff,0,1,0,0000bf00,1")
        process = program.start()
        [window] = program.wait_for_window()["windows"]
        width, height = window["rect"][2] - window["rect"][0], window["rect"][3] - window["rect"][1]
        christmas = json.loads(program.probe("cells", "2026-12-10"))["2026-12-25"]
        share, plain = self.desktop_share(program, window)
        self.assertEqual(share, 0, "the plain calendar hides the desktop")

        program.command(ID_SEE_THROUGH)
        share, see_through = self.wait_for_share(program, window, lambda share: share > 0.4)
        self.assertGreater(share, 0.4, "the desktop shows where the calendar was white")
        whole = (0, 0, width, height)
        self.assertGreater(see_through.count(whole, is_dark), 0.5 * plain.count(whole, is_dark), "the digits stay")
        self.assertGreater(see_through.count(christmas, is_red_digit), 5, "Christmas Day stays red")
        title = (0, 0, width, height // 8)
        self.assertLess(see_through.count(title, lambda rgb: rgb == DESKTOP), width * (height // 8) // 10,
                        "the title band stays")

        program.command(ID_SEE_THROUGH)
        share, plain_again = self.wait_for_share(program, window, lambda share: share == 0)
        self.assertEqual(share, 0, "whole again")
        self.assertGreater(plain_again.count(whole, lambda rgb: rgb == BACKGROUND), width * height // 10,
                           "its background colour is back")
        self.assertEqual(program.close_by_system(process), 0)
        self.assertEqual(dict(program.settings())["Config"].split(",")[1], "0")

        store(program, "1,1,0,00e0f0ff,0,1,0,0000bf00,1")
        program.start()
        [window] = program.wait_for_window()["windows"]
        share, _ = self.wait_for_share(program, window, lambda share: share > 0.4)
        self.assertGreater(share, 0.4, "see-through from the start")


class Midnight(unittest.TestCase):
    """New Year's Day is a holiday under the English and the Japanese rules."""

    def test_the_calendar_moves_to_the_new_day_at_midnight(self):
        for locale in ("en_US.UTF-8", "ja_JP.UTF-8"):
            program = Program(self)
            program.locale = locale
            program.date = "2026-12-31 23:59:50"
            store(program, "1,0,0,00ffffff,0,1,0,0000bf00,1")
            program.start()
            program.wait_until_shown()
            new_year = json.loads(program.probe("cells", "2027-01-01"))["2027-01-01"]
            area = (new_year[2] - new_year[0]) * (new_year[3] - new_year[1])
            deadline = time.monotonic() + 30
            share = 0
            while time.monotonic() < deadline and share < 0.4:
                time.sleep(0.5)
                share = program.snapshot().count(new_year, is_selected_holiday) / area
            self.assertGreaterEqual(share, 0.4, f"{locale}: 1 January 2027 shows as today, red")
            program.kill()


class TheMinute(unittest.TestCase):
    def test_the_time_in_the_today_line_follows_the_minute(self):
        program = Program(self)
        program.date = "2026-12-10 14:05:55"
        store(program, "1,0,0,00ffffff,0,1,0,0000bf00,1")
        started = time.monotonic()
        program.start()
        program.wait_until_shown()
        cells = json.loads(program.probe("cells", "2026-12-10"))
        [window] = program.windows()["windows"]
        width, height = window["rect"][2] - window["rect"][0], window["rect"][3] - window["rect"][1]
        today_line = (0, max(box[3] for box in cells.values()), width, height)
        before = program.snapshot()
        changed = False
        while not changed and time.monotonic() < started + 10:
            time.sleep(0.5)
            after = program.snapshot()
            changed = any(before.pixel(x, y) != after.pixel(x, y)
                          for y in range(today_line[1], today_line[3]) for x in range(today_line[0], today_line[2]))
        self.assertTrue(changed, "14:05 turned 14:06 within 10 seconds of the start")
        program.kill()


class FirstRun(unittest.TestCase):
    HINTS = {
        "en_US.UTF-8": "Right Click on Titlebar\n to Display Menu",
        "ja_JP.UTF-8": "タイトルバーで右クリックすると\n設定メニューが表示されます",
    }

    def test_the_hint_shows_once_per_settings_file_in_the_chosen_language(self):
        for locale, hint in self.HINTS.items():
            program = Program(self)
            program.locale = locale
            process = program.start()
            program.wait_until_shown()
            self.assertIn(hint, program.dismiss_first_run_hint(), locale)
            deadline = time.monotonic() + 10
            while not os.path.exists(program.path(SETTINGS)) and time.monotonic() < deadline:
                time.sleep(0.1)
            self.assertTrue(os.path.exists(program.path(SETTINGS)), "the settings file exists once the hint is gone")
            self.assertEqual(program.close_by_system(process), 0)

            process = program.start()
            program.wait_for_window()
            self.assertEqual(program.message_boxes(), [], "no hint on the next start")
            self.assertEqual(program.close_by_system(process), 0)
