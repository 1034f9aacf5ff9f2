"""The main window, end to end: typing, focus, keys, closing, and its look."""
import unittest

from harness import Tarnwick, dark_pixels, pixel, probe


class MainWindowTest(unittest.TestCase):
    def setUp(self):
        self.app = Tarnwick()

    def tearDown(self):
        self.app.kill()

    def test_window_is_centred_374_by_77(self):
        x, y, width, height = self.app.geometry()
        self.assertEqual((width, height), (374, 77))
        self.assertEqual((x, y), ((1280 - 374) // 2, (1024 - 77) // 2))

    def test_only_digits_and_minus_signs_can_be_typed_anywhere(self):
        self.assertEqual(probe("focus").lower(), "edit")
        self.app.type("a.+ x")
        self.assertEqual(probe("text"), "50")
        # The arrows are hotkeys, so the caret moves with Home and End only;
        # after the first character typed at the start it stands inside the text.
        self.app.key("Home")
        self.app.type("-9")
        self.app.key("End")
        self.app.type("7-")
        self.assertEqual(probe("text"), "-9507-")

    def test_tab_moves_the_focus_and_tidies_the_speed_text(self):
        rows = [("0050", "50"), ("-0", ""), ("5-5", "5"), ("-", ""), ("", ""),
                ("99999999999", "2147483647"), ("-99999999999", "-2147483648"), ("-30", "-30")]
        for typed, tidied in rows:
            with self.subTest(typed=typed):
                self.app.set_speed(typed)
                self.assertEqual(probe("text"), typed)  # untouched while the box has the focus
                self.app.key("Tab")
                self.assertEqual(probe("focus").lower(), "button")
                self.assertEqual(probe("text"), tidied)
                self.app.key("Tab")
                self.assertEqual(probe("focus").lower(), "edit")
        self.app.key("shift+Tab")
        self.assertEqual(probe("focus").lower(), "button")
        self.app.key("shift+Tab")
        self.assertEqual(probe("focus").lower(), "edit")

    def test_enter_does_nothing(self):
        self.app.key("Return")
        self.assertEqual(probe("text"), "50")
        self.assertEqual(probe("focus").lower(), "edit")
        self.assertIsNone(self.app.process.poll())

    def test_escape_closes_and_the_exit_code_is_0(self):
        self.assertEqual(self.app.close_with_esc(), 0)

    def test_close_box_sends_the_window_away_with_exit_code_0(self):
        self.app.key("alt+F4")
        self.assertEqual(self.app.wait_exit(), 0)

    def test_screenshot_shows_title_caption_speed_and_button(self):
        shot = self.app.screenshot("main_window.png")
        # Glyphs, not empty boxes: the title, the Chinese caption, "50" and the
        # button caption all leave dark strokes where they stand.
        title = dark_pixels(shot, 20, 2, 80, 16)
        caption = dark_pixels(shot, 22, 35, 170, 20)
        speed = dark_pixels(shot, 198, 36, 22, 14)
        button = dark_pixels(shot, 255, 35, 84, 16)
        for name, count in (("title", title), ("caption", caption), ("speed", speed), ("button", button)):
            self.assertGreater(count, 15, name)
        # The skinned button has a white face inside a coloured outline.
        self.assertEqual(pixel(shot, 254, 55), (255, 255, 255))


if __name__ == "__main__":
    unittest.main()
