"""The headless demonstration: starts Tarnwick.exe on the private display,
takes a screenshot, presses the four arrows, and closes it with Esc."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))

from harness import Tarnwick, move_pointer, pointer, wait_for  # noqa: E402


def main():
    app = Tarnwick()
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

    code = app.close_with_esc()
    print(f"Esc closed the window; exit code {code}.")
    print(f"Screenshot: {shot}")
    return code


if __name__ == "__main__":
    sys.exit(main())
