"""End-to-end tests of the options menu of WispaneCalendar.exe: every item chosen
once with the mouse and the keyboard, in English and Japanese, each checked on the
screen and in the settings file; and the month keys.

Wine's menus run an item at its first mnemonic even when another item shares it,
and items without one are reached with the arrow keys from the bottom.
"""
import json
import os
import shutil
import stat
import subprocess
import time
import unittest

from e2e_support import SECTION, SETTINGS, Program, screen, size_of, wait_for
from schedule_e2e import WINDOW_POS, xdotool

RESOURCES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "res")
WEB_PAGE = "https://wispane.example/calendar/"
TODAY = "2026-12-10"
KEYS = {"en_US.UTF-8": "12/16/2026", "ja_JP.UTF-8": "2026/12/16"}
SEE_THROUGH_KEYS = {"en_US.UTF-8": "w", "ja_JP.UTF-8": "s"}  # the only mnemonic that differs
ABOUT_CAPTIONS = {"en_US.UTF-8": "About Wispane Calendar", "ja_JP.UTF-8": "Wispane Calendar のバージョン情報"}
BROWSERS_KEY = r"HKCU\Software\Wine\WineBrowser"


def wine(*arguments):
    subprocess.run(["wine", *arguments], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, check=False)


def config(program):
    return dict(program.settings())["Config"].split(",")


