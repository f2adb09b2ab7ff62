"""End-to-end tests of legible text in a Wine prefix both languages use: the font
a run in one language saves must not leave the other language drawing the font's
missing-glyph boxes. A missing glyph is the same box whatever the character, so
different characters drawn as the same picture are boxes.
"""
import json
import unittest
from collections import Counter

from e2e_support import Program

ENGLISH, JAPANESE = "en_US.UTF-8", "ja_JP.UTF-8"
# Where the weekday names lie, from the cells of May 2026: its first row runs from
# Sunday 26 April. Every month has the same layout.
SHOWN = "2026-05-10"
WORKDAYS = ["2026-04-27", "2026-04-28", "2026-04-29", "2026-04-30", "2026-05-01"]


def marks(picture, box):
    """The pictures of what is drawn in the box on its most common colour, one per
    run of columns with something in them, so each is independent of where it lies
    across the box."""
    left, top, right, bottom = box
    columns = [tuple(picture.pixel(x, y) for y in range(top, bottom)) for x in range(left, right)]
    background = Counter(pixel for column in columns for pixel in column).most_common(1)[0][0]
    found, current = [], []
    for column in columns + [()]:
        if any(pixel != background for pixel in column):
            current.append(column)
        elif current:
            found.append(tuple(current))
            current = []
    return found


class EitherLanguageFirst(unittest.TestCase):
    def run_after(self, first, then, date=None):
        """Runs the calendar in the first language and closes it, which saves its
        font, then in the other with that settings file. Returns the second run's
        picture, the boxes of its names of Monday to Friday (the row above the first
        row of days) and the box of the title above them."""
        program = Program(self)
        program.locale = first
        process = program.start()
        program.wait_until_shown()
        program.dismiss_first_run_hint()
        program.wait_for_window()
        self.assertEqual(program.close_by_system(process), 0)

        program.locale = then
        program.date = date
        process = program.start()
        program.wait_for_window()
        picture = program.snapshot()
        cells = json.loads(program.probe("cells", SHOWN))
        self.assertEqual(program.close_by_system(process), 0)
        days = [cells[day] for day in WORKDAYS]
        top = days[0][1]
        header = top - (days[0][3] - top)
        # Two pixels in from the sides, clear of the coloured weekend columns.
        weekdays = [[left + 2, header, right - 2, top] for left, _, right, _ in days]
        return picture, weekdays, [days[0][0], 0, days[-1][2], header]

    def assert_different_names(self, picture, weekdays):
        names = [tuple(marks(picture, box)) for box in weekdays]
        self.assertTrue(all(names), "each weekday has a name")
        self.assertEqual(len(set(names)), 5, "Monday to Friday drawn as five different pictures, not boxes")

    # Each order catches the prefixes made in the language that runs first.
    def test_japanese_after_english(self):
        picture, weekdays, title = self.run_after(ENGLISH, JAPANESE, date=f"{SHOWN} 12:00:00")
        self.assert_different_names(picture, weekdays)
        title = marks(picture, title)
        self.assertGreaterEqual(len(title), 3, "the title's characters stand apart")
        self.assertNotEqual(title[-1], title[-3], "年 and 月 either side of the 5 in 2026年5月, not two boxes")

    def test_english_after_japanese(self):
        picture, weekdays, _ = self.run_after(JAPANESE, ENGLISH)
        self.assert_different_names(picture, weekdays)
