"""Orca, the screen reader, in an end-to-end session: started in the session's
desktop with speech going through speech-dispatcher to a silent sound device,
and every utterance written down so that a test can read what a blind user
hears.

/usr/bin/orca refuses to start while any process of the same user is named
orca, and its --replace kills them all, other sessions' included; so Orca is
started from this file instead, run as a script:

    orca_speech.py SPEECH_LOG DEBUG_LOG

which runs Orca with the session's environment, appends each utterance to
SPEECH_LOG as a line "SPEECH OUTPUT: '...'" as soon as it is spoken, and
writes Orca's account of the events it handled to DEBUG_LOG.

Needs /usr/bin/python3 with Orca (orca) and speech-dispatcher, and what the
screen reader test needs besides (dbus, at-spi2-core).
"""

import contextlib
import importlib.util
import logging
import os
import re
import shutil
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))

from desktop import DEADLINE  # noqa: E402

SPEECH_DISPATCHER_CONFIG = "/etc/speech-dispatcher/speechd.conf"
# Each utterance in the speech log starts a line with this; its text may run
# over several lines.
RECORD = re.compile(r"^SPEECH OUTPUT: ", re.MULTILINE)
# An utterance's text, and after it the voice, if not the default one, or for
# an echoed key the voice's settings; Orca 51 writes the voice's settings
# after every utterance, right after its closing quote.
UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\S+| ?\{.*\})?\Z", re.DOTALL)
# Orca speaks this once it listens to the desktop.
SCREEN_READER_ON = "Screen reader on."


# --- run as a script: Orca itself ------------------------------------------


# The defaults of a first start, less what a test has no use for: no braille
# display, no sounds, no mouse review, no tutorial messages.
TEST_SETTINGS = {
    "enableBraille": False,
    "enableSound": False,
    "enableMouseReview": False,
    "enableTutorialMessages": False,
}
# Where Orca 51 keeps each of them: a schema and a key of its GSettings.
GSETTINGS_KEYS = {
    "enableBraille": ("braille", "enabled"),
    "enableSound": ("sound", "enabled"),
    "enableMouseReview": ("mouse-review", "enabled"),
    "enableTutorialMessages": ("speech", "speak-tutorial-messages"),
}
# How Orca 48 and 51 write a line of their debug log: a time, then the text,
# whose further lines are indented to stand under it.
DEBUG_TIME = re.compile(r"\d\d:\d\d:\d\d\.\d+ - ")
DEBUG_INDENT = "\n" + " " * 18


class SpeechCopier:
    """Orca's debug log, which also copies each utterance to the speech log.
    Orca 48 and 51 write what they speak only to their debug log, one record
    a call: 48 with writelines(), 51 with write()."""

    def __init__(self, debug_file, speech_file):
        self.debug_file = debug_file
        self.speech_file = speech_file

    def writelines(self, parts):
        self.write("".join(parts))

    def write(self, record):
        self.debug_file.write(record)
        text = DEBUG_TIME.sub("", record, count=1)
        if RECORD.match(text):
            self.speech_file.write(text.replace(DEBUG_INDENT, "\n"))

    def flush(self):
        self.debug_file.flush()
        self.speech_file.flush()

    def fileno(self):
        return self.debug_file.fileno()


def run_orca(speech_log, debug_log):
    from orca import debug

    # Orca's own account of the events it got and what it made of them.
    debug.debugLevel = debug.LEVEL_INFO
    debug.debugFile = open(debug_log, "w", buffering=1, encoding="utf-8")

    if importlib.util.find_spec("orca.gsettings_registry"):
        # Orca 51 (Debian testing) keeps its settings in GSettings. Its modules
        # import one another in a circle, entered without an error in the
        # order of /usr/bin/orca's own imports.
        from orca import (debugging_tools_manager, extension_loader,  # noqa: F401
                          gsettings_registry, messages, screen_reader_manager, speech_manager)
        from orca import orca
        debug.debugFile = SpeechCopier(
            debug.debugFile, open(speech_log, "a", buffering=1, encoding="utf-8"))
        registry = gsettings_registry.get_registry()
        for name, value in TEST_SETTINGS.items():
            registry.set_runtime_value(*GSETTINGS_KEYS[name], value)
        return orca.main()

    from orca import orca
    if hasattr(orca, "getSettingsManager"):
        # Orca 43 (Debian 12) logs each utterance through the "speech" logger.
        handler = logging.FileHandler(speech_log, encoding="utf-8")
        handler.setFormatter(logging.Formatter("%(message)s"))
        logging.getLogger("speech").addHandler(handler)
        manager = orca.getSettingsManager()
        manager.activate(None, TEST_SETTINGS)
        sys.path.insert(0, manager.getPrefsDir())
    else:
        # Orca 48 (Debian 13) has a settings module of its own, and writes
        # what it speaks only to the debug log.
        from orca import settings_manager
        debug.debugFile = SpeechCopier(
            debug.debugFile, open(speech_log, "a", buffering=1, encoding="utf-8"))
        manager = settings_manager.get_manager()
        manager.activate(None, TEST_SETTINGS)
        sys.path.insert(0, manager.get_prefs_dir())
    return orca.main()


# --- used by the tests -----------------------------------------------------


