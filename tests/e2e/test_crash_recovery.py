"""A copy that was killed does not keep the next one from starting."""

import signal

import harness
from harness import check, is_box, is_main


def start_after_killed_copy_shows_main_window(s):
    first = s.start_program()
    s.wait_window(is_main, "the first copy's main window")
    first.kill(signal.SIGKILL)
    status = first.wait_exit(what="the killed copy to end")
    check(status == -signal.SIGKILL, "the first copy ended with %r, not by SIGKILL" % status)
    s.wait_gone(is_main, "the killed copy's window to go")

    second = s.start_program()
    main = s.wait_window(is_main, "the new copy's main window")
    check(main.pid() == second.pid, "the main window is not the new copy's")
    check(not s.find(is_box), "a message box is shown: %r" % s.find(is_box))
    s.stays(lambda: second.alive() and not s.find(is_box),
            "the new copy runs without any box", 0.5)


if __name__ == "__main__":
    harness.run(start_after_killed_copy_shows_main_window)
