"""Builds the Debian package with cpack and checks what a user, and a
distribution, would get from it.

    check_deb.py build --cpack CPACK --config CPackConfig.cmake --changelog FILE --out DIR
        builds the package twice, with SOURCE_DATE_EPOCH at the date of the
        changelog's newest entry, as Debian's tools set it; both must be the
        same bytes, with no date in them later than that one. Leaves
        DIR/lv-sortilo.deb for the checks below.
    check_deb.py contents --deb DEB --version V --app-id ID --icon NAME --sizes N...
        reads the control fields and the file list with dpkg-deb, asks apt
        whether it would install the package here, unpacks the
        package with dpkg -x, and checks that the program, its menu entry, its
        metainfo, its icons, its manual page and its changelog are where the
        desktop and Debian look for them, and agree with one another.
    check_deb.py desktop-entry --entry FILE
        desktop-file-validate must report nothing, but that a key newer than
        itself is unknown to it.
    check_deb.py lintian --deb DEB
        lintian must report no error and no warning.
    check_deb.py hardening --deb DEB --probe PROBE
        hardening-check must find the program position-independent, with the
        stack protector, read-only relocations and immediate binding, and its
        libc calls fortified. A program that makes no call that
        _FORTIFY_SOURCE can guard shows nothing to find: then PROBE, built
        with the same flags around one such call, must show it guarded.

Standard library only; ctest runs it with /usr/bin/python3.
"""

import argparse
import email.utils
import gzip
import io
import os
import re
import shutil
import struct
import subprocess
import sys
import tarfile
import tempfile
import xml.etree.ElementTree as ElementTree

PACKAGE = "lv-sortilo"
PROGRAM = "usr/games/lv-sortilo"
MANUAL_PAGE = "usr/share/man/man6/lv-sortilo.6.gz"
DOCS = "usr/share/doc/lv-sortilo"
# The Qt libraries the program links; the package must depend on the packages
# that ship them on this release (libqt6core6, or libqt6core6t64 since Debian
# 13 moved to a 64-bit time_t).
QT_LIBRARIES = ("libQt6Core.so.6", "libQt6Gui.so.6", "libQt6Widgets.so.6")
HOMEPAGE = "http://lvsortilo.velmorasoft.com"

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def finish(success_message):
    for failure in failures:
        print("FAIL: %s" % failure)
    if failures:
        sys.exit(1)
    print(success_message)


def need(*tools):
    for tool in tools:
        if shutil.which(tool) is None:
            sys.exit("%s is missing; scripts/setup --test installs it" % tool)


def run(args, env=None):
    result = subprocess.run(args, capture_output=True, text=True, env=env)
    if result.returncode != 0:
        sys.exit("%s failed (%d):\n%s%s" % (" ".join(args), result.returncode,
                                             result.stdout, result.stderr))
    return result.stdout


def unpacked(deb):
    """A temporary folder with the package's files, as dpkg -x unpacks them."""
    work = tempfile.mkdtemp(prefix="lv-sortilo-deb-")
    run(["dpkg", "-x", deb, work])
    return work


# build

def changelog_epoch(changelog):
    """The date of the newest entry: its trailer line, ' -- Name <address>  date'."""
    with open(changelog, encoding="utf-8") as f:
        for line in f:
            if line.startswith(" -- "):
                date = line.rstrip("\n").split(">  ", 1)[1]
                return int(email.utils.parsedate_to_datetime(date).timestamp())
    sys.exit("%s has no trailer line with a date" % changelog)


def ar_members(deb):
    """(name, date, data) of each member of the package's ar archive."""
    with open(deb, "rb") as f:
        data = f.read()
    if not data.startswith(b"!<arch>\n"):
        sys.exit("%s is not an ar archive" % deb)
    members = []
    offset = 8
    while offset + 60 <= len(data):
        header = data[offset:offset + 60]
        name = header[0:16].decode().strip().rstrip("/")
        date = int(header[16:28].decode().strip() or 0)
        size = int(header[48:58].decode().strip())
        members.append((name, date, data[offset + 60:offset + 60 + size]))
        offset += 60 + size + (size % 2)
    return members


