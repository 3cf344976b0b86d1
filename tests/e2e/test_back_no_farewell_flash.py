"""Back from the results window goes straight to the main window: the farewell
window is not shown on the way, not even for a moment."""

import re

import harness
from harness import (check, is_farewell, is_main, is_results, FAREWELL_CLIENT,
                     MAIN_CLIENT, STICKS_PICTURE)


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


def farewell_like(s):
    return {w.wid for w in s.all_windows() if is_farewell(w)}


def back_never_shows_farewell_window(s):
    s.start_program()
    root = s.root_window()
    for reading in (1, 2):
        main = s.wait_window(is_main, "the main window")
        s.click(main, *STICKS_PICTURE, menu_bar_of=MAIN_CLIENT)
        results = s.wait_window(is_results, "the results window")

        # The structure events of the root window's children: windows created,
        # taken into a window manager frame, mapped. They catch windows that
        # are shown and hidden again too quickly to be seen by looking.
        spy = s.record_events()
        known = farewell_like(s)
        s.activate(results)
        s.key("alt+b")
        s.wait_window(is_main, "the main window after Back")
        s.wait_gone(is_results, "the results window to go")
        spy.mark()
        spy.stop()

        events = spy.events()
        farewells = known | created_windows(events, *FAREWELL_CLIENT) | farewell_like(s)
        shown = framed_windows(events, root) & farewells
        check(not shown, "Back (reading %d) showed the farewell window for a moment: "
              "window %s was handed to the window manager" % (
                  reading, ", ".join("0x%x" % w for w in sorted(shown))))
        check(not s.find(is_farewell), "a farewell window is shown after Back")


if __name__ == "__main__":
    harness.run(back_never_shows_farewell_window)
