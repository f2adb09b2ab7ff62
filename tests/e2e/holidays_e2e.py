"""End-to-end tests of the holidays of the user's country: under a German, a British
and a Swedish locale the program marks that country's holidays from its Holiday.ini
in red (an Easter holiday, a holiday on a weekend and the day it is observed on) and
shows a tooltip over a holiday, none over a working day. The tooltips' texts, which
another process cannot read under Wine, are checked by the window tests."""
import json
import unittest

from e2e_support import SECTION, SETTINGS, Program, wait_for
from schedule_e2e import CONFIG, WINDOW_POS, Calendar, xdotool


def is_holiday_red(rgb):
    """A holiday's digits: red, or on a Saturday blue with the red merged in (magenta)."""
    red, green, _ = rgb
    return red >= 200 and green <= 80


def month_number(month):
    year, number = month.split("-")
    return 12 * int(year) + int(number)


class CountryCalendar(Calendar):
    """The program started with a settings file in a country's locale on `today`,
    showing today's month."""

    def __init__(self, test, locale, today):
        self.program = Program(test)
        self.program.locale = locale
        self.program.date = f"{today} 12:00:00"
        with open(self.program.path(SETTINGS), "wb") as file:
            file.write(f"[{SECTION}]\r\nWindowPos={WINDOW_POS}\r\nConfig={CONFIG}\r\n".encode())
        self.process = self.program.start()
        [self.window] = self.program.wait_for_window()["windows"]
        self.month = today[:7]
        self.look()

    def show(self, month):
        """Goes to `month` ("YYYY-MM") with the arrow keys, as a user would."""
        steps = month_number(month) - month_number(self.month)
        left, top, right, bottom = self.window["rect"]
        xdotool("mousemove", str((left + right) // 2), str((top + bottom) // 2))
        xdotool("key", "--delay", "100", *["Right" if steps > 0 else "Left"] * abs(steps))
        wait_for(lambda: self.program.probe("selection").decode().startswith(month), f"{month} after the keys")
        self.program.wait_for_window()
        self.month = month
        self.look()

    def look(self):
        self.cells = json.loads(self.program.probe("cells", f"{self.month}-01"))
        self.picture = self.program.snapshot()

    def red(self, days):
        return {day: self.picture.count(self.cells[f"{self.month}-{day:02d}"], is_holiday_red) for day in days}

    def screen_point(self, day, dx=0, dy=0):
        left, top, right, bottom = self.cells[f"{self.month}-{day:02d}"]
        return self.window["rect"][0] + (left + right) // 2 + dx, self.window["rect"][1] + (top + bottom) // 2 + dy


class CountryCase(unittest.TestCase):
    def assert_red(self, calendar, holidays, working_days):
        red = calendar.red(holidays + working_days)
        for day in holidays:
            self.assertGreater(red[day], 5, f"{calendar.month}-{day:02d} is red: {red}")
        for day in working_days:
            self.assertEqual(red[day], 0, f"{calendar.month}-{day:02d} is not red: {red}")

    def assert_tips(self, calendar, holiday, working_day):
        # The working day first: a tip still fading out would pass for its own.
        self.assertFalse(calendar.shows_tooltip(working_day), f"no tooltip over {calendar.month}-{working_day:02d}")
        self.assertTrue(calendar.shows_tooltip(holiday), f"a tooltip over {calendar.month}-{holiday:02d}")

    def assert_easter_2027(self, calendar):
        calendar.show("2027-03")
        self.assert_red(calendar, [26, 29], [25])  # Good Friday and Easter Monday


class GermanHolidays(CountryCase):
    def test_the_monday_after_unity_day_on_a_sunday_is_a_working_day(self):
        calendar = CountryCalendar(self, "de_DE.UTF-8", "2027-10-13")
        self.assert_red(calendar, [3], [4, 5, 6, 7, 8])
        self.assert_tips(calendar, 3, 4)
        self.assert_easter_2027(calendar)


class BritishHolidays(CountryCase):
    def test_christmas_on_the_weekend_is_observed_on_monday_and_tuesday(self):
        calendar = CountryCalendar(self, "en_GB.UTF-8", "2027-12-15")
        self.assert_red(calendar, [25, 26, 27, 28], [24, 29, 30, 31])
        self.assert_tips(calendar, 27, 29)
        self.assert_easter_2027(calendar)


class SwedishHolidays(CountryCase):
    def test_holidays_on_the_weekend_are_not_observed_on_another_day(self):
        calendar = CountryCalendar(self, "sv_SE.UTF-8", "2027-06-16")
        # 6 June a Sunday, Midsummer's Day Saturday 26 June; 19 June a plain Saturday.
        self.assert_red(calendar, [6, 26], [7, 19, 25])
        self.assert_tips(calendar, 26, 7)
        self.assert_easter_2027(calendar)


if __name__ == "__main__":
    unittest.main()
