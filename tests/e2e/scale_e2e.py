"""End-to-end tests of the calendar on scaled screens: the Wine prefix's pixels an
inch set to 96, 120, 144 and 192 (Wine reads "LogPixels" of HKCU\\Control Panel\\Desktop,
else of HKCC\\Software\\Fonts, when its server starts), the real program started at
each, its window, its digits and its dialogs looked at, and the settings file it
leaves read back.

With WISPANE_SCALE_PICTURES set to a folder, the calendar, the options menu, the
editor and the About box are written there at each scale, to be looked at.
"""
import json
import os
import subprocess
import time
import unittest

from e2e_support import SETTINGS, Program, size_of, wait_for
from schedule_e2e import xdotool

SCALES = (96, 120, 144, 192)
DESKTOP_KEY = r"HKCU\Control Panel\Desktop"
ID_APP_ABOUT = 32771


def use_scale(dpi):
    """The prefix at `dpi` pixels an inch (None: the default, 96), for the next server."""
    subprocess.run(["wineserver", "-k"], stderr=subprocess.DEVNULL)
    subprocess.run(["wineserver", "-w"])
    if dpi is None:
        command = ["wine", "reg", "delete", DESKTOP_KEY, "/v", "LogPixels", "/f"]
    else:
        command = ["wine", "reg", "add", DESKTOP_KEY, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f"]
    subprocess.run(command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                   env=dict(os.environ, WINEDEBUG="-all"), check=dpi is not None)
    subprocess.run(["wineserver", "-k"], stderr=subprocess.DEVNULL)
    subprocess.run(["wineserver", "-w"])
    # The new server up, with the prefix's desktop process, before the program and
    # the probe race to start them.
    subprocess.run(["wine", "reg", "query", DESKTOP_KEY, "/v", "LogPixels"], stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=dict(os.environ, WINEDEBUG="-all"))


def is_ink(rgb):
    return max(rgb) < 96


def digit_height(picture):
    """How tall the black digits of the weeks are: the most common height of the bands
    of rows with ink in the middle columns (Monday to Friday), where the six weeks
    outnumber the title, the weekday names and the today line."""
    left, right = picture.width * 2 // 7, picture.width * 5 // 7
    inked = [any(is_ink(picture.pixel(x, y)) for x in range(left, right)) for y in range(picture.height)]
    bands, run = [], 0
    for row in inked + [False]:
        if row:
            run += 1
        elif run:
            bands.append(run)
            run = 0
    return max(set(bands), key=bands.count) if bands else 0


def top_level_window(name):
    """The rectangle of the shown window of that title, from the X server."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{name}$"],
                           capture_output=True, text=True)
    if found.returncode != 0:
        return None
    window = found.stdout.split()[0]
    geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window],
                              capture_output=True, text=True, check=True).stdout
    values = dict(line.split("=", 1) for line in geometry.split())
    x, y, width, height = (int(values[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))
    return [x, y, x + width, y + height]


class AtEachScale(unittest.TestCase):
    def setUp(self):
        self.addCleanup(use_scale, None)
        self.pictures = os.environ.get("WISPANE_SCALE_PICTURES")

    def keep_picture(self, name, box):
        if self.pictures:
            os.makedirs(self.pictures, exist_ok=True)
            subprocess.run(["import", "-window", "root", "-crop",
                            f"{box[2] - box[0]}x{box[3] - box[1]}+{box[0]}+{box[1]}",
                            os.path.join(self.pictures, name)], check=True)

    def start(self, settings=None):
        """The program started from a fresh folder, with that settings file or none;
        its window's report, once settled."""
        program = Program(self)
        if settings is not None:
            with open(program.path(SETTINGS), "wb") as file:
                file.write(settings)
        process = program.start()
        program.wait_until_shown()
        if settings is None:
            program.dismiss_first_run_hint()
        [window] = program.wait_for_window()["windows"]
        return program, process, window

    def look_at_dialogs(self, program, window, dpi):
        """The options menu, the editor and the About box open whole on the screen;
        their sizes, for comparison between scales."""
        left, top, right, bottom = window["rect"]
        xdotool("mousemove", str(left + 8), str(top + 3), "click", "3")
        menu = wait_for(lambda: json.loads(program.probe("menu"))["rect"], "the options menu")
        self.keep_picture(f"menu-{dpi}.png", menu)
        xdotool("key", "Escape")

        xdotool("mousemove", str((left + right) // 2), str((top + 2 * bottom) // 3), "click", "3")
        time.sleep(0.5)
        xdotool("key", "e")
        editor = wait_for(lambda: top_level_window("Edit Schedule"), "the editor")
        self.keep_picture(f"editor-{dpi}.png", editor)
        xdotool("key", "Escape", "Escape")
        wait_for(lambda: top_level_window("Edit Schedule") is None, "the editor closing")

        program.command(ID_APP_ABOUT)
        about = wait_for(lambda: top_level_window("About Wispane Calendar"), "the About box")
        self.keep_picture(f"about-{dpi}.png", about)
        xdotool("key", "Escape")
        wait_for(lambda: top_level_window("About Wispane Calendar") is None, "the About box closing")
        return {"menu": size_of(menu), "editor": size_of(editor), "about": size_of(about)}

    def test_the_calendar_and_its_dialogs_grow_with_the_scale_and_a_file_means_one_size(self):
        first = {}
        for dpi in SCALES:
            use_scale(dpi)
            program, process, window = self.start()
            picture = program.snapshot()
            self.keep_picture(f"calendar-{dpi}.png", window["rect"])
            dialogs = self.look_at_dialogs(program, window, dpi)
            self.assertEqual(program.close_by_system(process), 0)
            saved = program.read_bytes(SETTINGS)
            first[dpi] = dict(size=size_of(window["rect"]), digits=digit_height(picture), dialogs=dialogs,
                              font=dict(program.settings())["Font"], file=saved)

            # What a first start at 96 saved gives the calendar of a first start here.
            again, _, window = self.start(first[SCALES[0]]["file"])
            self.assertEqual(size_of(window["rect"]), first[dpi]["size"], f"a 96-DPI file at {dpi}")
            again.kill()

        for smaller, larger in zip(SCALES, SCALES[1:]):
            self.assertTrue(all(b > a for a, b in zip(first[smaller]["size"], first[larger]["size"])),
                            f"the calendar at {smaller} and {larger}: {first[smaller]['size']}, {first[larger]['size']}")
            self.assertGreater(first[larger]["digits"], first[smaller]["digits"], f"digits at {larger}")
            for dialog, size in first[larger]["dialogs"].items():
                self.assertTrue(all(b > a for a, b in zip(first[smaller]["dialogs"][dialog], size)),
                                f"the {dialog} at {smaller} and {larger}")
        for dpi in SCALES:
            # 11 pixels at 96 are 8 points: the system's font at every scale.
            self.assertEqual(first[dpi]["font"], first[96]["font"], f"the font saved at {dpi}")
            height = abs(int(first[96]["font"].split(",")[0])) * dpi / 96
            self.assertTrue(0.6 * height <= first[dpi]["digits"] <= 0.85 * height,
                            f"digits {first[dpi]['digits']} px at {dpi}, font {height:.1f} px")

        # A file saved at 144 read at 96: the 96-DPI calendar.
        use_scale(96)
        _, _, window = self.start(first[144]["file"])
        self.assertEqual(size_of(window["rect"]), first[96]["size"])
