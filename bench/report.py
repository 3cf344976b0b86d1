"""The report of bench/measure.py: the generated part of docs/benchmarks.md and
the summary table, from the figures it took, with what it measured and the
targets it holds them to. Standard library only."""

import os
import statistics

from desktop import MAIN_CLIENT, STICKS_PICTURE, WAIT_SECONDS

# The bare window is exactly the main window's outer size (bench/bare_window.cpp).
BARE_SIZE = (438, 335)

# The desktop languages other than English that launches are measured in: LANG
# and LANGUAGE are set, and the bare window shows a line in that language (the
# main window's caption in it), so that it loads the fonts that draw it.
CHINESE = {
    "zh_TW": {"LANG": "zh_TW.UTF-8", "text": "按一下圖片，立即求取您的 Sortilo 靈籤！"},
    "zh_CN": {"LANG": "zh_CN.UTF-8", "text": "点击图片，马上求取您的 Sortilo 灵签！"},
}

IDLE_SECONDS = 10.0
# Processor time is read over the wait less this margin, so that building and
# showing the results window, which follows the wait at once, is not counted.
WAIT_MARGIN = 0.05
HWM_AFTER_MAP = 1.0
READINGS = 50
EXTRA_LAUNCHES = 3

TARGETS = {
    "paint": 1.15,
    "map": 1.30,
    "hwm": 1.10,
    "wait_ms": 30.0,
    "idle_ticks": 0,
    "growth_kb": 1024,
}

TICKS_PER_SECOND = os.sysconf("SC_CLK_TCK")


BEGIN_MARK = "<!-- bench/run writes from here to the end mark; edit below it -->"
END_MARK = "<!-- end of what bench/run writes -->"


def median(values):
    return statistics.median(values)


def spread(values):
    """Median with the interquartile range, as text."""
    if len(values) < 4:
        return "%.1f" % median(values)
    q1, _, q3 = statistics.quantiles(values, n=4)
    return "%.1f (%.1f-%.1f)" % (median(values), q1, q3)


def verdict(ok):
    return "met" if ok else "**missed**"


