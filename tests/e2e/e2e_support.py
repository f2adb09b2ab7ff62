"""What the end-to-end tests share: a copy of the program folder with the program
running from it, looked at from outside with wispane-window-probe.exe, and the
pictures the probe takes.

Needs DISPLAY, WINEPREFIX, wine, xdotool and libfaketime (the faketime package); run_case.py sets ARGS.
"""
import json
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

PROGRAM = "WispaneCalendar.exe"
SETTINGS = "Wispane Calendar.ini"
SECTION = "Wispane Calendar"

WS_EX_TOPMOST = 0x8
WS_EX_TOOLWINDOW = 0x80
WS_EX_APPWINDOW = 0x40000
MCS_DAYSTATE = 0x1
MCS_NOTODAYCIRCLE = 0x8
MCS_NOTODAY = 0x10

ARGS = None  # the runner's arguments: program_dir, probe


def faked_clock(date):
    """The environment that sets a program's clock to `date` (local time) from now on,
    as the faketime wrapper does, without the wrapper: it makes a semaphore named after
    its process number and leaves it behind when killed, and a later wrapper that
    happens to get that number fails at once ("sem_open: File exists")."""
    offset = time.mktime(time.strptime(date, "%Y-%m-%d %H:%M:%S")) - time.time()
    # $LIB: the dynamic loader picks the library of the loading program's kind.
    return {"LD_PRELOAD": "/usr/$LIB/faketime/libfaketime.so.1", "FAKETIME": f"{offset:+.0f}"}


def wine_env(locale, extra=None):
    env = dict(os.environ)
    env["LC_ALL"] = locale
    env.setdefault("WINEDEBUG", "-all")
    env.update(extra or {})
    return env


