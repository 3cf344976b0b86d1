"""Runs LV Sortilo as a user meets it: on a desktop of its own (Xvfb, openbox,
a temporary home, a stand-in xdg-open that writes down what it is asked to
open), looked at and driven with the X tools: xwininfo, xprop, xdotool,
wmctrl and ImageMagick's import.

Used by the end-to-end tests (tests/e2e), the benchmarks (bench/) and
scripts/screenshots, each of which puts this folder's parent on sys.path.
Standard library only; run with /usr/bin/python3.
"""

from . import program
from .program import *  # noqa: F401,F403
from .screen import DEADLINE, POLL, Failure, Screen, Window, check, read_ppm  # noqa: F401
from .events import EventRecord  # noqa: F401
from .home import Home  # noqa: F401
from .session import SCREEN, Desktop, Program, require  # noqa: F401

__all__ = program.__all__ + [
    "DEADLINE", "POLL", "Failure", "Screen", "Window", "check", "read_ppm", "SCREEN",
    "Desktop", "EventRecord", "Home", "Program", "require",
]
