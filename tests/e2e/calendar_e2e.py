"""End-to-end tests of WispaneCalendar.exe under Wine: start-up, a second copy,
stored settings and the two languages.

Each test copies the program folder (program, Holiday.ini) into a fresh temporary
folder, starts the program there as a user would, looks at its window from outside
with wispane-window-probe.exe, acts with xdotool on the display, and reads the
settings file the program leaves beside itself.
"""
import json
import os
import re
import unittest

from e2e_support import (MCS_DAYSTATE, MCS_NOTODAY, MCS_NOTODAYCIRCLE, SECTION, SETTINGS, WS_EX_APPWINDOW,
                         WS_EX_TOOLWINDOW, WS_EX_TOPMOST, Program, is_red_digit, size_of)


class FirstStart(unittest.TestCase):
    def test_without_settings_the_window_is_centred_on_top_and_one_month_in_the_icon_title_font(self):
        program = Program(self)
        process = program.start()
        program.wait_until_shown()
        program.dismiss_first_run_hint()
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
        program.wait_until_shown()
        program.dismiss_first_run_hint()
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
        month_width, month_height = size_of(window["one_month"])
        # Wine's control keeps the room of a hidden today line in its minimum size:
        # the window ends below the weeks, as when the line is hidden from the menu.
        self.assertEqual(width, month_width, "as wide as one month")
        self.assertLess(height, month_height, "no room kept for the hidden today line")
        self.assertEqual(size_of(window["calendar_rect"]), (width, height), "the calendar fills the window")
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
        program.wait_until_shown()
        program.dismiss_first_run_hint()
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
