"""Looking at an X display and acting on it as a user does: its windows, the
mouse and the keyboard, and captures of what it shows."""

import re
import subprocess
import time

POLL = 0.05
# How long a wait may last. Generous: on a busy machine a step can take many
# seconds, and a wait ends as soon as what it waits for comes.
DEADLINE = 30.0


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def read_ppm(data):
    """An 8-bit binary PPM picture as (width, height, RGB bytes)."""
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos) + 1
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    pos += 1
    check(fields[0] == b"P6" and fields[3] == b"255", "not an 8-bit PPM: %r" % fields)
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos:pos + width * height * 3]


class Window:
    """A top-level window: its id, title, and where it is on the screen."""

    def __init__(self, screen, wid, title, x, y, width, height):
        self.screen = screen
        self.wid = wid
        self.title = title
        self.x = x
        self.y = y
        self.width = width
        self.height = height

    def __repr__(self):
        return "<window 0x%x %r %dx%d+%d+%d>" % (
            self.wid, self.title, self.width, self.height, self.x, self.y)

    def pid(self):
        out = self.screen.x_tool(["xprop", "-id", str(self.wid), "_NET_WM_PID"], check_rc=False)
        match = re.search(r"=\s*(\d+)", out)
        return int(match.group(1)) if match else None

    def net_wm_state(self):
        return self.screen.x_tool(["xprop", "-id", str(self.wid), "_NET_WM_STATE"],
                                  check_rc=False)

    def menu_bar_height(self, client):
        """The height above a client area of that size."""
        return self.height - client[1]


_TREE_LINE = re.compile(
    r'^\s*(0x[0-9a-f]+) "(.*)": \(.*\)\s+(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+)\s*$')


