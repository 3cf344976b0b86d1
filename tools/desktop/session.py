"""A desktop of its own: an X server (Xvfb), the openbox window manager if
wanted, a D-Bus session bus if wanted, and a temporary home, all in one
temporary folder that closing the desktop removes.

Every process started on the desktop carries a marker in its environment, so
that whatever is left when the desktop closes is found and ended, and a test
can check that a program left nothing behind."""

import os
import select
import shutil
import signal
import subprocess
import tempfile
import time

from .events import EventRecord
from .home import Home
from .screen import DEADLINE, Failure, Screen, check

SCREEN = (1024, 768)

# Variables that would steer Qt or the browser launcher away from what the
# desktop sets up; every QT_ variable goes too. Qt takes the program's language
# from LANGUAGE before LC_ALL.
SCRUBBED_VARIABLES = (
    "BROWSER", "DEFAULT_BROWSER", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION",
    "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID", "DBUS_SESSION_BUS_ADDRESS",
    "XDG_SESSION_TYPE", "WAYLAND_DISPLAY", "SESSION_MANAGER", "XAUTHORITY", "DISPLAY",
    "LANGUAGE",
)

# The folder of the desktop, in the environment of everything started on it;
# and the number of the program that started a process, in its environment.
DESKTOP_MARKER = "LV_SORTILO_DESKTOP"
PROGRAM_MARKER = "LV_SORTILO_DESKTOP_PROGRAM"

# Started on demand for the desktop rather than by a program: with no session
# bus in the environment, the first D-Bus user has libdbus start one for the
# display (dbus-launch and dbus-daemon); a session bus starts the
# accessibility bus and its registry.
DESKTOP_COMMANDS = (b"dbus-launch", b"dbus-daemon", b"at-spi-bus-launcher",
                    b"at-spi2-registryd")


# The name of the window that shows that openbox manages windows, and the
# root window's property that wakes openbox while it does not yet.
TRIAL_WINDOW = "lv-sortilo-window-manager-trial"
WAKE_PROPERTY = "_LV_SORTILO_WAKE_WINDOW_MANAGER"


def require(tools):
    missing = [tool for tool in tools if shutil.which(tool) is None]
    check(not missing, "missing: %s (scripts/setup installs them)" % ", ".join(missing))


class Program:
    """A program started on the desktop, its output in a log file."""

    def __init__(self, desktop, index, popen, log_path):
        self.desktop = desktop
        self.index = index
        self.popen = popen
        self.pid = popen.pid
        self.log_path = log_path

    def alive(self):
        return self.popen.poll() is None

    def wait_exit(self, deadline=DEADLINE, what=None):
        what = what or "program %d (pid %d) to end" % (self.index, self.pid)
        self.desktop.wait_for(lambda: not self.alive(), what, deadline)
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


