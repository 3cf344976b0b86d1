"""A temporary home for the program: what a desktop gives it of its own."""

import os
import shlex
import shutil


class Home:
    """HOME, the XDG folders and a stand-in xdg-open, first on PATH, that
    writes down every address it is asked to open instead of starting a
    browser; all in one folder."""

    def __init__(self, folder):
        self.folder = folder
        # The program keeps its settings in a file named after its executable.
        self.settings_file = "lv-sortilo.ini"
        for name in ("home", "config", "data", "cache", "runtime", "bin"):
            os.makedirs(os.path.join(folder, name), mode=0o700, exist_ok=True)
        self.config = os.path.join(folder, "config")
        self.record = os.path.join(folder, "opened-addresses.txt")
        stub = os.path.join(folder, "bin", "xdg-open")
        with open(stub, "w") as f:
            f.write("#!/bin/sh\n"
                    "# Writes down what the program asked the desktop to open.\n"
                    "for address in \"$@\"; do\n"
                    "    printf '%%s\\n' \"$address\" >> %s\n"
                    "done\n" % shlex.quote(self.record))
        os.chmod(stub, 0o755)

    def install_program(self, executable, name):
        """The executable under another name, in this home's folder of programs:
        the program names its settings file and its one-copy lock after the
        name it is started by."""
        installed = os.path.join(self.folder, "bin", name)
        try:
            os.link(executable, installed)
        except OSError:
            shutil.copy2(executable, installed)
        self.settings_file = name + ".ini"
        return installed

    def variables(self, path):
        """The environment variables that lead into this home, with the
        stand-in put before the given PATH."""
        def folder(name):
            return os.path.join(self.folder, name)
        return {
            "HOME": folder("home"),
            "XDG_CONFIG_HOME": self.config,
            "XDG_DATA_HOME": folder("data"),
            "XDG_CACHE_HOME": folder("cache"),
            "XDG_RUNTIME_DIR": folder("runtime"),
            "PATH": folder("bin") + os.pathsep + path,
        }

    def opened_addresses(self):
        try:
            with open(self.record, encoding="utf-8") as f:
                return [line.rstrip("\n") for line in f if line.strip()]
        except FileNotFoundError:
            return []
