"""The farewell window's refer-a-friend form shows its prompts where the user
can read them, and hands what was typed to the referral page, exactly as
typed; and where no browser can be started, what was typed stays out of
the program's output, which goes to the log, and out of the output of what
opens the browser, which the program does not pass on."""

import collections
import os
import shlex
import shutil
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
PROMPTS = {
    "name": "Your Name",
    "email": "Your Email Address",
    "friend_name": "Friend's Name",
    "friend_email": "Friend's Email Address",
}
# A prompt in a small font covers a few dozen pixels that stand out clearly
# from the field's background.
LEAST_TEXT_PIXELS = 20
CONTRAST = 100

ENTRIES = {
    "name": "Ann & Co",
    "email": "ann+lv@example.com",
    "friend_name": "Bob=1",
    "friend_email": "bob@example.org",
}


def luminance(r, g, b):
    return (299 * r + 587 * g + 114 * b) // 1000


def text_pixels(pixels, screen_width, rect):
    x0, y0, width, height = rect
    values = []
    # Inside the field's frame.
    for y in range(y0 + 3, y0 + height - 3):
        row = (y * screen_width) * 3
        for x in range(x0 + 3, x0 + width - 3):
            i = row + x * 3
            values.append(luminance(pixels[i], pixels[i + 1], pixels[i + 2]))
    background = collections.Counter(values).most_common(1)[0][0]
    return sum(1 for v in values if abs(v - background) >= CONTRAST)


def check_prompts_readable(s, farewell):
    def counts():
        width, _, pixels = s.screen_pixels()
        return {PROMPTS[field]: text_pixels(pixels, width, (farewell.x + x, farewell.y + y, w, h))
                for field, (x, y, w, h) in FIELDS.items()}
    try:
        s.wait_for(lambda: all(n >= LEAST_TEXT_PIXELS for n in counts().values()),
                   "the four prompts to be readable")
    except harness.Failure:
        raise harness.Failure(
            "fields whose prompt cannot be seen (pixels standing out from the field, of at "
            "least %d): %r" % (LEAST_TEXT_PIXELS, counts())) from None


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
    check_prompts_readable(s, farewell)

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


def referral_entries_stay_out_of_output_with_real_xdg_open_and_no_browser(s):
    """Debian's own xdg-open, where no browser works: the one it finds fails
    and says why, and xdg-open says it found no way to open the address. The
    program's output holds none of the entries."""
    os.remove(os.path.join(s.home.folder, "bin", "xdg-open"))
    check(shutil.which("xdg-open", path=s.env["PATH"]) == "/usr/bin/xdg-open",
          "Debian's xdg-open is not the one the program finds")
    browser = os.path.join(s.home.folder, "bin", "failing-browser")
    with open(browser, "w") as f:
        f.write("#!/bin/sh\nprintf '%%s\\n' \"$@\" >> %s\n"
                "echo \"cannot open $*\" >&2\nexit 1\n" % shlex.quote(s.home.record))
    os.chmod(browser, 0o755)
    s.env["BROWSER"] = browser
    program, farewell = fill_form(s)
    s.click(farewell, *SUBMIT_BUTTON)

    s.wait_addresses(1, "xdg-open to hand the referral page to the browser")
    s.wait_for(lambda: s.processes(program) == [program.pid], "xdg-open to give up")
    output = program.output()
    for entry in list(ENTRIES.values()) + ["Your Message", "lvms-refer-a-friend"]:
        for form in (entry, urllib.parse.quote(entry, safe="")):
            check(form not in output, "the program's output holds %r:\n%s" % (form, output))
    check(program.alive() and len(s.find(is_farewell)) == 1,
          "the farewell window did not stay after the failed launch")


if __name__ == "__main__":
    harness.run_variant({
        "typed": referral_form_sends_entries_as_typed,
        "browser-fails": referral_entries_stay_out_of_output_with_real_xdg_open_and_no_browser,
    }, default="typed")
