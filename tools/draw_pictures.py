#!/usr/bin/env python3
"""Draws the program's pictures and writes them into res/.

    python3 tools/draw_pictures.py                  # rewrites res/zelmara.ico, res/formula.bmp
                                                    # and the icons under res/linux/icons/
    python3 tools/draw_pictures.py --preview DIR    # also writes enlarged PNG copies into DIR

res/zelmara.ico is the window icon: a 32 x 32 and a 16 x 16 image, 4 bits per
pixel in the standard 16-colour palette, each with an AND mask for its
transparent ground. Both images are pixel art written out below.

res/linux/icons/hicolor/ holds the same icon for desktop menus, laid out as the
hicolor icon theme is: PNG images (8-bit RGBA) at 16 and 32 pixels copied from
the pixel art, at 48, 64, 128 and 256 pixels drawn from the smooth version of
the design in tools/vector_icon.py, and that version as scalable SVG.

res/formula.bmp is the formula picture shown at the top of the main dialog:
173 x 33 pixels, 4 bits per pixel, black text on light grey. Each piece of
its text is rendered in pure black and white by ImageMagick (/usr/bin/convert;
the stand-in at /usr/local/bin/convert must not be used) with the DejaVu
fonts, and the pieces are laid out here.

Every run writes the same bytes given the same ImageMagick and fonts. The
script checks the files' headers after writing them and fails loudly if a
size, colour depth or image count is not the expected one.
"""

import argparse
import functools
import os
import struct
import subprocess
import sys

import png_file
import vector_icon

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ICON_PATH = os.path.join(REPO, "res", "zelmara.ico")
FORMULA_PATH = os.path.join(REPO, "res", "formula.bmp")
THEME_DIR = os.path.join(REPO, "res", "linux", "icons", "hicolor")
THEME_ICON_SIZES = [16, 32, 48, 64, 128, 256]

CONVERT = "/usr/bin/convert"
FONT_DIR = "/usr/share/fonts/truetype/dejavu/"

# The standard 16-colour palette, as (red, green, blue), in its usual order.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK = 0
LIGHT_GREY = 7

# Pixel-art letters: a palette index, or None for the transparent ground.
ART_COLOURS = {".": None, "K": BLACK, "g": LIGHT_GREY}

# The potential curve drawn as a grey tube with a black outline: a tall hump at
# the left edge, a lower hump in the middle, an upward arrow into the valley
# between them (the minimum) and small arrows above the humps (the maxima).
ICON_32 = [
    "..K.............................",
    "..K.............................",
    "..K.............................",
    "KKKKK...........................",
    ".KKK............................",
    "..K.............................",
    "................................",
    ".KKKK..............K............",
    "KggggKK............K............",
    "gggggggK...........K............",
    "ggKKKggK.........KKKKK..........",
    "gK...KggK.........KKK...........",
    "K....KggK..........K............",
    "......KggK......................",
    "......KggK.......KKKKK..........",
    ".......KggK.....KgggggK.........",
    ".......KggK....KggKKKggK........",
    "........KggK..KggK...KggK.......",
    "........KggK..KggK....KggK......",
    ".........KggKKggK.....KggK......",
    ".........KggggggK......KggK.....",
    "..........KggggK.......KggK.....",
    "...........KKKK.........KggK....",
    ".........................KggK...",
    ".............K............KggKK.",
    "............KKK............KgggK",
    "...........KKKKK............KKgg",
    ".............K................KK",
    ".............K..................",
    ".............K..................",
    "................................",
    "................................",
]

# One hump with a small arrow at its top right pointing down-left at the maximum.
ICON_16 = [
    "..............K.",
    ".............K..",
    "..........K.K...",
    "..........KK....",
    "..........KKK...",
    "....KKKK........",
    "...KggggK.......",
    "..KggKKggK......",
    "..KggK.KggK.....",
    ".KggK...KggK....",
    ".KggK....KggK...",
    "KggK.....KggK...",
    "KggK......KggK..",
    "ggK.......KggK..",
    "ggK........KggK.",
    "gK.........KggK.",
]


