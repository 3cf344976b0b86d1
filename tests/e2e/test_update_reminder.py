"""The update reminder, asked at start-up at most once every two weeks.

Run with one of: first-run, not-due, answer-no, answer-yes.
"""

import datetime

import harness
from harness import (check, is_box, is_main, off_centre, stored_date_text, today,
                     write_stored_date)

DOWNLOAD_PAGE = "http://lvsortilo.velmorasoft.com/download-lv-free-sortilo.html"


def wait_first_window(s):
    """The first of the program's windows to show: a message box or the main window."""
    def shown():
        windows = s.windows()
        return [w for w in windows if is_box(w) or is_main(w)]
    first = s.wait_for(shown, "the program's first window")
    check(len(first) == 1, "more than one window at start-up: %r" % first)
    return first[0]


def check_stored_today(s, before):
    stored = stored_date_text(s.home)
    allowed = {before.isoformat(), today().isoformat()}
    check(stored in allowed, "the settings file holds %r, not today's date %s"
          % (stored, today().isoformat()))


def first_run_stores_today_without_asking(s):
    check(stored_date_text(s.home) is None, "the session starts with settings")
    before = today()
    program = s.start_program()
    first = wait_first_window(s)
    check(is_main(first), "the first start showed %r, not the main window" % first)
    check_stored_today(s, before)
    # The program writes the key and value exactly as this test's helpers do.
    expected_line = harness.date_line(today())
    text = harness.read_settings_text(s.home)
    check("[Settings]" in text.splitlines() and expected_line in text.splitlines(),
          "unexpected settings file:\n%s" % text)
    s.stays(lambda: not s.find(is_box), "no question on a first start", 0.5)
    check(program.alive(), "the program ended")


def reminder_not_due_within_two_weeks(s):
    last = today() - datetime.timedelta(days=14)
    write_stored_date(s.home, last)
    s.start_program()
    first = wait_first_window(s)
    check(is_main(first), "a start 14 days after the last question showed %r" % first)
    s.stays(lambda: not s.find(is_box), "no question within two weeks", 0.5)
    check(stored_date_text(s.home) == last.isoformat(),
          "the stored date changed to %r though nothing was asked" % stored_date_text(s.home))


def reminder(s, answer_keys, expected_pages):
    write_stored_date(s.home, today() - datetime.timedelta(days=15))
    before = today()
    program = s.start_program()
    box = wait_first_window(s)
    check(is_box(box), "a start 15 days after the last question showed %r first" % box)
    check(box.pid() == program.pid, "the box is not the program's")
    # With no window to sit over, the whole box, frame and title bar
    # included, is in the middle of the screen.
    seen = []

    def centred():
        seen.append(off_centre(s, box))
        return seen[-1] is not None and seen[-1] <= 1
    try:
        s.wait_for(centred, "the question in the middle of the screen")
    except harness.Failure:
        raise harness.Failure("the question's frame stays %s px off the middle of the screen: %r"
                              % (seen[-1:], s.window(box.wid))) from None

    s.activate(box)
    s.key(answer_keys)
    s.wait_gone(is_box, "the question to go after the answer")
    s.wait_window(is_main, "the main window after the answer")
    check_stored_today(s, before)
    if expected_pages:
        opened = s.wait_addresses(len(expected_pages), "the download page to be opened")
        check(opened == expected_pages, "opened %r, not %r" % (opened, expected_pages))
    s.stays(lambda: s.opened_addresses() == expected_pages and not s.find(is_box),
            "nothing else opened or asked", 0.7)
    check(program.alive(), "the program ended")


def reminder_answered_no_stores_today(s):
    reminder(s, "alt+n", [])


def reminder_answered_yes_opens_download_page(s):
    reminder(s, "Return", [DOWNLOAD_PAGE])


VARIANTS = {
    "first-run": first_run_stores_today_without_asking,
    "not-due": reminder_not_due_within_two_weeks,
    "answer-no": reminder_answered_no_stores_today,
    "answer-yes": reminder_answered_yes_opens_download_page,
}

if __name__ == "__main__":
    harness.run_variant(VARIANTS)