def latest_dates(deb):
    """The latest date in the ar headers and in each tar archive of the package."""
    latest = {}
    for name, date, content in ar_members(deb):
        latest["ar header of " + name] = date
        if ".tar" in name:
            with tarfile.open(fileobj=io.BytesIO(content)) as archive:
                latest[name] = max(member.mtime for member in archive.getmembers())
    return latest


def build(args):
    need("dpkg-deb", "dpkg-shlibdeps", "file")
    epoch = changelog_epoch(args.changelog)
    env = dict(os.environ, SOURCE_DATE_EPOCH=str(epoch))
    shutil.rmtree(args.out, ignore_errors=True)
    debs = []
    for attempt in ("first", "second"):
        folder = os.path.join(args.out, attempt)
        run([args.cpack, "-G", "DEB", "--config", args.config, "-B", folder], env=env)
        made = [name for name in os.listdir(folder) if name.endswith(".deb")]
        if len(made) != 1:
            sys.exit("cpack made %d .deb files in %s, not one: %r" % (len(made), folder, made))
        debs.append(os.path.join(folder, made[0]))
    print("built %s twice with SOURCE_DATE_EPOCH=%d" % (os.path.basename(debs[0]), epoch))

    with open(debs[0], "rb") as first, open(debs[1], "rb") as second:
        check(first.read() == second.read(),
              "two builds of the package differ: %s and %s" % (debs[0], debs[1]))
    for where, date in latest_dates(debs[0]).items():
        check(date <= epoch, "the %s holds a date (%d) later than SOURCE_DATE_EPOCH (%d)"
              % (where, date, epoch))
    shutil.copyfile(debs[0], os.path.join(args.out, PACKAGE + ".deb"))
    finish("the package builds the same twice, dated by its changelog")


# contents

def expected_files(app_id, icon, sizes):
    files = {
        PROGRAM,
        MANUAL_PAGE,
        DOCS + "/changelog.gz",
        DOCS + "/copyright",
        "usr/share/applications/%s.desktop" % app_id,
        "usr/share/metainfo/%s.metainfo.xml" % app_id,
        "usr/share/icons/hicolor/scalable/apps/%s.svg" % icon,
    }
    for size in sizes:
        files.add("usr/share/icons/hicolor/%dx%d/apps/%s.png" % (size, size, icon))
    return files


def package_listing(deb):
    """Maps each path in the package (without its leading ./) to (mode, owner)."""
    listing = {}
    for line in run(["dpkg-deb", "-c", deb]).splitlines():
        fields = line.split(None, 5)
        if len(fields) < 6:
            continue
        mode, owner, path = fields[0], fields[1], fields[5]
        path = path.split(" -> ")[0]
        listing[path[2:] if path.startswith("./") else path] = (mode, owner)
    return listing


def check_fields(deb, version):
    fields = {}
    for name in ("Package", "Version", "Architecture", "Maintainer", "Section",
                 "Homepage", "Depends", "Description"):
        fields[name] = run(["dpkg-deb", "-f", deb, name]).strip()
    architecture = run(["dpkg", "--print-architecture"]).strip()

    check(fields["Package"] == PACKAGE, "Package is %r" % fields["Package"])
    check(fields["Version"] == version,
          "Version is %r, the project's is %s" % (fields["Version"], version))
    check(fields["Architecture"] == architecture,
          "Architecture is %r, this machine's is %s" % (fields["Architecture"], architecture))
    check(re.fullmatch(r"[^<>]+ <[^<>@\s]+@[^<>@\s]+>", fields["Maintainer"]),
          "Maintainer is not 'Name <address>': %r" % fields["Maintainer"])
    check(fields["Section"] == "games", "Section is %r" % fields["Section"])
    check(fields["Homepage"] == HOMEPAGE, "Homepage is %r" % fields["Homepage"])
    check(fields["Description"].splitlines()[0].strip() != "" and
          len(fields["Description"].splitlines()) > 1,
          "Description lacks a summary line and a long text: %r" % fields["Description"])

    # "libqt6core6 (>= 6.4.0), libc6 (>= 2.34), ..." -> the package names
    depends = {entry.split()[0] for entry in fields["Depends"].split(",") if entry.strip()}
    for package in [shipping_package(library) for library in QT_LIBRARIES] + ["fonts-dejavu-core"]:
        check(package in depends, "Depends lacks %s: %r" % (package, fields["Depends"]))