def build_report(args, info, launches, full, memory, long_run, no_cache, load_after):
    """The generated part of docs/benchmarks.md, and the summary table."""
    m = {kind: {key: median([r[key] for r in launches[kind]])
                for key in ("map_s", "map_cpu_ms", "paint_s", "paint_cpu_ms")}
         for kind in launches}
    hwm = {kind: median([r["hwm_kb"] for r in full[kind]]) for kind in full}
    later = full["later"]
    wait_ticks = median([r["wait_ticks"] for r in later])
    wait_ms = median([r["wait_ms"] for r in later])
    idle_ticks = median([r["idle_ticks"] for r in later])
    idle_ticks_max = max(r["idle_ticks"] for r in later)
    idle_ms = median([r["idle_ms"] for r in later])
    results_after = median([r["results_after_s"] for r in later])
    reading_ms = median([r["reading_ms"] for r in later])
    rss1 = median([s[1]["rss"] for s in memory])
    rssn = median([s[READINGS]["rss"] for s in memory])
    growth = median([s[READINGS]["rss"] - s[1]["rss"] for s in memory])
    n_launch = len(launches["bare"])
    n_full = len(later)
    menu_bar = later[0]["menu_bar"]
    size = later[0]["size"]
    tick_ms = 1000 / TICKS_PER_SECOND

    def launch_row(kind, event, label, bare="bare"):
        key = event + "_s"
        ratio = m[kind][key] / m[bare][key]
        return (label, "%.1f ms vs %.1f ms bare: ratio **%.2f**"
                % (m[kind][key] * 1e3, m[bare][key] * 1e3, ratio),
                "<= %.2f" % TARGETS[event], verdict(ratio <= TARGETS[event]))

    def hwm_row(kind, label, bare="bare"):
        ratio = hwm[kind] / hwm[bare]
        return (label, "%.1f MB vs %.1f MB bare: ratio **%.2f**"
                % (hwm[kind] / 1024, hwm[bare] / 1024, ratio),
                "<= %.2f" % TARGETS["hwm"], verdict(ratio <= TARGETS["hwm"]))

    chinese_rows = []
    for lang in CHINESE:
        later_, bare_ = "later " + lang, "bare " + lang
        chinese_rows += [
            launch_row(later_, "paint", "1. Launch to the first paint, later start, in %s" % lang,
                       bare_),
            launch_row(later_, "map", "1. Launch to the map, later start, in %s" % lang, bare_),
            hwm_row(later_, "2. Peak resident memory 1 s after the map, later start, in %s"
                    % lang, bare_),
        ]

    rows = [
        launch_row("later", "paint",
                   "1. Launch to the main window's first paint, later start (main figure)"),
        launch_row("first", "paint", "1. Launch to the main window's first paint, first start"),
        launch_row("later", "map", "1. Launch to the main window mapped, later start"),
        launch_row("first", "map", "1. Launch to the main window mapped, first start"),
        hwm_row("later", "2. Peak resident memory 1 s after the map, later start"),
        hwm_row("first", "2. Peak resident memory 1 s after the map, first start"),
    ] + chinese_rows + [
        ("3. Processor time during one reading's 3 s wait",
         "**%d** ticks of %d ms (%.1f ms on the threads' clocks)" % (wait_ticks, tick_ms,
                                                                      wait_ms),
         "< %d ms" % TARGETS["wait_ms"],
         verdict(wait_ticks * tick_ms < TARGETS["wait_ms"] and wait_ms < TARGETS["wait_ms"])),
        ("4. Processor time idle for 10 s, main window open",
         "**%d** ticks (%.2f ms on the threads' clocks; most in any run: %d ticks)"
         % (idle_ticks, idle_ms, idle_ticks_max),
         "0 ticks", verdict(idle_ticks == TARGETS["idle_ticks"])),
        ("5. Resident memory after %d readings with Back, less after 1" % READINGS,
         "**%+d kB** (%.1f MB after 1, %.1f MB after %d)" % (growth, rss1 / 1024, rssn / 1024,
                                                            READINGS),
         "<= %d kB" % TARGETS["growth_kb"], verdict(growth <= TARGETS["growth_kb"])),
    ]
    table = ["| Figure | Result (medians) | Target | |", "| --- | --- | --- | --- |"]
    table += ["| %s | %s | %s | %s |" % row for row in rows]

    extra = ["| Launch, medians of %d | bare window | first start | later start "
             "| later / bare |" % n_launch,
             "| --- | --- | --- | --- | --- |"]
    for key, label, scale in (("map_s", "to the map, ms", 1e3),
                              ("paint_s", "to the first paint, ms", 1e3),
                              ("map_cpu_ms", "processor time to the map, ms", 1),
                              ("paint_cpu_ms", "processor time to the first paint, ms", 1)):
        extra.append("| %s | %s | %s | %s | %.2f |" % (
            label, spread([r[key] * scale for r in launches["bare"]]),
            spread([r[key] * scale for r in launches["first"]]),
            spread([r[key] * scale for r in launches["later"]]),
            m["later"][key] / m["bare"][key]))

    n_chinese = len(launches["bare " + next(iter(CHINESE))])
    chinese = ["| Launch, medians of %d | %s |" % (n_chinese, " | ".join(
                   "bare window in %s | later start in %s | later / bare" % (lang, lang)
                   for lang in CHINESE)),
               "| --- |" + " --- | --- | --- |" * len(CHINESE)]
    for key, label, scale in (("map_s", "to the map, ms", 1e3),
                              ("paint_s", "to the first paint, ms", 1e3),
                              ("map_cpu_ms", "processor time to the map, ms", 1),
                              ("paint_cpu_ms", "processor time to the first paint, ms", 1)):
        cells = []
        for lang in CHINESE:
            bare_, later_ = launches["bare " + lang], launches["later " + lang]
            cells += [spread([r[key] * scale for r in bare_]),
                      spread([r[key] * scale for r in later_]),
                      "%.2f" % (m["later " + lang][key] / m["bare " + lang][key])]
        chinese.append("| %s | %s |" % (label, " | ".join(cells)))
    hwm_cells = []
    for lang in CHINESE:
        hwm_cells += [spread([r["hwm_kb"] / 1024 for r in full["bare " + lang]]),
                      spread([r["hwm_kb"] / 1024 for r in full["later " + lang]]),
                      "%.2f" % (hwm["later " + lang] / hwm["bare " + lang])]
    chinese.append("| peak memory 1 s after the map, MB (%d full runs) | %s |"
                   % (len(full["bare " + next(iter(CHINESE))]), " | ".join(hwm_cells)))

    raw = ["| Round | bare HWM kB | first HWM kB | later HWM kB | wait ticks / ms "
           "| idle ticks / ms | results after s | click to results on screen, ms |",
           "| --- | --- | --- | --- | --- | --- | --- | --- |"]
    for i in range(n_full):
        b, f, l_ = full["bare"][i], full["first"][i], later[i]
        raw.append("| %d | %d | %d | %d | %d / %.2f | %d / %.2f | %.3f | %.1f |" % (
            i + 1, b["hwm_kb"], f["hwm_kb"], l_["hwm_kb"], l_["wait_ticks"], l_["wait_ms"],
            l_["idle_ticks"], l_["idle_ms"], l_["results_after_s"], l_["reading_ms"]))

    mem_raw = ["| Run | RSS after 1, kB | after %d, kB | growth, kB | widgets after 1 / %d "
               "| QObjects after 1 / %d |" % (READINGS, READINGS, READINGS),
               "| --- | --- | --- | --- | --- | --- |"]
    for i, s in enumerate(memory):
        mem_raw.append("| %d | %d | %d | %+d | %d / %d | %d / %d |" % (
            i + 1, s[1]["rss"], s[READINGS]["rss"], s[READINGS]["rss"] - s[1]["rss"],
            s[1]["widgets"], s[READINGS]["widgets"], s[1]["objects"], s[READINGS]["objects"]))
    long_line = ", ".join("%d: %.1f" % (k, v["rss"] / 1024) for k, v in sorted(long_run.items()))
    no_cache_growth = no_cache[READINGS]["rss"] - no_cache[1]["rss"]

    md = [BEGIN_MARK, "", "## How to reproduce", "", "```sh", args.command, "```", "",
          "It installs what is missing (Debian packages), builds `lv-sortilo` and the "
          "`bench_*` programs with the bench preset (a release build), measures, prints "
          "the summary and rewrites the part of this file above the end mark. "
          "`bench/run --runs N` takes N rounds (10 by default, the least for these "
          "figures); a run of 10 takes about five minutes.", "",
          "## Machine", "", "| | |", "| --- | --- |",
          "| Date | %s |" % info["date"],
          "| Program measured | commit %s |" % info["commit"],
          "| Processors (nproc) | %s |" % info["nproc"],
          "| CPU model | %s |" % info["cpu"],
          "| Qt | %s |" % info["qt"],
          "| Kernel | %s |" % info["kernel"],
          "| Load average before / after | %s / %s |" % (info["load"], load_after),
          "| Clock tick | %d ms |" % tick_ms, "",
          "## Results", ""]
    md += table
    md += ["", "Launch in detail (median, with the interquartile range):", ""]
    md += extra
    md += ["", "The same in Chinese (`LANG` and `LANGUAGE` set; the bare window shows the main "
           "window's caption in that language):", ""]
    md += chinese
    md += ["",
           "- **Display.** Our own `Xvfb -displayfd`, one 1024x768 24-bit screen, no window "
           "manager, and our own session bus (`dbus-daemon --session`) as a desktop has. "
           "Every launch gets a fresh temporary HOME, XDG_CONFIG_HOME, XDG_DATA_HOME, "
           "XDG_CACHE_HOME and XDG_RUNTIME_DIR and a stand-in `xdg-open` first on PATH; "
           "XDG_RUNTIME_DIR is in memory (under `/dev/shm`, where the system has it), as a "
           "desktop's `/run/user/UID` is.",
           "- **Yardstick.** `bench/bare_window.cpp`: a QApplication showing one QLabel "
           "window of exactly the main window's outer size, %dx%d px, with no menu bar (the "
           "main window measured %dx%d: a %dx%d client area under a %d px menu bar)."
           % (BARE_SIZE + size + MAIN_CLIENT + (menu_bar,)),
           "- **Rounds.** %d rounds after one warm-up round that is not counted. Each round "
           "takes one full run of each kind (bare window, first start, later start), in an "
           "order that turns from round to round, then %d more launches of each kind that "
           "are killed at their first paint. Launch figures are medians of all %d launches "
           "of a kind; the others are medians of the %d full runs. Each round then does "
           "the same in each Chinese language with the bare window and a later start."
           % (n_full, EXTRA_LAUNCHES, n_launch, n_full),
           "- **Languages.** English: the desktop's `LC_ALL=C.UTF-8`. Chinese: `LC_ALL` unset, "
           "`LANG` and `LANGUAGE` set (%s); the bare window is started with `--text` and "
           "shows the main window's caption in that language (%s), drawn in the font that "
           "fontconfig gives Qt for the language. Chinese full runs measure peak memory "
           "only." % (", ".join("`LANG=%s LANGUAGE=%s`" % (v["LANG"], k)
                                for k, v in CHINESE.items()),
                      ", ".join("\"%s\"" % v["text"] for v in CHINESE.values())),
           "- **Launch.** `bench/mapwatch.cpp` selects SubstructureNotify on the root window "
           "before it forks, then forks and execs the program and reports the time from "
           "just before the fork to the first MapNotify of a top-level (not "
           "override-redirect) window, and to the first drawing into that window (a DAMAGE "
           "extension report), with the program's processor time at each (the threads "
           "alive at that moment, from `/proc/<pid>/task/*/schedstat`: a thread that has "
           "already ended is not counted). Every launch checks that the first window mapped has the "
           "size of the bare or of the main window. In full runs the first window is checked "
           "to be the main window. *First start*: no settings file; the program writes it. "
           "*Later start*: the settings file that a first start wrote is copied into the "
           "fresh configuration folder, as on every start after the first. Later starts are "
           "the common case and give the main figure.",
           "- **Peak memory.** VmHWM from `/proc/<pid>/status` %.0f s after the map." %
           HWM_AFTER_MAP,
           "- **Idle.** utime+stime from `/proc/<pid>/stat` (whole process, in %d ms ticks) "
           "read 0.3 s after the pointer was put on the picture (about 1.5 s after the map) "
           "and again %.0f s later. The threads' own clocks (`schedstat`, nanoseconds) are "
           "read alongside." % (tick_ms, IDLE_SECONDS),
           "- **Wait.** `xdotool click --delay 0 1` on the picture (client (%d, %d), found "
           "from the window's geometry below its menu bar; the pointer was put there before "
           "the idle period). The counters are read just before xdotool starts, so the "
           "click's own handling (the Please Wait panel shown and drawn) is counted, and "
           "again %.2f s later: the three-second wait less %d ms, so that building and "
           "showing the results window, which follows the wait at once, is not counted. "
           "The results window is then awaited to check the reading happened: it was mapped "
           "a median %.3f s after the click, and the processor time from the click to that "
           "map was %.1f ms (the wait, the draw, and building and showing the results "
           "window)."
           % (STICKS_PICTURE + (WAIT_SECONDS - WAIT_MARGIN, WAIT_MARGIN * 1000,
                                   results_after, reading_ms)),
           "- **Readings.** `bench/readings_memory.cpp` links the program's library "
           "`sortilo` and runs the real windows on the real platform services (X11 through "
           "xcb, the INI settings file, the lock file) except for a clock that runs 100 "
           "times fast, so each three-second wait lasts 30 ms. The wait sleeps until its "
           "timer or any other event comes and its timer counts real time, so a 1 ms timer "
           "of the benchmark wakes it to look at the fast clock. Each reading clicks "
           "the picture `picMain` (wait, draw, results shown) and then "
           "the button `cmdOK` (Back), and returns to the application's event "
           "loop, which deletes the unloaded results window, before the next. VmRSS is read "
           "after reading 1 and after reading %d; median of %d runs." % (READINGS,
                                                                       len(memory)),
           "",
           "### Runs", ""]
    md += raw
    md += [""]
    md += mem_raw
    md += ["",
           "Resident memory in MB after N readings, in one run of 200: %s." % long_line, "",
           "The same %d readings with QPixmapCache's limit set to 0 "
           "(`bench_readings_memory %d --pixmap-cache-kb 0`): %+d kB." % (
               READINGS, READINGS, no_cache_growth),
           "", END_MARK]
    return "\n".join(md) + "\n", table


def write_report(path, generated):
    """Replaces the generated part of the file and keeps what is written below it."""
    head = ("# Benchmarks\n\n"
            "How fast LV Sortilo starts, how much memory it holds and how much processor "
            "time it spends, measured side by side with a bare Qt window under Xvfb.\n\n")
    tail = "\n## Findings\n\n(Not written yet.)\n"
    if os.path.exists(path):
        with open(path) as f:
            text = f.read()
        if BEGIN_MARK in text and END_MARK in text:
            head = text[:text.index(BEGIN_MARK)]
            tail = text[text.index(END_MARK) + len(END_MARK) + 1:]
    with open(path, "w") as f:
        f.write(head + generated + tail)
