"""Runs each end-to-end test on a desktop of its own (tools/desktop): a real X
server, a real window manager, real mouse clicks and key presses, and a
stand-in xdg-open that writes down every address the program asks the desktop
to open. Everything the test started is ended when it ends, pass or fail; a
failing test leaves its folder behind with a screenshot and the program's
output in it.

A sanitizer report is a fault: the harness points the address and leak
sanitizers' logs into the desktop's folder, captures the program's output
(where undefined-behaviour reports go), and fails the test on a report in
either.

Standard library only; run the tests with /usr/bin/python3.
"""

import contextlib
import datetime
import glob
import os
import re
import signal
import sys
import time
import traceback

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))

import desktop  # noqa: E402
from desktop import *  # noqa: E402,F401,F403

# The sanitizers' option variables. Each gets a log_path into the desktop's
# folder appended to what the environment already sets (the asan test preset
# sets several); the last setting of an option wins. With gcc's runtimes the
# address and leak reports follow it, the undefined-behaviour ones still go to
# stderr.
SANITIZER_OPTION_VARIABLES = ("ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS")
# A line that reports a fault, in the output or in a sanitizer log.
SANITIZER_REPORT = re.compile(
    r"ERROR: (Address|Leak|Thread|Memory)Sanitizer|runtime error:")

REQUIRED_TOOLS = ("Xvfb", "openbox", "wmctrl", "xdotool", "xwininfo", "xprop", "xev", "import")


# The tests' table of fortunes: each stick's number and sentence, a tab apart.
FORTUNES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support",
                        "fortunes.tsv")
STICK_COUNT = 78


def fortunes():
    """{stick number: sentence}, from the tests' table of fortunes."""
    table = {}
    with open(FORTUNES, encoding="utf-8") as f:
        for line in f:
            number, tab, sentence = line.rstrip("\n").partition("\t")
            check(number.isdigit() and tab and sentence, "%s: not a stick's line: %r"
                  % (FORTUNES, line))
            table[int(number)] = sentence
    check(sorted(table) == list(range(1, STICK_COUNT + 1)),
          "%s does not hold sticks 1 to %d once each" % (FORTUNES, STICK_COUNT))
    return table


def frame_centre(s, window):
    """The centre of the window with its frame, as the window manager drew it."""
    extents = s.x_tool(["xprop", "-id", str(window.wid), "_NET_FRAME_EXTENTS"])
    left, right, top, bottom = (int(n) for n in re.findall(r"\d+", extents.split("=")[-1]))
    now = s.window(window.wid)
    return ((now.x - left) + (left + now.width + right) / 2,
            (now.y - top) + (top + now.height + bottom) / 2)


def off_centre(s, window, over=None):
    """How many pixels the window, frame and title bar included, is off the
    middle of the window `over` (its frame too), or else of the screen; None
    while the window manager has not said their frames."""
    try:
        middle = frame_centre(s, over) if over else [n / 2 for n in s.screen_size]
        return max(abs(a - b) for a, b in zip(frame_centre(s, window), middle))
    except ValueError:
        return None


def in_front_of(s, window, other):
    order = s.managed_windows()
    return window.wid in order and other.wid in order and \
        order.index(window.wid) > order.index(other.wid)


def leave_for_farewell(s):
    """Starts the program and closes its main window by its close box."""
    program = s.start_program()
    s.close_box(s.wait_window(is_main, "the main window"))
    return program, s.wait_window(is_farewell, "the farewell window")


def today():
    return datetime.date.today()


def with_log_path(options, path):
    """Sanitizer options with the log path appended, the others kept."""
    value = path
    if re.search(r"[\s,:'\"]", path):
        check('"' not in path, "a sanitizer log path cannot hold a double quote: %r" % path)
        value = '"%s"' % path
    options = options.strip().rstrip(":")
    return "%s%slog_path=%s" % (options, ":" if options else "", value)


class Program(desktop.Program):
    def __init__(self, session, index, popen, log_path):
        super().__init__(session, index, popen, log_path)
        # The sanitizers write to this path with ".<pid>" appended.
        self.sanitizer_log = sanitizer_log_path(session, index)
        # Set by tests that make faults on purpose, to check the check.
        self.faults_expected = False

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


def sanitizer_log_path(session, index):
    return os.path.join(session.dir, "sanitizer-%d" % index)


class Session(desktop.Desktop):
    """A test's desktop, on which it starts the program under test
    (LV_SORTILO in the environment)."""

    program_class = Program
    count = 0

    def __init__(self, name, screen=desktop.SCREEN, window_manager=True):
        super().__init__("e2e-" + name, screen, window_manager)
        executable = os.environ.get("LV_SORTILO", "")
        self.executable = os.path.abspath(executable) if executable else ""

    def start(self):
        desktop.require(REQUIRED_TOOLS)
        check(self.executable and os.access(self.executable, os.X_OK),
              "LV_SORTILO does not name the program to test: %r" % self.executable)
        super().start()
        # One copy of the program runs per user and executable name: under a
        # name of the session's own, tests run side by side, and beside a copy
        # that the user has open.
        Session.count += 1
        self.program_name = "lv-sortilo-%d-%d" % (os.getpid(), Session.count)
        self.executable = self.home.install_program(self.executable, self.program_name)

    def start_program(self, extra_env=None, command=None):
        """Starts the program, or the given command in its stead, with the
        session's environment and extra_env on top of it."""
        env = dict(extra_env or {})
        log = sanitizer_log_path(self, len(self.programs) + 1)
        for variable in SANITIZER_OPTION_VARIABLES:
            env[variable] = with_log_path(env.get(variable, self.env.get(variable, "")), log)
        return super().start_program(command or [self.executable], env)

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

    def check_while_waiting(self):
        """A sanitizer report ends a wait at once: the program has stopped."""
        for program in self.programs:
            if program.faults_expected or not glob.glob(glob.escape(program.sanitizer_log) + ".*"):
                continue
            reports = program.sanitizer_reports()
            check(not reports, "the program reported faults:\n%s" % "\n".join(reports))


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
            print("screenshot: %s" % session.screenshot(
                os.path.join(session.dir, "failure.png")))
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
def another_session(name, screen=desktop.SCREEN):
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


def run_variant(variants, default=None):
    """Runs the test that the command line names among the variants (the
    default one when none is named)."""
    names = sys.argv[1:] or ([default] if default else [])
    if len(names) != 1 or names[0] not in variants:
        sys.exit("usage: %s %s" % (sys.argv[0], "|".join(variants)))
    run(variants[names[0]])


def without_window_manager(test):
    """Marks a test to run on a desktop where no window manager runs, as on a
    bare X server or a kiosk: the program alone gives its windows the keyboard."""
    test.window_manager = False
    return test


def run(test, screen=desktop.SCREEN):
    """Runs one test in a session of its own and exits with its verdict."""
    name = test.__name__
    signal.signal(signal.SIGTERM, _raise_on_signal)
    signal.signal(signal.SIGINT, _raise_on_signal)
    session = Session(name, screen, getattr(test, "window_manager", True))
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