def check_installs(deb):
    """apt would install the package here: each package it depends on, under
    the name this release gives it, is one apt knows."""
    result = subprocess.run(["apt-get", "install", "--simulate", "--no-install-recommends",
                             os.path.abspath(deb)], capture_output=True, text=True)
    check(result.returncode == 0 and re.search(r"^Inst %s " % PACKAGE, result.stdout, re.M),
          "apt would not install the package (status %d): %s"
          % (result.returncode, (result.stdout + result.stderr)[-1500:]))


def shipping_package(library):
    """The package of this system that ships a shared library, by its soname."""
    found = subprocess.run(["dpkg-query", "-S", "*/" + library], capture_output=True, text=True)
    check(found.returncode == 0, "no package ships %s: %s" % (library, found.stderr.strip()))
    # "libqt6core6t64:amd64: /usr/lib/x86_64-linux-gnu/libQt6Core.so.6"
    packages = {line.split(":")[0] for line in found.stdout.splitlines()}
    check(len(packages) == 1, "several packages ship %s: %s" % (library, sorted(packages)))
    return min(packages, default=library)


def check_listing(listing, expected):
    files = {path for path, (mode, _) in listing.items() if not mode.startswith("d")}
    check(files == expected, "the package holds other files than expected:\n"
          "  missing: %s\n  unexpected: %s" % (sorted(expected - files), sorted(files - expected)))
    for path, (mode, owner) in listing.items():
        check(owner == "root/root", "%s belongs to %s, not root/root" % (path, owner))
        if mode.startswith("d"):
            check(mode == "drwxr-xr-x", "%s has mode %s" % (path, mode))
    if PROGRAM in listing:
        check(listing[PROGRAM][0] == "-rwxr-xr-x", "%s has mode %s" % (PROGRAM, listing[PROGRAM][0]))
    for path in expected - {PROGRAM}:
        if path in listing:
            check(listing[path][0] == "-rw-r--r--", "%s has mode %s" % (path, listing[path][0]))