class Desktop(Screen):
    """Call start() to bring the desktop up and close() to end everything
    started on it; the folder stays on close(keep_folder=True)."""

    program_class = Program

    def __init__(self, name, screen=SCREEN, window_manager=True):
        self.name = name
        self.screen_size = screen
        self.window_manager = window_manager
        self.dir = tempfile.mkdtemp(prefix="lv-sortilo-%s-" % name)
        self.home = Home(self.dir)
        self.xvfb = None
        self.openbox = None
        self.display = None
        self.programs = []
        # Other processes started on the desktop, such as its session bus;
        # ended before the X server.
        self.helpers = []
        self.env = {k: v for k, v in os.environ.items()
                    if k not in SCRUBBED_VARIABLES and not k.startswith("QT_")}
        self.env.update(self.home.variables(os.environ.get("PATH", "/usr/bin:/bin")))
        self.env.update({"LC_ALL": "C.UTF-8", DESKTOP_MARKER: self.dir})

    # starting and closing

    def start(self):
        require(("Xvfb", "xwininfo", "xprop")
                + (("openbox", "xev", "xdotool") if self.window_manager else ()))
        for attempt in range(3):
            if self._start_xvfb():
                break
        else:
            raise Failure("Xvfb did not come up with a working display; see %s"
                          % os.path.join(self.dir, "xvfb.log"))
        if self.window_manager:
            self._start_openbox()

    def _start_announcing(self, command, log_name):
        """Starts a process that writes one line to the descriptor put into
        its command for "{fd}" once it is ready; returns the process and the
        line, empty if the process ended first."""
        read_end, write_end = os.pipe()
        log = open(os.path.join(self.dir, log_name), "ab")
        try:
            proc = subprocess.Popen(
                [word.replace("{fd}", str(write_end)) for word in command], env=self.env,
                cwd=self.dir, pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=log,
                stderr=subprocess.STDOUT, start_new_session=True)
        finally:
            os.close(write_end)
            log.close()
        data = b""
        end = time.monotonic() + DEADLINE
        try:
            while not data.endswith(b"\n"):
                left = end - time.monotonic()
                check(left > 0, "%s did not say it was ready in time" % command[0])
                if select.select([read_end], [], [], left)[0]:
                    chunk = os.read(read_end, 512)
                    if not chunk:
                        break
                    data += chunk
        except BaseException:
            proc.kill()
            proc.wait()
            raise
        finally:
            os.close(read_end)
        return proc, data.decode().strip()

    def _start_xvfb(self):
        if self.xvfb is not None:
            if self.xvfb.poll() is None:
                self.xvfb.kill()
            self.xvfb.wait()
            self.env.pop("DISPLAY", None)
        self.xvfb, number = self._start_announcing(
            ["Xvfb", "-displayfd", "{fd}", "-screen", "0", "%dx%dx24" % self.screen_size,
             "-nolisten", "tcp",
             # Without it the server starts afresh each time its last client
             # leaves, as the check below does, and drops whoever connects
             # meanwhile.
             "-noreset"], "xvfb.log")
        if not number:
            return False
        self.display = self.env["DISPLAY"] = ":" + number
        answer = subprocess.run(["xwininfo", "-root"], env=self.env, capture_output=True,
                                stdin=subprocess.DEVNULL, timeout=10)
        if answer.returncode == 0 and self.xvfb.poll() is None:
            return True
        print("display %s does not answer: %s" % (
            self.display, answer.stderr.decode(errors="replace").strip()))
        return False

    def _start_openbox(self):
        with open(os.path.join(self.dir, "openbox.log"), "wb") as log:
            self.openbox = subprocess.Popen(
                ["openbox", "--sm-disable"], env=self.env, cwd=self.dir,
                stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                start_new_session=True)

        def announced():
            if self.openbox.poll() is not None:
                with open(os.path.join(self.dir, "openbox.log")) as f:
                    raise Failure("openbox ended at start-up on display %s (X server %s): %s" % (
                        self.display, "running" if self.xvfb.poll() is None else "ended",
                        f.read().strip()))
            return "window id #" in self.x_tool(
                ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check_rc=False)
        self.wait_for(announced, "openbox to take the screen")
        self._wait_managing()

    def _wait_managing(self):
        """Waits until openbox shows a window of its own (xev's), then until
        that window has gone again.

        Openbox announces itself before it has finished starting, and on a busy
        machine a window mapped meanwhile can stay unshown until some later
        event wakes openbox; on a desktop with one program, none comes. So each
        look at the trial window also changes a property of the root window,
        an event that openbox listens to."""
        trial = subprocess.Popen(["xev", "-name", TRIAL_WINDOW], env=self.env, cwd=self.dir,
                                 stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL, start_new_session=True)

        def trial_managed():
            check(trial.poll() is None, "xev ended at once (status %s)" % trial.returncode)
            self.x_tool(["xprop", "-root", "-f", WAKE_PROPERTY, "8s", "-set", WAKE_PROPERTY, "1"])
            found = [wid for wid in self.search("--name", "^%s$" % TRIAL_WINDOW)
                     if wid in self.managed_windows()]
            return found and found[0]
        try:
            wid = self.wait_for(trial_managed, "openbox to show a trial window")
        finally:
            trial.kill()
            trial.wait()
        self.wait_for(lambda: wid not in self.managed_windows(),
                      "openbox to let the trial window go")
        self.x_tool(["xprop", "-root", "-remove", WAKE_PROPERTY])

    def managed_windows(self):
        """The windows that the window manager manages, bottom to top."""
        out = self.x_tool(["xprop", "-root", "-notype", "_NET_CLIENT_LIST_STACKING"],
                          check_rc=False)
        if "#" not in out:
            return []
        return [int(wid, 16) for wid in out.split("#", 1)[1].replace(",", " ").split()]

    def start_session_bus(self):
        """Starts a D-Bus session bus of the desktop's own and puts its address
        into the environment of whatever starts afterwards. Services it starts
        on demand, such as the accessibility bus, end with the desktop."""
        bus, address = self._start_announcing(
            ["dbus-daemon", "--session", "--nofork", "--nosyslog", "--print-address={fd}"],
            "session-bus.log")
        self.helpers.append(bus)
        with open(os.path.join(self.dir, "session-bus.log")) as f:
            check(address, "the session bus ended at start-up: %s" % f.read().strip())
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        return address

    def close(self, keep_folder=False):
        for program in self.programs:
            program.kill()
        for proc in [p.popen for p in self.programs] + self.helpers:
            if proc.poll() is None:
                proc.terminate()
        for proc in [p.popen for p in self.programs] + self.helpers:
            try:
                proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait(timeout=5)
        for pid in self.processes(desktop_too=True):
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
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

    # programs

    def start_program(self, command, extra_env=None):
        """Starts the command with the desktop's environment and extra_env on
        top of it, its output into a log file of the desktop's folder."""
        index = len(self.programs) + 1
        log_path = os.path.join(self.dir, "program-%d.log" % index)
        env = dict(self.env, **{PROGRAM_MARKER: str(index)})
        env.update(extra_env or {})
        with open(log_path, "wb") as log:
            popen = subprocess.Popen(command, env=env, cwd=self.dir,
                                     stdin=subprocess.DEVNULL, stdout=log,
                                     stderr=subprocess.STDOUT, start_new_session=True)
        program = self.program_class(self, index, popen, log_path)
        self.programs.append(program)
        return program

    def processes(self, program=None, desktop_too=False):
        """Processes still alive that were started on the desktop, or by the
        given program, other than the X server and the window manager; those
        of the desktop (DESKTOP_COMMANDS) count only with desktop_too."""
        own = {os.getpid()} | {p.pid for p in (self.xvfb, self.openbox) if p is not None}
        markers = {("%s=%s" % (DESKTOP_MARKER, self.dir)).encode()}
        if program is not None:
            markers.add(("%s=%d" % (PROGRAM_MARKER, program.index)).encode())
        found = []
        for entry in os.listdir("/proc"):
            if not entry.isdigit() or int(entry) in own:
                continue
            try:
                with open("/proc/%s/environ" % entry, "rb") as f:
                    environ = f.read().split(b"\0")
                with open("/proc/%s/stat" % entry, "rb") as f:
                    state = f.read().rsplit(b")", 1)[1].split()[0]
                with open("/proc/%s/cmdline" % entry, "rb") as f:
                    argv0 = f.read().split(b"\0")[0]
            except OSError:
                continue
            if not markers.issubset(environ) or state == b"Z":
                continue
            if desktop_too or os.path.basename(argv0) not in DESKTOP_COMMANDS:
                found.append(int(entry))
        return found

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

    def wait_no_process_left(self, program=None, deadline=DEADLINE):
        """Waits until nothing started on the desktop, or by the program, runs
        any more but the desktop itself; helpers may take a moment to go."""
        try:
            self.wait_for(lambda: not self.processes(program), "no process left", deadline)
        except Failure:
            raise Failure("processes left behind: %s"
                          % self.describe_processes(self.processes(program))) from None

    def check_ended_cleanly(self, program, what):
        """Waits for the program to end, and checks that it ended cleanly: exit
        status 0, none of its windows left (none at all once no other program
        runs) and no process that it started still running."""
        status = program.wait_exit(what=what)
        check(status == 0, "program %d ended with status %r, not 0" % (program.index, status))
        alone = not [p for p in self.programs if p.alive()]
        self.wait_for(lambda: not [w for w in self.windows() if alone or w.pid() == program.pid],
                      "the windows of program %d to go" % program.index)
        self.wait_no_process_left(program)

    def record_events(self, window=None, kinds=("substructure",)):
        """A record, in the desktop's folder, of the window's events of those
        kinds (the root window's unless told); stop() ends it."""
        return EventRecord(self, self.dir, window, kinds)

    # the desktop around the program

    def opened_addresses(self):
        return self.home.opened_addresses()

    def wait_addresses(self, count, what):
        return self.wait_for(lambda: len(self.opened_addresses()) >= count and
                             self.opened_addresses(), what)
