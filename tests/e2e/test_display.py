"""Where no graphical display can be opened the program says why plainly, a
display that does not answer or a platform plugin that is not installed, and
ends with status 1, not with a core dump; on a Wayland desktop it goes to
XWayland first, where it can place its windows itself. It takes no arguments,
and passes none to Qt."""

import os
import subprocess

import harness
from harness import check, is_main

NO_DISPLAY = "lv-sortilo: no graphical display could be opened"
# Names a Wayland compositor that is not there.
NO_COMPOSITOR = "wayland-lv-sortilo-e2e-none"
USAGE = "Usage: lv-sortilo [-h | --help | --version]"


def display_without_server():
    """A display name that no X server answers to."""
    number = 9000
    while os.path.exists("/tmp/.X11-unix/X%d" % number) or os.path.exists(
            "/tmp/.X%d-lock" % number):
        number += 1
    return ":%d" % number


def no_display_says_so_and_exits_with_status_1(s):
    unset_display = ["env", "-u", "DISPLAY", s.executable]
    tries = [
        ("DISPLAY unset", unset_display, {}, NO_DISPLAY),
        ("DISPLAY names no server", None, {"DISPLAY": display_without_server()},
         NO_DISPLAY + ' (DISPLAY is "'),
        ("a Wayland session without a compositor", unset_display,
         {"XDG_SESSION_TYPE": "wayland", "WAYLAND_DISPLAY": NO_COMPOSITOR}, NO_DISPLAY),
        # The display is there; what is missing is the plugin.
        ("a platform whose plugin is not installed", None, {"QT_QPA_PLATFORM": "bogus"},
         'lv-sortilo: the Qt platform plugin "bogus" is not installed'),
    ]
    for what, command, extra_env, first_words in tries:
        program = s.start_program(extra_env=extra_env, command=command)
        status = program.wait_exit(what="the program to end with %s" % what)
        output = program.output()
        check(status == 1, "with %s the program ended with %r, not status 1; it said:\n%s"
              % (what, status, output))
        first_line = output.splitlines()[0] if output else ""
        check(first_line.startswith(first_words),
              "with %s the program did not begin with %r:\n%s" % (what, first_words, output))
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
    """--help and --version answer with a line each; every other argument,
    Qt's own options among them, is refused before any window opens."""
    style = os.path.join(s.dir, "style.qss")
    with open(style, "w") as f:
        f.write("* { background: red; }\n")
    tries = [
        (["--help"], 0, USAGE, ""),
        (["-h"], 0, USAGE, ""),
        (["--version"], 0, "lv-sortilo 1.0", ""),
        (["-reverse"], 2, "", 'lv-sortilo: unknown argument "-reverse"'),
        (["-qwindowtitle", "X"], 2, "", 'lv-sortilo: unknown argument "-qwindowtitle"'),
        (["-stylesheet", style], 2, "", 'lv-sortilo: unknown argument "-stylesheet"'),
        (["-platform", "xcb"], 2, "", 'lv-sortilo: unknown argument "-platform"'),
        (["--help", "extra"], 2, "", 'lv-sortilo: unknown argument "extra"'),
    ]
    for arguments, expected_status, stdout_start, stderr_start in tries:
        what = " ".join(arguments)
        try:
            result = subprocess.run([s.executable] + arguments, env=s.env, cwd=s.dir,
                                    stdin=subprocess.DEVNULL, capture_output=True,
                                    timeout=harness.DEADLINE)
        except subprocess.TimeoutExpired:
            raise harness.Failure("with %s the program did not end: it ran" % what) from None
        out, err = (result.stdout.decode(errors="replace"),
                    result.stderr.decode(errors="replace"))
        check(result.returncode == expected_status,
              "with %s the program ended with %r, not %d; it said:\n%s%s"
              % (what, result.returncode, expected_status, out, err))
        for stream, text, start in (("standard output", out, stdout_start),
                                    ("standard error", err, stderr_start)):
            if not start:
                check(not text, "with %s the program wrote on %s:\n%s" % (what, stream, text))
                continue
            check(text.startswith(start) and text.count("\n") == 1 and text.endswith("\n"),
                  "with %s the program did not write one line starting %r on %s:\n%s"
                  % (what, start, stream, text))
    check(not s.windows(), "the program left windows: %r" % s.windows())


if __name__ == "__main__":
    variants = {
        "no-display": no_display_says_so_and_exits_with_status_1,
        "wayland": wayland_desktop_runs_through_xwayland,
        "command-line": command_line_takes_no_arguments,
    }
    harness.run_variant(variants)
