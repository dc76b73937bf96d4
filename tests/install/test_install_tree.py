"""The installed game: cmake --install into a temporary prefix whose path
holds spaces, then the launcher started as the desktop entry starts it, by two
players with homes of their own, under a private X server."""

import glob
import os
import pathlib
import re
import shlex
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from xserver import XServer, wait_until  # noqa: E402


def snapshot(folder):
    """Every file below folder: relative path -> (mtime, size)."""
    return {str(p.relative_to(folder)): (p.stat().st_mtime_ns, p.stat().st_size)
            for p in pathlib.Path(folder).rglob("*")}


class InstallTree(unittest.TestCase):
    def test_the_tree_and_two_players(self):
        top = tempfile.mkdtemp(prefix="brickwork install ")
        self.addCleanup(shutil.rmtree, top)
        prefix = os.path.join(top, "pre fix")
        subprocess.run(["cmake", "--install", os.environ["BUILD_DIR"], "--prefix", prefix],
                       check=True, stdout=subprocess.DEVNULL)
        game, share = os.path.join(prefix, "lib/games/brickwork-garden"), prefix + "/share/"

        # The game, its message box and print helper, its data with a mask newer than each
        # toolbar picture (the game would rewrite an older one), the launcher,
        # the entry, icons.
        for path in ("brickwork-garden", "brickwork-garden-message-box", "brickwork-garden-print",
                     "../../../games/brickwork-garden"):
            self.assertTrue(os.access(os.path.join(game, path), os.X_OK), path)
        for path in ("BMP/startup.jpg", "BMP/shutdown.jpg", "Sound/drop.wav",
                     "BMP2x/palace/1.gate.png", "BMP2x/frame/1.stone.png"):
            self.assertTrue(os.path.isfile(os.path.join(game, path)), path)
        pictures = [p for folder in ("palace", "decoration", "person")
                    for p in glob.glob(os.path.join(game, "BMP", folder, "[123].*.png"))]
        self.assertGreater(len(pictures), 20)
        for picture in pictures:
            self.assertGreater(int(os.stat(picture + ".mask").st_mtime),
                               int(os.stat(picture).st_mtime), picture)
        entry = share + "applications/brickwork-garden.desktop"
        subprocess.run(["desktop-file-validate", entry], check=True)
        for size in (16, 22, 24, 32, 48, 64, 128, 256):
            with open(share + "icons/hicolor/%dx%d/apps/brickwork-garden.png" % (size, size),
                      "rb") as f:
                self.assertEqual((size, size), struct.unpack(">II", f.read(24)[16:24]))
        self.assertTrue(os.path.isfile(share + "icons/hicolor/scalable/apps/brickwork-garden.svg"))
        with open(entry) as f:
            text = f.read()
        # The entry's command, then its actions', one for each access but the mouse.
        command, *actions = (shlex.split(c) for c in re.findall(r"^Exec=(.*)$", text, re.M))
        self.assertEqual(4, len(actions))
        self.assertIn("\nStartupWMClass=brickwork-garden\n", text)

        # The manual page, the AppStream metadata, the licence and the
        # changelog, each passing its validator where it is installed.
        page = share + "man/man6/brickwork-garden.6.gz"
        metadata = glob.glob(share + "metainfo/*.metainfo.xml")
        self.assertEqual(1, len(metadata))
        for tool, arguments, path in (("man", ["--warnings", "-l"], page),
                                      ("lexgrog", [], page),
                                      ("appstreamcli", ["validate", "--no-net"], metadata[0])):
            if shutil.which(tool):
                checked = subprocess.run([tool] + arguments + [path], env=dict(
                    os.environ, LC_ALL="C.UTF-8", MANWIDTH="80", MANROFFSEQ=""),
                    stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
                self.assertEqual((0, ""), (checked.returncode, checked.stderr), tool)
        for path in ("copyright", "changelog.gz"):
            self.assertTrue(os.path.isfile(share + "doc/brickwork-garden/" + path), path)

        # The launcher passes every option on to the game; the manual page
        # lists every option the game's help lists.
        launcher = os.path.join(prefix, "games", "brickwork-garden")
        env = dict(os.environ, HOME=os.path.join(top, "home zero"))
        for arguments, code, output in ((["--version"], 0, "brickwork-garden "),
                                        (["--no-sound", "--loud"], 2, "unknown option"),
                                        (["--help"], 0, "--display=keep")):
            ran = subprocess.run([launcher] + arguments, env=env, stdout=subprocess.PIPE,
                                 stderr=subprocess.STDOUT, text=True)
            self.assertEqual(code, ran.returncode, ran.stdout)
            self.assertIn(output, ran.stdout)
        if shutil.which("man"):
            manual = subprocess.run(["man", "-l", page], env=dict(env, MANWIDTH="200"),
                                    stdout=subprocess.PIPE, text=True).stdout
            listed = manual.split("\nOPTIONS\n")[1].split("\nSETTINGS FILES\n")[0]
            options = re.findall(r"^  (--[a-z-]+=?)", ran.stdout, re.M)
            self.assertGreater(len(options), 7, ran.stdout)
            for option in options:
                self.assertRegex(listed, r"(?m)^ +" + re.escape(option))

        # Two players, the second with a data folder of their own and started
        # by the entry's last action: each saves in their own folder, whose
        # BMP and Sound link to the install.
        before = snapshot(game)
        with XServer.xvfb() as x:
            for name, data_home, laid, run in (("one", None, True, command),
                                               ("two", top + "/data two", False, actions[-1])):
                home = os.path.join(top, "home " + name)
                os.makedirs(home)
                env = dict(x.env, HOME=home, PATH=prefix + "/games:/usr/bin:/bin",
                           SDL_AUDIODRIVER="dummy", **({"XDG_DATA_HOME": data_home} if data_home
                                                       else {}))
                folder = pathlib.Path(data_home or home + "/.local/share", "brickwork-garden")
                log = lambda: (folder / "gameLog.txt").read_text() if (
                    folder / "gameLog.txt").exists() else ""
                player = subprocess.Popen(run, env=env, stdout=subprocess.DEVNULL,
                                          stderr=subprocess.DEVNULL)
                try:
                    self.assertTrue(wait_until(lambda: "703GameLevel" in log(), 60), log())
                    # The launcher gave way to the game itself.
                    self.assertEqual(os.path.realpath(game + "/brickwork-garden"),
                                     os.readlink("/proc/%d/exe" % player.pid))
                    if laid:  # a gate from the first cell, clicked until taken
                        self.assertTrue(wait_until(lambda: x.click(113, 199) or
                                                   "start drag(" in log(), 30, 0.5), log())
                        x.click(500, 400)
                    x.key("s")
                    saved = folder / "savegame.txt"
                    self.assertTrue(wait_until(saved.exists, 20), log())
                    self.assertEqual(laid, "BMP/palace/" in saved.read_text())
                    x.key("Escape")
                    self.assertEqual(0, player.wait(60))
                finally:
                    player.kill()
                    player.wait()
                for data in ("BMP", "BMP2x", "Sound"):
                    self.assertEqual(os.path.join(os.path.realpath(game), data),
                                     os.readlink(folder / data))
        self.assertFalse(os.path.exists(top + "/home two/.local"))
        self.assertEqual(before, snapshot(game), "the game wrote into its installed folder")


if __name__ == "__main__":
    unittest.main()