def write_speech_dispatcher_config(config_home):
    """speech-dispatcher's configuration, sending sound to ALSA's null device:
    without a sound card the first utterance waits for ever on opening the
    default one."""
    folder = os.path.join(config_home, "speech-dispatcher")
    os.makedirs(folder, exist_ok=True)
    with open(SPEECH_DISPATCHER_CONFIG, encoding="utf-8") as f:
        lines = [line for line in f
                 if not re.match(r"\s*(AudioOutputMethod|AudioALSADevice)\b", line)]
    lines += ['AudioOutputMethod "alsa"\n', 'AudioALSADevice "null"\n']
    with open(os.path.join(folder, "speechd.conf"), "w", encoding="utf-8") as f:
        f.writelines(lines)
    for part in ("modules", "clients"):
        source = os.path.join(os.path.dirname(SPEECH_DISPATCHER_CONFIG), part)
        if os.path.isdir(source) and not os.path.exists(os.path.join(folder, part)):
            shutil.copytree(source, os.path.join(folder, part))


def utterances(log):
    """The texts of the utterances in a speech log."""
    starts = [match.start() for match in RECORD.finditer(log)] + [len(log)]
    said = []
    for start, end in zip(starts, starts[1:]):
        match = UTTERANCE.match(log[start:end].rstrip("\n"))
        if match:
            said.append(match.group(1))
    return said


class Orca:
    """Orca running in a session, and what it has said so far."""

    def __init__(self, session, check):
        self.session = session
        self.check = check
        self.log_path = os.path.join(session.dir, "orca-speech.log")
        self.debug_path = os.path.join(session.dir, "orca-debug.log")
        self.proc = None
        self.read_up_to = 0

    def start(self, deadline=DEADLINE):
        """Starts Orca and waits until it says the screen reader is on."""
        s = self.session
        self.check(os.path.exists("/usr/lib/python3/dist-packages/orca/orca.py"),
                   "Orca is missing (package orca)")
        self.check(shutil.which("speech-dispatcher"),
                   "speech-dispatcher is missing (package speech-dispatcher)")
        write_speech_dispatcher_config(s.env["XDG_CONFIG_HOME"])
        open(self.log_path, "w").close()
        out = open(os.path.join(s.dir, "orca.log"), "wb")
        try:
            self.proc = subprocess.Popen(
                ["/usr/bin/python3", os.path.abspath(__file__), self.log_path, self.debug_path],
                env=s.env, cwd=s.dir, stdin=subprocess.DEVNULL, stdout=out,
                stderr=subprocess.STDOUT, start_new_session=True)
        finally:
            out.close()
        s.helpers.append(self.proc)
        self.wait_said(lambda line: line == SCREEN_READER_ON, "Orca to say %r" % SCREEN_READER_ON,
                       deadline)

    def stop(self):
        """Ends Orca, then the speech-dispatcher it started; each by its PID."""
        if self.proc is not None and self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait(timeout=5)
        # Asked to end, then killed; killed, a process is gone once its parent
        # has reaped it.
        for sig, seconds in ((signal.SIGTERM, 5), (signal.SIGKILL, DEADLINE)):
            for pid in self.speech_dispatchers():
                with contextlib.suppress(ProcessLookupError):
                    os.kill(pid, sig)
            end = time.monotonic() + seconds
            while self.speech_dispatchers() and time.monotonic() < end:
                time.sleep(0.05)

    def speech_dispatchers(self):
        """The speech-dispatcher processes of this session (the server and its
        output modules), which Orca's speech client started on its own."""
        return [pid for pid in self.session.processes(desktop_too=True)
                if self._command(pid).startswith(("speech-dispatcher", "sd_"))]

    @staticmethod
    def _command(pid):
        try:
            with open("/proc/%d/cmdline" % pid, "rb") as f:
                return os.path.basename(f.read().split(b"\0")[0]).decode(errors="replace")
        except OSError:
            return ""

    # what Orca said

    def spoken(self):
        """Every utterance so far, in order."""
        with open(self.log_path, encoding="utf-8", errors="replace") as f:
            return utterances(f.read())

    def mark(self):
        """From here on, said_since() gives only what Orca says afterwards."""
        self.read_up_to = len(self.spoken())

    def said_since(self):
        return self.spoken()[self.read_up_to:]

    def wait_said(self, matches, what, deadline=DEADLINE):
        """Waits for an utterance since the mark that matches, and returns
        every utterance since the mark up to it."""
        end = time.monotonic() + deadline
        while True:
            said = self.said_since()
            for i, line in enumerate(said):
                if matches(line):
                    return said[:i + 1]
            self.check(self.proc.poll() is None, "Orca ended (status %s); see %s" % (
                self.proc.returncode, os.path.join(self.session.dir, "orca.log")))
            self.check(time.monotonic() < end, "timed out after %.1f s waiting for %s; Orca "
                       "said meanwhile: %r" % (deadline, what, said))
            time.sleep(0.05)

    def quiet(self, seconds=1.0, deadline=DEADLINE):
        """Waits until Orca has said nothing new for a while."""
        def settled():
            count = len(self.spoken())
            time.sleep(seconds)
            return len(self.spoken()) == count
        self.session.wait_for(settled, "Orca to fall silent", deadline)


if __name__ == "__main__":
    sys.exit(run_orca(sys.argv[1], sys.argv[2]))
