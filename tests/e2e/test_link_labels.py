"""The main window's two link bands open their pages in the browser."""

import harness
from harness import check, is_main, MAIN_CLIENT

# Client-area points on the link texts.
BOTTOM_LINK = (219, 282)  # "Home Business Opportunity. ..."
TOP_LINK = (219, 20)      # "The Most Popular Online Velmora Discussion Board. ..."

BRANDING_PAGE = "http://help.velmorasoft.com/fully-branded.html"
HOME_PAGE = "http://www.velmorasoft.com"


def main_window_links_open_their_pages(s):
    program = s.start_program()
    main = s.wait_window(is_main, "the main window")
    check(not s.opened_addresses(), "pages were opened before any click: %r"
          % s.opened_addresses())

    s.click(main, *BOTTOM_LINK, menu_bar_of=MAIN_CLIENT)
    opened = s.wait_addresses(1, "the bottom link's page to be opened")
    check(opened == [BRANDING_PAGE], "the bottom link opened %r, not %r" % (opened, [BRANDING_PAGE]))

    s.click(main, *TOP_LINK, menu_bar_of=MAIN_CLIENT)
    opened = s.wait_addresses(2, "the top link's page to be opened")
    check(opened == [BRANDING_PAGE, HOME_PAGE],
          "after the top link the pages opened are %r" % (opened,))

    s.stays(lambda: len(s.opened_addresses()) == 2, "each click opens one page only", 0.5)
    check(program.alive(), "the program ended after opening pages")
    check(len(s.find(is_main)) == 1, "the main window did not stay")


if __name__ == "__main__":
    harness.run(main_window_links_open_their_pages)
