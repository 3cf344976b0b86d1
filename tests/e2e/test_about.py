"""Help > About Software: a modal window over the main window, owned by it,
back at once when minimised, and closed by Esc. The main window's link band,
which it blocks while it is open, opens its page once it is closed."""

import harness
from harness import check, is_about, is_main, off_centre, MAIN_CLIENT

# A client-area point on the link text "Home Business Opportunity. ...".
BOTTOM_LINK = (219, 282)
BRANDING_PAGE = "http://help.velmorasoft.com/fully-branded.html"


def about_window_is_modal_and_closes_with_esc(s):
    program = s.start_program()
    main = s.wait_window(is_main, "the main window")

    s.activate(main)
    s.key("alt+h", "a")
    about = s.wait_window(is_about, "the about window")
    check(about.pid() == program.pid, "the about window is not the program's")
    # Over the middle of the main window, frame and title bar included.
    off = off_centre(s, about, main)
    check(off is not None and off <= 1, "the about window is %s px off the main window's middle"
          % off)
    # While it is open, the main window takes no clicks.
    s.click(main, *BOTTOM_LINK, menu_bar_of=MAIN_CLIENT)
    s.stays(lambda: not s.opened_addresses(), "the main window's link is blocked", 0.5)
    check(len(s.find(is_about)) == 1, "the about window went away after a click elsewhere")

    # It belongs to the main window, and never leaves it blocked alone on
    # screen: minimised, it comes straight back.
    owner = s.x_tool(["xprop", "-id", str(about.wid), "WM_TRANSIENT_FOR"])
    check("0x%x" % main.wid in owner, "the about window's owner: %s" % owner.strip())
    record = s.record_events(about.wid, ("structure",))
    s.x_tool(["xdotool", "windowminimize", str(about.wid)])

    def minimised_and_back():
        kinds = record.kinds()
        return "UnmapNotify" in kinds and "MapNotify" in kinds[kinds.index("UnmapNotify"):]
    s.wait_for(minimised_and_back, "the about window to be minimised and to come back")
    record.stop()
    s.wait_window(is_about, "the about window back after it was minimised")
    s.stays(lambda: s.find(is_about) and s.find(is_main), "both windows on screen", 0.5)

    s.activate(about)
    s.key("Escape")
    s.wait_gone(is_about, "the about window to close on Esc")
    check(len(s.find(is_main)) == 1 and program.alive(), "the main window did not stay")

    # Once it is closed, the main window answers again: the link band opens
    # its page, once. (Each link's page is tst_readingMenus', and the screen
    # reader test's through the accessibility bus.)
    s.click(main, *BOTTOM_LINK, menu_bar_of=MAIN_CLIENT)
    s.wait_addresses(1, "the bottom link's page to be opened")
    s.stays(lambda: s.opened_addresses() == [BRANDING_PAGE], "the link opens its page once", 0.5)
    check(len(s.find(is_main)) == 1 and program.alive(), "the main window did not stay")


if __name__ == "__main__":
    harness.run(about_window_is_modal_and_closes_with_esc)
