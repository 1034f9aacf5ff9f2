"""The arrow hotkeys, end to end: real key presses moving the X pointer."""
import os
import subprocess
import time
import unittest

from harness import ARTEFACTS, PROBE, Tarnwick, move_pointer, pointer, probe, wait_for, wait_for_pointer


class NudgeTest(unittest.TestCase):
    def setUp(self):
        self.app = Tarnwick()

    def tearDown(self):
        self.app.kill()

    def press_from(self, start, key, expected):
        move_pointer(*start)
        self.app.key(key)
        return wait_for_pointer(expected)

    def test_each_arrow_moves_by_the_initial_speed(self):
        for key, expected in (("Up", (500, 350)), ("Down", (500, 450)),
                              ("Left", (450, 400)), ("Right", (550, 400))):
            with self.subTest(key=key):
                self.assertEqual(self.press_from((500, 400), key, expected), expected)

    def test_the_speed_is_read_afresh_as_typed(self):
        rows = [("-30", "Up", (500, 430)), ("-30", "Left", (530, 400)),
                ("0050", "Down", (500, 450)), ("5-5", "Right", (505, 400))]
        for typed, key, expected in rows:
            with self.subTest(typed=typed, key=key):
                self.app.set_speed(typed)
                self.assertEqual(self.press_from((500, 400), key, expected), expected)
                self.assertEqual(probe("text"), typed)  # still as typed: the box kept the focus

    def test_an_emptied_box_leaves_the_pointer_where_it_is(self):
        self.app.set_speed("")
        move_pointer(500, 400)
        self.app.key("Up", "Left")
        time.sleep(0.5)
        self.assertEqual(pointer(), (500, 400))

    def test_pasted_full_width_digits_count(self):
        # Pasted text is not filtered, unlike typed text.
        self.app.set_speed("")
        probe("clipboard", "５０")
        self.app.key("ctrl+v")
        self.assertEqual(probe("text"), "５０")
        self.assertEqual(self.press_from((500, 400), "Up", (500, 350)), (500, 350))

    def test_up_at_the_top_edge_stays_at_the_edge(self):
        self.assertEqual(self.press_from((640, 20), "Up", (640, 0)), (640, 0))

    def test_arrows_leave_the_caret_of_the_speed_box_alone(self):
        self.app.key("End")
        self.assertEqual(probe("selection"), "2 2")
        move_pointer(500, 400)
        self.app.key("Left", "Left", "Right", "Up")
        wait_for_pointer((450, 350))
        self.assertEqual(probe("selection"), "2 2")
        self.assertEqual(probe("text"), "50")

    def test_another_focused_wine_window_gets_shift_up_but_no_bare_arrows(self):
        log = os.path.join(ARTEFACTS, "keylog.txt")
        logger = subprocess.Popen(["wine", PROBE, "keylog", log], stdin=subprocess.DEVNULL,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            window = wait_for(lambda: subprocess.run(
                ["xdotool", "search", "--all", "--onlyvisible", "--name", "^TarnwickKeyLog$"],
                capture_output=True, text=True).stdout.split())
            self.assertTrue(window)
            move_pointer(500, 400)
            subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], check=True)
            subprocess.run(["xdotool", "key", "--delay", "50", "Up", "shift+Up", "Escape"], check=True)
            logger.wait(timeout=20)
        finally:
            if logger.poll() is None:
                logger.kill()
        with open(log) as f:
            lines = f.read().split()
        self.assertEqual(lines, ["16", "1", "38", "1"])  # Shift, then Up with Shift held
        self.assertEqual(wait_for_pointer((500, 350)), (500, 350))  # the bare Up moved the pointer

    def test_a_second_copy_gets_no_hotkeys_and_the_first_keeps_them(self):
        second = Tarnwick()
        try:
            second.set_speed("7")
            move_pointer(500, 400)
            second.key("Up")
            self.assertEqual(wait_for_pointer((500, 350)), (500, 350))  # moved once, by the first copy
            time.sleep(0.3)
            self.assertEqual(pointer(), (500, 350))
            self.assertEqual(second.close_with_esc(), 0)
        finally:
            second.kill()
        self.assertEqual(self.press_from((500, 400), "Down", (500, 450)), (500, 450))
        self.assertEqual(self.app.close_with_esc(), 0)

    def test_a_burst_of_1000_presses_loses_none(self):
        self.app.set_speed("1")
        move_pointer(300, 1010)
        self.app.key(*(["Up"] * 1000), delay=0)
        self.assertEqual(wait_for_pointer((300, 10), timeout=60), (300, 10))


if __name__ == "__main__":
    unittest.main()
