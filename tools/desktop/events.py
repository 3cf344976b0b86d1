"""A record of the X events of one window, kept by xev: it catches changes
that come and go too quickly to be seen by looking again and again."""

import os
import subprocess
import time


class EventRecord:
    """Records the events of the kinds named (as xev's -event option names
    them) of a window, the root window unless told, into a file.

    Marks, set as properties of the window, tell where the record stands: the
    X server delivers events in order, so every event before a mark is in the
    record once the mark is."""

    def __init__(self, screen, folder, window=None, kinds=("substructure",)):
        self.screen = screen
        self.target = ["-root"] if window is None else ["-id", str(window)]
        self.path = os.path.join(folder, "events-%d.txt" % time.monotonic_ns())
        self.marks = 0
        events = []
        for kind in tuple(kinds) + ("property",):
            events += ["-event", kind]
        with open(self.path, "wb") as out:
            self.proc = subprocess.Popen(
                ["stdbuf", "-oL", "xev"] + self.target + events, env=screen.env,
                stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.DEVNULL,
                start_new_session=True)
        self.mark()

    def mark(self):
        """Waits until every event so far is in the record."""
        self.marks += 1
        name = "_LV_SORTILO_E2E_MARK_%d" % self.marks
        # xev may only just have started: the mark is set again until it shows.

        def seen():
            self.screen.x_tool(["xprop"] + self.target + ["-f", name, "8s", "-set", name, "1"])
            return name in self.text()
        self.screen.wait_for(seen, "the event record to catch up")

    def text(self):
        with open(self.path, encoding="utf-8", errors="replace") as f:
            return f.read()

    def events(self):
        """Each event as one line of text."""
        return [" ".join(block.split()) for block in self.text().split("\n\n") if block.strip()]

    def kinds(self):
        """The kind of each event, such as "MapNotify", in order."""
        return [event.split()[0] for event in self.events()]

    def stop(self):
        if self.proc.poll() is None:
            self.proc.kill()
        self.proc.wait()
