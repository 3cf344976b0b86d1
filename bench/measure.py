"""Measures LV Sortilo's launch, memory and processor time side by side with a
bare Qt window, under Xvfb, and writes docs/benchmarks.md. bench/run builds the
programs and starts this; see docs/benchmarks.md for what each figure means.

Standard library only; run with /usr/bin/python3.
"""

import argparse
import datetime
import os
import platform
import queue
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))

from desktop import (DEADLINE, MAIN_CLIENT, MENU_BAR_MAX, SETTINGS_FILE,  # noqa: E402
                     STICKS_PICTURE, WAIT_SECONDS, Desktop, Failure, Home, is_main)
from report import (BARE_SIZE, CHINESE, EXTRA_LAUNCHES, HWM_AFTER_MAP,  # noqa: E402
                    IDLE_SECONDS, READINGS, WAIT_MARGIN, build_report, write_report)


def log(message):
    print(message, flush=True)


# --- reading /proc ------------------------------------------------------------


def cpu_ticks(pid):
    """utime + stime of the whole process, in clock ticks."""
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])


def cpu_ns(pid):
    """Time on a processor of every live thread of the process, in nanoseconds."""
    total = 0
    for task in os.listdir("/proc/%d/task" % pid):
        try:
            with open("/proc/%d/task/%s/schedstat" % (pid, task)) as f:
                total += int(f.read().split()[0])
        except (OSError, ValueError, IndexError):
            pass
    return total


def cpu_sample(pid):
    return cpu_ticks(pid), cpu_ns(pid)


def status_kb(pid, field):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith(field + ":"):
                return int(line.split()[1])
    raise Failure("no %s in /proc/%d/status" % (field, pid))


# --- the X session --------------------------------------------------------------


class Session(Desktop):
    """Our own Xvfb (no window manager, so that mapwatch sees the program's
    windows as the root's children) and our own session bus, as a desktop has;
    a fresh home for each run, with its runtime folder in memory where the
    system has a memory file system (/dev/shm), as a desktop's
    /run/user/UID is."""

    def __init__(self, tools):
        super().__init__("bench", window_manager=False)
        self.tools = tools
        self.env["QT_QPA_PLATFORM"] = "xcb"
        self.runs = 0
        self.runtime_root = None
        if os.path.isdir("/dev/shm") and os.access("/dev/shm", os.W_OK):
            self.runtime_root = tempfile.mkdtemp(prefix="lv-sortilo-bench-", dir="/dev/shm")

    def close(self, keep_folder=False):
        try:
            super().close(keep_folder=keep_folder)
        finally:
            if self.runtime_root:
                shutil.rmtree(self.runtime_root, ignore_errors=True)

    def start(self):
        super().start()
        self.start_session_bus()

    def run_env(self, settings_from=None, lang=None):
        """A fresh home for one run; with settings_from, the settings file of an
        earlier run in its configuration folder; with lang (a key of CHINESE),
        the desktop's language set to it."""
        self.runs += 1
        home = Home(os.path.join(self.dir, "run-%03d" % self.runs))
        if settings_from:
            for name in os.listdir(settings_from):
                shutil.copy(os.path.join(settings_from, name), home.config)
        env = dict(self.env)
        env.update(home.variables(os.environ.get("PATH", "/usr/bin:/bin")))
        if self.runtime_root:
            runtime = os.path.join(self.runtime_root, "run-%03d" % self.runs)
            os.mkdir(runtime, 0o700)
            env["XDG_RUNTIME_DIR"] = runtime
        if lang:
            env.pop("LC_ALL", None)
            env.update({"LANG": CHINESE[lang]["LANG"], "LANGUAGE": lang})
        return env, home.folder, home.config


# --- one started program ---------------------------------------------------------


