"""A second copy started while one runs says so and leaves; the first runs on."""

import harness
from harness import check, is_box, is_main


def second_copy_reports_running_copy_and_exits(s):
    first = s.start_program()
    main = s.wait_window(is_main, "the first copy's main window")
    check(main.pid() == first.pid, "the main window is not the first copy's")

    second = s.start_program()

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
    s.wait_gone(is_box, "the box to go", deadline=5)
    mains = s.find(is_main)
    check(len(mains) == 1 and mains[0].pid() == first.pid,
          "the first copy's main window is not there alone: %r" % mains)
    s.stays(first.alive, "the first copy keeps running", 0.3)


if __name__ == "__main__":
    harness.run(second_copy_reports_running_copy_and_exits)
