"""Runs LV Sortilo as a user meets it: a real X server, a real window manager,
real mouse clicks and key presses.

Each test gets a session of its own: a temporary folder that holds its home
and XDG folders, its own Xvfb and openbox, and a stand-in for xdg-open that
writes down every address the program asks the desktop to open instead of
starting a browser. Everything the session started is ended when the test
ends, pass or fail; a failing test leaves its folder behind with a screenshot
and the program's output in it.

A sanitizer report is a fault: the harness points the address and leak
sanitizers' logs into the session folder, captures the program's output (where
undefined-behaviour reports go), and fails the test on a report in either.

Standard library only; run the tests with /usr/bin/python3.
"""

import contextlib
import datetime
import glob
import os
import re
import select
import shlex
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

# What the program's windows look like from outside.
MAIN_TITLE = "LV Sortilo v1.0"
BOX_TITLE = "LV Sortilo"
MAIN_CLIENT = (438, 317)
RESULTS_CLIENT = (578, 352)
FAREWELL_CLIENT = (741, 315)
ABOUT_CLIENT = (455, 245)
# A menu bar is at most this tall; windows with one are taller than their client.
MENU_BAR_MAX = 40

SETTINGS_SECTION = "Settings"
SETTINGS_SHIFT = 17

POLL = 0.05
DEFAULT_DEADLINE = 20.0
DEFAULT_SCREEN = "1024x768x24"

# The sanitizers' option variables. Each gets a log_path into the session
# folder appended to what the environment already sets (the asan test preset
# sets several); the last setting of an option wins. With gcc's runtimes the
# address and leak reports follow it, the undefined-behaviour ones still go to
# stderr.
SANITIZER_OPTION_VARIABLES = ("ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS")
# A line that reports a fault, in the output or in a sanitizer log.
SANITIZER_REPORT = re.compile(
    r"ERROR: (Address|Leak|Thread|Memory)Sanitizer|runtime error:")

# Variables that would steer Qt or the browser launcher away from what the
# session sets up.
SCRUBBED_VARIABLES = (
    "BROWSER",
    "DEFAULT_BROWSER",
    "XDG_CURRENT_DESKTOP",
    "DESKTOP_SESSION",
    "KDE_FULL_SESSION",
    "GNOME_DESKTOP_SESSION_ID",
    "DBUS_SESSION_BUS_ADDRESS",
    "QT_QPA_PLATFORM",
    "XDG_SESSION_TYPE",
    "WAYLAND_DISPLAY",
    "SESSION_MANAGER",
    "XAUTHORITY",
    "DISPLAY",
)

REQUIRED_TOOLS = ("Xvfb", "openbox", "wmctrl", "xdotool", "xwininfo", "xprop", "xev", "import")


class TestFailure(AssertionError):
    pass


def read_ppm(data):
    """An 8-bit binary PPM picture as (width, height, RGB bytes)."""
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos) + 1
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    pos += 1
    check(fields[0] == b"P6" and fields[3] == b"255", "not an 8-bit PPM: %r" % fields)
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos:pos + width * height * 3]


def check(condition, message):
    if not condition:
        raise TestFailure(message)


# --- the settings file's encoding ------------------------------------------


def encode_setting(text):
    """The program's codec: every Latin-1 code moved up by 17."""
    return "".join(chr(ord(c) + SETTINGS_SHIFT) for c in text)


def decode_setting(text):
    return "".join(chr(ord(c) - SETTINGS_SHIFT) for c in text)


def ini_escaped_key(key):
    """A key as QSettings writes it into an INI file."""
    out = []
    for c in key:
        code = ord(c)
        if c == "/":
            out.append("\\")
        elif c.isascii() and (c.isalnum() or c in "_-."):
            out.append(c)
        elif code <= 0xFF:
            out.append("%%%02X" % code)
        else:
            out.append("%%U%04X" % code)
    return "".join(out)


