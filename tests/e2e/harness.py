"""Drives the real Tarnwick.exe under Wine on the test display, from Linux.

The environment comes from scripts/test.sh: DISPLAY and WINEPREFIX name the
private X server and Wine prefix; TARNWICK_EXE and TARNWICK_PROBE the
executables; TARNWICK_BUILD the build folder, where artefacts are kept.
"""
import os
import subprocess
import tempfile
import time

EXE = os.environ.get("TARNWICK_EXE", "")
PROBE = os.environ.get("TARNWICK_PROBE", "")
BUILD = os.environ.get("TARNWICK_BUILD", tempfile.gettempdir())
ARTEFACTS = os.path.join(BUILD, "e2e")
os.makedirs(ARTEFACTS, exist_ok=True)


def run(*args, timeout=30):
    """Runs a Linux command and returns its standard output."""
    return subprocess.run(args, check=True, capture_output=True, text=True, timeout=timeout).stdout


def wine(*args, timeout=30):
    """Runs a Windows program to its end; returns (exit code, output).

    The output goes through a file: a pipe would be held open for a while by
    Wine's helper processes."""
    with tempfile.TemporaryFile(mode="w+b") as out:
        code = subprocess.run(["wine", *args], stdout=out, stderr=subprocess.DEVNULL,
                              stdin=subprocess.DEVNULL, timeout=timeout).returncode
        out.seek(0)
        return code, out.read().decode("utf-8", "replace")


def probe(*args):
    code, output = wine(PROBE, *args)
    if code != 0:
        raise RuntimeError(f"ui_probe {args} failed with {code}")
    return output.strip("\r\n")


def windows_path(path):
    """The Windows path of a Linux path: drive Z: is the root folder."""
    return "Z:" + path.replace("/", "\\")


def pointer():
    values = dict(line.split("=", 1) for line in run("xdotool", "getmouselocation", "--shell").split())
    return int(values["X"]), int(values["Y"])


def move_pointer(x, y):
    """Moves the X pointer, then waits out the 100 ms for which Wine trusts
    the position it last set itself over what the X server reports."""
    run("xdotool", "mousemove", "--sync", str(x), str(y))
    time.sleep(0.15)


def wait_for(condition, timeout=20.0, interval=0.05):
    """Polls until condition() is true; returns its last value."""
    deadline = time.monotonic() + timeout
    value = condition()
    while not value and time.monotonic() < deadline:
        time.sleep(interval)
        value = condition()
    return value


def wait_for_pointer(expected, timeout=10.0):
    """Waits until the pointer settles where expected; returns where it is."""
    wait_for(lambda: pointer() == expected, timeout)
    return pointer()


class Tarnwick:
    """One running Tarnwick.exe and its main window."""

    def __init__(self, extra_env=None, cwd=None):
        env = dict(os.environ)
        env.update(extra_env or {})
        self.process = subprocess.Popen(["wine", EXE], stdin=subprocess.DEVNULL,
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                         env=env, cwd=cwd)
        self.window = wait_for(self._find_window)
        if not self.window:
            self.kill()
            raise RuntimeError("the Tarnwick window did not appear")

    def _find_window(self):
        result = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid",
                                 str(self.process.pid), "--name", "^Tarnwick$"],
                                capture_output=True, text=True)
        ids = result.stdout.split()
        return ids[0] if ids else None

    def focus(self):
        run("xdotool", "windowfocus", "--sync", self.window)

    def key(self, *keys, delay=30):
        self.focus()
        run("xdotool", "key", "--delay", str(delay), *keys, timeout=120)

    def type(self, text):
        self.focus()
        run("xdotool", "type", "--delay", "30", "--", text)

    def set_speed(self, text):
        """Clears the speed box and types text into it (the box keeps the focus)."""
        self.key("End", *(["BackSpace"] * 24))
        if text:
            self.type(text)

    def click_export_button(self):
        """Clicks the export button with the X pointer."""
        left, top, right, bottom = (int(v) for v in probe("button").split())
        centre = ((left + right) // 2, (top + bottom) // 2)
        # No --sync: over a Wine window xdotool waits for a motion event
        # that can take 15 s to come.
        run("xdotool", "mousemove", str(centre[0]), str(centre[1]))
        wait_for(lambda: pointer() == centre, timeout=5)
        run("xdotool", "click", "1")

    def other_windows(self):
        """Visible windows of the process other than the main one (dialogs,
        prompts, message boxes)."""
        out = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.process.pid),
                              "--name", ".*"], capture_output=True, text=True).stdout.split()
        return [w for w in out if w != self.window]

    def geometry(self):
        values = dict(line.split("=", 1) for line in
                      run("xdotool", "getwindowgeometry", "--shell", self.window).split())
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def screenshot(self, name):
        """Takes a screenshot of the window once the program has painted it:
        it waits for input with nothing left to do, and the capture no longer
        changes (the X server may show the last paint a moment later)."""
        path = os.path.join(ARTEFACTS, name)
        try:
            probe("idle")
        except RuntimeError:
            pass
        previous = [None]

        def take():
            run("import", "-window", self.window, path)
            pixels = subprocess.run(["convert", path, "rgb:-"], capture_output=True).stdout
            stable = pixels == previous[0] and pixel(path, 1, 1) != (0, 0, 0)
            previous[0] = pixels
            return stable

        wait_for(take, timeout=10, interval=0.2)
        return path

    def wait_exit(self, timeout=20):
        return self.process.wait(timeout=timeout)

    def close_with_esc(self):
        self.key("Escape")
        return self.wait_exit()

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=20)


def pixel(path, x, y):
    """The colour of one pixel of a screenshot, as (r, g, b)."""
    out = run("convert", path, "-format", f"%[fx:int(255*p{{{x},{y}}}.r)],%[fx:int(255*p{{{x},{y}}}.g)],"
              f"%[fx:int(255*p{{{x},{y}}}.b)]", "info:")
    return tuple(int(v) for v in out.split(","))


def dark_pixels(path, x, y, width, height, threshold=100):
    """How many pixels of a region are darker than threshold (text strokes)."""
    out = run("convert", path, "-crop", f"{width}x{height}+{x}+{y}", "+repage", "-colorspace", "gray",
              "-threshold", f"{threshold * 100 // 255}%", "-negate", "-format", "%[fx:mean*w*h]", "info:")
    return round(float(out))
