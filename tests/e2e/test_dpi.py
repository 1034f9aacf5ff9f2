"""The window and the nudge at other DPIs of the Wine prefix."""
import unittest

from harness import Tarnwick, dark_pixels, move_pointer, wait_for_pointer, wine


def set_dpi(dpi):
    code, _ = wine("reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD",
                   "/d", str(dpi), "/f")
    assert code == 0


class DpiTest(unittest.TestCase):
    def tearDown(self):
        set_dpi(96)

    def test_scaled_window_and_exact_nudges(self):
        for dpi in (120, 144):
            with self.subTest(dpi=dpi):
                set_dpi(dpi)
                app = Tarnwick()
                try:
                    scale = lambda length: (length * dpi + 48) // 96  # noqa: E731
                    _, _, width, height = app.geometry()
                    self.assertLessEqual(abs(width - scale(374)), 1)
                    self.assertLessEqual(abs(height - scale(77)), 1)
                    shot = app.screenshot(f"main_window_{dpi}dpi.png")
                    # The caption is drawn in the larger font: more ink than at 96 DPI.
                    caption = dark_pixels(shot, scale(22), scale(36), scale(170), scale(20))
                    self.assertGreater(caption, 15)
                    for key, expected in (("Up", (500, 350)), ("Right", (550, 400))):
                        move_pointer(500, 400)
                        app.key(key)
                        self.assertEqual(wait_for_pointer(expected), expected)
                    self.assertEqual(app.close_with_esc(), 0)
                finally:
                    app.kill()


if __name__ == "__main__":
    unittest.main()
