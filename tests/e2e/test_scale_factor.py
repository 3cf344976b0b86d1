"""At twice the screen scale the main window is twice as large, laid out the
same, and its picture is drawn anew at the finer resolution rather than
enlarged from the plain one.

The program runs once at QT_SCALE_FACTOR=1 and once at 2, each on an X server
of its own, and the main window is captured each time. The captures, and the
pictures taken from them, stay in the test's folder when it fails."""

import math
import os
import subprocess

import harness
from harness import check, MAIN_CLIENT, MAIN_TITLE, MENU_BAR_MAX

BIG_SCREEN = (2048, 1536)
SIZE_TOLERANCE = 2

# The picture of the sticks in the client area at scale 1, less a margin that
# keeps its border and focus frame out.
PICTURE = (161, 96, 132, 98)
PICTURE_MARGIN = 3

# Root mean square difference, on 0..255, between the capture at 2 reduced
# to half and the capture at 1. Measured: about 10, where text is drawn anew
# at the larger size; a layout moved by 2 px at scale 1 (4 px at 2) gives
# about 40, and by 10 px at scale 2 about 50 and more.
LAYOUT_LIMIT = 20.0
# How much the picture at 2 must differ from the one at 1 enlarged, however it
# is enlarged. Measured: about 11.5 for the picture drawn at 2; 0.6 for a
# picture drawn at 1 and enlarged smoothly, 0.04 for one enlarged by repeating
# pixels.
DETAIL_MIN = 6.0
# The picture's sharpness (mean square difference between neighbouring pixels)
# at 2, over that of the picture at 1 enlarged smoothly. Measured: about 3.8;
# 1.0 for a picture drawn at 1 and enlarged smoothly.
SHARPNESS_MIN_RATIO = 2.0
ENLARGING_FILTERS = ("Point", "Triangle", "Lanczos")


# --- pictures ------------------------------------------------------------------


class Image:
    """An RGB picture, 8 bits a channel."""

    def __init__(self, width, height, data):
        check(len(data) == width * height * 3, "a %dx%d picture with %d bytes"
              % (width, height, len(data)))
        self.width = width
        self.height = height
        self.data = data

    @staticmethod
    def from_ppm(data):
        return Image(*harness.read_ppm(data))

    def ppm(self):
        return b"P6\n%d %d\n255\n" % (self.width, self.height) + self.data

    def convert(self, *args):
        """The picture through ImageMagick's convert with those operations."""
        result = subprocess.run(["convert", "ppm:-"] + list(args) + ["-depth", "8", "ppm:-"],
                                input=self.ppm(), capture_output=True, timeout=30)
        check(result.returncode == 0, "convert %s failed: %s"
              % (" ".join(args), result.stderr.decode(errors="replace")))
        return Image.from_ppm(result.stdout)

    def crop(self, x, y, width, height):
        return self.convert("-crop", "%dx%d+%d+%d" % (width, height, x, y), "+repage")

    def halved(self):
        return self.convert("-filter", "Box", "-resize", "50%")

    def doubled(self, filter_name):
        return self.convert("-filter", filter_name, "-resize", "200%")

    def shifted(self, dx):
        """Moved right by dx pixels, white coming in from the left."""
        row = self.width * 3
        rows = [self.data[y * row:(y + 1) * row] for y in range(self.height)]
        return Image(self.width, self.height,
                     b"".join(b"\xff" * (dx * 3) + r[:row - dx * 3] for r in rows))

    def save(self, path):
        subprocess.run(["convert", "ppm:-", path], input=self.ppm(), check=True, timeout=30)
        return path

    def grey(self):
        d = self.data
        return [(d[i] * 299 + d[i + 1] * 587 + d[i + 2] * 114) // 1000
                for i in range(0, len(d), 3)]

    def sharpness(self):
        """Mean square difference between neighbouring pixels, across and down."""
        g = self.grey()
        w, h = self.width, self.height
        total = 0
        for y in range(h):
            line = g[y * w:(y + 1) * w]
            total += sum((b - a) ** 2 for a, b in zip(line, line[1:]))
        total += sum((b - a) ** 2 for a, b in zip(g, g[w:]))
        return total / ((w - 1) * h + w * (h - 1))


def rms_difference(a, b):
    check((a.width, a.height) == (b.width, b.height), "comparing a %dx%d picture with a %dx%d one"
          % (a.width, a.height, b.width, b.height))
    return math.sqrt(sum((x - y) ** 2 for x, y in zip(a.data, b.data)) / len(a.data))


# --- the program at a scale ------------------------------------------------------


