"""Where no graphical display can be opened the program says why plainly, a
display that does not answer or a platform plugin that is not installed, and
ends with status 1, not with a core dump; on a Wayland desktop it goes to
XWayland first, where it can place its windows itself. It takes no arguments,
and passes none to Qt."""

import os
import subprocess

import harness
from harness import check, is_main

NO_DISPLAY = "%s: no graphical display could be opened"
# Names a Wayland compositor that is not there.
NO_COMPOSITOR = "wayland-lv-sortilo-e2e-none"


def display_without_server():
    """A display name that no X server answers to."""
    number = 9000
    while os.path.exists("/tmp/.X11-unix/X%d" % number) or os.path.exists(
            "/tmp/.X%d-lock" % number):
        number += 1
    return ":%d" % number


def no_display_says_so_and_exits_with_status_1(s):
    """What Qt says on the way is passed on as it comes; the last line says
    why the program cannot start."""
    unset_display = ["env", "-u", "DISPLAY", s.executable]
    no_display = NO_DISPLAY % s.program_name
    tries = [
        ("DISPLAY unset", unset_display, {}, no_display, ""),
        ("DISPLAY names no server", None, {"DISPLAY": display_without_server()},
         no_display + ' (DISPLAY is "', "could not connect to display"),
        ("a Wayland session without a compositor", unset_display,
         {"XDG_SESSION_TYPE": "wayland", "WAYLAND_DISPLAY": NO_COMPOSITOR}, no_display, ""),
        # The display is there; what is missing is the plugin.
        ("a platform whose plugin is not installed", None, {"QT_QPA_PLATFORM": "bogus"},
         '%s: the Qt platform plugin "bogus" is not installed' % s.program_name, ""),
        ("a platform variable that names none", None, {"QT_QPA_PLATFORM": ";;;"},
         '%s: QT_QPA_PLATFORM is ";;;", which names no Qt platform.' % s.program_name, ""),
    ]
    for what, command, extra_env, last_words, qt_said in tries:
        program = s.start_program(extra_env=extra_env, command=command)
        status = program.wait_exit(what="the program to end with %s" % what)
        output = program.output()
        check(status == 1, "with %s the program ended with %r, not status 1; it said:\n%s"
              % (what, status, output))
        last_line = output.splitlines()[-1] if output else ""
        check(last_line.startswith(last_words),
              "with %s the program did not end with %r:\n%s" % (what, last_words, output))
        check(qt_said in output.rpartition(last_line)[0],
              "with %s, Qt's %r does not come before the reason:\n%s" % (what, qt_said, output))
        check("Reinstalling" not in output,
              "with %s the program still gives Qt's advice to reinstall:\n%s" % (what, output))


def wayland_desktop_runs_through_xwayland(s):
    program = s.start_program(extra_env={"XDG_SESSION_TYPE": "wayland",
                                         "WAYLAND_DISPLAY": NO_COMPOSITOR})
    main = s.wait_window(is_main, "the main window on the X display")
    check(main.pid() == program.pid, "the main window is not the program's")
    check(program.alive(), "the program ended")
    # Qt would try Wayland first, and here fall back on X11 only because no
    # compositor answers; the program must not have tried it at all.
    output = program.output()
    check("wayland" not in output.lower(), "the program tried Wayland first:\n%s" % output)


def command_line_takes_no_arguments(s):
    """-h, --help, -v and --version are answered as Qt's parser words them;
    every other argument, Qt's own options among them, is refused with one
    line, before any window opens. Control characters in the name the
    program is started by never reach the terminal."""
    style = os.path.join(s.dir, "style.qss")
    with open(style, "w") as f:
        f.write("* { background: red; }\n")
    name = s.program_name
    usage = "Usage: %s [options]\n" % s.executable
    refused = "%s: Unknown option '%%s'.\n" % name
    tries = [
        (None, ["--help"], 0, usage, ""),
        (None, ["-h"], 0, usage, ""),
        (None, ["--version"], 0, "%s 1.0.0\n" % name, ""),
        (None, ["-v"], 0, "%s 1.0.0\n" % name, ""),
        (None, ["-reverse"], 2, "", refused % "reverse"),
        (None, ["-qwindowtitle", "X"], 2, "", refused % "qwindowtitle"),
        (None, ["-stylesheet", style], 2, "", refused % "stylesheet"),
        (None, ["-platform", "xcb"], 2, "", refused % "platform"),
        (None, ["--help", "extra"], 2, "", "%s: Unexpected argument 'extra'.\n" % name),
        # ESC [ 2 J clears a terminal; U+009B is the same introducer in one
        # character.
        (b"/tmp/\x1b[2J\xc2\x9bJ", ["-x"], 2, "", "\ufffd[2J\ufffdJ: Unknown option 'x'.\n"),
        # A line break would start a line of the caller's; U+202E turns what
        # follows around.
        (None, ["--help", "a\nb\u202ec"], 2, "",
         "%s: Unexpected argument 'a\ufffdb\ufffdc'.\n" % name),
    ]
    for argv0, arguments, expected_status, stdout_start, stderr_text in tries:
        what = " ".join(arguments)
        try:
            result = subprocess.run([argv0 or s.executable] + arguments, executable=s.executable,
                                    env=s.env, cwd=s.dir, stdin=subprocess.DEVNULL,
                                    capture_output=True, timeout=harness.DEADLINE)
        except subprocess.TimeoutExpired:
            raise harness.Failure("with %s the program did not end: it ran" % what) from None
        out, err = (result.stdout.decode(errors="replace"),
                    result.stderr.decode(errors="replace"))
        check(result.returncode == expected_status,
              "with %s the program ended with %r, not %d; it said:\n%s%s"
              % (what, result.returncode, expected_status, out, err))
        check(out.startswith(stdout_start) and bool(out) == bool(stdout_start),
              "with %s the program did not write %r on standard output:\n%s"
              % (what, stdout_start, out))
        if stdout_start.startswith("Usage"):
            check("-v, --version" in out and "--help-all" not in out,
                  "with %s the help does not list just -h and -v:\n%s" % (what, out))
        check(err == stderr_text, "with %s the program did not write %r on standard error:\n%r"
              % (what, stderr_text, err))
    check(not s.windows(), "the program left windows: %r" % s.windows())


if __name__ == "__main__":
    variants = {
        "no-display": no_display_says_so_and_exits_with_status_1,
        "wayland": wayland_desktop_runs_through_xwayland,
        "command-line": command_line_takes_no_arguments,
    }
    harness.run_variant(variants)
