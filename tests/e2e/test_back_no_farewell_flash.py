"""Back from the results window goes straight to the main window: the farewell
window is not shown on the way, not even for a moment."""

import harness
from harness import check, is_farewell, is_main, is_results, MAIN_CLIENT, FAREWELL_CLIENT

PICTURE_CENTRE = (227, 145)


def farewell_like(s):
    return {w.wid for w in s.all_windows() if w.has_client(FAREWELL_CLIENT, menu_bar=False)}


def back_never_shows_farewell_window(s):
    s.start_program()
    root = s.root_window()
    for reading in (1, 2):
        main = s.wait_window(is_main, "the main window")
        s.click(main, *PICTURE_CENTRE, menu_bar_of=MAIN_CLIENT)
        results = s.wait_window(is_results, "the results window", deadline=15)

        spy = harness.RootSpy(s)
        known = farewell_like(s)
        s.activate(results)
        s.key("alt+b")
        s.wait_window(is_main, "the main window after Back")
        s.wait_gone(is_results, "the results window to go", deadline=5)
        spy.mark()
        spy.stop()

        events = spy.events()
        farewells = known | harness.created_windows(events, *FAREWELL_CLIENT) | farewell_like(s)
        shown = harness.framed_windows(events, root) & farewells
        check(not shown, "Back (reading %d) showed the farewell window for a moment: "
              "window %s was handed to the window manager" % (
                  reading, ", ".join("0x%x" % w for w in sorted(shown))))
        check(not s.find(is_farewell), "a farewell window is shown after Back")


if __name__ == "__main__":
    harness.run(back_never_shows_farewell_window)
