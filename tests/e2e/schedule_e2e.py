"""End-to-end tests of schedules by hand in WispaneCalendar.exe: the title dragged,
the day menu, the "Edit Schedule" dialog and Delete Schedule, driven with the
mouse and the keyboard as a user would."""
import json
import os
import stat
import subprocess
import time
import unittest

from e2e_support import SECTION, SETTINGS, Program, screen, wait_for

PLACE = (100, 100)
WINDOW_POS = f"0:1:-1:-1:-1:-1:{PLACE[0]}:{PLACE[1]}:{PLACE[0] + 196}:{PLACE[1] + 123}"
WS_DISABLED = 0x08000000
CONFIG = "1,0,0,00ffffff,0,1,0,0000bf00,1"
TODAY = "2026-12-10"
KEYS = {"en_US.UTF-8": "12/{day}/2026", "ja_JP.UTF-8": "2026/12/{day}"}


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], check=True)


def is_schedule_green(rgb):
    red, green, blue = rgb
    return green >= 150 and red <= 150 and blue <= 150


class Calendar:
    """The program started on 10 December 2026 with a settings file."""

    def __init__(self, test, locale="en_US.UTF-8", schedules=b"", font=None, config=CONFIG):
        self.program = Program(test)
        self.program.locale = locale
        self.program.date = f"{TODAY} 12:00:00"
        self.key = KEYS[locale]
        with open(self.program.path(SETTINGS), "wb") as file:
            head = f"[{SECTION}]\r\nWindowPos={WINDOW_POS}\r\nConfig={config}\r\n"
            if font:
                head += f"Font={font[0]},0,0,0,400,0,0,0,1,0,0,0,0\r\nFontFace={font[1]}\r\n"
            file.write(head.encode("cp932") + b"[Schedule]\r\n" + schedules)
        self.process = self.program.start()
        [self.window] = self.program.wait_for_window()["windows"]
        self.cells = json.loads(self.program.probe("cells", TODAY, *(str(part) for part in font or ())))

    def screen_point(self, day, dx=0, dy=0):
        left, top, right, bottom = self.cells[f"2026-12-{day:02d}"]
        return self.window["rect"][0] + (left + right) // 2 + dx, self.window["rect"][1] + (top + bottom) // 2 + dy

    def day_menu(self, day):
        """Right-clicks the day; once the menu shows, whether each of its two items
        is drawn greyed (grey text, no black)."""
        x, y = self.screen_point(day)
        xdotool("mousemove", str(x), str(y), "click", "3")
        rect = wait_for(lambda: json.loads(self.program.probe("menu"))["rect"], "the day menu")
        time.sleep(0.3)
        picture = screen(rect)
        half = picture.height // 2
        greyed = []
        for top in (0, half):
            box = (0, top, picture.width, top + half)
            black = picture.count(box, lambda rgb: max(rgb) < 60)
            grey = picture.count(box, lambda rgb: 100 <= min(rgb) and max(rgb) <= 180)
            greyed.append(black == 0 and grey > 10)
        return greyed

    def schedule_lines(self):
        with open(self.program.path(SETTINGS), "rb") as file:
            data = file.read()
        return data.split(b"[Schedule]\r\n", 1)[1].split(b"\r\n[", 1)[0].splitlines() if b"[Schedule]" in data else []

    def green(self, day):
        return self.program.snapshot().count(self.cells[f"2026-12-{day:02d}"], is_schedule_green)

    def shows_tooltip(self, day):
        """Whether a tooltip shows while the mouse rests on the day. (Its text, which
        another process cannot read under Wine, is checked by the window tests.)"""
        x, y = self.screen_point(day, 2, 2)
        xdotool("mousemove", str(x), str(y))
        time.sleep(0.2)
        xdotool("mousemove", str(x + 1), str(y))
        deadline = time.monotonic() + 3
        while time.monotonic() < deadline:
            if json.loads(self.program.probe("tooltips")):
                return True
            time.sleep(0.2)
        return False


