"""Leaving: the farewell window stays on top, and its Exit ends the program
cleanly, leaving nothing behind."""


import harness
from harness import check, is_farewell, is_main, is_results, MAIN_CLIENT, STICKS_PICTURE

EXIT_BUTTON = (441, 196)


def closing_main_window_shows_farewell_and_exit_ends_program(s):
    program = s.start_program()
    main = s.wait_window(is_main, "the main window")

    s.close_box(main)
    farewell = s.wait_window(is_farewell, "the farewell window after the close box")
    s.wait_gone(is_main, "the main window to go")
    state = farewell.net_wm_state()
    check("_NET_WM_STATE_ABOVE" in state, "the farewell window is not kept on top: %s" % state)
    check(farewell.pid() == program.pid, "the farewell window is not the program's")
    s.stays(lambda: program.alive() and len(s.find(is_farewell)) == 1,
            "the program waits on its farewell window", 0.5)

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


if __name__ == "__main__":
    variants = {
        "close-main": closing_main_window_shows_farewell_and_exit_ends_program,
        "results-esc": results_exit_key_shows_farewell,
    }
    harness.run_variant(variants)
