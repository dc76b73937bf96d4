"""A private X server for the tests, stopped by its process id.

As a module: with XServer.xvfb() as x: ... x.env, x.key("Escape"), x.screenshot()
As a launcher: python3 xserver.py [--dummy] [--size WxHxD] COMMAND ARGS... runs
COMMAND with DISPLAY and LIBGL_ALWAYS_SOFTWARE=1 set and exits with its status
(127 when no server starts).
"""

import ctypes
import ctypes.util
import functools
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

DUMMY_XORG_CONFIG = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                 "..", "platform", "dummy-xorg.conf")


def wait_until(condition, timeout, step=0.05):
    """What condition returns once it is true, or None after timeout seconds."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result or time.monotonic() > deadline:
            return result or None
        time.sleep(step)


class Picture:
    """A picture with pixel access: bpp bytes a pixel, its red, green and blue
    at the offsets rgb."""

    def __init__(self, width, height, data, bpp=3, rgb=(0, 1, 2)):
        self.width, self.height, self.data, self.bpp, self.rgb = width, height, data, bpp, rgb

    @classmethod
    def from_file(cls, path):
        """Any picture file ImageMagick reads (JPEG, PNG, BMP)."""
        ppm = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True,
                             stdout=subprocess.PIPE).stdout
        fields = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", ppm)
        return cls(int(fields.group(1)), int(fields.group(2)), ppm[fields.end():])

    def pixel(self, x, y):
        at = (int(y) * self.width + int(x)) * self.bpp
        return tuple(self.data[at + k] for k in self.rgb)

    def __eq__(self, other):
        """The same kind, size and pixels (a scene view: the same screenshot and place)."""
        return type(self) is type(other) and vars(self) == vars(other)

    def differs(self, other, points, tolerance=24):
        """The share of points whose colour differs by more than tolerance."""
        if self == other:
            return 0.0  # an unchanged screen, at a fraction of the cost
        return sum(any(abs(p - q) > tolerance for p, q in zip(self.pixel(*xy), other.pixel(*xy)))
                   for xy in points) / len(points)

    def matches(self, other, points=None, tolerance=24):
        """Same size, and the same colours within tolerance at the points (a
        grid of 48 over the whole picture by default)."""
        points = points or [(self.width * (i + 0.5) // 8, self.height * (j + 0.5) // 6)
                            for i in range(8) for j in range(6)]
        return ((self.width, self.height) == (other.width, other.height)
                and self.differs(other, points, tolerance) == 0)


class XImage(ctypes.Structure):
    _fields_ = ([(n, ctypes.c_int) for n in ("width", "height", "xoffset", "format")]
                + [("data", ctypes.c_void_p)]
                + [(n, ctypes.c_int) for n in ("byte_order", "bitmap_unit", "bitmap_bit_order",
                                               "bitmap_pad", "depth", "bytes_per_line", "bpp")])


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]


IGNORE_ERRORS = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda *_: 0)


@functools.lru_cache(None)
def xlib():
    """libX11 with the few calls the tests make."""
    x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
    p, ulong, i, image = ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.POINTER(XImage)
    for name, result, arguments in (
            ("XOpenDisplay", p, [ctypes.c_char_p]), ("XCloseDisplay", i, [p]),
            ("XDefaultRootWindow", ulong, [p]), ("XDisplayWidth", i, [p, i]),
            ("XDisplayHeight", i, [p, i]), ("XInternAtom", ulong, [p, ctypes.c_char_p, i]),
            ("XSendEvent", i, [p, ulong, i, ctypes.c_long, p]),
            ("XGetImage", image, [p, ulong, i, i, ctypes.c_uint, ctypes.c_uint, ulong, i]),
            ("XDestroyImage", i, [image]), ("XSetErrorHandler", p, [p]), ("XFree", i, [p])):
        getattr(x11, name).restype, getattr(x11, name).argtypes = result, arguments
    # A failed request (a screenshot while the screen changes size) returns
    # nothing instead of ending the process.
    x11.XSetErrorHandler(ctypes.cast(IGNORE_ERRORS, ctypes.c_void_p))
    return x11


class CursorImage(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short), ("width", ctypes.c_ushort),
                ("height", ctypes.c_ushort), ("xhot", ctypes.c_ushort),
                ("yhot", ctypes.c_ushort), ("cursor_serial", ctypes.c_ulong),
                ("pixels", ctypes.POINTER(ctypes.c_ulong)), ("atom", ctypes.c_ulong),
                ("name", ctypes.c_char_p)]


@functools.lru_cache(None)
def xfixes():
    """libXfixes with the call that reads the cursor shown."""
    fixes = ctypes.cdll.LoadLibrary(ctypes.util.find_library("Xfixes"))
    fixes.XFixesGetCursorImage.restype = ctypes.POINTER(CursorImage)
    fixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    return fixes


class XServer:
    def __init__(self, command, announced=None):
        """command(folder): the server's command line, given a temporary
        folder of its own. The server writes its display number to the
        -displayfd descriptor, or, given announced, in its error output as
        the pattern's group."""
        self.folder = tempfile.mkdtemp(prefix="brickwork-x-")
        os.chmod(self.folder, 0o700)
        command = command(self.folder) + ([] if announced else ["-displayfd"])
        reader, writer = os.pipe()
        log = os.path.join(self.folder, "server.err")
        with open(log, "w") as err:
            self.process = subprocess.Popen(command + ([] if announced else [str(writer)]),
                                            pass_fds=(writer,), stdout=subprocess.DEVNULL,
                                            stderr=err, env=dict(os.environ,
                                                                 XDG_RUNTIME_DIR=self.folder))
        os.close(writer)
        with os.fdopen(reader) as numbers:  # the display number, or nothing once it ends
            number = "" if announced else numbers.readline()
        if announced:
            found = wait_until(lambda: re.search(announced, open(log).read())
                               or self.process.poll() is not None, 30)
            number = found.group(1) if isinstance(found, re.Match) else ""
        if not number.strip().isdigit():
            self.close()
            raise RuntimeError("the X server did not start: " + " ".join(command))
        self.display = ":" + number.strip()
        self.env = dict(os.environ, DISPLAY=self.display, LIBGL_ALWAYS_SOFTWARE="1")

    @classmethod
    def xvfb(cls, size="1024x768x24", randr=True):
        # -noreset: a server whose last client leaves would reset and refuse
        # connections meanwhile, which a desktop never does.
        return cls(lambda folder: ["Xvfb", "-noreset", "-screen", "0", size, "-nolisten", "tcp",
                                   "+extension", "GLX", "%sextension" % "+-"[not randr], "RANDR"])

    @staticmethod
    def dummy_available():
        return (os.geteuid() == 0 and os.access("/usr/bin/Xorg", os.X_OK)
                and os.path.exists("/usr/lib/xorg/modules/drivers/dummy_drv.so"))

    @classmethod
    def dummy_xorg(cls, wide_only=False):
        """Xorg on the dummy driver: a 1280x1024 desktop that also offers
        1024x768 at 60 and 75 Hz, 1024x576 and 1024x600 at 80 Hz and 800x600;
        wide_only: of the 1024- and 800-wide modes only 1024x600 (the line
        rates keep the others out). Needs root."""
        def command(folder):
            config = DUMMY_XORG_CONFIG
            if wide_only:
                config = folder + "/xorg.conf"
                with open(DUMMY_XORG_CONFIG) as f, open(config, "w") as out:
                    out.write(f.read().replace("20.0-100.0", "50.0-50.5, 79.9-80.1"))
            return ["Xorg", "-config", config, "-configdir", folder + "/conf.d", "-logfile",
                    folder + "/xorg.log", "-nolisten", "tcp", "-noreset"]
        return cls(command)

    @staticmethod
    def xwayland_available():
        return bool(shutil.which("weston") and shutil.which("Xwayland"))

    @classmethod
    def xwayland(cls):
        """Xwayland under weston's headless compositor with a 1280x1024
        output; it offers 1024x768 but only pretends to switch to it."""
        return cls(lambda folder: ["weston", "--backend=headless-backend.so", "--xwayland",
                                   "--socket=wayland-brickwork", "--width=1280",
                                   "--height=1024", "--idle-time=0"],
                   r"xserver listening on display :(\d+)")

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        shutil.rmtree(self.folder, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def run(self, *command, check=True):
        """Runs an X client on this server; returns its standard output."""
        return subprocess.run(command, env=self.env, check=check, stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, timeout=30).stdout.decode()

    def xlib(self, use):
        """use(libX11, display) on a connection of its own; returns its result."""
        x11 = xlib()
        display = x11.XOpenDisplay(self.display.encode())
        if not display:
            raise RuntimeError("cannot open " + self.display)
        try:
            return use(x11, display)
        finally:
            x11.XCloseDisplay(display)  # flushes what use sent

    def screenshot(self):
        """The whole screen (32 bits a pixel, blue first) as a Picture."""
        def grab(x11, display):
            image = x11.XGetImage(display, x11.XDefaultRootWindow(display), 0, 0,
                                  x11.XDisplayWidth(display, 0), x11.XDisplayHeight(display, 0),
                                  0xFFFFFFFF, 2)  # all planes, ZPixmap
            if not image:
                return None
            try:
                shot = image.contents
                assert shot.bpp == 32 and shot.bytes_per_line == 4 * shot.width
                return Picture(shot.width, shot.height,
                               ctypes.string_at(shot.data, 4 * shot.width * shot.height), 4,
                               (2, 1, 0))
            finally:
                x11.XDestroyImage(image)
        return wait_until(lambda: self.xlib(grab), 10)

    def close_window(self, window):
        """Asks the window to close the way a window manager does, with a
        WM_DELETE_WINDOW message (xdotool's windowclose destroys it)."""
        def send(x11, display):
            message = ClientMessage(type=33, window=int(window, 16), format=32)
            message.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
            message.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
            x11.XSendEvent(display, message.window, 0, 0, ctypes.byref(message))
        self.xlib(send)

    def find_window(self, name, timeout=10):
        """The id of the first window named exactly name, or None."""
        return wait_until(lambda: next(iter(re.findall(r'^\s*(0x[0-9a-f]+) "%s":' % re.escape(name),
                                                       self.run("xwininfo", "-root", "-tree"),
                                                       re.M)), None), timeout, 0.1)

    def current_mode(self):
        """The display mode in force as "WIDTHxHEIGHT@RATE" (rate rounded)."""
        listing = self.run("xrandr", check=False)
        size = re.search(r"current (\d+) x (\d+)", listing)
        rate = re.search(r"([\d.]+)\*", listing)
        return "%sx%s@%d" % (size.group(1), size.group(2),
                             round(float(rate.group(1))) if rate else 0) if size else "unknown"

    def key(self, *keys, window=None):
        """Presses keys (X key names: "Escape", "Return", "a"), focusing
        window first when given."""
        if window:
            self.run("xdotool", "windowfocus", window)
        self.run("xdotool", "key", *keys)

    def move(self, x, y):
        self.run("xdotool", "mousemove", str(x), str(y))

    def click(self, x, y, button=1):
        self.run("xdotool", "mousemove", str(x), str(y), "click", str(button))

    def drag(self, *points, button=1):
        """Holds the button down from the first point to the last, the
        pointer jumping from point to point."""
        moves = [["mousemove", str(x), str(y)] for x, y in points]
        self.run("xdotool", *moves[0], "mousedown", str(button), *sum(moves[1:], []),
                 "mouseup", str(button))

    def cursor_shown(self):
        """Whether the cursor where the pointer is has a visible pixel (read
        with XFixes)."""
        def read(x11, display):
            image = xfixes().XFixesGetCursorImage(display)
            if not image:
                return None
            try:
                shot = image.contents
                return any(shot.pixels[i] >> 24 for i in range(shot.width * shot.height))
            finally:
                x11.XFree(image)
        return self.xlib(read)


def main(arguments):
    options = {}
    while arguments[:1] in (["--dummy"], ["--size"]):
        option = arguments.pop(0)
        options[option] = option == "--dummy" or arguments.pop(0)
    if not arguments:
        sys.exit("usage: xserver.py [--dummy] [--size WxHxD] COMMAND ARGS...")
    # A test driver's timeout or Ctrl-C stops the command, then the server.
    signal.signal(signal.SIGTERM, signal.default_int_handler)
    server = None
    try:
        server = (XServer.dummy_xorg() if "--dummy" in options
                  else XServer.xvfb(options.get("--size", "1024x768x24")))
        command = subprocess.Popen(arguments, env=server.env)
        try:
            return command.wait()
        except KeyboardInterrupt:
            command.terminate()
            command.wait()
            return 128 + signal.SIGTERM
    except (RuntimeError, OSError) as error:
        print("xserver.py:", error, file=sys.stderr)
        return 127
    finally:
        if server:
            server.close()

if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
