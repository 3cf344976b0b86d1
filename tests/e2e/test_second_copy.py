"""A second copy started while one runs says so and leaves; the first runs on.
The copies need not agree on their runtime folder: one copy runs per user."""

import os

import harness
from harness import check, is_box, is_main


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


def second_copy_reports_running_copy_and_exits(s, runtime="same"):
    first = s.start_program()
    main = s.wait_window(is_main, "the first copy's main window")
    check(main.pid() == first.pid, "the main window is not the first copy's")

    second = start_copy(s, runtime)

    def box_of_second():
        windows = s.windows()
        check(len([w for w in windows if is_main(w)]) == 1,
              "the second copy showed a main window: %r" % windows)
        boxes = [w for w in windows if is_box(w) and w.pid() == second.pid]
        return boxes[0] if len(boxes) == 1 else None
    box = s.wait_for(box_of_second, "the second copy's \"already running\" box")

    s.activate(box)
    s.key("Return")
    s.check_ended_cleanly(second, "the second copy to end after OK")

    check(first.alive(), "the first copy ended too")
    s.wait_gone(is_box, "the box to go")
    mains = s.find(is_main)
    check(len(mains) == 1 and mains[0].pid() == first.pid,
          "the first copy's main window is not there alone: %r" % mains)
    s.stays(first.alive, "the first copy keeps running", 0.3)


def second_copy_without_runtime_folder_reports_running_copy(s):
    second_copy_reports_running_copy_and_exits(s, runtime="unset")


if __name__ == "__main__":
    variants = {
        "same": second_copy_reports_running_copy_and_exits,
        "runtime-unset": second_copy_without_runtime_folder_reports_running_copy,
    }
    harness.run_variant(variants, default="same")
