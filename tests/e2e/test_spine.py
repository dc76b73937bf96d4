"""The program's spine, end to end: log lines, the banner pictures and their
check, Escape, and the display mode given back on every way out."""

import os
import signal
import time
import unittest

from harness import Game, Picture, XServer, wait_until


class Spine(unittest.TestCase):
    def test_escape_ends_the_run_after_the_shutdown_picture(self):
        with XServer.xvfb() as x, Game(x) as game:
            first = game.wait_for_log(r"^brightwell 155 ")
            self.assertEqual(first, game.log_lines()[0])
            self.assertRegex(first, r"^brightwell 155 Renderer \S")
            game.wait_until_playing()
            time.sleep(0.5)
            x.key("Escape")
            pressed = time.monotonic()
            game.wait_for_log(r"^brightwell 198 exit$", 10)
            shutdown = Picture.from_file(game.path("BMP/shutdown.jpg"))
            self.assertTrue(wait_until(lambda: x.screenshot().matches(shutdown), 5),
                            "the shutdown picture is not on screen")
            # Keys do nothing while the shutdown picture is shown.
            x.key("Escape")
            self.assertEqual(0, game.wait(20))
            elapsed = time.monotonic() - pressed
            self.assertGreaterEqual(elapsed, 7.9)
            self.assertLess(elapsed, 11)
            self.assertEqual("brightwell 198 exit", game.log_lines()[-1])
            self.assertEqual(1, sum("brightwell 198" in line for line in game.log_lines()))

    def test_start_up_picture_shows_while_the_level_loads(self):
        with XServer.xvfb() as x, Game(x) as game:
            startup = Picture.from_file(game.path("BMP/startup.jpg"))
            self.assertTrue(wait_until(lambda: x.screenshot().matches(startup), 20),
                            "the start-up picture never showed")
            game.wait_until_playing()
            game.signal(signal.SIGTERM)
            self.assertEqual(0, game.wait())

    def test_window_destroyed_from_outside_ends_the_run(self):
        with XServer.xvfb() as x, Game(x) as game:
            game.wait_until_playing()
            x.run("xdotool", "windowclose", x.find_window("123"))
            self.assertEqual(0, game.wait(5), game.output_text())
            self.assertEqual("brightwell 198 exit", game.log_lines()[-1])

    def test_window_closed_by_the_window_manager_ends_the_run(self):
        with XServer.xvfb() as x, Game(x) as game:
            game.wait_until_playing()
            x.close_window(x.find_window("123"))
            self.assertEqual(0, game.wait(5), game.output_text())
            self.assertEqual("brightwell 198 exit", game.log_lines()[-1])

    def check_bad_banner(self, prepare, shutdown_shown):
        with XServer.xvfb() as x, Game(x, prepare=prepare) as game:
            box = x.find_window("Brickwork Garden", 20)
            self.assertIsNotNone(box, "no message box; log:\n" + "\n".join(game.log_lines()))
            self.assertTrue(game.running())
            self.assertEqual(1, len(game.log_lines()), "the message comes before the log line")
            x.key("Return", window=box)
            self.assertTrue(wait_until(lambda: x.find_window("Brickwork Garden", 0) is None, 5),
                            "Enter did not close the message box")
            game.wait_for_log(r"^brightwell 198 ", 10)
            started = time.monotonic()
            self.assertEqual(0, game.wait(20))
            self.assertEqual("brightwell 198 Some file was corrupted", game.log_lines()[-1])
            self.assertEqual(2, len(game.log_lines()))
            if shutdown_shown:
                self.assertGreater(time.monotonic() - started, 7)
            self.assertFalse(any("GameLevel" in line for line in game.log_lines()))

    def test_altered_start_up_picture_shows_the_message_box(self):
        def alter(folder):
            # One byte in the middle changed (a zero byte added at the end
            # may vanish in the digest's rounding to 8 bytes).
            with open(os.path.join(folder, "BMP/startup.jpg"), "r+b") as f:
                f.seek(os.path.getsize(f.name) // 2)
                byte = f.read(1)
                f.seek(-1, os.SEEK_CUR)
                f.write(bytes([byte[0] ^ 0x55]))
        self.check_bad_banner(alter, shutdown_shown=True)

    def test_missing_shutdown_picture_shows_the_message_box(self):
        self.check_bad_banner(lambda folder: os.remove(os.path.join(folder, "BMP/shutdown.jpg")),
                              shutdown_shown=False)


@unittest.skipUnless(XServer.dummy_available(), "needs root and the Xorg dummy driver")
class DisplayMode(unittest.TestCase):
    def run_and_end(self, end):
        """Starts the game on the dummy Xorg, checks the mode it picks, ends it
        with end(game, x), and returns the exit code once the desktop mode is
        back."""
        with XServer.dummy_xorg() as x:
            desktop = x.current_mode()
            self.assertTrue(desktop.startswith("1280x1024@"), desktop)
            with Game(x) as game:
                game.wait_until_playing()
                self.assertEqual("1024x768@75", x.current_mode())
                code = end(game, x)
                self.assertTrue(wait_until(lambda: x.current_mode() == desktop, 10),
                                "the mode stayed " + x.current_mode())
                return code, game.log_lines()

    def test_escape_restores_the_desktop_mode(self):
        def escape(game, x):
            x.key("Escape")
            return game.wait(20)
        code, log = self.run_and_end(escape)
        self.assertEqual(0, code)
        self.assertEqual("brightwell 198 exit", log[-1])

    def test_sigterm_restores_the_desktop_mode_and_ends_with_zero(self):
        def terminate(game, x):
            game.signal(signal.SIGTERM)
            return game.wait(10)
        code, log = self.run_and_end(terminate)
        self.assertEqual(0, code)
        self.assertEqual("brightwell 198 Terminated", log[-1])

    def test_a_crash_or_kill_still_restores_the_desktop_mode(self):
        for number in (signal.SIGSEGV, signal.SIGKILL):
            with self.subTest(signal=number):
                def kill(game, x):
                    game.signal(number)
                    return game.wait(10)
                code, _ = self.run_and_end(kill)
                self.assertEqual(-number, code)


if __name__ == "__main__":
    unittest.main()
