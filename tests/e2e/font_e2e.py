"""End-to-end tests of the calendar's font in WispaneCalendar.exe: the font dialog
opens on the font in use, a font the month cannot be read in is refused with a
message, and one stored in the settings file is ignored at start."""
import time
import unittest

from e2e_support import SECTION, SETTINGS, Program, size_of, wait_for
from schedule_e2e import WINDOW_POS, xdotool

ID_CHOOSE_FONT = 32786
REFUSALS = {
    "en_US.UTF-8": "The calendar cannot be shown in this font",
    "ja_JP.UTF-8": "このフォントではカレンダーを表示できません",
}
VERTICAL = "Font=-15,0,0,0,400,0,0,0,128,0,0,0,0\r\nFontFace=@IPAGothic\r\n"


class FontChoice(unittest.TestCase):
    locale = "en_US.UTF-8"

    def font(self, program):
        keys = dict(program.settings())
        return keys["Font"], keys["FontFace"]

    def open_font_dialog(self, program, window):
        """Font... from the options, with the pointer on the calendar: without a window
        manager the keyboard goes to the program under it. Returns the dialog's caption."""
        left, top = window["rect"][:2]
        xdotool("mousemove", str(left + 5), str(top + 5))
        program.command(ID_CHOOSE_FONT)
        caption = wait_for(program.message_boxes, "the font dialog")[0]["caption"]
        time.sleep(0.3)
        return caption

    def wait_for_end_of(self, program, caption):
        wait_for(lambda: all(box["caption"] != caption for box in program.message_boxes()),
                 "the end of the font dialog")

    def test_the_dialog_opens_on_the_font_in_use_and_refuses_one_the_month_cannot_show(self):
        program = Program(self)
        program.locale = self.locale
        with open(program.path(SETTINGS), "wb") as file:
            file.write(f"[{SECTION}]\r\nWindowPos={WINDOW_POS}\r\nConfig=1,0,0,00ffffff,0,1,0,0000bf00,1\r\n"
                       f"{VERTICAL}".encode())
        process = program.start()
        [window] = program.wait_for_window()["windows"]
        size = size_of(window["rect"])

        # OK without touching anything keeps the font as it is.
        dialog = self.open_font_dialog(program, window)
        xdotool("key", "Return")
        self.wait_for_end_of(program, dialog)
        time.sleep(0.5)
        self.assertEqual(program.message_boxes(), [], "no refusal")
        self.assertEqual(size_of(program.windows()["windows"][0]["rect"]), size, "the same font, the same size")
        font, face = self.font(program)
        self.assertFalse(face.startswith("@"), face)
        self.assertNotEqual(face, "@IPAGothic", "the stored vertical font was ignored at start")

        # 620 points would make the month far larger than the screen.
        self.open_font_dialog(program, window)
        xdotool("key", "Tab", "Tab")
        xdotool("type", "620")
        xdotool("key", "Return")
        boxes = wait_for(lambda: [box for box in program.message_boxes()
                                  if any(REFUSALS[self.locale] in text for text in box["texts"])],
                         "the refusal")
        self.assertEqual(boxes[0]["caption"], "Wispane Calendar")
        program.probe("dismiss")
        wait_for(lambda: not program.message_boxes(), "the end of the refusal")
        self.assertEqual(size_of(program.windows()["windows"][0]["rect"]), size, "the font in use stays")

        self.assertEqual(program.close_by_system(process), 0)
        self.assertEqual(self.font(program), (font, face))


class FontChoiceJapanese(FontChoice):
    locale = "ja_JP.UTF-8"


if __name__ == "__main__":
    unittest.main()
