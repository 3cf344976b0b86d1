"""LV Sortilo as it looks from outside: its windows' titles and sizes, where
the picture of the sticks is, and how it keeps the date of the last update
reminder in its settings file."""

import os

__all__ = [
    "MAIN_TITLE", "BOX_TITLE", "MAIN_CLIENT", "RESULTS_CLIENT", "FAREWELL_CLIENT",
    "ABOUT_CLIENT", "MENU_BAR_MAX", "STICKS_PICTURE", "WAIT_SECONDS", "has_client", "is_main",
    "is_results", "is_farewell", "is_about", "is_box", "SETTINGS_FILE", "encode_setting",
    "decode_setting", "date_line", "settings_path", "read_settings_text", "stored_date_text",
    "write_stored_date",
]

MAIN_TITLE = "LV Sortilo v1.0"
BOX_TITLE = "LV Sortilo"
# Client areas: the main and results windows have a menu bar above theirs,
# at most MENU_BAR_MAX high.
MAIN_CLIENT = (438, 317)
RESULTS_CLIENT = (578, 352)
FAREWELL_CLIENT = (741, 315)
ABOUT_CLIENT = (455, 245)
MENU_BAR_MAX = 40
# The middle of the picture of the sticks, in the main window's client area.
STICKS_PICTURE = (227, 145)
# How long the program shakes the sticks before it shows the reading.
WAIT_SECONDS = 3.0


def has_client(window, client, menu_bar):
    """Whether this is a window of the program with that client area."""
    width, height = client
    if window.title != MAIN_TITLE or window.width != width:
        return False
    if menu_bar:
        return height < window.height <= height + MENU_BAR_MAX
    return window.height == height


def is_main(w):
    return has_client(w, MAIN_CLIENT, menu_bar=True)


def is_results(w):
    return has_client(w, RESULTS_CLIENT, menu_bar=True)


def is_farewell(w):
    return has_client(w, FAREWELL_CLIENT, menu_bar=False)


def is_about(w):
    return has_client(w, ABOUT_CLIENT, menu_bar=False)


def is_box(w):
    return w.title == BOX_TITLE


# --- the settings file ---------------------------------------------------------

SETTINGS_FILE = "lv-sortilo.ini"  # of the program under its own name
SETTINGS_SECTION = "Settings"
SETTINGS_SHIFT = 17


def encode_setting(text):
    """The settings codec: every Latin-1 code moved up by 17."""
    return "".join(chr(ord(c) + SETTINGS_SHIFT) for c in text)


def decode_setting(text):
    return "".join(chr(ord(c) - SETTINGS_SHIFT) for c in text)


def ini_escaped_key(key):
    """A key as QSettings writes it into an INI file."""
    out = []
    for c in key:
        code = ord(c)
        if c == "/":
            out.append("\\")
        elif c.isascii() and (c.isalnum() or c in "_-."):
            out.append(c)
        elif code <= 0xFF:
            out.append("%%%02X" % code)
        else:
            out.append("%%U%04X" % code)
    return "".join(out)


DATE_LINE_NAME = ini_escaped_key(encode_setting("Duration"))


def date_line(date):
    """The line that holds the date of the last update reminder."""
    return "%s=%s" % (DATE_LINE_NAME, encode_setting(date.isoformat()))


def settings_path(home):
    return os.path.join(home.config, home.settings_file)


def read_settings_text(home):
    with open(settings_path(home), encoding="latin-1") as f:
        return f.read()


def stored_date_text(home):
    """The decoded date of the last update reminder, or None."""
    try:
        text = read_settings_text(home)
    except FileNotFoundError:
        return None
    section = None
    for line in text.splitlines():
        line = line.strip()
        if line.startswith("[") and line.endswith("]"):
            section = line[1:-1]
        elif section == SETTINGS_SECTION and line.partition("=")[0].strip() == DATE_LINE_NAME:
            value = line.partition("=")[2].strip()
            if len(value) >= 2 and value[0] == value[-1] == '"':
                value = value[1:-1]
            return decode_setting(value)
    return None


def write_stored_date(home, date):
    """A settings file that holds that date of the last update reminder."""
    with open(settings_path(home), "w", encoding="latin-1") as f:
        f.write("[%s]\n%s\n" % (SETTINGS_SECTION, date_line(date)))