class DragTitle(unittest.TestCase):
    def test_dragging_the_title_moves_the_window_and_the_place_is_kept(self):
        calendar = Calendar(self)
        # The title band between the month button and the month's name.
        x, y = PLACE[0] + 40, PLACE[1] + 8
        xdotool("mousemove", str(x), str(y), "mousedown", "1")
        for step in range(1, 11):
            xdotool("mousemove", str(x + 12 * step), str(y + 7 * step))
        xdotool("mouseup", "1")
        time.sleep(0.5)
        [window] = calendar.program.windows()["windows"]
        self.assertEqual(window["rect"][:2], [PLACE[0] + 120, PLACE[1] + 70], "moved by the drag distance")
        self.assertEqual(calendar.program.close_by_system(calendar.process), 0)
        placement = [int(n) for n in dict(calendar.program.settings())["WindowPos"].split(":")]
        self.assertEqual(placement[6:8], [PLACE[0] + 120, PLACE[1] + 70])


class EditAndDelete(unittest.TestCase):
    def test_a_note_is_added_shown_and_deleted_from_the_day_menu(self):
        for locale in ("en_US.UTF-8", "ja_JP.UTF-8"):
            calendar = Calendar(self, locale)
            key = calendar.key.format(day=16).encode()
            # Before the menu: its highlight is drawn in the schedule colour.
            green_before = calendar.green(16)
            self.assertEqual(calendar.day_menu(16), [False, True], "no note: Delete greyed")
            xdotool("key", "e")
            time.sleep(2)
            [window] = calendar.program.windows()["windows"]
            self.assertTrue(window["style"] & WS_DISABLED, "the calendar waits while the editor runs")
            # Saved by the mnemonic while the name is still being typed.
            xdotool("type", "Piano lesson")
            xdotool("key", "alt+s")
            wait_for(lambda: key + b",Piano lesson" in b"".join(calendar.schedule_lines()), "the line")
            self.assertEqual(calendar.schedule_lines(), [b"Schedule=" + key + b",Piano lesson"], locale)
            wait_for(lambda: calendar.green(16) > green_before + 5, "the schedule colour")
            self.assertTrue(calendar.shows_tooltip(16), "the note's tooltip")

            self.assertEqual(calendar.day_menu(16), [False, False], "a note: Delete enabled")
            xdotool("key", "d")
            boxes = wait_for(calendar.program.message_boxes, "the confirmation")
            self.assertIn(calendar.key.format(day=16) + " Piano lesson", boxes[0]["texts"][0])
            calendar.program.probe("dismiss")
            wait_for(lambda: not calendar.schedule_lines(), "the line gone")
            wait_for(lambda: calendar.green(16) <= green_before, "the colour gone")
            self.assertFalse(calendar.shows_tooltip(16), "no tooltip without the note")
            calendar.program.kill()


class KeptAsStored(unittest.TestCase):
    """Every line comes back after "Save && Close" without changes, but for the key
    and the order; "Cancel" leaves the file as it was."""

    def stored_lines(self, key):
        lines = [f"Schedule={key.format(day=15)},歯医者、午後", "Schedule=2026/11/03,lunch, then tea, at two",
                 "Schedule=no comma at all", "Other=2026/10/01,other key"]
        lines += [f"Schedule={1900 + n // 365}/{1 + n // 28 % 12}/{1 + n % 28},Note {n}" for n in range(1000)]
        return [line.encode("cp932") for line in lines]

    def test_save_and_close_without_changes_keeps_every_line_and_cancel_keeps_the_file(self):
        calendar = Calendar(self, "ja_JP.UTF-8")
        lines = self.stored_lines(calendar.key)
        calendar.program.kill()
        for button, expected in (("Escape", None), ("alt+s", "rewritten")):
            calendar = Calendar(self, "ja_JP.UTF-8", b"\r\n".join(lines) + b"\r\n")
            before = calendar.program.read_bytes(SETTINGS)
            calendar.day_menu(15)
            xdotool("key", "e")
            time.sleep(2.5)
            xdotool("key", "Escape")  # the name editor, opened on the day's row
            time.sleep(0.3)
            xdotool("key", button)
            time.sleep(3)
            if expected is None:
                self.assertEqual(calendar.program.read_bytes(SETTINGS), before, "Cancel writes nothing")
            else:
                rewritten = [b"Schedule=" + line.split(b"=", 1)[1] if b"," in line else b"Schedule=," +
                             line.split(b"=", 1)[1] for line in lines]
                self.assertEqual(sorted(calendar.schedule_lines()), sorted(rewritten))
            calendar.program.kill()


