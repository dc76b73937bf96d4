"""A real CUPS print server of the tests' own, with a PDF printer (cups-pdf),
started in the foreground with its configuration, spool and port under a
temporary folder, and stopped by its id. cups-pdf reads its settings from
/etc/cups alone, so the server runs in a mount namespace of its own where
the temporary folder's settings lie over /etc/cups: nothing of the machine's
own printing is touched. Needs root (unshare, and cups-pdf runs as root).
Also a server that takes connections and never answers."""

import glob
import os
import shutil
import socket
import subprocess
import tempfile

from xserver import wait_until

CUPSD = "/usr/sbin/cupsd"
PDF_DRIVER = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"

CUPSD_CONF = """Listen localhost:{port}
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
"""
FILES_CONF = """ServerRoot {top}/etc
RequestRoot {top}/spool
TempDir {top}/tmp
CacheDir {top}/cache
StateDir {top}/state
ErrorLog {top}/log/error_log
AccessLog {top}/log/access_log
PageLog {top}/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
"""
PDF_CONF = """Out {top}/pdf
AnonDirName {top}/pdf
Spool {top}/cups-pdf
Log {top}/log
Label 1
"""


def available():
    return os.geteuid() == 0 and all(os.path.exists(p) for p in (CUPSD, PDF_DRIVER)) and \
        shutil.which("unshare") and shutil.which("pdftoppm")


def free_port():
    with socket.socket() as s:
        s.bind(("localhost", 0))
        return s.getsockname()[1]


class PrintServer:
    """cupsd on localhost:port with the PDF printer "pdf", the default one
    unless default is false. Its pages land in pdfs(). Use with "with"."""

    def __init__(self, default=True):
        self.top = tempfile.mkdtemp(prefix="brickwork-cups-")
        self.port = free_port()
        self.address = "localhost:%d" % self.port
        for folder in ("etc", "spool", "tmp", "cache", "state", "log", "pdf", "cups-pdf"):
            os.makedirs(os.path.join(self.top, folder))
        for name, text in (("cupsd.conf", CUPSD_CONF), ("cups-files.conf", FILES_CONF),
                           ("cups-pdf-pdf.conf", PDF_CONF)):
            with open(os.path.join(self.top, "etc", name), "w") as f:
                f.write(text.format(port=self.port, top=self.top))
        # The filters run as the server's user lp.
        for root, folders, _ in os.walk(self.top):
            for folder in [root] + [os.path.join(root, f) for f in folders]:
                os.chmod(folder, 0o777)
        etc = os.path.join(self.top, "etc")
        self.process = subprocess.Popen(
            ["unshare", "--mount", "sh", "-c", 'mount --bind "$0" /etc/cups && exec "$@"', etc,
             CUPSD, "-f", "-c", etc + "/cupsd.conf", "-s", etc + "/cups-files.conf"],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.STDOUT)
        try:
            assert wait_until(lambda: self.lp("lpstat", "-r").returncode == 0, 30), \
                "the print server did not start\n" + self.errors()
            # A server just started may still refuse an administrator's
            # connection now and then.
            for command in [["-p", "pdf", "-E", "-v", "cups-pdf:/pdf", "-P", PDF_DRIVER]] + \
                    [["-d", "pdf"]] * default:
                assert wait_until(lambda: self.lp("lpadmin", *command).returncode == 0, 30), \
                    self.lp("lpadmin", *command).stdout
            assert wait_until(lambda: "pdf" in self.lp("lpstat", "-v").stdout, 30), \
                "no PDF printer\n" + self.errors()
        except BaseException:
            self.stop()
            raise

    def lp(self, *command, check=False):
        """Runs a CUPS command against this server."""
        return subprocess.run([command[0], "-h", self.address] + list(command[1:]), check=check,
                              stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)

    def pdfs(self):
        return sorted(glob.glob(os.path.join(self.top, "pdf", "*.pdf")))

    def completed(self):
        return self.lp("lpstat", "-W", "completed", "-o").stdout.splitlines()

    def errors(self):
        with open(os.path.join(self.top, "log", "error_log"), errors="replace") as f:
            return f.read()[-3000:]

    def stop(self):
        self.process.terminate()
        self.process.wait()
        shutil.rmtree(self.top, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.stop()


def silent_server():
    """A port that takes connections (the kernel's backlog does) and never
    says a word."""
    listener = socket.socket()
    listener.bind(("localhost", 0))
    listener.listen(64)
    return listener