DURATION_KEY_LINE_NAME = ini_escaped_key(encode_setting("Duration"))


def encoded_date(date):
    return encode_setting(date.isoformat())


# --- windows -----------------------------------------------------------------


class Window:
    def __init__(self, session, wid, title, x, y, width, height):
        self.session = session
        self.wid = wid
        self.title = title
        self.x = x
        self.y = y
        self.width = width
        self.height = height

    def __repr__(self):
        return "<window 0x%x %r %dx%d+%d+%d>" % (
            self.wid, self.title, self.width, self.height, self.x, self.y)

    def has_client(self, client, menu_bar):
        """Whether this is a window of the program with that client area."""
        width, height = client
        if self.title != MAIN_TITLE or self.width != width:
            return False
        if menu_bar:
            return height < self.height <= height + MENU_BAR_MAX
        return self.height == height

    def pid(self):
        out = self.session.x_tool(["xprop", "-id", str(self.wid), "_NET_WM_PID"], check_rc=False)
        match = re.search(r"=\s*(\d+)", out)
        return int(match.group(1)) if match else None

    def net_wm_state(self):
        return self.session.x_tool(["xprop", "-id", str(self.wid), "_NET_WM_STATE"], check_rc=False)

    def menu_bar_height(self, client):
        return self.height - client[1]


def is_main(w):
    return w.has_client(MAIN_CLIENT, menu_bar=True)


def is_results(w):
    return w.has_client(RESULTS_CLIENT, menu_bar=True)


def is_farewell(w):
    return w.has_client(FAREWELL_CLIENT, menu_bar=False)


def is_about(w):
    return w.has_client(ABOUT_CLIENT, menu_bar=False)


def is_box(w):
    return w.title == BOX_TITLE


_TREE_LINE = re.compile(
    r'^\s*(0x[0-9a-f]+) "(.*)": \(.*\)\s+(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+)\s*$')


# --- what happens between two looks -----------------------------------------


class RootSpy:
    """Records the structure events of the root window's children with xev:
    windows created, taken into a window manager frame, mapped. Catches
    windows that are shown and hidden again too quickly to be seen polling.

    Marks, set as a property of the root window, tell where the record stands:
    the X server delivers events in order, so every event before a mark is
    recorded once the mark is."""

    def __init__(self, session):
        self.session = session
        self.path = os.path.join(session.dir, "root-events-%d.txt" % time.monotonic_ns())
        self.marks = 0
        with open(self.path, "wb") as out:
            self.proc = subprocess.Popen(
                ["stdbuf", "-oL", "xev", "-root", "-event", "substructure", "-event", "property"],
                env=session.env, stdin=subprocess.DEVNULL, stdout=out,
                stderr=subprocess.DEVNULL, start_new_session=True)
        self.mark()

    def mark(self):
        """Waits until every event so far is in the record."""
        self.marks += 1
        name = "_LV_SORTILO_E2E_MARK_%d" % self.marks
        # The spy may only just have started: repeat the mark until it shows.
        def seen():
            self.session.x_tool(["xprop", "-root", "-f", name, "8s", "-set", name, "1"])
            return name in self.text()
        self.session.wait_for(seen, "the event record to catch up", deadline=10)

    def text(self):
        with open(self.path, encoding="utf-8", errors="replace") as f:
            return f.read()

    def events(self):
        """Each event as one line of text."""
        return [" ".join(block.split()) for block in self.text().split("\n\n") if block.strip()]

    def stop(self):
        if self.proc.poll() is None:
            self.proc.kill()
        self.proc.wait()


def created_windows(events, width, height):
    """Ids of the windows created with that size."""
    found = set()
    for event in events:
        match = re.match(r"CreateNotify event.*?parent (0x[0-9a-f]+), window (0x[0-9a-f]+), "
                         r"\(-?\d+,-?\d+\), width (\d+), height (\d+)", event)
        if match and (int(match.group(3)), int(match.group(4))) == (width, height):
            found.add(int(match.group(2), 16))
    return found