def art_to_indices(art):
    """Turns rows of pixel-art letters into rows of palette indices (None = transparent)."""
    width = len(art[0])
    for row in art:
        if len(row) != width:
            raise ValueError("pixel-art rows differ in length: %r" % row)
    return [[ART_COLOURS[letter] for letter in row] for row in art]


def pack_4bit_rows(rows):
    """Packs rows of palette indices into bottom-up 4-bit rows padded to 4 bytes."""
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for x in range(0, len(row), 2):
            high = row[x]
            low = row[x + 1] if x + 1 < len(row) else 0
            line.append((high << 4) | low)
        line.extend(b"\0" * (-len(line) % 4))
        data.extend(line)
    return bytes(data)


def pack_mask_rows(rows):
    """Packs a bottom-up 1-bit AND mask (1 = transparent) padded to 4 bytes a row."""
    data = bytearray()
    for row in reversed(rows):
        bits = [1 if index is None else 0 for index in row]
        bits.extend([0] * (-len(bits) % 8))
        line = bytearray()
        for x in range(0, len(bits), 8):
            byte = 0
            for bit in bits[x:x + 8]:
                byte = (byte << 1) | bit
            line.append(byte)
        line.extend(b"\0" * (-len(line) % 4))
        data.extend(line)
    return bytes(data)


def palette_bytes():
    """The 16-colour palette as 64 bytes of blue, green, red, reserved."""
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)


def info_header(width, height, image_size):
    """A 40-byte BITMAPINFOHEADER for an uncompressed 4-bit, 16-colour image."""
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_size, 0, 0, 16, 0)


def icon_image(art):
    """One icon image: header with doubled height, palette, colour bits, AND mask."""
    rows = art_to_indices(art)
    colours = pack_4bit_rows([[BLACK if i is None else i for i in row] for row in rows])
    mask = pack_mask_rows(rows)
    size = len(rows[0])
    return info_header(size, 2 * size, len(colours) + len(mask)) + palette_bytes() + colours + mask


def icon_file(arts):
    """A whole .ico file holding one 16-colour image per pixel-art square."""
    images = [icon_image(art) for art in arts]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for art, image in zip(arts, images):
        size = len(art)
        directory += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return directory + b"".join(images)


def bitmap_file(rows):
    """A whole 4-bit, 16-colour, uncompressed .bmp file of palette-index rows."""
    pixels = pack_4bit_rows(rows)
    header_size = 14 + 40 + 64
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(pixels), 0, 0, header_size)
    header = info_header(len(rows[0]), len(rows), len(pixels))
    return file_header + header + palette_bytes() + pixels


class Ink:
    """The black pixels of one rendered text, relative to its ink box's top-left corner.

    `top` is the ink box's top row relative to the text's baseline (negative above it).
    """

    def __init__(self, pixels, width, height, top):
        self.pixels = pixels
        self.width = width
        self.height = height
        self.top = top


def render_text(text, font, pointsize, smoothed=False):
    """Renders text in black on white and returns its black pixels as ink.

    By default the glyphs are rasterised without antialiasing, following the
    font's hints; smoothed=True rasterises them with antialiasing and keeps the
    pixels that come out at least half dark, which closes the small loop of φ
    that the hinted outline leaves open at this size.
    """
    font_path = FONT_DIR + font
    if not os.path.isfile(font_path):
        raise SystemExit("font %s is missing; ImageMagick would silently use another" % font_path)
    width = int(pointsize * (len(text) + 4))
    height = int(pointsize * 4)
    origin_x, baseline = int(pointsize * 2), int(pointsize * 2.5)
    command = [
        CONVERT, "-size", "%dx%d" % (width, height), "xc:white",
        "-antialias" if smoothed else "+antialias",
        "-font", font_path, "-pointsize", str(pointsize), "-fill", "black",
        "-annotate", "+%d+%d" % (origin_x, baseline), text, "-depth", "8", "gray:-",
    ]
    grey = subprocess.run(command, check=True, capture_output=True).stdout
    if len(grey) != width * height:
        raise RuntimeError("unexpected output size from %s for %r" % (CONVERT, text))
    dots = [(x, y) for y in range(height) for x in range(width) if grey[y * width + x] < 128]
    if not dots:
        raise RuntimeError("nothing rendered for %r" % text)
    left = min(x for x, _ in dots)
    top = min(y for _, y in dots)
    right = max(x for x, _ in dots)
    bottom = max(y for _, y in dots)
    if left == 0 or top == 0 or right == width - 1 or bottom == height - 1:
        raise RuntimeError("text %r does not fit its scratch canvas" % text)
    pixels = {(x - left, y - top) for x, y in dots}
    return Ink(pixels, right - left + 1, bottom - top + 1, top - baseline)