class Watched:
    """A program started under mapwatch, with its window events as they come."""

    def __init__(self, session, command, env, cwd, kill_at=None):
        self.session = session
        self.log_path = os.path.join(cwd, "output.log")
        self._log = open(self.log_path, "ab")
        watch = [session.tools["mapwatch"]] + (["--kill-at", kill_at] if kill_at else [])
        self.proc = subprocess.Popen(watch + command, env=env, cwd=cwd,
                                     stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                     stderr=self._log, start_new_session=True)
        self.events = queue.Queue()
        self.pid = None
        threading.Thread(target=self._read, daemon=True).start()
        self.pid = self.wait("pid")[1]

    def _read(self):
        for raw in self.proc.stdout:
            parts = raw.decode().split()
            if parts:
                self.events.put(parts)
        self.events.put(["eof"])

    def wait(self, wanted, window=None, deadline=DEADLINE):
        """The next event of that kind (for that window): pid -> ("pid", PID);
        map and paint -> (kind, window, seconds since the fork, processor
        seconds of the program so far), and for a map the window's size as
        it was created; unmap -> (kind, window, seconds);
        exit -> (kind, status, seconds)."""
        end = time.monotonic() + deadline
        while True:
            left = end - time.monotonic()
            if left <= 0:
                raise Failure("timed out waiting for '%s' from mapwatch (see %s)"
                              % (wanted, self.log_path))
            try:
                parts = self.events.get(timeout=left)
            except queue.Empty:
                continue
            kind = parts[0]
            if kind == "pid":
                event = (kind, int(parts[1]))
            elif kind == "map":
                event = (kind, int(parts[1], 16), int(parts[2]) / 1e9, int(parts[3]) / 1e9,
                         (int(parts[4]), int(parts[5])))
            elif kind == "paint":
                event = (kind, int(parts[1], 16), int(parts[2]) / 1e9, int(parts[3]) / 1e9)
            elif kind == "unmap":
                event = (kind, int(parts[1], 16), int(parts[2]) / 1e9)
            elif kind == "exit":
                event = (kind, int(parts[1]), int(parts[2]) / 1e9)
            else:
                event = (kind,)
            if kind == wanted and (window is None or event[1] == window):
                return event
            if kind in ("exit", "eof"):
                raise Failure("the program ended before '%s' (see %s)"
                              % (wanted, self.log_path))

    def stop(self):
        if self.proc.poll() is None and self.pid:
            try:
                os.kill(self.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        try:
            self.proc.wait(timeout=DEADLINE)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()
        self._log.close()


# --- the measurements --------------------------------------------------------------


def is_bare_window(window):
    return (window.width, window.height) == BARE_SIZE


def expected_size(kind):
    """Whether a window of that size is the one that this kind of launch
    shows first: the bare window, or the main window (its client area under
    a menu bar), and not, say, the box of a copy that found another running."""
    if kind == "bare":
        return lambda size: size == BARE_SIZE
    return lambda size: (size[0] == MAIN_CLIENT[0]
                         and MAIN_CLIENT[1] < size[1] <= MAIN_CLIENT[1] + MENU_BAR_MAX)


def launch(session, command, env, cwd, kind, keep=False):
    """Launch to the first top-level window mapped and to its first paint.
    With keep the program is left running and returned with the window and
    the moment the map was seen; otherwise it is killed at the first paint."""
    watched = Watched(session, command, env, cwd, kill_at=None if keep else "paint")
    try:
        _, wid, map_s, map_cpu, size = watched.wait("map")
        if not expected_size(kind)(size):
            raise Failure("the first window that %s mapped is %dx%d: is another copy "
                          "running?" % (os.path.basename(command[0]), size[0], size[1]))
        map_seen = time.monotonic()
        _, _, paint_s, paint_cpu = watched.wait("paint", window=wid)
        figures = {"map_s": map_s, "map_cpu_ms": map_cpu * 1e3, "paint_s": paint_s,
                   "paint_cpu_ms": paint_cpu * 1e3}
        if keep:
            return figures, watched, wid, map_seen
        watched.wait("exit")
        watched.stop()
        return figures
    except BaseException:
        watched.stop()
        raise


def command_for(tools, kind, lang):
    """The command line of a launch of that kind in that language."""
    if kind != "bare":
        return [tools["program"]]
    return [tools["bare"]] + (["--text", CHINESE[lang]["text"]] if lang else [])


def full_run(session, tools, kind, settings_from, lang=None):
    """A launch of one kind ("bare", "first" or "later") kept running: VmHWM a
    second after the map; for a later start in English, then 10 s idle and one
    reading. Returns the figures and the run's configuration folder."""
    env, root, config = session.run_env(settings_from if kind == "later" else None, lang)
    command = command_for(tools, kind, lang)
    figures, watched, wid, map_seen = launch(session, command, env, root, kind, keep=True)
    try:
        window = session.window(wid)
        wanted = is_bare_window if kind == "bare" else is_main
        if not wanted(window):
            raise Failure("the first window that %s mapped is %r"
                          % (os.path.basename(command[0]), window))
        time.sleep(max(0.0, map_seen + HWM_AFTER_MAP - time.monotonic()))
        figures["hwm_kb"] = status_kb(watched.pid, "VmHWM")
        if kind == "first" and not os.path.exists(os.path.join(config, SETTINGS_FILE)):
            raise Failure("the first start wrote no settings file")
        if kind == "later" and not lang:
            figures.update(idle_and_wait(session, watched, wid))
        return figures, config
    finally:
        watched.stop()


def idle_and_wait(session, watched, wid):
    main = session.window(wid)
    width, height = main.width, main.height
    menu_bar = main.menu_bar_height(MAIN_CLIENT)
    px, py = main.x + STICKS_PICTURE[0], main.y + STICKS_PICTURE[1] + menu_bar

    # Idle, with the pointer already resting on the picture.
    session.x_tool(["xdotool", "mousemove", str(px), str(py)])
    time.sleep(0.3)
    idle_start = cpu_sample(watched.pid)
    time.sleep(IDLE_SECONDS)
    idle_end = cpu_sample(watched.pid)

    # One reading: the click, the wait, the results window. The counters are
    # read just before xdotool clicks (nothing runs in the program before it,
    # as the idle figure shows), so the click's own handling is counted.
    # xdotool sleeps after a click unless told not to; the click reaches the
    # program a few milliseconds after xdotool starts.
    wait_start = cpu_sample(watched.pid)
    clicked = time.monotonic()
    session.x_tool(["xdotool", "click", "--delay", "0", "1"])
    time.sleep(max(0.0, clicked + WAIT_SECONDS - WAIT_MARGIN - time.monotonic()))
    wait_end = cpu_sample(watched.pid)
    _, results, _, _, _ = watched.wait("map", deadline=10)
    shown = time.monotonic()
    reading_end = cpu_sample(watched.pid)
    if session.window(results).width == width:
        raise Failure("no results window after the click")
    return {
        "menu_bar": menu_bar,
        "size": (width, height),
        "idle_ticks": idle_end[0] - idle_start[0],
        "idle_ms": (idle_end[1] - idle_start[1]) / 1e6,
        "wait_ticks": wait_end[0] - wait_start[0],
        "wait_ms": (wait_end[1] - wait_start[1]) / 1e6,
        "results_after_s": shown - clicked,
        "reading_ms": (reading_end[1] - wait_start[1]) / 1e6,
    }


def quick_launch(session, tools, kind, settings_from, lang=None):
    """A launch alone, the program killed at its first paint."""
    env, root, _ = session.run_env(settings_from if kind == "later" else None, lang)
    return launch(session, command_for(tools, kind, lang), env, root, kind)


def readings_run(session, tools, readings, extra=()):
    env, root, _ = session.run_env()
    result = subprocess.run([tools["readings"], str(readings)] + list(extra), env=env, cwd=root,
                            stdin=subprocess.DEVNULL, capture_output=True, timeout=120)
    out = result.stdout.decode()
    if result.returncode != 0:
        raise Failure("bench_readings_memory failed (%d): %s %s"
                      % (result.returncode, out, result.stderr.decode()))
    samples = {}
    for line in out.splitlines():
        parts = line.split()
        if parts and parts[0] == "reading":
            samples[int(parts[1])] = {"rss": int(parts[3]), "widgets": int(parts[5]),
                                      "objects": int(parts[7])}
    if 1 not in samples or readings not in samples:
        raise Failure("bench_readings_memory gave no samples for 1 and %d" % readings)
    return samples


def machine(source_dir):
    model = "?"
    with open("/proc/cpuinfo") as f:
        for line in f:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    qt = subprocess.run(["pkg-config", "--modversion", "Qt6Core"], capture_output=True,
                        text=True).stdout.strip() or "?"
    git = ["git", "-C", source_dir]
    commit = subprocess.run(git + ["rev-parse", "--short", "HEAD"], capture_output=True,
                            text=True).stdout.strip() or "?"
    changed = subprocess.run(git + ["status", "--porcelain", "--", "src", "resources",
                                    "CMakeLists.txt"],
                             capture_output=True, text=True).stdout.strip()
    with open("/proc/loadavg") as f:
        load = " ".join(f.read().split()[:3])
    return {
        "nproc": os.cpu_count(),
        "cpu": model,
        "qt": qt,
        "kernel": platform.release(),
        "date": datetime.datetime.now().astimezone().strftime("%Y-%m-%d %H:%M %Z"),
        "load": load,
        "commit": commit + (" with uncommitted changes to the program" if changed else ""),
    }


# --- main ------------------------------------------------------------------------------

KINDS = ("bare", "first", "later")
# The launches in each language of CHINESE: the bare window and a later start.
CHINESE_KINDS = ("bare", "later")


def chinese_round(session, tools, settings, lang, round_, launches, full):
    """One round in that language: a full run of each kind, then EXTRA_LAUNCHES
    more launches of each, alternating, in an order that turns from round to
    round. The figures are kept under "bare zh_TW", "later zh_TW" and so on,
    but for the warm-up round (0)."""
    order = CHINESE_KINDS[round_ % 2:] + CHINESE_KINDS[:round_ % 2]
    this = {kind: full_run(session, tools, kind, settings, lang)[0] for kind in order}
    quick = {kind: [] for kind in order}
    for _ in range(EXTRA_LAUNCHES):
        for kind in order:
            quick[kind].append(quick_launch(session, tools, kind, settings, lang))
    log("%-8s %s: map ms bare/later %.1f/%.1f; paint ms %.1f/%.1f; HWM kB %d/%d" % (
        "round %d" % round_ if round_ else "warm-up", lang, this["bare"]["map_s"] * 1e3,
        this["later"]["map_s"] * 1e3, this["bare"]["paint_s"] * 1e3,
        this["later"]["paint_s"] * 1e3, this["bare"]["hwm_kb"], this["later"]["hwm_kb"]))
    if round_:
        for kind in order:
            key = "%s %s" % (kind, lang)
            full.setdefault(key, []).append(this[kind])
            launches.setdefault(key, []).extend([this[kind]] + quick[kind])


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--source-dir", required=True)
    parser.add_argument("--output", required=True)
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--command", default="bench/run")
    parser.add_argument("--keep", action="store_true", help="keep the temporary folder")
    args = parser.parse_args()
    if args.runs < 1:
        parser.error("--runs must be at least 1")

    build_dir = os.path.abspath(args.build_dir)
    tools = {
        "program": os.path.join(build_dir, "lv-sortilo"),
        "bare": os.path.join(build_dir, "bench", "bench_bare_window"),
        "mapwatch": os.path.join(build_dir, "bench", "bench_mapwatch"),
        "readings": os.path.join(build_dir, "bench", "bench_readings_memory"),
    }
    for name, path in tools.items():
        if not os.access(path, os.X_OK):
            raise Failure("%s is not built: %s" % (name, path))

    info = machine(args.source_dir)
    session = Session(tools)
    started = time.monotonic()
    ok = False
    try:
        session.start()
        log("display %s, session folder %s" % (session.env["DISPLAY"], session.dir))

        # A settings file as a first start writes it, for the later starts.
        settings = full_run(session, tools, "first", None)[1]
        launches = {kind: [] for kind in KINDS}
        full = {kind: [] for kind in KINDS}
        for round_ in range(args.runs + 1):
            order = KINDS[round_ % 3:] + KINDS[:round_ % 3]
            this = {}
            for kind in order:
                this[kind] = full_run(session, tools, kind, settings)[0]
            quick = {kind: [] for kind in KINDS}
            for _ in range(EXTRA_LAUNCHES):
                for kind in order:
                    quick[kind].append(quick_launch(session, tools, kind, settings))
            label = "round %d" % round_ if round_ else "warm-up"
            l_ = this["later"]
            log("%-8s map ms bare/first/later %.1f/%.1f/%.1f; HWM kB %d/%d/%d; "
                "wait %d ticks %.2f ms; idle %d ticks %.2f ms" % (
                    label, this["bare"]["map_s"] * 1e3, this["first"]["map_s"] * 1e3,
                    l_["map_s"] * 1e3, this["bare"]["hwm_kb"], this["first"]["hwm_kb"],
                    l_["hwm_kb"], l_["wait_ticks"], l_["wait_ms"], l_["idle_ticks"],
                    l_["idle_ms"]))
            if round_:
                for kind in KINDS:
                    full[kind].append(this[kind])
                    launches[kind] += [this[kind]] + quick[kind]
            for lang in CHINESE:
                chinese_round(session, tools, settings, lang, round_, launches, full)

        memory = []
        for i in range(args.runs):
            samples = readings_run(session, tools, READINGS)
            memory.append(samples)
            log("readings run %d: RSS after 1 %d kB, after %d %d kB (%+d kB)" % (
                i + 1, samples[1]["rss"], READINGS, samples[READINGS]["rss"],
                samples[READINGS]["rss"] - samples[1]["rss"]))
        long_run = readings_run(session, tools, 200)
        log("200 readings, RSS kB: %s" % ", ".join(
            "%d: %d" % (k, v["rss"]) for k, v in sorted(long_run.items())))
        no_cache = readings_run(session, tools, READINGS, ["--pixmap-cache-kb", "0"])
        log("%d readings with QPixmapCache's limit at 0: %+d kB" % (
            READINGS, no_cache[READINGS]["rss"] - no_cache[1]["rss"]))

        with open("/proc/loadavg") as f:
            load_after = " ".join(f.read().split()[:3])
        generated, table = build_report(args, info, launches, full, memory, long_run,
                                        no_cache, load_after)
        write_report(args.output, generated)
        log("")
        for line in table:
            log(line)
        log("")
        log("wrote %s in %.0f s" % (args.output, time.monotonic() - started))
        ok = True
    finally:
        session.close(keep_folder=args.keep or not ok)
        if not ok:
            log("the session folder is kept: %s" % session.dir)


if __name__ == "__main__":
    try:
        main()
    except Failure as error:
        print("bench: %s" % error, file=sys.stderr)
        sys.exit(1)
