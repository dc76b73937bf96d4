"""Hostile surroundings, end to end: a read-only game folder, a full disk
while saving, no audio device and no RandR, and a termination signal in the
start-up and shutdown phases. The game plays on where it can, keeps the old
saved game, and ends with exit code 0 and the desktop's display mode."""

import glob
import os
import shutil
import signal
import subprocess
import tempfile
import time
import unittest

from harness import Game, XServer, wait_until
from test_controls import saved_bricks
from test_save import MIDDLE, take_piece

ROOT = os.geteuid() == 0


def mount(*arguments):
    subprocess.run(["mount"] + list(arguments), check=True)


def umount(path):
    subprocess.run(["umount", path], check=False)


def size_of(folder):
    return sum(os.path.getsize(os.path.join(top, name))
               for top, _, names in os.walk(folder) for name in names)


class Surroundings(unittest.TestCase):
    def drop_piece(self, x, game, row, spot):
        self.assertTrue(take_piece(x, game, row), "no drag started in row %d" % row)
        x.move(*spot)
        x.click(*spot)
        x.move(600, 690)

    @unittest.skipUnless(ROOT, "mounts a read-only copy of the game folder")
    def test_read_only_game_folder_plays_and_says_nothing(self):
        def read_only(folder):
            for mask in glob.glob(os.path.join(folder, "BMP/*/*.mask")):
                os.remove(mask)
            open(os.path.join(folder, "output.txt"), "w").close()
            mount("--bind", folder, folder)
            mount("-o", "remount,bind,ro", folder)
            # The harness's record of the game's output stays writable.
            mount("--bind", outside.name, os.path.join(folder, "output.txt"))

        outside = tempfile.NamedTemporaryFile(prefix="brickwork-output-")
        self.addCleanup(outside.close)

        with XServer.xvfb() as x:
            game = Game(x, prepare=read_only)
            self.addCleanup(shutil.rmtree, game.folder, True)
            self.addCleanup(umount, game.folder)
            self.addCleanup(umount, game.path("output.txt"))
            self.addCleanup(game.close)
            self.assertTrue(wait_until(lambda: x.find_window("123", 0), 20), "no game window")
            time.sleep(2)
            empty = x.screenshot()
            x.click(113, 120 + 79)
            x.move(500, 350)
            x.click(500, 350)
            x.move(600, 690)
            self.assertTrue(wait_until(lambda: not x.screenshot().matches(empty, MIDDLE), 5),
                            "no piece could be dropped")
            x.key("s", "p", "w")
            time.sleep(1.5)
            self.assertTrue(game.running())
            self.assertEqual(["BMP", "Sound", "output.txt"], sorted(os.listdir(game.folder)))
            self.assertEqual([], glob.glob(game.path("BMP/*/*.mask")))
            self.assertEqual(["123"], [name for _, name in x.windows()], "the game said something")
            game.signal(signal.SIGTERM)
            self.assertEqual(0, game.wait(20))

    @unittest.skipUnless(ROOT, "mounts a small file system for the game folder")
    def test_full_disk_while_saving_keeps_the_old_save(self):
        def small_disk(folder):
            aside = tempfile.mkdtemp(prefix="brickwork-aside-")
            for name in os.listdir(folder):
                shutil.move(os.path.join(folder, name), aside)
            room = size_of(aside) + 512 * 1024
            mount("-t", "tmpfs", "-o", "size=%d" % room, "tmpfs", folder)
            for name in os.listdir(aside):
                shutil.move(os.path.join(aside, name), folder)
            os.rmdir(aside)

        with XServer.xvfb() as x:
            game = Game(x, prepare=small_disk)
            self.addCleanup(shutil.rmtree, game.folder, True)
            self.addCleanup(umount, game.folder)
            self.addCleanup(game.close)
            game.wait_until_playing()
            saved = game.path("savegame.txt")
            self.drop_piece(x, game, 0, (420, 330))
            x.key("s")
            self.assertTrue(wait_until(lambda: os.path.exists(saved), 5), "nothing saved")
            with open(saved, "rb") as f:
                old = f.read()

            filler = game.path("filler")
            try:
                with open(filler, "wb") as f:
                    while True:
                        f.write(b"\0" * 4096)
                        f.flush()
            except OSError:
                pass
            self.drop_piece(x, game, 1, (640, 450))
            x.key("s")
            time.sleep(1.5)
            self.assertTrue(game.running(), "a failed save ended the game")
            with open(saved, "rb") as f:
                self.assertEqual(old, f.read(), "the old saved game was damaged")
            self.assertEqual(["savegame.txt"], [n for n in os.listdir(game.folder)
                                                if n.startswith("savegame")])

            os.remove(filler)
            x.key("s")
            self.assertTrue(wait_until(lambda: len(saved_bricks(saved)) == 2, 5),
                            "saving did not work again once there was room")
            game.signal(signal.SIGTERM)
            self.assertEqual(0, game.wait(20))

    def test_no_audio_device_and_no_randr(self):
        folder = tempfile.mkdtemp(prefix="brickwork-x-")
        x = XServer(["Xvfb", "-noreset", "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                     "+extension", "GLX", "-extension", "RANDR"], folder)
        self.addCleanup(x.close)
        self.assertNotIn("RANDR", x.run("xdpyinfo", check=False))
        x.env["SDL_AUDIODRIVER"] = "nowhere"
        game = Game(x)
        self.addCleanup(game.close)
        game.wait_until_playing()
        empty = x.screenshot()
        for row, spot in ((0, (420, 330)), (2, (700, 500))):
            self.drop_piece(x, game, row, spot)
        self.assertTrue(wait_until(lambda: not x.screenshot().matches(empty, MIDDLE), 5))
        # Picking up and throwing away play sounds too.
        x.click(420, 330, button=3)
        x.key("Escape")
        self.assertEqual(0, game.wait(20))
        self.assertEqual("brightwell 198 exit", game.log_lines()[-1])


@unittest.skipUnless(XServer.dummy_available(), "needs root and the Xorg dummy driver")
class TerminationInEveryPhase(unittest.TestCase):
    def test_sigterm_in_the_start_up_and_shutdown_pictures(self):
        for phase in ("start-up", "shutdown"):
            with self.subTest(phase), XServer.dummy_xorg() as x:
                desktop = x.current_mode()
                with Game(x) as game:
                    if phase == "start-up":
                        game.wait_for_log(r"^brightwell 155 ")
                    else:
                        game.wait_until_playing()
                        x.key("Escape")
                        game.wait_for_log(r"^brightwell 198 exit$")
                        time.sleep(1)
                    game.signal(signal.SIGTERM)
                    self.assertEqual(0, game.wait(5))
                    self.assertTrue(wait_until(lambda: x.current_mode() == desktop, 10),
                                    "the mode stayed " + x.current_mode())
                    if phase == "start-up":
                        self.assertFalse(any("703GameLevel" in line for line in game.log_lines()))


if __name__ == "__main__":
    unittest.main()