class Program:
    """One copy of the program folder and the program running from it."""

    def __init__(self, test, subfolder=None):
        """The copy lies in a fresh temporary folder, or in `subfolder` of one."""
        self.base = tempfile.mkdtemp(prefix="wispane-e2e-")
        self.folder = os.path.join(self.base, subfolder) if subfolder else self.base
        os.makedirs(self.folder, exist_ok=True)
        test.addCleanup(self.remove)
        for name in (PROGRAM, "Holiday.ini"):
            shutil.copy(os.path.join(ARGS.program_dir, name), self.folder)
        self.locale = "en_US.UTF-8"
        self.date = None
        self.processes = []
        self.logs = []  # each start's output, in the order of processes

    def remove(self):
        self.kill()
        shutil.rmtree(self.base, ignore_errors=True)

    def path(self, name):
        return os.path.join(self.folder, name)

    def start(self, winedebug=None, cwd=None):
        """Starts the program from its folder, or from `cwd` as a shortcut may."""
        extra = {"WINEDEBUG": winedebug} if winedebug else {}
        if self.date:
            extra.update(faked_clock(self.date))
        command = ["wine", self.path(PROGRAM) if cwd else PROGRAM]
        self.logs.append(self.path(f"wine-{len(self.processes)}.log"))
        log = open(self.logs[-1], "wb")
        process = subprocess.Popen(command, cwd=cwd or self.folder, stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                                   env=wine_env(self.locale, extra), start_new_session=True)
        self.processes.append(process)
        return process

    def probe(self, *arguments):
        # Files, not pipes: a Wine helper process that the probe happens to start
        # (the desktop process) inherits its output and would hold a pipe open.
        # In the temporary folder itself: the program's may be too long for the probe.
        with open(os.path.join(self.base, "probe.out"), "w+b") as output, \
                open(os.path.join(self.base, "probe.err"), "w+b") as errors:
            # Never under faketime: the probe, a console program, hangs at start when
            # its clock is far from the Wine server's.
            status = subprocess.run(["wine", ARGS.probe, *arguments], cwd=self.base,
                                    stdin=subprocess.DEVNULL, stdout=output, stderr=errors,
                                    env=wine_env(self.locale), timeout=120).returncode
            output.seek(0)
            errors.seek(0)
            if status != 0:
                raise AssertionError(f"probe {arguments} failed: {errors.read().decode(errors='replace')}")
            return output.read()

    def kill(self):
        """Ends every copy started from here at once, as a crash or a power cut would.
        Each start leads a process group of its own, with Wine's loader in it."""
        killed = False
        for process in self.processes:
            if process.poll() is None:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
                killed = True
        if killed:
            # The Wine server lets the copy's single-instance mutex go only when it has
            # seen the process end: a start before then would meet it and leave at once.
            time.sleep(0.5)

    def wait_until_shown(self, timeout=60):
        """Waits until a window of the program shows, without starting Wine programs
        (the probe takes a few hundred milliseconds)."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--classname", PROGRAM.lower()],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if found.returncode == 0:
                return
            if self.processes[-1].poll() is not None:
                raise AssertionError(f"the program ended before its window showed{self.ended_early()}")
            time.sleep(0.05)
        raise AssertionError("no window showed in time")

    def ended_early(self):
        """What the last start left to say: its exit code and the end of its output."""
        with open(self.logs[-1], "rb") as file:
            tail = file.read()[-2000:].decode(errors="replace")
        return f" with exit code {self.processes[-1].returncode}; its output ended:\n{tail}"

    def press_alt_f4_at(self, x, y):
        """The system's close of the window at (x, y): without a window manager the
        keyboard goes to the window under the pointer."""
        subprocess.run(["xdotool", "mousemove", str(x), str(y), "key", "--clearmodifiers", "alt+F4"], check=True)

    def message_boxes(self):
        """Every message box shown: [{"caption": ..., "texts": [...]}]."""
        return json.loads(self.probe("messages").decode("utf-8"))

    def dismiss_first_run_hint(self, timeout=15):
        """Waits for the hint a start without a settings file shows, and presses OK;
        returns the hint's texts."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            boxes = self.message_boxes()
            if boxes:
                covered = self.snapshot().pixels
                self.probe("dismiss")
                while self.message_boxes():
                    time.sleep(0.1)
                # Without a window manager Wine waits up to two seconds as a window
                # with a caption goes; the calendar repaints under the hint after that.
                repainted = time.monotonic() + 5
                while time.monotonic() < repainted:
                    try:
                        if self.snapshot().pixels != covered:
                            break
                    except AssertionError:
                        pass  # the calendar, busy letting the hint go, is not found for a moment
                    time.sleep(0.2)
                return boxes[0]["texts"]
            time.sleep(0.1)
        raise AssertionError("no first-run hint showed")

    def command(self, command_id):
        """A command to the calendar window, as its menus send them."""
        self.probe("command", str(command_id))

    def windows(self):
        return json.loads(self.probe("windows"))

    def snapshot(self):
        name = os.path.join(self.base, "snapshot.ppm")
        self.probe("snapshot", name)
        return Picture(name)

    def wait_for_window(self, timeout=90):
        """The probe's report once one window shows and its picture has settled."""
        deadline = time.monotonic() + timeout
        previous = None
        while time.monotonic() < deadline:
            report = self.windows()
            if report["windows"]:
                try:
                    picture = self.snapshot().pixels
                except AssertionError:
                    picture = None  # hidden for a moment between the two looks, as after the hint
                if picture is not None and picture == previous:
                    return report
                previous = picture
            latest = self.processes[-1]
            if latest.poll() is not None:
                raise AssertionError(f"the program ended early{self.ended_early()}")
            time.sleep(0.5)
        raise AssertionError("no calendar window settled in time")

    def close_by_system(self, process):
        """Alt+F4, the system's close, then waits for the program to end. Without a
        window manager the keyboard goes to the window under the pointer."""
        [window] = self.windows()["windows"]
        left, top, right, bottom = window["rect"]
        self.press_alt_f4_at((left + right) // 2, (top + bottom) // 2)
        return process.wait(timeout=60)

    def read_bytes(self, name):
        """The file's bytes, or None when it does not exist."""
        try:
            with open(self.path(name), "rb") as file:
                return file.read()
        except FileNotFoundError:
            return None

    def settings(self):
        """The keys of the main section in file order, as text in the file's bytes."""
        with open(self.path(SETTINGS), "rb") as file:
            lines = file.read().decode("latin-1").splitlines()
        keys = []
        section = None
        for line in lines:
            line = line.strip()
            if line.startswith("["):
                section = line.strip("[]")
            elif "=" in line and section == SECTION:
                keys.append(tuple(line.split("=", 1)))
        return keys


def wait_for(probe, what, timeout=15):
    """probe's first true answer within timeout seconds; a probe that fails meanwhile
    (the program busy for a moment) is asked again."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            found = probe()
            if found:
                return found
        except AssertionError:
            pass
        time.sleep(0.2)
    raise AssertionError(f"{what} did not show")


def screen(box):
    """What the screen shows in box (left, top, right, bottom): the window with
    whatever its region lets through."""
    left, top, right, bottom = box
    with tempfile.NamedTemporaryFile(suffix=".ppm") as file:
        subprocess.run(["import", "-window", "root", "-crop", f"{right - left}x{bottom - top}+{left}+{top}",
                        "-depth", "8", f"ppm:{file.name}"], check=True)
        return Picture(file.name)


class Picture:
    """A PPM snapshot of a window."""

    def __init__(self, path):
        with open(path, "rb") as file:
            data = file.read()
        match = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
        self.width, self.height = int(match.group(1)), int(match.group(2))
        self.pixels = data[match.end():]

    def pixel(self, x, y):
        offset = 3 * (y * self.width + x)
        return tuple(self.pixels[offset:offset + 3])

    def count(self, box, predicate):
        left, top, right, bottom = box
        return sum(1 for y in range(top, bottom) for x in range(left, right) if predicate(self.pixel(x, y)))


def is_red_digit(rgb):
    red, green, blue = rgb
    return red >= 200 and green <= 80 and blue <= 80


def size_of(rect):
    return rect[2] - rect[0], rect[3] - rect[1]
