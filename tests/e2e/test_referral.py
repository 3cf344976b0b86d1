"""The farewell window's refer-a-friend form hands what was typed to the
referral page, exactly as typed; and where the browser cannot be started,
what was typed stays out of the program's output, which goes to the log."""

import os
import urllib.parse

import harness
from harness import check, is_farewell, is_main

# Client-area rectangles (x, y, width, height) of the form's fields in the
# farewell window, and the centre of its button.
FIELDS = {
    "name": (14, 240, 225, 19),
    "email": (248, 240, 225, 19),
    "friend_name": (14, 264, 225, 19),
    "friend_email": (248, 264, 225, 19),
}
SUBMIT_BUTTON = (248, 297)

ENTRIES = {
    "name": "Ann & Co",
    "email": "ann+lv@example.com",
    "friend_name": "Bob=1",
    "friend_email": "bob@example.org",
}


def fill_field(s, farewell, field, text):
    # The field shows its prompt until the click enters it: the text is typed
    # once it has gone, into the field and nowhere else.
    x, y, width, height = FIELDS[field]
    s.click_to_change(farewell, x + width // 2, y + height // 2, FIELDS[field],
                      "the %s field to take the click" % field)
    s.wait_for(lambda: s.focused_window() == farewell.wid,
               "the farewell window to take the keyboard")
    s.key("ctrl+a")
    s.type_text(text)


def fill_form(s):
    program = s.start_program()
    main = s.wait_window(is_main, "the main window")

    # File > Exit leads to the farewell window.
    s.activate(main)
    s.key("alt+f", "x")
    farewell = s.wait_window(is_farewell, "the farewell window after File > Exit")
    s.wait_gone(is_main, "the main window to go")

    for field in ("name", "email", "friend_name", "friend_email"):
        fill_field(s, farewell, field, ENTRIES[field])
    check(not s.opened_addresses(), "pages opened before the form was sent: %r"
          % s.opened_addresses())
    return program, farewell


def referral_form_sends_entries_as_typed(s):
    program, farewell = fill_form(s)
    s.click(farewell, *SUBMIT_BUTTON)

    opened = s.wait_addresses(1, "the referral page to be opened")
    s.stays(lambda: len(s.opened_addresses()) == 1, "one page only is opened", 0.5)
    address = urllib.parse.urlsplit(opened[0])
    check(address.scheme == "http" and address.netloc.endswith("velmorasoft.com")
          and address.path, "the referral goes to %r" % opened[0])
    query = urllib.parse.parse_qs(address.query, keep_blank_values=True, strict_parsing=True)
    expected = {
        "taf1": [ENTRIES["name"]],
        "taf2": [ENTRIES["email"]],
        "taf3": ["Your Message\r\n"],
        "taf4": [ENTRIES["friend_name"]],
        "taf5": [ENTRIES["friend_email"]],
        "taf6": ["http://lvsortilo.velmorasoft.com/"],
    }
    check(query == expected, "the referral address %r carries %r, not %r"
          % (opened[0], query, expected))
    check(program.alive() and len(s.find(is_farewell)) == 1,
          "the farewell window did not stay after sending")


def referral_entries_stay_out_of_log_when_browser_fails(s):
    # An xdg-open that cannot be started: Qt reports the failed launch.
    with open(os.path.join(s.home.folder, "bin", "xdg-open"), "w") as f:
        f.write("#!/nonexistent/sh\n")
    program, farewell = fill_form(s)
    s.click(farewell, *SUBMIT_BUTTON)

    s.wait_for(lambda: "lvms-refer-a-friend.php" in program.output(),
               "the program to report that the referral page could not be opened")
    output = program.output()
    for entry in list(ENTRIES.values()) + ["Your Message"]:
        for form in (entry, urllib.parse.quote(entry, safe="")):
            check(form not in output, "the program's output holds %r:\n%s" % (form, output))
    check(program.alive() and len(s.find(is_farewell)) == 1,
          "the farewell window did not stay after the failed launch")


if __name__ == "__main__":
    harness.run_variant({
        "typed": referral_form_sends_entries_as_typed,
        "browser-fails": referral_entries_stay_out_of_log_when_browser_fails,
    }, default="typed")