class Screen:
    """What a user sees and does on the display named by self.env["DISPLAY"]."""

    env = None

    # waiting

    def wait_for(self, condition, what, deadline=DEADLINE):
        """Polls until the condition gives a true value, and returns it."""
        end = time.monotonic() + deadline
        while True:
            value = condition()
            if value:
                return value
            self.check_while_waiting()
            if time.monotonic() >= end:
                raise Failure("timed out after %.1f s waiting for %s" % (deadline, what))
            time.sleep(POLL)

    def check_while_waiting(self):
        """Called between two looks of a wait; raises to end the wait at once."""

    def stays(self, condition, what, seconds):
        """Checks that the condition holds throughout the given time."""
        end = time.monotonic() + seconds
        while True:
            check(condition(), "no longer true: %s" % what)
            if time.monotonic() >= end:
                return
            time.sleep(POLL)

    # looking

    def x_tool(self, args, check_rc=True, timeout=10):
        result = subprocess.run(args, env=self.env, stdin=subprocess.DEVNULL,
                                capture_output=True, timeout=timeout)
        if check_rc and result.returncode != 0:
            raise Failure("%s failed (%d): %s" % (
                " ".join(args), result.returncode, result.stderr.decode(errors="replace")))
        return result.stdout.decode(errors="replace")

    def _window_tree(self):
        # A window that goes away while the tree is walked makes xwininfo fail;
        # the next walk does not meet it.
        for attempt in range(10):
            result = subprocess.run(["xwininfo", "-root", "-tree"], env=self.env,
                                    stdin=subprocess.DEVNULL, capture_output=True, timeout=10)
            if result.returncode == 0:
                return result.stdout.decode(errors="replace")
            time.sleep(POLL)
        raise Failure("xwininfo cannot walk the window tree: %s"
                      % result.stderr.decode(errors="replace"))

    def root_window(self):
        match = re.search(r"Window id: (0x[0-9a-f]+)", self.x_tool(["xwininfo", "-root"]))
        return int(match.group(1), 16)

    def all_windows(self, only=None):
        """Every named window of the tree, shown or not; with only, those
        whose ids it holds."""
        result = []
        for line in self._window_tree().splitlines():
            match = _TREE_LINE.match(line)
            if match and (only is None or int(match.group(1), 16) in only):
                result.append(Window(self, int(match.group(1), 16), match.group(2),
                                     int(match.group(5)), int(match.group(6)),
                                     int(match.group(3)), int(match.group(4))))
        return result

    def search(self, *criteria):
        """Ids of the windows that xdotool search finds with those criteria."""
        # A window that goes away while xdotool looks at it makes the search
        # fail outright, with nothing found; the next search does not meet it.
        for attempt in range(10):
            result = subprocess.run(["xdotool", "search", *criteria], env=self.env,
                                    stdin=subprocess.DEVNULL, capture_output=True, timeout=10)
            if result.returncode == 0 or (result.returncode == 1 and not result.stderr.strip()):
                return [int(word) for word in result.stdout.split() if word.isdigit()]
            time.sleep(POLL)
        raise Failure("xdotool search %s fails: %s" % (
            " ".join(criteria), result.stderr.decode(errors="replace").strip()))

    def windows(self):
        """The named top-level windows that are mapped and viewable."""
        visible = set(self.search("--onlyvisible", "--name", "."))
        return self.all_windows(only=visible) if visible else []

    def window(self, wid):
        """The window with that id, wherever it is in the tree."""
        out = self.x_tool(["xwininfo", "-id", str(wid)])

        def value(label):
            return int(re.search(r"%s:\s*(-?\d+)" % label, out).group(1))
        title = re.search(r'Window id: 0x[0-9a-f]+ "(.*)"', out)
        return Window(self, wid, title.group(1) if title else "",
                      value("Absolute upper-left X"), value("Absolute upper-left Y"),
                      value("Width"), value("Height"))

    def find(self, kind):
        return [w for w in self.windows() if kind(w)]

    def wait_window(self, kind, what, deadline=DEADLINE, pid=None):
        """The one window of that kind (and of that process), once it shows."""
        def present():
            found = [w for w in self.windows() if kind(w)]
            if pid is not None:
                found = [w for w in found if w.pid() == pid]
            check(len(found) <= 1, "more than one window while waiting for %s: %r"
                  % (what, found))
            return found[0] if found else None
        return self.wait_for(present, what, deadline)

    def wait_gone(self, kind, what, deadline=DEADLINE):
        self.wait_for(lambda: not self.find(kind), what, deadline)

    def focused_window(self):
        out = self.x_tool(["xdotool", "getwindowfocus"], check_rc=False).strip()
        return int(out) if out.isdigit() else None

    # captures

    def capture(self, window=None, options=(), kind="ppm"):
        """What the screen shows, or the window with that id, through
        ImageMagick's import with those options, as the file's bytes."""
        result = subprocess.run(
            ["import", "-window", "root" if window is None else str(window), *options,
             "-depth", "8", kind + ":-"],
            env=self.env, stdin=subprocess.DEVNULL, capture_output=True, timeout=30)
        check(result.returncode == 0 and result.stdout, "import failed (%d): %s" % (
            result.returncode, result.stderr.decode(errors="replace").strip()))
        return result.stdout

    def steady_capture(self, what, window=None, options=(), kind="ppm", deadline=DEADLINE):
        """A capture once two in a row, a quarter of a second apart, agree:
        the drawing has settled."""
        last = []

        def settled():
            if last:
                time.sleep(0.25)
            last.append(self.capture(window, options, kind))
            return len(last) > 1 and last[-1] == last[-2]
        self.wait_for(settled, "%s to be drawn and stay the same" % what, deadline)
        return last[-1]

    def screen_pixels(self):
        """The whole screen as (width, height, RGB bytes)."""
        return read_ppm(self.capture())

    def screenshot(self, path):
        with open(path, "wb") as f:
            f.write(self.capture(kind="png"))
        return path

    # acting as the user

    def click(self, window, x, y, menu_bar_of=None):
        """Clicks at (x, y) of the window's client area; with menu_bar_of, the
        client area lies under the menu bar of a window with that client size."""
        if menu_bar_of is not None:
            y += window.menu_bar_height(menu_bar_of)
        self.x_tool(["xdotool", "mousemove", "--window", str(window.wid),
                     str(x), str(y), "click", "1"])

    def click_to_change(self, window, x, y, area, what, menu_bar_of=None):
        """Clicks at (x, y) of the window's client area, and waits until the
        area (x, y, width, height in the client area) shows something else
        than before: the program has taken the click.

        The window manager holds a click back until it has handled it, while
        keys typed meanwhile go straight to the window with the keyboard
        focus; so the program can get keys typed after a click before the
        click itself. Typing waits for this instead."""
        if menu_bar_of is not None:
            offset = window.menu_bar_height(menu_bar_of)
            y += offset
            area = (area[0], area[1] + offset, area[2], area[3])
        crop = ("-crop", "%dx%d+%d+%d" % (area[2], area[3], area[0], area[1]))
        # The pointer first, so that a look that follows it is in the picture
        # taken before the click.
        self.x_tool(["xdotool", "mousemove", "--window", str(window.wid), str(x), str(y)])
        before = self.steady_capture("%s, before the click" % what, window.wid, crop)
        self.x_tool(["xdotool", "click", "1"])
        self.wait_for(lambda: self.capture(window.wid, crop) != before, what)

    def activate(self, window):
        """Makes the window the active one and waits until it has the keyboard;
        asks again at each look until it has, in case a request was lost or
        the focus went elsewhere meanwhile."""
        def focused():
            if self.focused_window() == window.wid:
                return True
            self.x_tool(["xdotool", "windowactivate", str(window.wid)], check_rc=False)
            return False
        self.wait_for(focused, "%r to get the keyboard focus" % window)

    def key(self, *keys):
        self.x_tool(["xdotool", "key", "--clearmodifiers", "--delay", "30"] + list(keys))

    def type_text(self, text):
        self.x_tool(["xdotool", "type", "--clearmodifiers", "--delay", "15", "--", text])

    def close_box(self, window):
        """What the window's close box does: asks the window manager to close it."""
        self.x_tool(["wmctrl", "-i", "-c", "0x%x" % window.wid])
