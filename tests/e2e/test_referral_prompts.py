"""The refer-a-friend fields show their prompts where the user can read them."""

import collections

import harness
from harness import is_farewell, is_main

# Client-area rectangles (x, y, width, height) of the form's four fields.
FIELDS = {
    "Your Name": (14, 240, 225, 19),
    "Your Email Address": (248, 240, 225, 19),
    "Friend's Name": (14, 264, 225, 19),
    "Friend's Email Address": (248, 264, 225, 19),
}
# A prompt in a small font covers a few dozen pixels that stand out clearly
# from the field's background.
LEAST_TEXT_PIXELS = 20
CONTRAST = 100


def luminance(r, g, b):
    return (299 * r + 587 * g + 114 * b) // 1000


def text_pixels(pixels, screen_width, rect):
    x0, y0, width, height = rect
    values = []
    # Inside the field's frame.
    for y in range(y0 + 3, y0 + height - 3):
        row = (y * screen_width) * 3
        for x in range(x0 + 3, x0 + width - 3):
            i = row + x * 3
            values.append(luminance(pixels[i], pixels[i + 1], pixels[i + 2]))
    background = collections.Counter(values).most_common(1)[0][0]
    return sum(1 for v in values if abs(v - background) >= CONTRAST)


def referral_fields_show_readable_prompts(s):
    s.start_program()
    main = s.wait_window(is_main, "the main window")
    s.close_box(main)
    farewell = s.wait_window(is_farewell, "the farewell window")
    s.wait_gone(is_main, "the main window to go")

    def all_readable():
        width, _, pixels = s.screen_pixels()
        counts = {}
        for prompt, (x, y, w, h) in FIELDS.items():
            counts[prompt] = text_pixels(pixels, width, (farewell.x + x, farewell.y + y, w, h))
        return counts if all(n >= LEAST_TEXT_PIXELS for n in counts.values()) else None

    try:
        s.wait_for(all_readable, "the four prompts to be readable")
    except harness.Failure:
        width, _, pixels = s.screen_pixels()
        counts = {prompt: text_pixels(pixels, width, (farewell.x + x, farewell.y + y, w, h))
                  for prompt, (x, y, w, h) in FIELDS.items()}
        raise harness.Failure(
            "fields whose prompt cannot be seen (pixels standing out from the field, of at "
            "least %d): %r" % (LEAST_TEXT_PIXELS, counts))


if __name__ == "__main__":
    harness.run(referral_fields_show_readable_prompts)