class Canvas:
    """A picture of palette indices that ink and rules are drawn on."""

    def __init__(self, width, height, ground):
        self.width = width
        self.height = height
        self.rows = [[ground] * width for _ in range(height)]

    def dot(self, x, y, colour=BLACK):
        """Sets one pixel; refuses one outside the picture rather than clipping the formula."""
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise ValueError("pixel (%d, %d) falls outside the %dx%d picture"
                             % (x, y, self.width, self.height))
        self.rows[y][x] = colour

    def stamp(self, ink, left, top):
        """Draws ink with its ink box's top-left corner at (left, top)."""
        for x, y in ink.pixels:
            self.dot(left + x, top + y)

    def rule(self, left, right, y):
        """Draws a horizontal one-pixel line from left to right inclusive."""
        for x in range(left, right + 1):
            self.dot(x, y)


FORMULA_SIZE = (173, 33)
TEXT_FONT = "DejaVuSansCondensed.ttf"
TEXT_POINTS = 12
SCRIPT_FONT = "DejaVuSans.ttf"
SCRIPT_POINTS = 9
SIGMA_FONT = "DejaVuSerif.ttf"
SIGMA_POINTS = 20
SUBSCRIPT_DROP = 3  # how far the subscript's baseline sits below the main one

# Every piece of the formula below has a width and its highest and lowest rows
# (top, bottom, inclusive) measured from the baseline; draw() sets it with its
# left edge at a given column.


@functools.cache
def math_axis():
    """Row, from the baseline, of the minus sign: the fraction bar and Σ's middle sit on it."""
    return render_text("−", TEXT_FONT, TEXT_POINTS).top


class Text:
    """A run of text in the main size standing on the baseline."""

    def __init__(self, text, smoothed=False):
        self.ink = render_text(text, TEXT_FONT, TEXT_POINTS, smoothed)
        self.width = self.ink.width
        self.top = self.ink.top
        self.bottom = self.ink.top + self.ink.height - 1

    def draw(self, canvas, left, baseline):
        canvas.stamp(self.ink, left, baseline + self.top)


class Gap:
    """Empty space of a given width."""

    def __init__(self, width):
        self.width = width
        self.top = 0
        self.bottom = 0

    def draw(self, canvas, left, baseline):
        pass


class Fraction:
    """A stacked fraction: numerator, blank row, bar on the math axis, blank row, denominator."""

    def __init__(self, numerator, denominator):
        self.numerator = render_text(numerator, SCRIPT_FONT, SCRIPT_POINTS)
        self.denominator = render_text(denominator, SCRIPT_FONT, SCRIPT_POINTS)
        self.width = max(self.numerator.width, self.denominator.width) + 2
        self.numerator_top = math_axis() - 1 - self.numerator.height
        self.denominator_top = math_axis() + 2
        self.top = self.numerator_top
        self.bottom = self.denominator_top + self.denominator.height - 1

    def draw(self, canvas, left, baseline):
        canvas.stamp(self.numerator, left + (self.width - self.numerator.width + 1) // 2,
                     baseline + self.numerator_top)
        canvas.rule(left, left + self.width - 1, baseline + math_axis())
        canvas.stamp(self.denominator, left + (self.width - self.denominator.width + 1) // 2,
                     baseline + self.denominator_top)


