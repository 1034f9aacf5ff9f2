"""End-to-end burst: 1,000 Up presses sent by xdotool as fast as it can,
speed 1, against the real Tarnwick.exe. Prints the rate at which the pointer
followed and how many presses were lost."""
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))

from harness import Tarnwick, move_pointer, pointer, wait_for  # noqa: E402

PRESSES = 1000


def main():
    app = Tarnwick()
    try:
        app.set_speed("1")
        start_y = 10 + PRESSES
        move_pointer(300, start_y)
        app.focus()
        began = time.monotonic()
        os.system("xdotool key --delay 0 " + " ".join(["Up"] * PRESSES))
        sent = time.monotonic()
        wait_for(lambda: pointer()[1] == start_y - PRESSES, timeout=60, interval=0.01)
        done = time.monotonic()
        # Settled: nothing more arrives.
        time.sleep(1.0)
        moved = start_y - pointer()[1]
        print(f"burst of {PRESSES} presses: sent in {sent - began:.2f} s, pointer done after "
              f"{done - began:.2f} s ({PRESSES / (done - began):.0f} presses/s), lost {PRESSES - moved}")
    finally:
        app.kill()


if __name__ == "__main__":
    main()