class ReadOnly(unittest.TestCase):
    def test_a_failed_save_is_said_and_the_typed_rows_stay(self):
        calendar = Calendar(self)
        path = calendar.program.path(SETTINGS)
        os.chmod(path, stat.S_IRUSR | stat.S_IRGRP | stat.S_IROTH)
        self.addCleanup(os.chmod, path, stat.S_IRUSR | stat.S_IWUSR)
        calendar.day_menu(17)
        xdotool("key", "e")
        time.sleep(2.5)
        xdotool("type", "Kept")
        xdotool("key", "Return", "alt+s")
        boxes = wait_for(calendar.program.message_boxes, "the failure message")
        self.assertIn("could not be saved", boxes[0]["texts"][0])
        calendar.program.probe("dismiss")
        time.sleep(2.5)
        os.chmod(path, stat.S_IRUSR | stat.S_IWUSR)
        xdotool("key", "alt+s")
        key = calendar.key.format(day=17).encode()
        wait_for(lambda: calendar.schedule_lines() == [b"Schedule=" + key + b",Kept"], "the typed row saved")

        # Delete Schedule on a read-only file: said, and the day keeps its note.
        time.sleep(2.5)
        os.chmod(path, stat.S_IRUSR | stat.S_IRGRP | stat.S_IROTH)
        calendar.day_menu(17)
        xdotool("key", "d")
        wait_for(calendar.program.message_boxes, "the confirmation")
        calendar.program.probe("dismiss")
        time.sleep(2.5)
        boxes = wait_for(calendar.program.message_boxes, "the failure message")
        self.assertIn("could not be saved", boxes[0]["texts"][0])
        calendar.program.probe("dismiss")
        self.assertEqual(calendar.schedule_lines(), [b"Schedule=" + key + b",Kept"])
        self.assertEqual(calendar.day_menu(17), [False, False], "the day still has its note")
        calendar.program.kill()


def date_of(line):
    """The date text of a section line, as the program reads it."""
    value = line.split(b"=", 1)[1] if b"=" in line else line
    return value.split(b",", 1)[0] if b"," in value else b""


def as_row(line):
    """The line as the editor writes it back: key "Schedule", date, comma, name."""
    value = line.split(b"=", 1)[1] if b"=" in line else line
    return b"Schedule=" + (value if b"," in value else b"," + value)


class EveryNoteKept(unittest.TestCase):
    """Ten thousand notes, three of them on one day, lines without a comma and with
    another key: Delete Schedule takes the one note it names, the editor's saves keep
    the order of the notes of a day and write nothing for a row never used, a save
    that changes nothing leaves the file alone, and no other line is ever lost."""

    def notes(self, key):
        lines = [f"Schedule={key.format(day=15)},Dentist", f"Schedule={key.format(day=28)},Book club",
                 f"Schedule={key.format(day=15)},Piano", "Schedule=no comma at all",
                 f"Other={key.format(day=1).replace('2026', '2025')},other key",
                 f"Schedule={key.format(day=15)},Violin, with a comma"]
        lines += [f"Schedule={key.replace('2026', str(1990 + n % 30)).format(day=1 + n % 28)},Note {n}"
                  for n in range(10000)]
        return [line.encode() for line in lines]

    def delete(self, calendar, day):
        calendar.day_menu(day)
        xdotool("key", "d")
        boxes = wait_for(calendar.program.message_boxes, "the confirmation")
        calendar.program.probe("dismiss")
        return boxes[0]["texts"][0]

    def save_editor_unchanged(self, calendar, day):
        """The editor opened on a free day, its name editor left with Esc, Save && Close."""
        calendar.day_menu(day)
        xdotool("key", "e")
        time.sleep(3)
        xdotool("key", "Escape")
        time.sleep(0.3)
        xdotool("key", "alt+s")
        wait_for(lambda: not calendar.program.windows()["windows"][0]["style"] & WS_DISABLED, "the editor closed")

    def test_only_the_notes_deleted_go(self):
        for locale in ("en_US.UTF-8", "ja_JP.UTF-8"):
            key = KEYS[locale]
            lines = self.notes(key)
            calendar = Calendar(self, locale, b"\r\n".join(lines) + b"\r\n")
            book_club, dentist = lines[1], lines[0]

            self.assertIn(key.format(day=28) + " Book club", self.delete(calendar, 28))
            kept = [line for line in lines if line != book_club]
            wait_for(lambda: len(calendar.schedule_lines()) == len(kept), "the line gone")
            self.assertEqual(calendar.schedule_lines(), sorted(kept, key=date_of), locale)

            self.assertIn(key.format(day=15) + " Dentist", self.delete(calendar, 15))
            kept.remove(dentist)
            wait_for(lambda: len(calendar.schedule_lines()) == len(kept), "the first note of the day gone")
            self.assertEqual(calendar.schedule_lines(), sorted(kept, key=date_of), locale)
            self.assertGreater(calendar.green(15), 5, "the next note of the day shows")

            self.save_editor_unchanged(calendar, 20)
            written = calendar.program.read_bytes(SETTINGS)
            rows = calendar.schedule_lines()
            self.assertEqual(sorted(rows), sorted(as_row(line) for line in kept), "no row added, none lost")
            day15 = [row for row in rows if date_of(row) == key.format(day=15).encode()]
            self.assertEqual(day15, [as_row(lines[2]), as_row(lines[5])], "the notes of a day in their order")

            stamp = os.stat(calendar.program.path(SETTINGS)).st_mtime_ns
            time.sleep(1)
            self.save_editor_unchanged(calendar, 3)
            self.assertEqual(calendar.program.read_bytes(SETTINGS), written, "a second save changes no byte")
            self.assertEqual(os.stat(calendar.program.path(SETTINGS)).st_mtime_ns, stamp, "nor the time stamp")
            self.assertEqual(calendar.program.close_by_system(calendar.process), 0)
            self.assertEqual(calendar.schedule_lines(), rows)

            # Started and closed again without a change: the file is not written.
            closed = calendar.program.read_bytes(SETTINGS)
            stamp = os.stat(calendar.program.path(SETTINGS)).st_mtime_ns
            process = calendar.program.start()
            calendar.program.wait_for_window()
            time.sleep(1)
            self.assertEqual(calendar.program.close_by_system(process), 0)
            self.assertEqual(calendar.program.read_bytes(SETTINGS), closed)
            self.assertEqual(os.stat(calendar.program.path(SETTINGS)).st_mtime_ns, stamp, "nothing was written")


