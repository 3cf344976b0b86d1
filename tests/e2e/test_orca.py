"""A blind user's whole reading with Orca, the screen reader: from the keyboard
alone, what Orca says is what a sighted user sees. The main window's picture;
"Please Wait" when the reading starts; the stick number and its fortune,
unasked, when the results appear; then, in the farewell window, its word of
support, the yellow link on read-whole-window (KP_Add twice), and a prompt
field as the user tabs into it. All the while Orca asks nothing about an
object that is gone.

Orca runs in the session's desktop with speech going to a silent sound
device; orca_speech.py starts it and writes down every utterance."""

import re

import pyatspi

import atspi_reader
import harness
from harness import DEADLINE, check, fortunes, is_farewell, is_main, is_results, STICK_COUNT
import orca_speech


# Qt before 6.8 reports a question about an object that is gone only among
# its bridge's debug messages; from 6.8 on it warns.
ACCESSIBILITY_ON = {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1",
                    "QT_LOGGING_RULES": "qt.accessibility.atspi.debug=true"}
ASKED_ABOUT_GONE = "Could not find accessible on path"

PICTURE = "Bamboo fortune sticks " + atspi_reader.spoken_role(pyatspi.ROLE_PUSH_BUTTON)
WAIT = "Please Wait"
# Every word of support in the farewell window names the vendor's site.
VENDOR_SITE = "www.velmorasoft.com"
LINK = "Click Here To Visit Velmora Softwares"
BACK = "Back " + atspi_reader.spoken_role(pyatspi.ROLE_PUSH_BUTTON)
OFFER_BAND = "Business opportunity"
FIRST_PROMPT_FIELD = "Your Name text"
# Orca's read-whole-window: the keypad's plus, twice, with Num Lock off. The
# key goes by its code on the session's evdev keyboard: by its name, xdotool
# would hold Alt with it where the keyboard's type for the key maps Alt to its
# first level (xkeyboard-config 2.48, Debian testing).
KEYPAD_PLUS = "86"
READ_WHOLE_WINDOW_GAP_MS = 120


def said(orca, text, what, deadline=DEADLINE):
    """Waits for Orca to say something that contains the text."""
    return orca.wait_said(lambda line: text in line, what, deadline)


def blind_user_hears_a_whole_reading(s):
    table = fortunes()
    s.start_session_bus()
    orca = orca_speech.Orca(s, check)
    try:
        orca.start()
        orca.quiet()
        orca.mark()
        program = s.start_program(extra_env=ACCESSIBILITY_ON)
        main = s.wait_window(is_main, "the main window")
        said(orca, PICTURE, "Orca to present the picture of the sticks")

        # The reading, from the keyboard.
        orca.quiet()
        orca.mark()
        s.activate(main)
        s.key("Return")
        said(orca, WAIT, "Orca to say %r" % WAIT)
        results = s.wait_window(is_results, "the results window")

        def reading(line):
            return re.search(r"\bStick number (\d+)\b", line)
        spoken = orca.wait_said(reading, "Orca to say the stick number unasked")
        text = " ".join(orca.said_since())
        stick = int(reading(spoken[-1]).group(1))
        check(1 <= stick <= STICK_COUNT, "Orca said stick number %d" % stick)
        check(table[stick] in text[text.index(spoken[-1]):],
              "Orca said stick number %d but not its fortune %r: %r"
              % (stick, table[stick], orca.said_since()))
        # The reading's own controls come first: no band of links is named
        # before the focused Back button.
        back = text.find(BACK)
        check(back >= 0 and OFFER_BAND not in text[:back],
              "Orca did not say %r before any band of links: %r" % (BACK, orca.said_since()))

        # Exit leads to the farewell window, which says its word of support.
        orca.quiet()
        orca.mark()
        s.activate(results)
        s.key("Escape")
        farewell = s.wait_window(is_farewell, "the farewell window")
        said(orca, VENDOR_SITE, "Orca to read the word of support")

        # Read-whole-window reads the yellow link by its text.
        orca.quiet()
        orca.mark()
        s.activate(farewell)
        s.x_tool(["xdotool", "key", "--delay", str(READ_WHOLE_WINDOW_GAP_MS),
                  KEYPAD_PLUS, KEYPAD_PLUS])
        said(orca, LINK, "Orca to read the link %r in the whole window" % LINK)

        # Tab, tab, tab from Exit: past the check box and the picture into the
        # first field of the referral form, which Orca names by its prompt.
        orca.quiet()
        orca.mark()
        s.key("Tab", "Tab", "Tab")
        said(orca, FIRST_PROMPT_FIELD, "Orca to present the field %r" % FIRST_PROMPT_FIELD)
        check(program.alive(), "the program ended")

        # Orca never asked about an object that was gone: windows closed and
        # controls renewed while it still held them.
        gone = [line for line in program.output().splitlines() if ASKED_ABOUT_GONE in line]
        check(not gone, "Orca asked %d times about objects that were gone, first: %s"
              % (len(gone), gone[:1]))
    finally:
        orca.stop()
    check(not orca.speech_dispatchers(), "speech-dispatcher is still running")


if __name__ == "__main__":
    harness.run(blind_user_hears_a_whole_reading)