class Summation:
    """A large Σ centred on the math axis, its upper limit above and its index below."""

    def __init__(self, upper, lower):
        self.sigma = render_text("Σ", SIGMA_FONT, SIGMA_POINTS)
        self.upper = render_text(upper, SCRIPT_FONT, SCRIPT_POINTS)
        self.lower = render_text(lower, SCRIPT_FONT, SCRIPT_POINTS)
        self.width = max(self.sigma.width, self.upper.width, self.lower.width)
        self.sigma_top = math_axis() - self.sigma.height // 2
        self.upper_top = self.sigma_top - 1 - self.upper.height
        self.lower_top = self.sigma_top + self.sigma.height + 1
        self.top = self.upper_top
        self.bottom = self.lower_top + self.lower.height - 1

    def draw(self, canvas, left, baseline):
        for ink, top in ((self.sigma, self.sigma_top), (self.upper, self.upper_top),
                         (self.lower, self.lower_top)):
            canvas.stamp(ink, left + (self.width - ink.width) // 2, baseline + top)


class Subscripted:
    """A symbol in the main size followed by a lowered, smaller subscript."""

    def __init__(self, base, subscript):
        self.base = render_text(base, TEXT_FONT, TEXT_POINTS)
        self.subscript = render_text(subscript, SCRIPT_FONT, SCRIPT_POINTS)
        self.subscript_top = SUBSCRIPT_DROP + self.subscript.top
        self.width = self.base.width + self.subscript.width
        self.top = min(self.base.top, self.subscript_top)
        self.bottom = max(self.base.top + self.base.height,
                          self.subscript_top + self.subscript.height) - 1

    def draw(self, canvas, left, baseline):
        canvas.stamp(self.base, left, baseline + self.base.top)
        canvas.stamp(self.subscript, left + self.base.width, baseline + self.subscript_top)


def formula_rows():
    """Lays out V = ½ Σ Vn (1 − cos n(180 − φ)) centred on the light grey picture."""
    boxes = [
        Text("V"), Gap(3), Text("="), Gap(3), Fraction("1", "2"), Gap(2),
        Summation("6", "n"), Gap(2), Subscripted("V", "n"), Gap(3),
        Text("(1 − cos n(180 −"), Gap(4), Text("φ", smoothed=True), Gap(2), Text("))"),
    ]
    width, height = FORMULA_SIZE
    total = sum(box.width for box in boxes)
    top = min(box.top for box in boxes)
    bottom = max(box.bottom for box in boxes)
    if total > width or bottom - top + 1 > height:
        raise RuntimeError("the formula needs %dx%d pixels" % (total, bottom - top + 1))
    canvas = Canvas(width, height, LIGHT_GREY)
    baseline = (height - (bottom - top + 1)) // 2 - top
    left = (width - total) // 2
    for box in boxes:
        box.draw(canvas, left, baseline)
        left += box.width
    return canvas.rows


def write_file(path, data):
    """Writes data to path, creating its folder if needed."""
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as stream:
        stream.write(data)


def require(condition, path, what):
    """Fails the run with a message naming the file when a check does not hold."""
    if not condition:
        raise SystemExit("%s: %s" % (os.path.relpath(path, REPO), what))


def check_info_header(data, offset, width, height, path):
    """Checks a BITMAPINFOHEADER at offset: 40 bytes, the size given, 4 bits, uncompressed."""
    size, got_width, got_height, planes, bits, compression = struct.unpack_from(
        "<IiiHHI", data, offset)
    require(size == 40, path, "info header is %d bytes, not 40" % size)
    require((got_width, got_height) == (width, height), path,
            "header says %dx%d, expected %dx%d" % (got_width, got_height, width, height))
    require(planes == 1 and bits == 4 and compression == 0, path,
            "not an uncompressed 4-bit image (planes %d, bits %d, compression %d)"
            % (planes, bits, compression))


def check_icon(path, sizes):
    """Reads the icon file back and checks its directory and each image against sizes."""
    with open(path, "rb") as stream:
        data = stream.read()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    require(reserved == 0 and kind == 1, path, "not an icon file")
    require(count == len(sizes), path, "holds %d images, expected %d" % (count, len(sizes)))
    for number, size in enumerate(sizes):
        width, height, colours, _, planes, bits, length, offset = struct.unpack_from(
            "<BBBBHHII", data, 6 + 16 * number)
        require((width, height, colours, planes, bits) == (size, size, 16, 1, 4), path,
                "directory entry %d is not %dx%d in 16 colours" % (number, size, size))
        needed = 40 + 64 + ((size * 4 + 31) // 32 * 4) * size + ((size + 31) // 32 * 4) * size
        require(length == needed and offset + length <= len(data), path,
                "image %d has %d bytes where header, palette, colours and mask need %d"
                % (number, length, needed))
        check_info_header(data, offset, size, 2 * size, path)


def check_bitmap(path, width, height):
    """Reads the bitmap file back and checks its headers and length."""
    with open(path, "rb") as stream:
        data = stream.read()
    magic, file_size, _, _, pixel_offset = struct.unpack_from("<2sIHHI", data, 0)
    require(magic == b"BM" and file_size == len(data), path, "not a whole BMP file")
    check_info_header(data, 14, width, height, path)
    row_bytes = (width * 4 + 31) // 32 * 4
    require(pixel_offset == 14 + 40 + 64 and len(data) - pixel_offset == row_bytes * height, path,
            "pixel data does not match a 16-colour palette and %d rows of %d bytes"
            % (height, row_bytes))


def art_pixels(art):
    """Pixel art as rows of (red, green, blue, alpha), the transparent ground fully transparent."""
    return [[(0, 0, 0, 0) if index is None else PALETTE[index] + (255,) for index in row]
            for row in art_to_indices(art)]


def theme_icon_path(size):
    return os.path.join(THEME_DIR, "%dx%d" % (size, size), "apps", "zelmara.png")


def theme_icon_pixels(size):
    """The menu icon at size pixels: the pixel art where it exists, else the smooth design."""
    art = {len(ICON_16): ICON_16, len(ICON_32): ICON_32}.get(size)
    return art_pixels(art) if art else vector_icon.icon_pixels(size)


def write_theme_icons():
    """Writes the hicolor PNGs and the SVG, then reads each PNG back and checks it."""
    for size in THEME_ICON_SIZES:
        write_file(theme_icon_path(size), png_file.png_file(theme_icon_pixels(size)))
    write_file(os.path.join(THEME_DIR, "scalable", "apps", "zelmara.svg"),
               vector_icon.icon_svg().encode("utf-8"))
    for size in THEME_ICON_SIZES:
        path = theme_icon_path(size)
        with open(path, "rb") as stream:
            fault = png_file.check_png(stream.read(), size, size)
        require(fault is None, path, fault)


def write_preview(source, frame, target, zoom, ground):
    """Writes an enlarged PNG of one frame of source over a plain ground, pixels kept square."""
    subprocess.run([CONVERT, "%s[%d]" % (source, frame), "-background", ground, "-flatten",
                    "-filter", "point", "-resize", "%d%%" % (zoom * 100), target], check=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--preview", metavar="DIR", help="also write enlarged PNG copies into DIR")
    arguments = parser.parse_args()
    write_file(ICON_PATH, icon_file([ICON_32, ICON_16]))
    write_file(FORMULA_PATH, bitmap_file(formula_rows()))
    check_icon(ICON_PATH, [len(ICON_32), len(ICON_16)])
    check_bitmap(FORMULA_PATH, *FORMULA_SIZE)
    write_theme_icons()
    if arguments.preview:
        os.makedirs(arguments.preview, exist_ok=True)
        previews = [(ICON_PATH, frame, "%s_on_%s_x8.png" % (name, ground_name), 8, ground)
                    for frame, name in ((0, "icon32"), (1, "icon16"))
                    for ground_name, ground in (("white", "white"), ("blue", "#3a6ea5"))]
        previews += [(FORMULA_PATH, 0, "formula_x%d.png" % zoom, zoom, "white")
                     for zoom in (1, 4, 8)]
        for source, frame, name, zoom, ground in previews:
            write_preview(source, frame, os.path.join(arguments.preview, name), zoom, ground)
    return 0


if __name__ == "__main__":
    sys.exit(main())