class Options:
    """The program on 10 December 2026, started from another folder, with a note
    on the 16th and a browser that only writes down the addresses it is given."""

    def __init__(self, test, locale):
        self.test = test
        self.program = Program(test, "Wispane Calendar")
        self.program.locale = locale
        self.program.date = f"{TODAY} 12:00:00"
        for name in ("ReadMeEN.txt", "ReadMeJA.txt"):
            shutil.copy(os.path.join(RESOURCES, name), self.program.folder)
        with open(self.program.path(SETTINGS), "wb") as file:
            file.write(f"[{SECTION}]\r\nWindowPos={WINDOW_POS}\r\nConfig=1,0,0,00ffffff,0,1,0,0000bf00,1\r\n"
                       f"[Schedule]\r\nSchedule={KEYS[locale]},Piano\r\n".encode())
        self.urls = os.path.join(self.program.base, "urls")
        browser = os.path.join(self.program.base, "browser")
        with open(browser, "w") as file:
            file.write(f'#!/bin/sh\nprintf "%s\\n" "$1" >> "{self.urls}"\n')
        os.chmod(browser, stat.S_IRWXU)
        wine("reg", "add", BROWSERS_KEY, "/v", "Browsers", "/d", browser, "/f")
        test.addCleanup(wine, "reg", "delete", BROWSERS_KEY, "/v", "Browsers", "/f")
        self.process = self.program.start(cwd=self.program.base)
        self.window = self.program.wait_for_window()["windows"][0]
        self.cells = json.loads(self.program.probe("cells", TODAY))

    def rect(self):
        self.window = self.program.windows()["windows"][0]
        return self.window["rect"]

    def menu_by_mouse(self, *keys):
        """Right-click on the title's background, then the keys."""
        left, top, right, _ = self.rect()
        xdotool("mousemove", str((left + right) // 2), str(top + 2), "click", "3")
        self.wait_for_menu()
        xdotool("key", *keys)

    def menu_by_keyboard(self, *keys):
        """The context-menu key while the pointer rests on the window, then the keys."""
        self.point_at_ink()
        xdotool("key", "Menu")
        rect = self.wait_for_menu()
        xdotool("key", *keys)
        return rect

    def wait_for_menu(self):
        rect = wait_for(lambda: json.loads(self.program.probe("menu"))["rect"], "the options menu")
        time.sleep(0.2)
        return rect

    def point_at_ink(self):
        """The pointer on a dark pixel of the 9th, which the see-through window keeps."""
        left, top = self.rect()[:2]
        cell = self.cells["2026-12-09"]
        picture = screen((left + cell[0], top + cell[1], left + cell[2], top + cell[3]))
        for y in range(picture.height):
            for x in range(picture.width):
                if max(picture.pixel(x, y)) < 90:
                    xdotool("mousemove", str(left + cell[0] + x), str(top + cell[1] + y))
                    return
        raise AssertionError("no ink on the 9th")

    def dialog(self, what):
        """The first dialog that shows besides the calendar: its caption and texts."""
        return wait_for(self.program.message_boxes, what)[0]

    def answer_colour(self, red, green, blue):
        """The colour dialog opens with its Red box focused: the three values, then OK."""
        self.dialog("the colour dialog")
        xdotool("type", str(red))
        xdotool("key", "Tab")
        xdotool("type", str(green))
        xdotool("key", "Tab")
        xdotool("type", str(blue))
        xdotool("key", "Return")
        wait_for(lambda: not self.program.message_boxes(), "the end of the colour dialog")

    def count(self, predicate, cell=None):
        box = self.cells[cell] if cell else [0, 0, *size_of(self.rect())]
        return self.program.snapshot().count(box, predicate)

    def screen_count(self, predicate):
        """Pixels of the window's rectangle on the screen, where a region lets the desktop through."""
        return screen(self.rect()).count([0, 0, *size_of(self.window["rect"])], predicate)


class OptionsMenu(unittest.TestCase):
    locale = "en_US.UTF-8"

    def test_every_item_once_on_the_screen_and_in_the_file(self):
        self.walk(Options(self, self.locale), self.locale)

    def walk(self, options, locale):
        program = options.program
        options.point_at_ink()
        xdotool("key", "Escape")
        time.sleep(0.5)
        self.assertIsNone(options.process.poll(), "Esc closes nothing until chosen")

        rect = options.menu_by_keyboard("Escape")
        left, top = options.rect()[:2]
        self.assertEqual(rect[:2], [left + 5, top + 5], "the key's menu at the window's corner")

        options.menu_by_mouse("c")
        options.answer_colour(0, 128, 255)
        width, height = size_of(options.rect())
        self.assertGreater(options.count(lambda rgb: rgb == (0, 128, 255)), width * height // 4, "background")

        green = options.count(lambda rgb: rgb[1] > 150 and max(rgb[0], rgb[2]) < 100, "2026-12-16")
        options.menu_by_mouse("h")
        options.answer_colour(255, 0, 0)
        wait_for(lambda: options.count(lambda rgb: rgb[1] > 150 and max(rgb[0], rgb[2]) < 100, "2026-12-16") < green,
                 "the schedule colour")
        self.assertEqual(config(program)[7], "000000ff")

        options.menu_by_mouse("f")
        options.dialog("the font dialog")
        xdotool("type", "Tahoma")
        xdotool("key", "Tab", "Tab")
        xdotool("type", "14")
        xdotool("key", "Return")
        wait_for(lambda: size_of(options.rect())[0] > width, "the larger window")
        self.assertGreater(size_of(options.rect())[1], height)
        self.assertEqual(dict(program.settings())["FontFace"], "Tahoma")
        options.cells = json.loads(program.probe("cells", TODAY))

        heights = []
        for key in ("h", "d", "t"):  # Hide, Show Date Only, Show Time Also
            options.menu_by_mouse("d", key)
            time.sleep(0.5)
            heights.append(size_of(options.rect())[1])
        self.assertLess(heights[0], heights[1], "hidden today line")
        self.assertEqual(heights[1], heights[2])

        today = program.snapshot()
        options.menu_by_mouse("m")  # No Today Mark: the mark shows
        wait_for(lambda: program.snapshot().pixels != today.pixels, "the today mark")

        options.menu_by_mouse(*["Up"] * 10, "Return")  # Always on Top
        options.menu_by_mouse("e")  # Close by Esc Key
        wait_for(lambda: [config(program)[i] for i in (0, 2, 4, 5, 8)] == ["0", "1", "0", "0", "1"],
                 "on top off, close by Esc on, today line with the time and the today mark, saved")

        options.menu_by_mouse("Up", "Up", "Up", "Up", "Return")  # Help
        read_me = "ReadMeJA.txt" if locale.startswith("ja") else "ReadMeEN.txt"
        def notepad_shown():
            return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", read_me],
                                  capture_output=True).returncode == 0
        wait_for(notepad_shown, "the read-me in Notepad")
        wine("taskkill", "/im", "notepad.exe")
        wait_for(lambda: not notepad_shown(), "the end of Notepad")
        # Notepad's window is managed: Wine waits two seconds for a window manager as it goes.
        time.sleep(2.5)

        options.menu_by_mouse("o")
        wait_for(lambda: os.path.exists(options.urls), "the web page", 30)
        with open(options.urls) as file:
            self.assertEqual(file.read().split(), [WEB_PAGE])

        options.menu_by_mouse("a")
        about = options.dialog("the About box")
        self.assertEqual(about["caption"], ABOUT_CAPTIONS[locale])
        self.assertIn("Wispane Calendar Version 2.1", about["texts"])
        self.assertIn(WEB_PAGE, about["texts"])
        self.assertIn("Wispane", about["texts"], "the mail link shows the company name")
        xdotool("key", "Return")
        wait_for(lambda: not program.message_boxes(), "the end of the About box")

        background = options.screen_count(lambda rgb: rgb == (0, 128, 255))
        options.menu_by_mouse(SEE_THROUGH_KEYS[locale])  # Wispane Appearance
        wait_for(lambda: options.screen_count(lambda rgb: rgb == (0, 0, 0)) > background, "the see-through look")
        self.assertEqual(options.screen_count(lambda rgb: rgb == (0, 128, 255)), 0, "no background left")

        caption = options.screen_count(lambda rgb: rgb[2] > 200 and rgb[0] < 120)
        options.menu_by_keyboard("b")  # Wispane TitleBar
        wait_for(lambda: options.screen_count(lambda rgb: rgb[2] > 200 and rgb[0] < 120) < caption // 2,
                 "the see-through title")

        options.menu_by_keyboard("x")  # Exit
        self.assertEqual(options.process.wait(timeout=30), 0)
        self.assertEqual(config(program), ["0", "1", "1", "00ff8000", "0", "0", "1", "000000ff", "1"])
        self.assertEqual(os.listdir(program.base).count(SETTINGS), 0, "nothing written where it was started")


class OptionsMenuJapanese(OptionsMenu):
    locale = "ja_JP.UTF-8"


class MonthKeys(unittest.TestCase):
    def test_right_in_december_2003_shows_january_2004_and_esc_closes_when_chosen(self):
        program = Program(self)
        program.date = "2003-12-17 12:00:00"
        with open(program.path(SETTINGS), "wb") as file:
            file.write(f"[{SECTION}]\r\nWindowPos={WINDOW_POS}\r\nConfig=1,0,1\r\n".encode())
        process = program.start()
        [window] = program.wait_for_window()["windows"]
        left, top, right, bottom = window["rect"]
        xdotool("mousemove", str((left + right) // 2), str((top + bottom) // 2))
        for key, shown in (("Right", "2004-01-01"), ("Left", "2003-12-17"), ("Prior", "2004-01-01"),
                           ("Next", "2003-12-17"), ("Up", "2004-12-01"), ("End", "2003-12-17")):
            xdotool("key", key)
            wait_for(lambda: program.probe("selection").decode().strip() == shown, f"{shown} after {key}", 5)
        xdotool("key", "Escape")
        self.assertEqual(process.wait(timeout=30), 0)


if __name__ == "__main__":
    unittest.main()