def capture_main_window(s, scale):
    """Starts the program at that scale and captures its main window once
    two captures in a row agree."""
    program = s.start_program(extra_env={"QT_SCALE_FACTOR": str(scale)})
    width = MAIN_CLIENT[0] * scale

    def main_window():
        found = [w for w in s.windows()
                 if w.title == MAIN_TITLE and abs(w.width - width) <= SIZE_TOLERANCE * scale
                 and w.pid() == program.pid]
        return found[0] if len(found) == 1 else None
    window = s.wait_for(main_window, "the main window, %d px wide, at scale %d" % (width, scale))

    image = Image.from_ppm(s.steady_capture("the main window at scale %d" % scale,
                                            window=window.wid))
    check((image.width, image.height) == (window.width, window.height),
          "the capture is %dx%d, the window %dx%d" % (image.width, image.height,
                                                      window.width, window.height))
    check(program.alive(), "the program ended at scale %d" % scale)
    # One copy runs per user: this one makes way for the next scale's.
    program.kill()
    program.wait_exit(what="the program at scale %d to end" % scale)
    return image


def main_window_scales_to_twice_its_size_with_crisp_pictures(s):
    one = capture_main_window(s, 1)
    one.save(os.path.join(s.dir, "main-scale-1.png"))
    with harness.another_session("scale-2", screen=BIG_SCREEN) as big:
        two = capture_main_window(big, 2)
    two.save(os.path.join(s.dir, "main-scale-2.png"))

    # Twice the size, menu bar and all.
    menu_bar = one.height - MAIN_CLIENT[1]
    check(one.width == MAIN_CLIENT[0] and 0 < menu_bar <= MENU_BAR_MAX,
          "at scale 1 the main window is %dx%d, not %d wide with a client %d high under "
          "a menu bar" % (one.width, one.height, MAIN_CLIENT[0], MAIN_CLIENT[1]))
    check(abs(two.width - 2 * one.width) <= SIZE_TOLERANCE
          and abs(two.height - 2 * one.height) <= SIZE_TOLERANCE,
          "at scale 2 the main window is %dx%d, not twice the %dx%d at scale 1"
          % (two.width, two.height, one.width, one.height))
    if (two.width, two.height) != (2 * one.width, 2 * one.height):
        two = two.convert("-background", "white", "-gravity", "northwest",
                          "-extent", "%dx%d" % (2 * one.width, 2 * one.height))

    # The same layout: the capture at 2, halved, is close to the one at 1; and
    # the measure tells a layout moved by 10 px from the right one.
    halved = two.halved()
    halved.save(os.path.join(s.dir, "main-scale-2-halved.png"))
    layout = rms_difference(halved, one)
    moved = rms_difference(two.shifted(10).halved(), one)
    print("layout: %.2f from the capture at 1; %.2f when moved by 10 px" % (layout, moved))
    check(moved > LAYOUT_LIMIT, "the layout measure cannot tell a layout moved by 10 px "
          "(%.2f, limit %.2f)" % (moved, LAYOUT_LIMIT))
    check(layout <= LAYOUT_LIMIT, "at scale 2 the main window is laid out differently: halved, "
          "it differs from the one at scale 1 by %.2f (limit %.2f); see %s"
          % (layout, LAYOUT_LIMIT, s.dir))

    # The picture at 2 holds detail that no enlargement of the one at 1 has,
    # and is much sharper than a smooth enlargement.
    x, y, width, height = PICTURE
    x += PICTURE_MARGIN
    y += menu_bar + PICTURE_MARGIN
    width -= 2 * PICTURE_MARGIN
    height -= 2 * PICTURE_MARGIN
    small = one.crop(x, y, width, height)
    fine = two.crop(2 * x, 2 * y, 2 * width, 2 * height)
    small.save(os.path.join(s.dir, "picture-scale-1.png"))
    fine.save(os.path.join(s.dir, "picture-scale-2.png"))
    sharpness = fine.sharpness()
    for name in ENLARGING_FILTERS:
        enlarged = small.doubled(name)
        enlarged.save(os.path.join(s.dir, "picture-scale-1-enlarged-%s.png" % name.lower()))
        detail = rms_difference(fine, enlarged)
        print("picture: %.2f from the one at 1 enlarged with %s" % (detail, name))
        check(detail >= DETAIL_MIN,
              "the picture at scale 2 is the one at scale 1 enlarged (%s): they differ by only "
              "%.2f (at least %.2f expected); see %s" % (name, detail, DETAIL_MIN, s.dir))
    smooth = small.doubled("Triangle").sharpness()
    print("picture sharpness: %.1f at 2, %.1f enlarged smoothly from 1" % (sharpness, smooth))
    check(sharpness >= SHARPNESS_MIN_RATIO * smooth,
          "the picture at scale 2 is blurred: sharpness %.1f, a smooth enlargement of the one at "
          "scale 1 has %.1f (at least %.1f times that expected); see %s"
          % (sharpness, smooth, SHARPNESS_MIN_RATIO, s.dir))


if __name__ == "__main__":
    harness.run(main_window_scales_to_twice_its_size_with_crisp_pictures)
