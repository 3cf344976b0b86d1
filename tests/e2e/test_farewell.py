"""Leaving: the farewell window stays on top, a message box that waits for an
answer opens in front of it all the same (here the referral form's refusals;
test_second_copy.py has a second copy's "already running"), and its Exit ends
the program cleanly, leaving nothing behind."""

import datetime

import harness
from harness import (check, in_front_of, is_about, is_box, is_farewell, is_main, is_results,
                     off_centre, MAIN_CLIENT, STICKS_PICTURE)

EXIT_BUTTON = (441, 196)
REFER_BUTTON = (248, 297)


def closing_main_window_shows_farewell_and_exit_ends_program(s):
    program, farewell = harness.leave_for_farewell(s)
    s.wait_gone(is_main, "the main window to go")
    state = farewell.net_wm_state()
    check("_NET_WM_STATE_ABOVE" in state, "the farewell window is not kept on top: %s" % state)
    check(farewell.pid() == program.pid, "the farewell window is not the program's")
    s.stays(lambda: program.alive() and len(s.find(is_farewell)) == 1,
            "the program waits on its farewell window", 0.5)

    # All fields still show their prompts: the e-mail check refuses them, in a
    # box of the farewell window's own, in front of it and over its middle.
    s.click(farewell, *REFER_BUTTON)
    box = s.wait_window(is_box, "the refusal box")
    owner = s.x_tool(["xprop", "-id", str(box.wid), "WM_TRANSIENT_FOR"])
    check("0x%x" % farewell.wid in owner, "the refusal box's owner: %s" % owner.strip())
    s.wait_for(lambda: in_front_of(s, box, farewell),
               "the refusal box in front of the farewell window")
    off = off_centre(s, box, farewell)
    check(off is not None and off <= 1, "the box is %s px off the farewell window's middle" % off)
    s.activate(box)
    s.key("Return")
    s.wait_gone(is_box, "the box to go after OK")
    check(program.alive() and s.find(is_farewell), "the farewell window went with the box")

    s.click(farewell, *EXIT_BUTTON)
    s.check_ended_cleanly(program, "the program to end after Exit")


def results_exit_key_shows_farewell(s):
    program = s.start_program()
    main = s.wait_window(is_main, "the main window")
    s.click(main, *STICKS_PICTURE, menu_bar_of=MAIN_CLIENT)
    results = s.wait_window(is_results, "the results window")

    s.activate(results)
    s.key("Escape")
    farewell = s.wait_window(is_farewell, "the farewell window after Esc")
    s.wait_gone(is_results, "the results window to go")
    check(not s.find(is_main), "the main window came back")
    check(program.alive(), "the program ended before its farewell")

    # The farewell's own close box ends the program as its Exit does.
    s.close_box(farewell)
    s.check_ended_cleanly(program, "the program to end after closing the farewell window")


@harness.without_window_manager
def every_window_takes_the_keyboard_without_window_manager(s):
    """With no window manager to hand it over, each window the program shows
    takes the keyboard itself: the whole run goes by keys alone."""
    harness.write_stored_date(s.home, harness.today() - datetime.timedelta(days=15))
    program = s.start_program()

    def wait_keyboard(kind, what):
        window = s.wait_window(kind, what)
        s.wait_for(lambda: s.focused_window() == window.wid,
                   "%s to take the keyboard" % what, deadline=10)
        return window

    wait_keyboard(is_box, "the update question")
    s.key("alt+n")
    main = wait_keyboard(is_main, "the main window")
    # A modal window, and the keyboard back in the window it was opened from.
    s.key("alt+h", "a")
    wait_keyboard(is_about, "the about window")
    s.key("Escape")
    s.wait_gone(is_about, "the about window to close")
    s.wait_for(lambda: s.focused_window() == main.wid,
               "the main window to take the keyboard back", deadline=10)
    # Tab reaches the sticks, and Space draws.
    s.key("Tab", "space")
    wait_keyboard(is_results, "the results window")
    s.key("Escape")
    farewell = wait_keyboard(is_farewell, "the farewell window")
    # Refer A Friend Now with the form untouched: a refusal, then the form again.
    s.key("alt+n")
    wait_keyboard(is_box, "the refusal")
    s.key("Return")
    s.wait_gone(is_box, "the refusal to close")
    s.wait_for(lambda: s.focused_window() == farewell.wid,
               "the farewell window to take the keyboard back", deadline=10)
    s.key("alt+x")
    s.check_ended_cleanly(program, "the program to end after Alt+X in the farewell window")


if __name__ == "__main__":
    variants = {
        "close-main": closing_main_window_shows_farewell_and_exit_ends_program,
        "results-esc": results_exit_key_shows_farewell,
        "no-window-manager": every_window_takes_the_keyboard_without_window_manager,
    }
    harness.run_variant(variants)
