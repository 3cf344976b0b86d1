"""A screen reader's view of a reading: through the accessibility bus it finds
the picture of the sticks, presses it, hears the wait, and reads the stick
number and then its fortune; the links say they are links and can be
pressed, and every button and link has a name.

The session gets a D-Bus session bus of its own; the accessibility bus and
its registry start on demand from it. The screen reader is atspi_reader.py,
run afresh for every look.

    test_screen_reader.py [LANG]

With LANG (zh_TW.UTF-8, zh_HK.UTF-8, zh_CN.UTF-8, de_DE.UTF-8, en_US.UTF-8) the
program runs in that locale, and every text the reader looks for is in the
language the program speaks there: the translation file's, or the original
English."""

import json
import os
import re
import shutil
import subprocess
import sys
import time
import xml.etree.ElementTree as ElementTree

import harness
from harness import check, fortunes, is_main, is_results, STICK_COUNT

PRESS = "Press"
VENDOR_HOST = "www.velmorasoft.com"

HERE = os.path.dirname(os.path.abspath(__file__))
READER = os.path.join(HERE, "atspi_reader.py")
TRANSLATIONS = os.path.join(HERE, "..", "..", "translations", "lv-sortilo_%s.ts")

# The locales the test runs in, and the translation the program speaks in each;
# None for the English it is written in.
LOCALES = {
    "C.UTF-8": None,
    "de_DE.UTF-8": None,
    "en_US.UTF-8": None,
    "zh_TW.UTF-8": "zh_TW",
    "zh_HK.UTF-8": "zh_HK",
    "zh_CN.UTF-8": "zh_CN",
}

