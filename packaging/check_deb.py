"""Builds the Debian package with cpack and checks what a user would get from it.

The package is built into a temporary folder, its control fields and file list
are read with dpkg-deb, and it is unpacked with dpkg -x into a clean tree in
which the program, its desktop entry, its metainfo and every icon must be where
the desktop looks for them, and agree with one another.

Standard library only; ctest runs it with /usr/bin/python3.
"""

import argparse
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

QT_LIBRARIES = ("libqt6core6", "libqt6gui6", "libqt6widgets6")
HOMEPAGE = "http://lvsortilo.velmorasoft.com"

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def run(args, **kwargs):
    result = subprocess.run(args, capture_output=True, text=True, **kwargs)
    if result.returncode != 0:
        sys.exit("%s failed (%d):\n%s%s" % (" ".join(args), result.returncode,
                                             result.stdout, result.stderr))
    return result.stdout


def build_package(cpack, config, folder):
    run([cpack, "-G", "DEB", "--config", config, "-B", folder])
    debs = [name for name in os.listdir(folder) if name.endswith(".deb")]
    if len(debs) != 1:
        sys.exit("cpack made %d .deb files in %s, not one: %r" % (len(debs), folder, debs))
    return os.path.join(folder, debs[0])


def expected_files(app_id, icon, sizes):
    files = {
        "usr/bin/lv-sortilo",
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

    check(fields["Package"] == "lv-sortilo", "Package is %r" % fields["Package"])
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
    for library in QT_LIBRARIES + ("fonts-dejavu-core",):
        check(library in depends, "Depends lacks %s: %r" % (library, fields["Depends"]))


def check_listing(listing, expected):
    files = {path for path, (mode, _) in listing.items() if not mode.startswith("d")}
    check(files == expected, "the package holds other files than expected:\n"
          "  missing: %s\n  unexpected: %s" % (sorted(expected - files), sorted(files - expected)))
    for path, (mode, owner) in listing.items():
        check(owner == "root/root", "%s belongs to %s, not root/root" % (path, owner))
    binary = listing.get("usr/bin/lv-sortilo")
    if binary:
        check(binary[0] == "-rwxr-xr-x", "usr/bin/lv-sortilo has mode %s" % binary[0])
    for path in expected - {"usr/bin/lv-sortilo"}:
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


def check_unpacked(root, app_id, icon, sizes, version):
    binary = os.path.join(root, "usr/bin/lv-sortilo")
    if check(os.path.isfile(binary), "no usr/bin/lv-sortilo after dpkg -x"):
        check(os.access(binary, os.X_OK), "usr/bin/lv-sortilo is not executable")
        with open(binary, "rb") as f:
            check(f.read(4) == b"\x7fELF", "usr/bin/lv-sortilo is not an ELF program")
        libraries = subprocess.run(["ldd", binary], capture_output=True, text=True).stdout
        check("not found" not in libraries,
              "usr/bin/lv-sortilo needs libraries that are missing:\n%s" % libraries)

    for size in sizes:
        png = os.path.join(root, "usr/share/icons/hicolor/%dx%d/apps/%s.png" % (size, size, icon))
        if check(os.path.isfile(png), "no %dx%d icon" % (size, size)):
            check(png_size(png) == (size, size),
                  "the %dx%d icon is a picture of %r" % (size, size, png_size(png)))
    svg = os.path.join(root, "usr/share/icons/hicolor/scalable/apps/%s.svg" % icon)
    if check(os.path.isfile(svg), "no scalable icon"):
        check(ElementTree.parse(svg).getroot().tag == "{http://www.w3.org/2000/svg}svg",
              "the scalable icon is not an SVG picture")

    desktop_name = "%s.desktop" % app_id
    desktop = os.path.join(root, "usr/share/applications", desktop_name)
    if check(os.path.isfile(desktop), "no desktop entry"):
        entry = desktop_entry(desktop)
        check(entry.get("Exec", "").split()[:1] == ["lv-sortilo"],
              "the desktop entry starts %r, not lv-sortilo" % entry.get("Exec"))
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
        check(binaries == ["lv-sortilo"], "the metainfo provides binaries %r" % binaries)
        releases = [r.get("version") for r in component.findall("releases/release")]
        check(releases[:1] == [version],
              "the metainfo's newest release is %r, the package's version %s"
              % (releases[:1], version))


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--cpack", required=True)
    parser.add_argument("--config", required=True, help="the build's CPackConfig.cmake")
    parser.add_argument("--version", required=True)
    parser.add_argument("--app-id", required=True)
    parser.add_argument("--icon", required=True)
    parser.add_argument("--sizes", required=True, type=int, nargs="+")
    parser.add_argument("--keep", action="store_true", help="keep the work folder")
    args = parser.parse_args()

    for tool in ("dpkg-deb", "dpkg", "dpkg-shlibdeps", "file", "ldd"):
        if shutil.which(tool) is None:
            sys.exit("%s is missing; scripts/setup installs it" % tool)

    work = tempfile.mkdtemp(prefix="lv-sortilo-deb-")
    try:
        deb = build_package(args.cpack, args.config, os.path.join(work, "out"))
        print("built %s" % os.path.basename(deb))
        check_fields(deb, args.version)
        check_listing(package_listing(deb), expected_files(args.app_id, args.icon, args.sizes))
        root = os.path.join(work, "root")
        os.mkdir(root)
        run(["dpkg", "-x", deb, root])
        check_unpacked(root, args.app_id, args.icon, args.sizes, args.version)
    finally:
        if args.keep:
            print("work folder kept: %s" % work)
        else:
            shutil.rmtree(work, ignore_errors=True)

    for failure in failures:
        print("FAIL: %s" % failure)
    if failures:
        sys.exit(1)
    print("the package holds everything, in place")


if __name__ == "__main__":
    main()
