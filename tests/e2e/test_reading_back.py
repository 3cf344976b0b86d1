"""A reading: a click on the sticks, the wait, the results; Back returns to the
main window with nothing else left on the screen."""

import time

import harness
from harness import (check, is_box, is_farewell, is_main, is_results, MAIN_CLIENT,
                     RESULTS_CLIENT, STICKS_PICTURE)

# The Back button, in the results window's client area.
BACK_BUTTON = (442, 322)


def reading_shows_results_after_the_wait_and_back_returns(s):
    program = s.start_program()
    main = s.wait_window(is_main, "the main window")

    clicked_at = time.monotonic()
    s.click(main, *STICKS_PICTURE, menu_bar_of=MAIN_CLIENT)

    # The main window stays, with its Please Wait panel, while the reading is
    # prepared; then the results take its place.
    def results_or_still_waiting():
        windows = s.windows()
        results = [w for w in windows if is_results(w)]
        if results:
            return results
        if time.monotonic() - clicked_at < 2.8:
            check(any(is_main(w) for w in windows),
                  "the main window went away during the wait")
        return None
    results = s.wait_for(results_or_still_waiting, "the results window")
    waited = time.monotonic() - clicked_at
    check(waited >= 3.0, "the results came %.2f s after the click, before 3 s" % waited)
    check(len(results) == 1, "more than one results window: %r" % results)
    results = results[0]
    s.wait_gone(is_main, "the main window to hide behind the results")

    # Back, as Alt+B from the keyboard.
    s.activate(results)
    s.key("alt+b")
    s.wait_window(is_main, "the main window after Back")
    s.wait_gone(is_results, "the results window to go after Back")
    s.stays(lambda: not [w for w in s.windows() if is_farewell(w) or is_results(w) or is_box(w)]
            and len(s.find(is_main)) == 1,
            "only the main window is shown after Back", 0.5)
    check(program.alive(), "the program ended after Back")

    # And a second reading works the same way, this time Back by mouse.
    main = s.find(is_main)[0]
    s.click(main, *STICKS_PICTURE, menu_bar_of=MAIN_CLIENT)
    results = s.wait_window(is_results, "the results window of a second reading")
    s.click(results, *BACK_BUTTON, menu_bar_of=RESULTS_CLIENT)
    s.wait_window(is_main, "the main window after clicking Back")
    s.wait_gone(is_results, "the results window to go after clicking Back")
    check(not s.find(is_farewell), "a farewell window is shown after Back")


if __name__ == "__main__":
    harness.run(reading_shows_results_after_the_wait_and_back_returns)