ACCESSIBILITY_ON = {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1"}


class Texts:
    """What the reader hears, in the language the program speaks."""

    def __init__(self, translation):
        self.translation = translation
        self.words = {}
        if translation:
            root = ElementTree.parse(TRANSLATIONS % translation).getroot()
            for context in root.iter("context"):
                for message in context.iter("message"):
                    self.words[(context.findtext("name"), message.findtext("source"))] = (
                        message.findtext("translation"))

    def __call__(self, context, source):
        if not self.translation:
            return source
        word = self.words.get((context, source))
        check(word, "%s has no translation of %r in %s" % (TRANSLATIONS % self.translation,
                                                            source, context))
        return word


def expectations(texts):
    global PICTURE, STICK_PANEL, WAIT_PANEL, LINKS
    PICTURE = ("push button", texts("reading::frmMain", "Bamboo fortune sticks"))
    STICK_PANEL = texts("reading::frmDisplay", "Stick number")
    WAIT_PANEL = texts("reading::frmMain", "Please Wait")
    # The link bands, by their text, and the pages they open.
    LINKS = {
        texts("reading::ReadingWindow",
              "The Most Popular Online Velmora Discussion Board. Best Resource For Everything "
              "Velmora. Visit us at %1").replace("%1", VENDOR_HOST):
            "http://www.velmorasoft.com",
        texts("reading::ReadingWindow",
              "Home Business Opportunity. Start your own Internet business and make money "
              "online. Get this software fully branded for your website. Click here for more "
              "details."):
            "http://help.velmorasoft.com/fully-branded.html",
    }


expectations(Texts(None))


# --- the screen reader -------------------------------------------------------


def reader_command(*args):
    return ["/usr/bin/python3", READER] + list(args)


def read(s, *args):
    result = subprocess.run(reader_command(*args), env=s.env, stdin=subprocess.DEVNULL,
                            capture_output=True, timeout=30)
    try:
        return json.loads(result.stdout.decode())
    except ValueError:
        return {"error": "the reader printed %r (status %d): %s" % (
            result.stdout[-300:], result.returncode, result.stderr.decode(errors="replace")[-1500:])}


def application(s):
    """The program's accessible tree, or None while it cannot be read."""
    answer = read(s, "tree", s.program_name)
    apps = answer.get("applications")
    if not apps:
        application.last_error = answer.get("error", "no application named %r" % s.program_name)
        return None
    check(len(apps) == 1, "%d applications named %r on the bus" % (len(apps), s.program_name))
    return apps[0]


application.last_error = None


def showing(node):
    return "showing" in node["states"]


def walk(node, parents=()):
    """Every node under this one in reading order, with its parents."""
    yield node, parents
    for child in node["children"]:
        yield from walk(child, parents + (node,))


def showing_windows(app):
    return [w for w in app["children"] if showing(w)]


def find(node, role=None, name=None):
    return [n for n, _ in walk(node)
            if (role is None or n["role"] == role) and (name is None or n["name"] == name)]


def window_with(app, role, name):
    """The one showing window that holds a showing node of that role and name."""
    found = [w for w in showing_windows(app)
             if any(showing(n) for n in find(w, role, name))]
    return found[0] if len(found) == 1 else None


def describe(node):
    return "%s %r" % (node["role"], node["name"])


def check_links_and_names(window, where):
    links = 0
    for node, _ in walk(window):
        if node["role"] in ("push button", "link"):
            check(node["name"].strip(), "a %s in %s has no name: %r" % (node["role"], where, node))
        for text in LINKS:
            if node["name"] == text:
                links += 1
                check(node["role"] == "link",
                      "the link label %r in %s is exposed as %r, not as a link"
                      % (node["name"], where, node["role"]))
                check(PRESS in node["actions"],
                      "the link %r in %s has no %r action, only %r"
                      % (node["name"], where, PRESS, node["actions"]))
    check(links == len(LINKS), "%s has %d of the %d link labels" % (where, links, len(LINKS)))


# --- the test ------------------------------------------------------------------


def check_reader_can_run(s):
    check(shutil.which("dbus-daemon"), "dbus-daemon is missing (package dbus)")
    answer = subprocess.run(["/usr/bin/python3", "-c", "import pyatspi"], env=s.env,
                            stdin=subprocess.DEVNULL, capture_output=True, timeout=30)
    check(answer.returncode == 0, "/usr/bin/python3 cannot import pyatspi (packages "
          "python3-pyatspi, at-spi2-core): %s" % answer.stderr.decode(errors="replace")[-500:])


def screen_reader_reads_the_stick_number_then_its_fortune(s, locale=None):
    check_reader_can_run(s)
    texts = Texts(LOCALES[locale] if locale else None)
    expectations(texts)
    table = {number: texts("modFortunrCookies", sentence)
             for number, sentence in fortunes().items()}
    s.start_session_bus()
    environment = dict(ACCESSIBILITY_ON)
    if locale:
        # The locale comes from LANG alone, as on a desktop set to it.
        environment.update({"LANG": locale, "LC_ALL": "", "LC_MESSAGES": "", "LANGUAGE": ""})
    program = s.start_program(extra_env=environment)
    s.wait_window(is_main, "the main window")

    # The application shows up on the accessibility bus with the main window.
    def main_window():
        app = application(s)
        return app and window_with(app, *PICTURE)
    try:
        main = s.wait_for(main_window, "the main window on the accessibility bus")
    except harness.Failure as failure:
        raise harness.Failure("%s; the reader last said: %s"
                                  % (failure, application.last_error)) from None
    picture = [n for n in find(main, *PICTURE) if showing(n)][0]
    check(PRESS in picture["actions"],
          "the picture has no %r action, only %r" % (PRESS, picture["actions"]))
    check_links_and_names(main, "the main window")

    # Press the picture as a screen reader does. The reader waits for the
    # program's answer; meanwhile the tree is read again and again.
    with open(os.path.join(s.dir, "press.json"), "wb") as log:
        press = subprocess.Popen(reader_command("press", s.program_name, *PICTURE), env=s.env,
                                 stdin=subprocess.DEVNULL, stdout=log,
                                 stderr=subprocess.STDOUT, start_new_session=True)
    s.helpers.append(press)
    pressed_at = time.monotonic()
    heard_wait = []

    def results_window():
        app = application(s)
        if not app:
            return None
        results = [w for w in showing_windows(app) if find(w, "panel", STICK_PANEL)]
        if results:
            return results
        for window in showing_windows(app):
            if any(showing(n) for n in find(window, name=WAIT_PANEL)):
                heard_wait.append(time.monotonic() - pressed_at)
        return None
    results = s.wait_for(results_window, "the results window on the accessibility bus")
    check(len(results) == 1, "%d results windows are showing" % len(results))
    results = results[0]
    check(heard_wait, "the %r panel was never showing to the reader before the results"
          % WAIT_PANEL)
    s.wait_window(is_results, "the results window on the screen")

    s.wait_for(lambda: press.poll() is not None, "the press to be answered")
    with open(os.path.join(s.dir, "press.json"), encoding="utf-8", errors="replace") as f:
        answer = f.read()
    try:
        pressed = json.loads(answer).get("pressed")
    except ValueError:
        pressed = None
    check(pressed is True, "the picture's Press action answered %r" % answer)

    # The number, in its panel, then the sentence, in reading order.
    order = [(node, parents) for node, parents in walk(results) if showing(node)]
    numbers = [i for i, (node, parents) in enumerate(order)
               if node["role"] == "label" and any(p["name"] == STICK_PANEL for p in parents)]
    check(len(numbers) == 1, "the %r panel holds %d labels: %r" % (
        STICK_PANEL, len(numbers), [describe(order[i][0]) for i in numbers]))
    number_at = numbers[0]
    number_text = order[number_at][0]["name"]
    check(re.fullmatch(r"[1-9][0-9]?", number_text) and 1 <= int(number_text) <= STICK_COUNT,
          "the stick number reads %r, not a number from 1 to %d" % (number_text, STICK_COUNT))
    stick = int(number_text)

    sentences = [i for i, (node, _) in enumerate(order)
                 if node["role"] == "label" and node["name"] in table.values()]
    check(len(sentences) == 1, "the results window reads %d fortunes: %r" % (
        len(sentences), [order[i][0]["name"] for i in sentences]))
    sentence_at = sentences[0]
    check(number_at < sentence_at,
          "the fortune is read before the stick number: reading order %r"
          % [describe(node) for node, _ in order])
    sentence = order[sentence_at][0]["name"]
    check(sentence == table[stick], "stick %d reads %r, but its fortune is %r"
          % (stick, sentence, table[stick]))

    # The links of the results window, and every name in the program.
    check_links_and_names(results, "the results window")
    app = application(s)
    check(app, "the program left the accessibility bus: %s" % application.last_error)
    for node, _ in walk(app):
        if node["role"] in ("push button", "link"):
            check(node["name"].strip(), "a %s without a name: %r" % (node["role"], node))
    check(len(find(app, "push button")) >= 3 and len(find(app, "link")) >= 4,
          "too few buttons and links on the bus: %r"
          % [describe(n) for n in find(app) if n["role"] in ("push button", "link")])

    # And each link opens its page when pressed through the bus.
    for count, (text, page) in enumerate(LINKS.items(), start=1):
        answer = read(s, "press", s.program_name, "link", text)
        check(answer.get("pressed") is True, "pressing the link %r answered %r" % (text, answer))
        opened = s.wait_addresses(count, "the page of the link %r" % text)
        check(opened[-1] == page, "the link %r opened %r, not %r" % (text, opened[-1], page))
    s.stays(lambda: len(s.opened_addresses()) == len(LINKS), "each press opens one page", 0.3)
    check(program.alive(), "the program ended")


if __name__ == "__main__":
    if len(sys.argv) > 2 or (len(sys.argv) == 2 and sys.argv[1] not in LOCALES):
        sys.exit("usage: %s [%s]" % (sys.argv[0], "|".join(LOCALES)))
    locale = sys.argv[1] if len(sys.argv) == 2 else None

    def test(s):
        screen_reader_reads_the_stick_number_then_its_fortune(s, locale)
    test.__name__ = screen_reader_reads_the_stick_number_then_its_fortune.__name__ + (
        "_in_" + locale.split(".")[0] if locale else "")
    harness.run(test)
