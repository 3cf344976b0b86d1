"""A reading: a click on the sticks, the wait, the results; Back returns to the
main window with nothing else left on the screen, and without showing the
farewell window on the way, not even for a moment."""

import re
import time

import harness
from harness import (check, is_box, is_farewell, is_main, is_results, FAREWELL_CLIENT,
                     MAIN_CLIENT, RESULTS_CLIENT, STICKS_PICTURE)

# The Back button, in the results window's client area.
BACK_BUTTON = (442, 322)


def created_windows(events, width, height):
    """Ids of the windows created with that size."""
    found = set()
    for event in events:
        match = re.match(r"CreateNotify event.*?parent (0x[0-9a-f]+), window (0x[0-9a-f]+), "
                         r"\(-?\d+,-?\d+\), width (\d+), height (\d+)", event)
        if match and (int(match.group(3)), int(match.group(4))) == (width, height):
            found.add(int(match.group(2), 16))
    return found


def framed_windows(events, root):
    """Ids of the windows that the window manager took into a frame, which it
    does when they are to be shown."""
    found = set()
    for event in events:
        match = re.match(r"ReparentNotify event.*? window (0x[0-9a-f]+), parent (0x[0-9a-f]+)",
                         event)
        if match and int(match.group(2), 16) != root:
            found.add(int(match.group(1), 16))
    return found


def back_without_farewell(s, results, press_back, how):
    """Presses Back and waits for the main window. The structure events of the
    root window's children (windows created, framed, mapped) catch a farewell
    window shown and hidden again too quickly to be seen by looking."""
    farewell_like = lambda: {w.wid for w in s.all_windows() if is_farewell(w)}
    spy = s.record_events()
    known = farewell_like()
    press_back()
    s.wait_window(is_main, "the main window after Back (%s)" % how)
    s.wait_gone(is_results, "the results window to go after Back (%s)" % how)
    spy.mark()
    spy.stop()
    events = spy.events()
    farewells = known | created_windows(events, *FAREWELL_CLIENT) | farewell_like()
    shown = framed_windows(events, s.root_window()) & farewells
    check(not shown, "Back (%s) showed the farewell window for a moment: window %s was "
          "handed to the window manager" % (how, ", ".join("0x%x" % w for w in sorted(shown))))
    check(not s.find(is_farewell), "a farewell window is shown after Back (%s)" % how)


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
    back_without_farewell(s, results, lambda: s.key("alt+b"), "Alt+B")
    s.stays(lambda: not [w for w in s.windows() if is_farewell(w) or is_results(w) or is_box(w)]
            and len(s.find(is_main)) == 1,
            "only the main window is shown after Back", 0.5)
    check(program.alive(), "the program ended after Back")

    # And a second reading works the same way, this time Back by mouse.
    main = s.find(is_main)[0]
    s.click(main, *STICKS_PICTURE, menu_bar_of=MAIN_CLIENT)
    results = s.wait_window(is_results, "the results window of a second reading")
    back_without_farewell(
        s, results, lambda: s.click(results, *BACK_BUTTON, menu_bar_of=RESULTS_CLIENT), "click")


if __name__ == "__main__":
    harness.run(reading_shows_results_after_the_wait_and_back_returns)
