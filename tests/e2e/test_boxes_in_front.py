"""A message box that waits for an answer opens in front of the farewell
window, which stays on top of everything else: here the referral form's
refusals; test_second_copy.py has a second copy's "already running"."""


import harness
from harness import check, frame_centre, is_box, is_farewell, is_main

REFER_BUTTON = (248, 297)


def in_front_of(s, window, other):
    order = s.managed_windows()
    return window.wid in order and other.wid in order and \
        order.index(window.wid) > order.index(other.wid)


def leave_for_farewell(s):
    program = s.start_program()
    main = s.wait_window(is_main, "the main window")
    s.close_box(main)
    return program, s.wait_window(is_farewell, "the farewell window")


def refusal_opens_in_front_of_farewell(s):
    program, farewell = leave_for_farewell(s)
    # All fields still show their prompts: the e-mail check refuses them.
    s.click(farewell, *REFER_BUTTON)
    box = s.wait_window(is_box, "the refusal box")
    check(box.pid() == program.pid, "the box is not the program's")
    s.wait_for(lambda: in_front_of(s, box, farewell),
               "the refusal box in front of the farewell window")
    # Over the middle of the farewell window, frame and title bar included.
    box_centre, farewell_centre = frame_centre(s, box), frame_centre(s, farewell)
    check(max(abs(a - b) for a, b in zip(box_centre, farewell_centre)) <= 1,
          "the box's centre %s, the farewell window's %s" % (box_centre, farewell_centre))
    s.activate(box)
    s.key("Return")
    s.wait_gone(is_box, "the box to go after OK")
    check(program.alive() and s.find(is_farewell), "the farewell window went with the box")


if __name__ == "__main__":
    harness.run(refusal_opens_in_front_of_farewell)
