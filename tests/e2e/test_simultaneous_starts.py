"""Two copies started at the same instant: one runs, the other says so and
leaves, also when each has a runtime folder of its own."""


import harness
from harness import check, is_box, is_main
from test_second_copy import start_copy


def simultaneous_starts_leave_exactly_one_copy(s, runtime="same"):
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
    check(len(mains) == 1, "%d main windows: %r" % (len(mains), mains))
    check(len(boxes) == 1, "%d message boxes: %r" % (len(boxes), boxes))
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


def simultaneous_starts_in_runtime_folders_apart_leave_one_copy(s):
    simultaneous_starts_leave_exactly_one_copy(s, runtime="elsewhere")


if __name__ == "__main__":
    variants = {
        "same": simultaneous_starts_leave_exactly_one_copy,
        "runtime-apart": simultaneous_starts_in_runtime_folders_apart_leave_one_copy,
    }
    harness.run_variant(variants, default="same")