def framed_windows(events, root):
    """Ids of the windows that the window manager took into a frame, which it
    does when they are to be shown."""
    found = set()
    for event in events:
        match = re.match(r"ReparentNotify event.*? window (0x[0-9a-f]+), parent (0x[0-9a-f]+)",
                         event)
        if match and int(match.group(2), 16) != root:
            found.add(int(match.group(1), 16))
    return found


# --- the program under test --------------------------------------------------


def with_log_path(options, path):
    """Sanitizer options with the log path appended, the others kept."""
    value = path
    if re.search(r"[\s,:'\"]", path):
        check('"' not in path, "a sanitizer log path cannot hold a double quote: %r" % path)
        value = '"%s"' % path
    options = options.strip().rstrip(":")
    return "%s%slog_path=%s" % (options, ":" if options else "", value)


class Program:
    def __init__(self, session, index, popen, log_path, sanitizer_log):
        self.session = session
        self.index = index
        self.popen = popen
        self.pid = popen.pid
        self.log_path = log_path
        # The sanitizers write to this path with ".<pid>" appended.
        self.sanitizer_log = sanitizer_log
        # Set by tests that make faults on purpose, to check the check.
        self.faults_expected = False

    def alive(self):
        return self.popen.poll() is None

    def wait_exit(self, deadline=DEFAULT_DEADLINE, what=None):
        what = what or "program %d (pid %d) to end" % (self.index, self.pid)
        self.session.wait_for(lambda: not self.alive(), what, deadline)
        return self.popen.returncode

    def kill(self, sig=signal.SIGKILL):
        if self.alive():
            try:
                os.killpg(self.pid, sig)
            except ProcessLookupError:
                pass

    def output(self):
        try:
            with open(self.log_path, encoding="utf-8", errors="replace") as f:
                return f.read()
        except OSError:
            return ""

    def sanitizer_logs(self):
        """{path: text} of the sanitizer logs of this program and of any
        process it started."""
        logs = {}
        for path in sorted(glob.glob(glob.escape(self.sanitizer_log) + ".*")):
            try:
                with open(path, encoding="utf-8", errors="replace") as f:
                    logs[path] = f.read()
            except OSError:
                pass
        return logs

    def sanitizer_reports(self):
        """The lines, in the output and the sanitizer logs, that report a fault."""
        found = []
        sources = [("output", self.output())] + [
            (os.path.basename(path), text) for path, text in self.sanitizer_logs().items()]
        for source, text in sources:
            for line in text.splitlines():
                if SANITIZER_REPORT.search(line):
                    found.append("program %d, %s: %s" % (self.index, source, line.strip()))
        return found


# --- the session -------------------------------------------------------------


