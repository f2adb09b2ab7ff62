"""End-to-end tests of the iCalendar commands of WispaneCalendar.exe, in English and
Japanese: the options menu's Export and Import items, the system's Save As and Open
dialogs, the message after each, the imported days in the schedule colour, and an
import onto a read-only settings file.
"""
import os
import stat
import time
import unittest

from e2e_support import SETTINGS, wait_for
from options_e2e import Options
from schedule_e2e import is_schedule_green, xdotool

DAY_KEYS = {"en_US.UTF-8": "12/{day}/2026", "ja_JP.UTF-8": "2026/12/{day}"}
TEXTS = {
    "en_US.UTF-8": {"exported": "Notes exported: 1", "added": "Notes added: {}", "joined": "Texts joined to a day's note: {}",
                    "present": "Texts already there: {}", "cancelled": "cancelled: 1", "not saved": "could not be saved",
                    "dentist": "Dentist"},
    "ja_JP.UTF-8": {"exported": "書き出した予定: 1", "added": "追加した予定: {}", "joined": "既存の予定に追記: {}",
                    "present": "登録済みの予定: {}", "cancelled": "キャンセル済み: 1", "not saved": "予定を保存できませんでした",
                    "dentist": "歯医者"},
}


def event(uid, lines):
    return ["BEGIN:VEVENT", f"UID:{uid}", "DTSTAMP:20261201T000000Z", *lines, "END:VEVENT"]


def calendar(*events):
    lines = ["BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//Wispane tests//EN"]
    for lines_of_event in events:
        lines += lines_of_event
    return ("\r\n".join(lines + ["END:VCALENDAR"]) + "\r\n").encode("utf-8")


def wine_path(path):
    return "Z:" + path.replace("/", "\\")


class CalendarFiles(unittest.TestCase):
    locale = "en_US.UTF-8"

    def setUp(self):
        self.options = Options(self, self.locale)
        self.program = self.options.program
        self.texts = TEXTS[self.locale]

    def choose_file(self, item, path):
        """The menu item, then the path typed into the file dialog it opens."""
        self.options.menu_by_mouse(item)
        wait_for(self.program.message_boxes, "the file dialog")
        time.sleep(1)
        xdotool("key", "End", "shift+Home")
        xdotool("type", wine_path(path))
        xdotool("key", "Return")

    def answer(self, what, *expected):
        """The message the command ends with, once it holds every expected text; then OK."""
        def shown():
            for box in self.program.message_boxes():
                text = "\n".join(box["texts"])
                if all(part in text for part in expected):
                    return text
            return None
        text = wait_for(shown, what, 30)
        self.program.probe("dismiss")
        wait_for(lambda: not self.program.message_boxes(), f"the end of {what}")
        # Without a window manager Wine waits two seconds as a window with a caption goes.
        time.sleep(2.5)
        return text

    def schedule_lines(self):
        with open(self.program.path(SETTINGS), "rb") as file:
            text = file.read().decode("cp932" if self.locale.startswith("ja") else "cp1252")
        return [line for line in text.split("\r\n") if line.startswith("Schedule=")]

    def green(self, day):
        return self.options.count(is_schedule_green, f"2026-12-{day:02d}") > 0

    def test_export_then_import_marks_the_days_and_a_second_import_changes_nothing(self):
        exported = os.path.join(self.program.base, "exported.ics")
        self.choose_file("p", exported)
        self.answer("the export message", self.texts["exported"])
        with open(exported, "rb") as file:
            written = file.read()
        self.assertIn(b"\r\nDTSTART;VALUE=DATE:20261216\r\nDTEND;VALUE=DATE:20261217\r\nSUMMARY:Piano\r\n", written)

        imported = os.path.join(self.program.base, "school.ics")
        with open(imported, "wb") as file:
            file.write(calendar(
                event("recital", ["DTSTART;VALUE=DATE:20261216", "SUMMARY:Recital"]),
                event("dentist", ["DTSTART;VALUE=DATE:20261217", "DTEND;VALUE=DATE:20261219",
                                  f"SUMMARY:{self.texts['dentist']}"]),
                event("yoga", ["DTSTART;VALUE=DATE:20261201", "RRULE:FREQ=WEEKLY;COUNT=4",
                               "EXDATE;VALUE=DATE:20261208", "SUMMARY:Yoga"]),
                event("party", ["DTSTART;VALUE=DATE:20261224", "STATUS:CANCELLED", "SUMMARY:Party"])))
        self.assertFalse(self.green(17))
        self.choose_file("i", imported)
        self.answer("the import message", self.texts["added"].format(5), self.texts["joined"].format(1),
                    self.texts["cancelled"])
        wait_for(lambda: self.green(17) and self.green(18) and self.green(22), "the imported days in green")
        self.assertTrue(self.green(1))
        self.assertFalse(self.green(8), "a day left out of the repetition")
        self.assertFalse(self.green(24), "a cancelled event")
        key = DAY_KEYS[self.locale]
        lines = self.schedule_lines()
        self.assertIn(f"Schedule={key.format(day=16)},Piano; Recital", lines)
        self.assertIn(f"Schedule={key.format(day=17)},{self.texts['dentist']}", lines)
        self.assertEqual(len(lines), 6)

        with open(self.program.path(SETTINGS), "rb") as file:
            before = file.read()
        self.choose_file("i", imported)
        self.answer("the second import's message", self.texts["added"].format(0), self.texts["present"].format(6))
        with open(self.program.path(SETTINGS), "rb") as file:
            self.assertEqual(file.read(), before)

    def test_an_import_onto_a_read_only_settings_file_is_refused_whole(self):
        imported = os.path.join(self.program.base, "trip.ics")
        with open(imported, "wb") as file:
            file.write(calendar(event("trip", ["DTSTART;VALUE=DATE:20261228", "SUMMARY:Trip"])))
        path = self.program.path(SETTINGS)
        with open(path, "rb") as file:
            before = file.read()
        os.chmod(path, stat.S_IRUSR | stat.S_IRGRP | stat.S_IROTH)
        self.addCleanup(os.chmod, path, stat.S_IRUSR | stat.S_IWUSR)
        self.choose_file("i", imported)
        self.answer("the failure message", self.texts["not saved"])
        with open(path, "rb") as file:
            self.assertEqual(file.read(), before)
        self.assertFalse(self.green(28))


class CalendarFilesJapanese(CalendarFiles):
    locale = "ja_JP.UTF-8"


if __name__ == "__main__":
    unittest.main()
