"""The export button, end to end: the referral page, the save dialog, and the
source package written byte for byte."""
import os
import shutil
import subprocess
import time
import unittest

from harness import (ARTEFACTS, BUILD, PROBE, Tarnwick, move_pointer, probe, run, wait_for, wait_for_pointer,
                     windows_path)

REFERRAL_URL = "http://forum.example/?fromuid=520131"
ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def embedded_package():
    with open(os.path.join(BUILD, "source_package.bin"), "rb") as f:
        block = f.read()
    assert int.from_bytes(block[0:4], "little") == 1
    assert int.from_bytes(block[4:8], "little") == len(block) - 8
    return block[8:]


class ExportTest(unittest.TestCase):
    def setUp(self):
        self.folder = os.path.join(ARTEFACTS, "export-" + self.id().rsplit(".", 1)[-1])
        shutil.rmtree(self.folder, ignore_errors=True)
        os.makedirs(self.folder)
        self.log = os.path.join(self.folder, "browser.log")
        self.app = Tarnwick(extra_env={"TARNWICK_BROWSER_LOG": self.log})

    def tearDown(self):
        self.app.kill()

    # ---- helpers -------------------------------------------------------------

    def other_windows(self):
        return self.app.other_windows()

    def open_dialog(self, click=True):
        if click:
            self.app.click_export_button()
        else:
            self.app.key("Tab", "space")
        dialog = wait_for(lambda: self.other_windows() and wait_for(lambda: self.dialog_name() is not None, 0.1),
                          timeout=20)
        self.assertTrue(dialog, "the save dialog did not open")
        return self.other_windows()[0]

    def dialog_name(self):
        try:
            return probe("dialog-name")
        except RuntimeError:
            return None

    def dialog_key(self, dialog, *keys):
        run("xdotool", "windowfocus", "--sync", dialog)
        run("xdotool", "key", "--delay", "50", *keys)

    def dialog_gone(self):
        return wait_for(lambda: self.dialog_name() is None, timeout=20)

    def save_as(self, dialog, path):
        """Types a full path into the dialog and confirms it."""
        self.dialog_key(dialog, "ctrl+a")
        run("xdotool", "type", "--delay", "20", "--", windows_path(path))
        self.dialog_key(dialog, "Return")

    def browser_lines(self):
        if not os.path.exists(self.log):
            return []
        with open(self.log) as f:
            return f.read().splitlines()

    def assert_package(self, path):
        self.assertTrue(wait_for(lambda: os.path.exists(path), timeout=20), path)
        with open(path, "rb") as f:
            self.assertEqual(f.read(), embedded_package())

    # ---- tests -----------------------------------------------------------------

    def test_a_click_opens_the_page_once_then_the_dialog_and_cancel_writes_nothing(self):
        dialog = self.open_dialog()
        self.assertEqual(probe("dialog-name"), "Tarnwick源码")
        self.assertTrue(wait_for(lambda: self.browser_lines() == [REFERRAL_URL], timeout=5))
        self.dialog_key(dialog, "Escape")
        self.assertTrue(self.dialog_gone())
        time.sleep(0.5)
        self.assertEqual(self.browser_lines(), [REFERRAL_URL])
        self.assertEqual(sorted(os.listdir(self.folder)), ["browser.log"])
        self.assertEqual(self.other_windows(), [])  # no message either

    def test_space_on_the_focused_button_runs_it_too(self):
        dialog = self.open_dialog(click=False)
        self.assertTrue(wait_for(lambda: self.browser_lines() == [REFERRAL_URL], timeout=5))
        self.dialog_key(dialog, "Escape")
        self.assertTrue(self.dialog_gone())

    def test_saving_writes_the_package_which_unzips_to_the_sources(self):
        dialog = self.open_dialog()
        target = os.path.join(self.folder, "package")  # the dialog adds the suffix
        self.save_as(dialog, target)
        self.assertTrue(self.dialog_gone())
        self.assert_package(target + ".zip")
        listed = run("unzip", "-Z1", target + ".zip").split()
        tracked = subprocess.run(["git", "-C", ROOT, "ls-files"], capture_output=True, text=True).stdout.split()
        if tracked:
            self.assertEqual(sorted(listed), sorted(tracked))
        self.assertIn("No errors detected", run("unzip", "-t", target + ".zip"))
        self.assertEqual(self.other_windows(), [])

        # The next click offers the full path chosen before: the dialog opens
        # in that folder with that name, so Return alone saves there again;
        # after a Cancel it is offered once more.
        for cancel_first in (False, True):
            os.remove(target + ".zip")
            if cancel_first:
                dialog = self.open_dialog()
                self.dialog_key(dialog, "Escape")
                self.assertTrue(self.dialog_gone())
            dialog = self.open_dialog()
            self.assertEqual(probe("dialog-name"), "package.zip")
            self.dialog_key(dialog, "Return")
            self.assertTrue(self.dialog_gone())
            self.assert_package(target + ".zip")
        self.assertEqual(self.browser_lines(), [REFERRAL_URL] * 4)

    def test_an_existing_longer_file_is_replaced_entirely_after_the_prompt(self):
        target = os.path.join(self.folder, "old.zip")
        with open(target, "wb") as f:
            f.write(b"x" * (len(embedded_package()) + 12345))
        dialog = self.open_dialog()
        self.save_as(dialog, target)
        prompt = wait_for(lambda: [w for w in self.other_windows() if w != dialog], timeout=10)
        self.assertTrue(prompt, "no replace prompt")
        run("xdotool", "windowfocus", "--sync", prompt[0])
        run("xdotool", "key", "Return")  # Yes is the default
        self.assertTrue(self.dialog_gone())
        self.assert_package(target)

    def test_a_folder_outside_gbk_gets_the_file(self):
        folder = os.path.join(self.folder, "한글-😀")
        os.makedirs(folder)
        target = os.path.join(folder, "源码 😀.zip")
        dialog = self.open_dialog()
        probe("dialog-name-set", windows_path(target))
        self.dialog_key(dialog, "Return")
        self.assertTrue(self.dialog_gone())
        self.assert_package(target)
        self.assertEqual(os.listdir(folder), ["源码 😀.zip"])

    def test_a_path_too_long_for_the_buffer_is_never_cut_short(self):
        folder = os.path.join(self.folder, "a" * 120, "b" * 120)
        os.makedirs(folder)
        target = os.path.join(folder, "c" * 60 + ".zip")  # over 260 characters in all
        dialog = self.open_dialog()
        probe("dialog-name-set", windows_path(target))
        self.dialog_key(dialog, "Return")
        time.sleep(1)
        if self.dialog_name() is not None:  # the platform may keep the dialog open
            self.dialog_key(dialog, "Escape")
        self.assertTrue(self.dialog_gone())
        written = [os.path.join(root, f) for root, _, files in os.walk(self.folder) for f in files]
        self.assertEqual(written, [self.log])  # nothing saved, under no shortened name
        self.assertEqual(self.other_windows(), [])

    def test_a_target_held_open_keeps_its_content_and_a_message_says_so(self):
        target = os.path.join(self.folder, "held.zip")
        with open(target, "wb") as f:
            f.write(b"precious")
        holder = subprocess.Popen(["wine", PROBE, "hold", windows_path(target)], stdout=subprocess.PIPE,
                                  stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL, text=True)
        try:
            self.assertEqual(holder.stdout.readline().strip(), "holding")
            dialog = self.open_dialog()
            self.save_as(dialog, target)
            prompt = wait_for(lambda: [w for w in self.other_windows() if w != dialog], timeout=10)
            run("xdotool", "windowfocus", "--sync", prompt[0])
            run("xdotool", "key", "Return")  # yes, replace it
            message = wait_for(lambda: self._message(), timeout=20)
            self.assertTrue(message, "no message about the failed save")
            self.assertIn(windows_path(target), message)
            box = self.other_windows()
            self.assertEqual(len(box), 1)  # one message, the dialog is gone
            time.sleep(0.5)
            run("import", "-window", box[0], os.path.join(ARTEFACTS, "export_failed_message.png"))
            run("xdotool", "windowfocus", "--sync", box[0])
            run("xdotool", "key", "Return")
            self.assertTrue(wait_for(lambda: self._message() is None, timeout=10))
        finally:
            holder.kill()
            holder.wait(timeout=20)
        with open(target, "rb") as f:
            self.assertEqual(f.read(), b"precious")
        self.assertEqual(sorted(os.listdir(self.folder)), ["browser.log", "held.zip"])

    def _message(self):
        try:
            return probe("message")
        except RuntimeError:
            return None

    def test_arrows_move_the_pointer_while_the_dialog_is_open(self):
        dialog = self.open_dialog()
        move_pointer(500, 400)
        run("xdotool", "windowfocus", "--sync", dialog)
        run("xdotool", "key", "Up")
        self.assertEqual(wait_for_pointer((500, 350)), (500, 350))
        self.dialog_key(dialog, "Escape")
        self.assertTrue(self.dialog_gone())

    def test_the_dialogs_buttons_and_boxes_carry_the_skin(self):
        dialog = self.open_dialog()
        counts = probe("dialog-skin").split()
        skinned, plain = int(counts[1]), int(counts[3])
        self.assertGreaterEqual(skinned, 3)  # at least Save, Cancel and the file name box
        self.assertEqual(plain, 0)
        path = os.path.join(ARTEFACTS, "save_dialog.png")
        wait_for(lambda: run("import", "-window", dialog, path) is not None and os.path.getsize(path) > 0)
        self.dialog_key(dialog, "Escape")
        self.assertTrue(self.dialog_gone())


if __name__ == "__main__":
    unittest.main()