class Session:
    def __init__(self, name, screen=DEFAULT_SCREEN):
        self.name = name
        self.screen = screen
        self.dir = tempfile.mkdtemp(prefix="lv-sortilo-e2e-%s-" % name)
        self.xvfb = None
        self.openbox = None
        self.display = None
        self.programs = []
        # Other processes the session started for the desktop, such as a
        # session bus; ended before the X server.
        self.helpers = []
        self.env = None
        self.record_path = os.path.join(self.dir, "opened-addresses.txt")
        self.config_dir = os.path.join(self.dir, "config")
        self.settings_path = os.path.join(self.config_dir, "lv-sortilo.ini")
        executable = os.environ.get("LV_SORTILO", "")
        self.executable = os.path.abspath(executable) if executable else ""

    # setting up and tearing down

    def start(self):
        missing = [tool for tool in REQUIRED_TOOLS if shutil.which(tool) is None]
        check(not missing, "tools missing for the end-to-end tests: %s" % ", ".join(missing))
        check(self.executable and os.access(self.executable, os.X_OK),
              "LV_SORTILO does not name the program to test: %r" % self.executable)

        home = os.path.join(self.dir, "home")
        runtime = os.path.join(self.dir, "runtime")
        bindir = os.path.join(self.dir, "bin")
        for folder in (home, self.config_dir, os.path.join(self.dir, "data"),
                       os.path.join(self.dir, "cache"), bindir):
            os.makedirs(folder, exist_ok=True)
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        os.chmod(runtime, 0o700)

        stub = os.path.join(bindir, "xdg-open")
        with open(stub, "w") as f:
            f.write("#!/bin/sh\n"
                    "# Writes down what the program asked the desktop to open.\n"
                    "for address in \"$@\"; do\n"
                    "    printf '%%s\\n' \"$address\" >> %s\n"
                    "done\n" % shlex.quote(self.record_path))
        os.chmod(stub, 0o755)

        env = {k: v for k, v in os.environ.items()
               if k not in SCRUBBED_VARIABLES and not k.startswith("QT_")}
        env.update({
            "HOME": home,
            "XDG_CONFIG_HOME": self.config_dir,
            "XDG_DATA_HOME": os.path.join(self.dir, "data"),
            "XDG_CACHE_HOME": os.path.join(self.dir, "cache"),
            "XDG_RUNTIME_DIR": runtime,
            "PATH": bindir + os.pathsep + os.environ.get("PATH", "/usr/bin:/bin"),
            "LC_ALL": "C.UTF-8",
            # Marks every process started in this session, so that the clean-up
            # and the no-process-left checks can find them.
            "LV_SORTILO_E2E_SESSION": self.dir,
        })
        self.env = env
        self._start_xvfb()
        self._start_openbox()

    def _start_xvfb(self):
        for attempt in range(3):
            if self._try_start_xvfb():
                return
        raise TestFailure("Xvfb did not come up with a working display; see %s"
                          % os.path.join(self.dir, "xvfb.log"))

    def _try_start_xvfb(self):
        if self.xvfb is not None:
            if self.xvfb.poll() is None:
                self.xvfb.kill()
            self.xvfb.wait()
            self.xvfb = None
            self.display = None
            self.env.pop("DISPLAY", None)
        read_end, write_end = os.pipe()
        log = open(os.path.join(self.dir, "xvfb.log"), "ab")
        try:
            self.xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end),
                 "-screen", "0", self.screen, "-nolisten", "tcp",
                 # Without it the server starts afresh each time its last
                 # client leaves, as the check below does, and drops whoever
                 # connects meanwhile.
                 "-noreset"],
                env=self.env, pass_fds=(write_end,), stdin=subprocess.DEVNULL,
                stdout=log, stderr=subprocess.STDOUT, start_new_session=True)
        finally:
            os.close(write_end)
            log.close()
        data = b""
        deadline = time.monotonic() + DEFAULT_DEADLINE
        try:
            while not data.endswith(b"\n"):
                left = deadline - time.monotonic()
                check(left > 0, "Xvfb did not report its display in time")
                ready, _, _ = select.select([read_end], [], [], left)
                if ready:
                    chunk = os.read(read_end, 64)
                    if not chunk:
                        return False
                    data += chunk
        finally:
            os.close(read_end)
        self.display = ":" + data.decode().strip()
        self.env["DISPLAY"] = self.display
        answer = subprocess.run(["xwininfo", "-root"], env=self.env, capture_output=True,
                                stdin=subprocess.DEVNULL, timeout=10)
        if answer.returncode == 0 and self.xvfb.poll() is None:
            return True
        print("display %s does not answer: %s" % (
            self.display, answer.stderr.decode(errors="replace").strip()))
        return False

    def _start_openbox(self):
        log = open(os.path.join(self.dir, "openbox.log"), "wb")
        try:
            self.openbox = subprocess.Popen(
                ["openbox", "--sm-disable"], env=self.env, cwd=self.dir,
                stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                start_new_session=True)
        finally:
            log.close()

        def managing():
            if self.openbox.poll() is not None:
                answer = subprocess.run(["xwininfo", "-root"], env=self.env, capture_output=True,
                                        stdin=subprocess.DEVNULL, timeout=10)
                raise TestFailure(
                    "openbox ended at start-up on display %s (X server %s; xwininfo: %s): %s" % (
                        self.display,
                        "running" if self.xvfb.poll() is None else "ended",
                        answer.returncode,
                        open(os.path.join(self.dir, "openbox.log")).read().strip()))
            out = self.x_tool(["wmctrl", "-m"], check_rc=False)
            return "Openbox" in out
        self.wait_for(managing, "openbox to manage windows")

    def close(self, keep_folder):
        for program in self.programs:
            program.kill()
        for program in self.programs:
            try:
                program.popen.wait(timeout=5)
            except subprocess.TimeoutExpired:
                pass
        for proc in self.helpers:
            if proc.poll() is None:
                proc.terminate()
        for proc in self.helpers:
            try:
                proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait(timeout=5)
        self._kill_strays()
        for proc in (self.openbox, self.xvfb):
            if proc is not None and proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait(timeout=5)
        if not keep_folder:
            shutil.rmtree(self.dir, ignore_errors=True)

    def session_processes(self, desktop_too=False):
        """Processes still alive that were started in this session, other than
        the X server and the window manager. With no session bus in the
        environment, the first D-Bus user in the session has libdbus start one
        for the display (dbus-launch and dbus-daemon); like the X server it
        belongs to the desktop and counts only with desktop_too, and so do the
        accessibility bus and registry that the session bus starts on demand."""
        own = {os.getpid()}
        for proc in (self.xvfb, self.openbox):
            if proc is not None:
                own.add(proc.pid)
        marker = ("LV_SORTILO_E2E_SESSION=%s" % self.dir).encode()
        found = []
        for entry in os.listdir("/proc"):
            if not entry.isdigit() or int(entry) in own:
                continue
            try:
                with open("/proc/%s/environ" % entry, "rb") as f:
                    environ = f.read().split(b"\0")
                with open("/proc/%s/stat" % entry, "rb") as f:
                    state = f.read().rsplit(b")", 1)[1].split()[0]
            except OSError:
                continue
            if marker not in environ or state == b"Z":
                continue
            if not desktop_too and self._belongs_to_desktop(int(entry)):
                continue
            found.append(int(entry))
        return found

    @staticmethod
    def _belongs_to_desktop(pid):
        try:
            with open("/proc/%d/cmdline" % pid, "rb") as f:
                argv0 = f.read().split(b"\0")[0]
        except OSError:
            return False
        return os.path.basename(argv0) in (b"dbus-launch", b"dbus-daemon",
                                           b"at-spi-bus-launcher", b"at-spi2-registryd")

    @staticmethod
    def describe_processes(pids):
        described = []
        for pid in pids:
            try:
                with open("/proc/%d/cmdline" % pid, "rb") as f:
                    command = f.read().replace(b"\0", b" ").decode(errors="replace").strip()
            except OSError:
                command = "?"
            described.append("%d (%s)" % (pid, command))
        return ", ".join(described) or "none"

    def _kill_strays(self):
        for pid in self.session_processes(desktop_too=True):
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass

    # running things

    def x_tool(self, args, check_rc=True, timeout=10):
        result = subprocess.run(args, env=self.env, stdin=subprocess.DEVNULL,
                                capture_output=True, timeout=timeout)
        if check_rc and result.returncode != 0:
            raise TestFailure("%s failed (%d): %s" % (
                " ".join(args), result.returncode, result.stderr.decode(errors="replace")))
        return result.stdout.decode(errors="replace")

    def start_program(self, extra_env=None, command=None):
        """Starts the program, or the given command in its stead, with the
        session's environment and extra_env on top of it."""
        index = len(self.programs) + 1
        log_path = os.path.join(self.dir, "program-%d.log" % index)
        sanitizer_log = os.path.join(self.dir, "sanitizer-%d" % index)
        env = dict(self.env)
        env.update(extra_env or {})
        for variable in SANITIZER_OPTION_VARIABLES:
            env[variable] = with_log_path(env.get(variable, ""), sanitizer_log)
        log = open(log_path, "wb")
        try:
            popen = subprocess.Popen(command or [self.executable], env=env, cwd=self.dir,
                                     stdin=subprocess.DEVNULL, stdout=log,
                                     stderr=subprocess.STDOUT, start_new_session=True)
        finally:
            log.close()
        program = Program(self, index, popen, log_path, sanitizer_log)
        self.programs.append(program)
        return program

    def sanitizer_reports(self):
        """Where the programs' output or sanitizer logs report a fault."""
        found = []
        for program in self.programs:
            if not program.faults_expected:
                found += program.sanitizer_reports()
        return found

    def check_no_sanitizer_reports(self):
        reports = self.sanitizer_reports()
        check(not reports, "the program reported faults:\n%s" % "\n".join(reports))

    def start_session_bus(self):
        """Starts a D-Bus session bus of the session's own and puts its address
        into the environment of whatever starts afterwards. Services it starts
        on demand, such as the accessibility bus, end with the session."""
        read_end, write_end = os.pipe()
        log = open(os.path.join(self.dir, "session-bus.log"), "wb")
        try:
            bus = subprocess.Popen(
                ["dbus-daemon", "--session", "--nofork", "--nosyslog",
                 "--print-address=%d" % write_end],
                env=self.env, cwd=self.dir, pass_fds=(write_end,), stdin=subprocess.DEVNULL,
                stdout=log, stderr=subprocess.STDOUT, start_new_session=True)
        finally:
            os.close(write_end)
            log.close()
        self.helpers.append(bus)
        data = b""
        deadline = time.monotonic() + DEFAULT_DEADLINE
        try:
            while not data.endswith(b"\n"):
                left = deadline - time.monotonic()
                check(left > 0, "the session bus did not report its address in time")
                ready, _, _ = select.select([read_end], [], [], left)
                if ready:
                    chunk = os.read(read_end, 512)
                    check(chunk, "the session bus ended at start-up: %s" % open(
                        os.path.join(self.dir, "session-bus.log")).read().strip())
                    data += chunk
        finally:
            os.close(read_end)
        address = data.decode().strip()
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        return address

    # waiting

    def wait_for(self, condition, what, deadline=DEFAULT_DEADLINE):
        """Polls until the condition gives a true value, and returns it. A
        sanitizer report ends the wait at once: the program has stopped."""
        end = time.monotonic() + deadline
        while True:
            value = condition()
            if value:
                return value
            self._fail_on_sanitizer_log()
            if time.monotonic() >= end:
                raise TestFailure("timed out after %.1f s waiting for %s" % (deadline, what))
            time.sleep(POLL)

    def _fail_on_sanitizer_log(self):
        for program in self.programs:
            if program.faults_expected or not glob.glob(glob.escape(program.sanitizer_log) + ".*"):
                continue
            reports = program.sanitizer_reports()
            check(not reports, "the program reported faults:\n%s" % "\n".join(reports))

    def stays(self, condition, what, seconds):
        """Checks that the condition holds throughout the given time."""
        end = time.monotonic() + seconds
        while True:
            check(condition(), "no longer true: %s" % what)
            if time.monotonic() >= end:
                return
            time.sleep(POLL)

    def wait_no_process_left(self, deadline=5):
        """Waits until nothing started in the session runs any more but the
        desktop itself; helpers the program started may take a moment."""
        try:
            self.wait_for(lambda: not self.session_processes(), "no process left", deadline)
        except TestFailure:
            raise TestFailure("processes left behind: %s"
                              % self.describe_processes(self.session_processes())) from None

    # looking at the screen

    def _window_tree(self):
        # A window that goes away while the tree is walked makes xwininfo fail;
        # the next walk does not meet it.
        for attempt in range(10):
            result = subprocess.run(["xwininfo", "-root", "-tree"], env=self.env,
                                    stdin=subprocess.DEVNULL, capture_output=True, timeout=10)
            if result.returncode == 0:
                return result.stdout.decode(errors="replace")
            time.sleep(POLL)
        raise TestFailure("xwininfo cannot walk the window tree: %s"
                          % result.stderr.decode(errors="replace"))

    def root_window(self):
        match = re.search(r"Window id: (0x[0-9a-f]+)", self.x_tool(["xwininfo", "-root"]))
        return int(match.group(1), 16)

    def all_windows(self):
        """Every named window of the tree, shown or not."""
        result = []
        for line in self._window_tree().splitlines():
            match = _TREE_LINE.match(line)
            if match:
                result.append(Window(self, int(match.group(1), 16), match.group(2),
                                     int(match.group(5)), int(match.group(6)),
                                     int(match.group(3)), int(match.group(4))))
        return result

    def windows(self):
        """The named top-level windows that are mapped and viewable."""
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "."],
                             env=self.env, stdin=subprocess.DEVNULL, capture_output=True,
                             timeout=10).stdout.decode()
        visible = {int(line) for line in out.split() if line.strip().isdigit()}
        if not visible:
            return []
        tree = self._window_tree()
        result = []
        for line in tree.splitlines():
            match = _TREE_LINE.match(line)
            if not match:
                continue
            wid = int(match.group(1), 16)
            if wid not in visible:
                continue
            result.append(Window(self, wid, match.group(2), int(match.group(5)),
                                 int(match.group(6)), int(match.group(3)), int(match.group(4))))
        return result

    def find(self, kind):
        return [w for w in self.windows() if kind(w)]

    def wait_window(self, kind, what, deadline=DEFAULT_DEADLINE, pid=None):
        def present():
            found = [w for w in self.windows() if kind(w)]
            if pid is not None:
                found = [w for w in found if w.pid() == pid]
            check(len(found) <= 1, "more than one window while waiting for %s: %r"
                  % (what, found))
            return found[0] if found else None
        return self.wait_for(present, what, deadline)

    def wait_gone(self, kind, what, deadline=DEFAULT_DEADLINE):
        self.wait_for(lambda: not self.find(kind), what, deadline)

    def focused_window(self):
        out = self.x_tool(["xdotool", "getwindowfocus"], check_rc=False).strip()
        return int(out) if out.isdigit() else None

    def screenshot(self, name):
        path = os.path.join(self.dir, name)
        self.x_tool(["import", "-window", "root", path], timeout=30)
        return path

    def screen_pixels(self):
        """The whole screen as (width, height, RGB bytes)."""
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                              env=self.env, capture_output=True, timeout=30,
                              check=True).stdout
        return read_ppm(data)

    # acting as the user

    def click(self, window, x, y, menu_bar_of=None):
        """Clicks at (x, y) of the window's client area; with menu_bar_of, the
        client area lies under the menu bar of a window with that client size."""
        if menu_bar_of is not None:
            y += window.menu_bar_height(menu_bar_of)
        self.x_tool(["xdotool", "mousemove", "--window", str(window.wid),
                     str(x), str(y), "click", "1"])

    def activate(self, window):
        """Makes the window the active one and waits until it has the keyboard."""
        self.x_tool(["xdotool", "windowactivate", "--sync", str(window.wid)], check_rc=False)
        self.wait_for(lambda: self.focused_window() == window.wid,
                      "%r to get the keyboard focus" % window, deadline=10)

    def key(self, *keys):
        self.x_tool(["xdotool", "key", "--clearmodifiers", "--delay", "30"] + list(keys))

    def type_text(self, text):
        self.x_tool(["xdotool", "type", "--clearmodifiers", "--delay", "15", "--", text])

    def close_box(self, window):
        """What the window's close box does: asks the window manager to close it."""
        self.x_tool(["wmctrl", "-i", "-c", "0x%x" % window.wid])

    # the desktop around the program

    def opened_addresses(self):
        try:
            with open(self.record_path, encoding="utf-8") as f:
                return [line.rstrip("\n") for line in f if line.strip()]
        except FileNotFoundError:
            return []

    def wait_addresses(self, count, what):
        return self.wait_for(lambda: len(self.opened_addresses()) >= count and
                             self.opened_addresses(), what)

    def read_settings_text(self):
        with open(self.settings_path, encoding="latin-1") as f:
            return f.read()

    def stored_date_text(self):
        """The decoded date under the program's key, or None."""
        try:
            text = self.read_settings_text()
        except FileNotFoundError:
            return None
        section = None
        for line in text.splitlines():
            line = line.strip()
            if line.startswith("[") and line.endswith("]"):
                section = line[1:-1]
                continue
            if section != SETTINGS_SECTION or "=" not in line:
                continue
            name, value = line.split("=", 1)
            if name.strip() == DURATION_KEY_LINE_NAME:
                value = value.strip()
                if len(value) >= 2 and value[0] == value[-1] == '"':
                    value = value[1:-1]
                return decode_setting(value)
        return None

    def write_stored_date(self, date):
        os.makedirs(self.config_dir, exist_ok=True)
        with open(self.settings_path, "w", encoding="latin-1") as f:
            f.write("[%s]\n%s=%s\n" % (SETTINGS_SECTION, DURATION_KEY_LINE_NAME,
                                        encoded_date(date)))


