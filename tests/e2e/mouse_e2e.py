"""End-to-end tests of where WispaneCalendar.exe answers the mouse: nothing off the
days and the title, everything the user must reach in the see-through look, and the
title again at once after Delete Schedule."""
import json
import subprocess
import time
import unittest

import schedule_e2e
from e2e_support import screen, wait_for
from schedule_e2e import Calendar, xdotool

DESKTOP = (0x33, 0x66, 0x99)
PLAIN = schedule_e2e.CONFIG
SEE_THROUGH_TITLE = "1,1,0,00ffffff,0,1,1,0000bf00,1"


def is_ink(rgb):
    """Neither the see-through white nor the desktop: something drawn."""
    return rgb != (255, 255, 255) and rgb != DESKTOP


class CalendarAnswers(unittest.TestCase):
    locale = "en_US.UTF-8"

    def setUp(self):
        subprocess.run(["xsetroot", "-solid", "#%02x%02x%02x" % DESKTOP], check=True)
        self.addCleanup(subprocess.run, ["xsetroot", "-def"])

    def start(self, config, schedules=b""):
        return Calendar(self, self.locale, schedules, config=config)

    def menu(self, calendar):
        try:
            return json.loads(calendar.program.probe("menu"))["rect"]
        except AssertionError:
            return None

    def right_click(self, x, y):
        xdotool("mousemove", str(x), str(y), "click", "3")
        time.sleep(1)

    def test_a_right_click_off_the_days_and_the_title_opens_no_menu(self):
        calendar = self.start(PLAIN)
        left, top, right, bottom = calendar.window["rect"]
        first = calendar.cells["2026-12-01"]
        last_row = max(cell[3] for cell in calendar.cells.values())
        for what, (x, y) in {"the weekday row": (left + (first[0] + first[2]) // 2, top + first[1] - 4),
                             "the today line": ((left + right) // 2, top + last_row + 4)}.items():
            self.right_click(x, y)
            self.assertIsNone(self.menu(calendar), f"{self.locale}: a menu on {what}")
        self.right_click((left + right) // 2, top + 2)
        self.assertIsNotNone(self.menu(calendar), "the options menu on the title")
        xdotool("key", "Escape")

    def test_the_see_through_title_keeps_the_arrows_the_year_box_and_the_weekday_names(self):
        calendar = self.start(SEE_THROUGH_TITLE)
        left, top, right, _ = calendar.window["rect"]
        first = calendar.cells["2026-12-01"]
        picture = calendar.program.snapshot()
        names = (0, first[1] - (first[3] - first[1]), picture.width, first[1] - 1)
        self.assertGreater(picture.count(names, is_ink), 40, f"{self.locale}: the weekday names show")

        # The next month's button: a pixel of its white face, just inside its frame.
        row = 9
        x = picture.width - 1
        while not is_ink(picture.pixel(x, row)):
            x -= 1
        while is_ink(picture.pixel(x, row)):
            x -= 1
        xdotool("mousemove", str(left + x - 2), str(top + row), "click", "1")
        wait_for(lambda: calendar.program.snapshot().pixels != picture.pixels, "the next month", 5)

        # The year: the last word of the English title, the first of the Japanese one.
        picture = calendar.program.snapshot()
        title = [x for x in range(picture.width) if is_ink(picture.pixel(x, row))]
        text = [x for x in title if 30 < x < picture.width - 30]
        year = text[-4] if self.locale.startswith("en") else text[3]
        band = (left, top, right, top + first[1] - (first[3] - first[1]))
        holes = screen(band).count((0, 0, right - left, band[3] - top), lambda rgb: rgb == DESKTOP)
        xdotool("mousemove", str(left + year), str(top + row), "click", "1")
        wait_for(lambda: screen(band).count((0, 0, right - left, band[3] - top),
                                            lambda rgb: rgb == DESKTOP) < holes - 150,
                 f"{self.locale}: the year's edit box and spin buttons whole", 10)
        xdotool("key", "Escape")

    def test_after_delete_schedule_the_title_drags_and_opens_the_options_menu(self):
        calendar = self.start(PLAIN, f"Schedule={calendar_key(self.locale)},Piano\r\n".encode())
        self.assertEqual(calendar.day_menu(16), [False, False])
        xdotool("key", "d")
        wait_for(calendar.program.message_boxes, "the confirmation")
        xdotool("key", "Return")
        wait_for(lambda: not calendar.schedule_lines(), "the line gone")
        wait_for(lambda: not calendar.program.message_boxes(), "the confirmation gone")
        left, top = calendar.window["rect"][:2]
        # The press is held while the program, however busy, takes it.
        xdotool("mousemove", str(left + 40), str(top + 8), "mousedown", "1", "sleep", "0.5")
        for step in range(1, 6):
            xdotool("mousemove", str(left + 40 + 10 * step), str(top + 8 + 5 * step))
        xdotool("mouseup", "1")
        moved = wait_for(lambda: calendar.program.windows()["windows"][0]["rect"][:2] == [left + 50, top + 25],
                         f"{self.locale}: the drag", 5)
        self.assertTrue(moved)
        self.right_click(left + 50 + 60, top + 25 + 3)
        self.assertIsNotNone(self.menu(calendar), f"{self.locale}: the options menu after Delete Schedule")
        xdotool("key", "Escape")


def calendar_key(locale):
    return schedule_e2e.KEYS[locale].format(day=16)


class CalendarAnswersJapanese(CalendarAnswers):
    locale = "ja_JP.UTF-8"


if __name__ == "__main__":
    unittest.main()
