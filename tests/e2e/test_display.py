"""Where no graphical display can be opened the program says so plainly and
ends with status 1, not with a core dump; on a Wayland desktop it goes to
XWayland first, where it can place its windows itself."""

import os

import harness
from harness import check, is_main

NO_DISPLAY = "lv-sortilo: no graphical display could be opened"
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
    unset_display = ["env", "-u", "DISPLAY", s.executable]
    tries = [
        ("DISPLAY unset", unset_display, {}),
        ("DISPLAY names no server", None, {"DISPLAY": display_without_server()}),
        ("a Wayland session without a compositor", unset_display,
         {"XDG_SESSION_TYPE": "wayland", "WAYLAND_DISPLAY": NO_COMPOSITOR}),
    ]
    for what, command, extra_env in tries:
        program = s.start_program(extra_env=extra_env, command=command)
        status = program.wait_exit(what="the program to end with %s" % what)
        output = program.output()
        check(status == 1, "with %s the program ended with %r, not status 1; it said:\n%s"
              % (what, status, output))
        first_line = output.splitlines()[0] if output else ""
        check(first_line.startswith(NO_DISPLAY),
              "with %s the program did not say first that no display could be opened:\n%s"
              % (what, output))
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


if __name__ == "__main__":
    variants = {
        "no-display": no_display_says_so_and_exits_with_status_1,
        "wayland": wayland_desktop_runs_through_xwayland,
    }
    harness.run_variant(variants)