def png_size(path):
    with open(path, "rb") as f:
        header = f.read(24)
    if header[:8] != b"\x89PNG\r\n\x1a\n" or header[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", header[16:24])


def desktop_entry(path):
    entry = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if "=" in line and not line.startswith("#"):
                key, value = line.rstrip("\n").split("=", 1)
                entry.setdefault(key.strip(), value.strip())
    return entry


def check_program(root):
    binary = os.path.join(root, PROGRAM)
    if check(os.path.isfile(binary), "no %s after dpkg -x" % PROGRAM):
        check(os.access(binary, os.X_OK), "%s is not executable" % PROGRAM)
        with open(binary, "rb") as f:
            check(f.read(4) == b"\x7fELF", "%s is not an ELF program" % PROGRAM)
        libraries = subprocess.run(["ldd", binary], capture_output=True, text=True).stdout
        check("not found" not in libraries,
              "%s needs libraries that are missing:\n%s" % (PROGRAM, libraries))


def check_icons(root, icon, sizes):
    for size in sizes:
        png = os.path.join(root, "usr/share/icons/hicolor/%dx%d/apps/%s.png" % (size, size, icon))
        if check(os.path.isfile(png), "no %dx%d icon" % (size, size)):
            check(png_size(png) == (size, size),
                  "the %dx%d icon is a picture of %r" % (size, size, png_size(png)))
    svg = os.path.join(root, "usr/share/icons/hicolor/scalable/apps/%s.svg" % icon)
    if check(os.path.isfile(svg), "no scalable icon"):
        check(ElementTree.parse(svg).getroot().tag == "{http://www.w3.org/2000/svg}svg",
              "the scalable icon is not an SVG picture")


def check_desktop_integration(root, app_id, icon, version):
    desktop_name = "%s.desktop" % app_id
    desktop = os.path.join(root, "usr/share/applications", desktop_name)
    if check(os.path.isfile(desktop), "no desktop entry"):
        entry = desktop_entry(desktop)
        check(entry.get("Exec", "").split()[:1] == ["/" + PROGRAM],
              "the desktop entry starts %r, not /%s" % (entry.get("Exec"), PROGRAM))
        check(entry.get("Icon") == icon,
              "the desktop entry shows icon %r, the package holds %s" % (entry.get("Icon"), icon))

    metainfo = os.path.join(root, "usr/share/metainfo/%s.metainfo.xml" % app_id)
    if check(os.path.isfile(metainfo), "no metainfo"):
        component = ElementTree.parse(metainfo).getroot()
        check(component.findtext("id") == app_id,
              "the metainfo's id is %r, not %s" % (component.findtext("id"), app_id))
        launchable = component.findtext("launchable[@type='desktop-id']")
        check(launchable == desktop_name,
              "the metainfo launches %r, the package holds %s" % (launchable, desktop_name))
        binaries = [b.text for b in component.findall("provides/binary")]
        check(binaries == [os.path.basename(PROGRAM)],
              "the metainfo provides binaries %r, the package %s" % (binaries, PROGRAM))
        releases = [r.get("version") for r in component.findall("releases/release")]
        check(releases[:1] == [version],
              "the metainfo's newest release is %r, the package's version %s"
              % (releases[:1], version))


def check_documents(root, version):
    page = os.path.join(root, MANUAL_PAGE)
    if check(os.path.isfile(page), "no manual page"):
        with gzip.open(page, "rt", encoding="utf-8") as f:
            header = f.readline()
        check(header.startswith(".TH LV-SORTILO 6 ") and version in header,
              "the manual page starts %r, not .TH LV-SORTILO 6 with version %s"
              % (header, version))
    changelog = os.path.join(root, DOCS, "changelog.gz")
    if check(os.path.isfile(changelog), "no changelog"):
        with gzip.open(changelog, "rt", encoding="utf-8") as f:
            newest = f.readline()
        check(newest.startswith("%s (%s) " % (PACKAGE, version)),
              "the changelog's newest entry is %r, the package's version %s" % (newest, version))


def contents(args):
    need("dpkg-deb", "dpkg", "ldd")
    check_fields(args.deb, args.version)
    check_installs(args.deb)
    check_listing(package_listing(args.deb), expected_files(args.app_id, args.icon, args.sizes))
    root = unpacked(args.deb)
    try:
        check_program(root)
        check_icons(root, args.icon, args.sizes)
        check_desktop_integration(root, args.app_id, args.icon, args.version)
        check_documents(root, args.version)
    finally:
        shutil.rmtree(root, ignore_errors=True)
    finish("the package holds everything, in place")


# lintian

def lintian(args):
    need("lintian")
    # Every tag is shown; errors and warnings fail.
    result = subprocess.run(["lintian", "--fail-on", "error,warning", "--display-info",
                             "--pedantic", args.deb], capture_output=True, text=True)
    print(result.stdout, end="")
    for line in result.stderr.splitlines():
        if "root privileges" not in line:
            print(line, file=sys.stderr)
    check(result.returncode == 0, "lintian reports errors or warnings (status %d)"
          % result.returncode)
    finish("lintian reports no error and no warning")


# hardening

FEATURES = ("Position Independent Executable", "Stack protected", "Fortify Source functions",
            "Read-only relocations", "Immediate binding")


def hardening_report(binary):
    """Maps each feature that hardening-check looks for to its verdict."""
    # Control-flow protection needs every object linked in to carry it, and
    # Debian 12's C start-up files do not: it is not asked for.
    result = subprocess.run(["hardening-check", "--verbose", "--nocfprotection", binary],
                            capture_output=True, text=True)
    print(result.stdout, end="")
    report = {}
    for line in result.stdout.splitlines():
        name, colon, verdict = line.strip().partition(":")
        if colon and name in FEATURES:
            report[name] = verdict.strip()
    for name in FEATURES:
        check(name in report, "hardening-check reports nothing on %s for %s" % (name, binary))
    return report


def hardening(args):
    need("hardening-check", "dpkg")
    root = unpacked(args.deb)
    try:
        report = hardening_report(os.path.join(root, PROGRAM))
    finally:
        shutil.rmtree(root, ignore_errors=True)
    for name, verdict in report.items():
        if name != "Fortify Source functions":
            check(verdict == "yes", "%s: %s" % (name, verdict))
    fortify = report.get("Fortify Source functions", "")
    if not fortify.startswith("yes"):
        print("The program makes no libc call into a buffer of a size known to the"
              " compiler, which is what _FORTIFY_SOURCE guards (%s);"
              " the same flags around one:" % fortify)
        probe = hardening_report(args.probe).get("Fortify Source functions", "")
        check(probe.startswith("yes"), "Fortify Source functions: %s, and in %s: %s"
              % (fortify, os.path.basename(args.probe), probe))
    finish("the program is built with the hardening of Debian's packages")


# desktop-file-validate

# Keys of the Desktop Entry format newer than some validators still in use:
# SingleMainWindow came with version 1.5, after Debian 12's desktop-file-utils.
NEWER_KEYS = ("SingleMainWindow",)
PROBE_ENTRY = "[Desktop Entry]\nType=Application\nName=Probe\nExec=probe\n%s=true\n"


def validator_report(path):
    result = subprocess.run(["desktop-file-validate", path], capture_output=True, text=True)
    return [line for line in (result.stdout + result.stderr).splitlines() if line.strip()]


def desktop_entry_check(args):
    need("desktop-file-validate")
    unknown = []
    with tempfile.TemporaryDirectory() as folder:
        for key in NEWER_KEYS:
            probe = os.path.join(folder, "probe.desktop")
            with open(probe, "w", encoding="utf-8") as f:
                f.write(PROBE_ENTRY % key)
            if validator_report(probe):
                unknown.append(key)
    # What the validator says of each key it does not know yet, and nothing else.
    report = [line for line in validator_report(args.entry)
              if not any('key "%s"' % key in line for key in unknown)]
    check(not report, "desktop-file-validate reports:\n  " + "\n  ".join(report))
    if unknown:
        print("this desktop-file-validate predates %s" % ", ".join(unknown))
    finish("desktop-file-validate reports nothing")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    commands = parser.add_subparsers(dest="command", required=True)

    command = commands.add_parser("build")
    command.add_argument("--cpack", required=True)
    command.add_argument("--config", required=True, help="the build's CPackConfig.cmake")
    command.add_argument("--changelog", required=True)
    command.add_argument("--out", required=True)
    command.set_defaults(action=build)

    command = commands.add_parser("contents")
    command.add_argument("--deb", required=True)
    command.add_argument("--version", required=True)
    command.add_argument("--app-id", required=True)
    command.add_argument("--icon", required=True)
    command.add_argument("--sizes", required=True, type=int, nargs="+")
    command.set_defaults(action=contents)

    command = commands.add_parser("desktop-entry")
    command.add_argument("--entry", required=True)
    command.set_defaults(action=desktop_entry_check)

    command = commands.add_parser("lintian")
    command.add_argument("--deb", required=True)
    command.set_defaults(action=lintian)

    command = commands.add_parser("hardening")
    command.add_argument("--deb", required=True)
    command.add_argument("--probe", required=True)
    command.set_defaults(action=hardening)

    args = parser.parse_args()
    args.action(args)


if __name__ == "__main__":
    main()
