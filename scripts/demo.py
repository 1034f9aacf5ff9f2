"""The headless demonstration: starts Tarnwick.exe on the private display,
takes a screenshot, presses the four arrows, clicks the export button and
saves the source package, and closes the window with Esc."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))

from harness import ARTEFACTS, Tarnwick, move_pointer, pointer, probe, run, wait_for, windows_path  # noqa: E402


def probe_or_none(*args):
    try:
        return probe(*args)
    except RuntimeError:
        return None


def main():
    log = os.path.join(ARTEFACTS, "demo-browser.log")
    if os.path.exists(log):
        os.remove(log)
    app = Tarnwick(extra_env={"TARNWICK_BROWSER_LOG": log})
    x, y, width, height = app.geometry()
    print(f"Tarnwick is showing its {width}x{height} window at ({x}, {y}).")
    shot = app.screenshot("demo.png")

    move_pointer(500, 400)
    print(f"Pointer at {pointer()}, speed 50:")
    for key in ("Up", "Right", "Down", "Left"):
        before = pointer()
        app.key(key)
        wait_for(lambda: pointer() != before, timeout=5)
        print(f"  {key:<5} -> pointer at {pointer()}")

    package = os.path.join(ARTEFACTS, "demo-package.zip")
    if os.path.exists(package):
        os.remove(package)
    app.click_export_button()
    print("Clicked the export button.")
    if wait_for(lambda: probe_or_none("dialog-name") is not None, timeout=20):
        print(f"  The save dialog offers \"{probe('dialog-name')}\".")
        probe("dialog-name-set", windows_path(package))
        run("xdotool", "windowfocus", "--sync", app.other_windows()[0])
        run("xdotool", "key", "Return")
        if wait_for(lambda: os.path.exists(package), timeout=20):
            print(f"  Saved the source package: {package}, {os.path.getsize(package):,} bytes.")
    if os.path.exists(log):
        with open(log) as f:
            print(f"  The browser was asked to open: {', '.join(f.read().split())}")

    code = app.close_with_esc()
    print(f"Esc closed the window; exit code {code}.")
    print(f"Screenshot: {shot}")
    return code


if __name__ == "__main__":
    sys.exit(main())
