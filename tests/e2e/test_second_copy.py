"""A second copy started while one runs says so and leaves; the first runs on,
and once it is killed the next copy starts as if it had never run. The copies
need not agree on their runtime folder: one copy runs per user. Two copies
started at the same instant leave exactly one running. The second copy's box
opens in front of the farewell window, which stays on top."""

import os
import signal

import harness
from harness import check, in_front_of, is_box, is_farewell, is_main, leave_for_farewell


def start_copy(s, runtime="same"):
    """Starts a copy of the program with the session's runtime folder, with a
    folder of its own ("elsewhere"), or with none ("unset")."""
    if runtime == "unset":
        return s.start_program(command=["env", "-u", "XDG_RUNTIME_DIR", s.executable])
    if runtime == "elsewhere":
        folder = os.path.join(s.dir, "runtime-%d" % (len(s.programs) + 1))
        os.makedirs(folder, mode=0o700, exist_ok=True)
        return s.start_program(extra_env={"XDG_RUNTIME_DIR": folder})
    check(runtime == "same", "no such runtime folder: %r" % runtime)
    return s.start_program()


def second_copy_reports_running_copy_and_exits(s, runtime, first_at="main"):
    if first_at == "farewell":
        first, shown = leave_for_farewell(s)
        is_shown = is_farewell
    else:
        first = s.start_program()
        shown = s.wait_window(is_main, "the first copy's main window")
        is_shown = is_main
    check(shown.pid() == first.pid, "the first copy's window is not the first copy's")

    second = start_copy(s, runtime)

    def box_of_second():
        windows = s.windows()
        check(len([w for w in windows if is_main(w)]) == (first_at == "main"),
              "the second copy showed a main window: %r" % windows)
        boxes = [w for w in windows if is_box(w) and w.pid() == second.pid]
        return boxes[0] if len(boxes) == 1 else None
    box = s.wait_for(box_of_second, "the second copy's \"already running\" box")
    if first_at == "farewell":
        s.wait_for(lambda: in_front_of(s, box, shown),
                   "the second copy's box in front of the first copy's farewell window")

    s.activate(box)
    s.key("Return")
    s.check_ended_cleanly(second, "the second copy to end after OK")

    check(first.alive(), "the first copy ended too")
    s.wait_gone(is_box, "the box to go")
    windows = s.find(is_shown)
    check(len(windows) == 1 and windows[0].pid() == first.pid,
          "the first copy's window is not there alone: %r" % windows)
    s.stays(first.alive, "the first copy keeps running", 0.3)

    # Killed, the first copy keeps no other from starting.
    first.kill()
    status = first.wait_exit(what="the killed copy to end")
    check(status == -signal.SIGKILL, "the first copy ended with %r, not by SIGKILL" % status)
    s.wait_gone(is_shown, "the killed copy's window to go")
    third = start_copy(s, runtime)
    main = s.wait_window(is_main, "the next copy's main window")
    check(main.pid() == third.pid, "the main window is not the next copy's")
    s.stays(lambda: third.alive() and not s.find(is_box), "the next copy runs without any box",
            0.5)


def simultaneous_starts_leave_exactly_one_copy(s, runtime):
    first = start_copy(s, runtime)
    second = start_copy(s, runtime)
    copies = {first.pid: first, second.pid: second}

    def both_shown():
        windows = s.windows()
        mains = [w for w in windows if is_main(w)]
        boxes = [w for w in windows if is_box(w)]
        check(len(mains) <= 1, "%d main windows: %r" % (len(mains), mains))
        check(len(boxes) <= 1, "%d message boxes: %r" % (len(boxes), boxes))
        return (mains, boxes) if mains and boxes else None
    mains, boxes = s.wait_for(both_shown, "a main window and an \"already running\" box")
    runner = copies.get(mains[0].pid())
    refused = copies.get(boxes[0].pid())
    check(runner is not None and refused is not None and runner is not refused,
          "the main window and the box do not come from one copy each")

    s.activate(boxes[0])
    s.key("Return")
    s.check_ended_cleanly(refused, "the refused copy to end after OK")
    s.stays(lambda: runner.alive() and not refused.alive(), "exactly one copy remains", 0.3)
    mains = s.find(is_main)
    check(len(mains) == 1 and mains[0].pid() == runner.pid,
          "the remaining copy's main window is not there alone: %r" % mains)
    check(not s.find(is_box), "a box is still shown")


def second_copy_over_farewell(s):
    second_copy_reports_running_copy_and_exits(s, runtime="same", first_at="farewell")


def second_copy_without_runtime_folder(s):
    second_copy_reports_running_copy_and_exits(s, runtime="unset")


def simultaneous_starts_in_runtime_folders_apart(s):
    simultaneous_starts_leave_exactly_one_copy(s, runtime="elsewhere")


# A copy with the same runtime folder is refused over the farewell window, at
# the same instant with one of its own, and with none over the main window.
if __name__ == "__main__":
    harness.run_variant({
        "over-farewell": second_copy_over_farewell,
        "runtime-unset": second_copy_without_runtime_folder,
        "simultaneous-runtime-apart": simultaneous_starts_in_runtime_folders_apart,
    })