class EditorInAnyFont(unittest.TestCase):
    """In the calendar fonts a user picks, from small to large, a note is typed,
    renamed and saved with the editor, and nothing is written for a row never used."""

    FACES = {"en_US.UTF-8": "Tahoma", "ja_JP.UTF-8": "ＭＳ Ｐゴシック"}

    def editor(self, calendar, *keys):
        calendar.day_menu(17)
        xdotool("key", "e")
        wait_for(lambda: calendar.program.windows()["windows"][0]["style"] & WS_DISABLED, "the editor")
        time.sleep(1)
        xdotool(*keys)
        xdotool("key", "alt+s")
        wait_for(lambda: not calendar.program.windows()["windows"][0]["style"] & WS_DISABLED, "the editor closed")

    def test_a_note_is_typed_renamed_and_saved_at_every_size(self):
        for locale, sizes in (("en_US.UTF-8", (12, 16, 20, 28)), ("ja_JP.UTF-8", (16, 28))):
            for points in sizes:
                calendar = Calendar(self, locale, font=(-(points * 96 // 72), self.FACES[locale]))
                line = b"Schedule=" + calendar.key.format(day=17).encode()
                self.editor(calendar, "type", "Piano")
                self.assertEqual(calendar.schedule_lines(), [line + b",Piano"], (locale, points))
                self.editor(calendar, "key", "ctrl+a", "type", "Violin")
                self.assertEqual(calendar.schedule_lines(), [line + b",Violin"], (locale, points))
                calendar.program.kill()


class LinkedFile(unittest.TestCase):
    """A settings file that is a symbolic link, or one name of a hard-linked file,
    stays so through a save: the new contents reach the file it stands for."""

    def test_a_delete_reaches_the_linked_file_and_the_link_stays(self):
        calendar = Calendar(self, schedules=b"Schedule=12/16/2026,Dentist\r\nSchedule=12/17/2026,Piano\r\n")
        calendar.program.kill()
        path = calendar.program.path(SETTINGS)
        real, other_name = path + ".real", path + ".other"
        os.rename(path, real)
        os.link(real, other_name)
        os.symlink(real, path)
        calendar.process = calendar.program.start()
        calendar.program.wait_for_window()
        calendar.day_menu(16)
        xdotool("key", "d")
        wait_for(calendar.program.message_boxes, "the confirmation")
        calendar.program.probe("dismiss")
        wait_for(lambda: calendar.schedule_lines() == [b"Schedule=12/17/2026,Piano"], "the line gone")
        self.assertTrue(os.path.islink(path))
        self.assertTrue(os.path.samefile(real, other_name), "the hard link stays")
        calendar.program.kill()