def today():
    return datetime.date.today()


def _raise_on_signal(signum, frame):
    raise SystemExit("stopped by signal %d" % signum)


def _report_failure(session):
    """Prints what tells why a session's test failed."""
    try:
        windows = session.windows() if session.display else []
        print("visible windows of %s: %r" % (session.name, windows))
    except Exception as error:  # the display itself may be gone
        print("could not list windows: %s" % error)
    try:
        if session.display:
            print("screenshot: %s" % session.screenshot("failure.png"))
    except Exception as error:
        print("could not take a screenshot: %s" % error)
    for program in session.programs:
        output = program.output().strip()
        if output:
            print("--- output of program %d (pid %d) ---\n%s" % (
                program.index, program.pid, output))
        for path, text in program.sanitizer_logs().items():
            print("--- %s ---\n%s" % (path, text.strip()))
    print("session folder kept: %s" % session.dir)


@contextlib.contextmanager
def another_session(name, screen=DEFAULT_SCREEN):
    """A second session inside a test, with its own X server and folder; its
    programs are checked for sanitizer reports like the test's own."""
    session = Session(name, screen)
    passed = False
    try:
        session.start()
        yield session
        session.check_no_sanitizer_reports()
        passed = True
    except BaseException:
        print("--- in session %s ---" % name)
        _report_failure(session)
        raise
    finally:
        session.close(keep_folder=not passed)


def run(test, screen=DEFAULT_SCREEN):
    """Runs one test in a session of its own and exits with its verdict."""
    name = test.__name__
    signal.signal(signal.SIGTERM, _raise_on_signal)
    signal.signal(signal.SIGINT, _raise_on_signal)
    session = Session(name, screen)
    passed = False
    started = time.monotonic()
    try:
        session.start()
        test(session)
        session.check_no_sanitizer_reports()
        passed = True
    except BaseException:
        traceback.print_exc(file=sys.stdout)
        _report_failure(session)
    finally:
        session.close(keep_folder=not passed)
    print("%s: %s in %.1f s" % (name, "passed" if passed else "FAILED",
                                time.monotonic() - started))
    sys.exit(0 if passed else 1)
