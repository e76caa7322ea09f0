#!/usr/bin/env python3
"""Draws the program's pictures in res/: the place cursor and the toolbar strip as XPM files, each
also at twice the pixels for high-density screens (name@2x.xpm), and the program's icon as an SVG
with PNGs rendered from it for the icon theme's sizes (rsvg-convert, from librsvg2-bin). Writes
its two sound cues as WAVE files in res/sounds. The files are committed; run this again only
after changing a picture or a sound here."""
import math
import os
import struct
import subprocess

RES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res")
ICONS = os.path.join(RES, "icons")
SOUNDS = os.path.join(RES, "sounds")
ICON_NAME = "io.github.flipstone.Flipstone"
ICON_SIZES = [16, 22, 24, 32, 48, 64, 128, 256]

PALETTE = {
    ".": "None",
    "k": "#000000",
    "w": "#FFFFFF",
    "g": "#808080",
    "l": "#C0C0C0",
    "y": "#FFFF00",
    "o": "#808000",
    "b": "#0000FF",
    "n": "#000080",
    "G": "#00C000",
    "B": "#7F7F7F",
}

# Toolbar images, 16 x 15 each, in button order.
START = """
................
....k...........
....kk..........
....kkk.........
....kkkk........
....kkkkk.......
....kkkkkk......
....kkkkkkk.....
....kkkkkk......
....kkkkk.......
....kkkk........
....kkk.........
....kk..........
....k...........
................
"""
HINT = """
................
......kkkk......
....kkyyyykk....
...kyyyyyywyk...
...kyyyyyyywk...
..kyyyyyyyyyyk..
..kyyyyyyyyyyk..
...kyyyyyyyyk...
....kyyyyyyk....
.....kyyyyk.....
.....kggggk.....
.....kllllk.....
.....kggggk.....
......kkkk......
................
"""
SOUND = """
................
.........k......
........kk...k..
.......kgk....k.
......kggk.k..k.
..kkkkkggk..k..k
..kllkgggk..k..k
..kllkgggk..k..k
..kllkgggk..k..k
..kkkkkggk..k..k
......kggk.k..k.
.......kgk....k.
........kk...k..
.........k......
................
"""
LEVEL_1 = """
................
................
.......nn.......
......nnn.......
.....nnnn.......
.......nn.......
.......nn.......
.......nn.......
.......nn.......
.......nn.......
.......nn.......
.......nn.......
.....nnnnnn.....
................
................
"""
LEVEL_2 = """
................
................
.....nnnnn......
....nn...nn.....
.........nn.....
.........nn.....
........nn......
.......nn.......
......nn........
.....nn.........
....nn..........
....nn..........
....nnnnnnn.....
................
................
"""
LEVEL_3 = """
................
................
....nnnnnn......
.........nn.....
.........nn.....
.........nn.....
......nnnn......
.........nn.....
.........nn.....
.........nn.....
.........nn.....
....nn...nn.....
.....nnnnn......
................
................
"""
LEVEL_4 = """
................
................
........nn......
.......nnn......
......nnnn......
.....nn.nn......
....nn..nn......
...nn...nn......
...nnnnnnnnn....
........nn......
........nn......
........nn......
........nn......
................
................
"""
HELP = """
................
.....kkkkk......
....kyyyyyk.....
...kyykkkyyk....
...kyk...kyyk...
....k....kyyk...
........kyyk....
.......kyyk.....
......kyyk......
......kyyk......
.......kk.......
......kkkk......
......kyyk......
......kyyk......
.......kk.......
"""
ABOUT = """
................
...kkkkkkkkkk...
..kwwwwwwwwwwk..
.kwwwwwbbwwwwwk.
.kwwwwwbbwwwwwk.
.kwwwwwwwwwwwwk.
.kwwwwbbbwwwwwk.
.kwwwwwbbwwwwwk.
.kwwwwwbbwwwwwk.
.kwwwwwbbwwwwwk.
..kwwwbbbbwwwk..
...kkkwwkkkkk...
.....kwk........
.....kk.........
.....k..........
"""

ARROW = """
k...........
kk..........
kwk.........
kwwk........
kwwwk.......
kwwwwk......
kwwwwwk.....
kwwwwwwk....
kwwwwwwwk...
kwwwwwwwwk..
kwwwwwwwwwk.
kwwwwwwkkkkk
kwwwkwwk....
kwwk.kwwk...
kwk..kwwk...
kk....kwwk..
k.....kwwk..
.......kwwk.
.......kkk..
"""

LETTERS = {
    "P": ["kkk", "k.k", "kkk", "k..", "k.."],
    "U": ["k.k", "k.k", "k.k", "k.k", "kkk"],
    "T": ["kkk", ".k.", ".k.", ".k.", ".k."],
}


def rows_of(art, width, height):
    rows = [line for line in art.strip("\n").split("\n")]
    assert len(rows) == height, (len(rows), art)
    for row in rows:
        assert len(row) == width, (row, art)
    return rows


def canvas(width, height, fill="."):
    return [[fill] * width for _ in range(height)]


def paste(grid, rows, left, top, transparent=True):
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch != "." or not transparent:
                grid[top + y][left + x] = ch


def disc(grid, cx, cy, radius, fill, outline=1):
    """A disc with a black outline of the given width, centred on pixel corners (cx, cy)."""
    for y in range(len(grid)):
        for x in range(len(grid[0])):
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
            if d < radius - outline:
                grid[y][x] = fill
            elif d <= radius:
                grid[y][x] = "k"


def scale2x(rows):
    """Twice the pixels of a pixel-art picture (the Scale2x rule): each pixel becomes four, and a
    corner takes the colour of the two neighbours beside it when they agree, so that diagonal
    edges come out as finer steps instead of twice the staircase."""
    height, width = len(rows), len(rows[0])
    out = [[None] * (2 * width) for _ in range(2 * height)]
    for y in range(height):
        for x in range(width):
            p = rows[y][x]
            above = rows[y - 1][x] if y > 0 else p
            below = rows[y + 1][x] if y < height - 1 else p
            left = rows[y][x - 1] if x > 0 else p
            right = rows[y][x + 1] if x < width - 1 else p
            out[2 * y][2 * x] = left if left == above and left != below and above != right else p
            out[2 * y][2 * x + 1] = (
                right if above == right and above != left and right != below else p)
            out[2 * y + 1][2 * x] = (
                left if below == left and below != right and left != above else p)
            out[2 * y + 1][2 * x + 1] = (
                right if right == below and right != above and below != left else p)
    return ["".join(row) for row in out]


def write_xpm(name, grid):
    height, width = len(grid), len(grid[0])
    used = sorted({ch for row in grid for ch in row})
    variable = name.replace("-", "_").replace("@", "_at_")
    lines = ["/* XPM */", "static const char* const %s[] = {" % variable,
             '"%d %d %d 1",' % (width, height, len(used))]
    lines += ['"%s c %s",' % (ch, PALETTE[ch]) for ch in used]
    lines += ['"%s",' % "".join(row) for row in grid]
    lines[-1] = lines[-1].rstrip(",")
    lines.append("};")
    with open(os.path.join(RES, name + ".xpm"), "w") as out:
        out.write("\n".join(lines) + "\n")


def toolbar(scale):
    """The strip of button images; at scale 2 each image is its Scale2x double."""
    images = [START, HINT, SOUND, LEVEL_1, LEVEL_2, LEVEL_3, LEVEL_4, HELP, ABOUT]
    width, height = 16 * scale, 15 * scale
    grid = canvas(width * len(images), height)
    for i, art in enumerate(images):
        rows = rows_of(art, 16, 15)
        paste(grid, scale2x(rows) if scale == 2 else rows, width * i, 0)
    write_xpm("toolbar" if scale == 1 else "toolbar@2x", grid)


def place_cursor(scale):
    """A white disc under an arrow, with a box saying PUT; its hot spot is the top-left pixel.
    At scale 2 the disc is drawn again at twice the size and the arrow and box are doubled with
    Scale2x."""
    double = scale2x if scale == 2 else (lambda rows: rows)
    grid = canvas(32 * scale, 32 * scale)
    disc(grid, 6.5 * scale, 6.5 * scale, 6.5 * scale, "w", outline=scale)
    paste(grid, double(rows_of(ARROW, 12, 19)), 4 * scale, 4 * scale)
    box = canvas(15, 9, "w")
    for x in range(15):
        box[0][x] = box[8][x] = "k"
    for y in range(9):
        box[y][0] = box[y][14] = "k"
    for i, letter in enumerate("PUT"):
        paste(box, LETTERS[letter], 2 + 4 * i, 2)
    paste(grid, double(["".join(r) for r in box]), 17 * scale, 23 * scale, transparent=False)
    write_xpm("place-cursor" if scale == 1 else "place-cursor@2x", grid)


def icon_svg():
    """The program's icon on a 32-unit grid: a grey 2 x 2 board with a black frame and cross and
    a shadow below and to the right, holding the four discs of the starting position."""
    parts = [
        '<rect x="3" y="3" width="29" height="29" fill="#000000"/>',  # the shadow
        '<rect x="1" y="1" width="29" height="29" fill="#7F7F7F"/>',
    ]
    for k in range(3):
        parts.append('<rect x="%d" y="1" width="1" height="29" fill="#000000"/>' % (1 + 14 * k))
        parts.append('<rect x="1" y="%d" width="29" height="1" fill="#000000"/>' % (1 + 14 * k))
    for column, row, fill in [(0, 0, "#FFFFFF"), (1, 1, "#FFFFFF"), (0, 1, "#000000"),
                              (1, 0, "#000000")]:
        parts.append('<circle cx="%g" cy="%g" r="5.5" fill="%s" stroke="#000000" '
                     'stroke-width="1"/>' % (8.5 + 14 * column, 8.5 + 14 * row, fill))
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" '
            'viewBox="0 0 32 32">\n' + "".join("  %s\n" % part for part in parts) + "</svg>\n")


def icon():
    os.makedirs(ICONS, exist_ok=True)
    svg = os.path.join(ICONS, ICON_NAME + ".svg")
    with open(svg, "w") as out:
        out.write(icon_svg())
    for size in ICON_SIZES:
        png = os.path.join(ICONS, "%s-%d.png" % (ICON_NAME, size))
        subprocess.run(["rsvg-convert", "--width", str(size), "--height", str(size),
                        "--output", png, svg], check=True)


def round_half_away(value):
    """The nearest integer, halves away from zero (Python's round() takes halves to even)."""
    whole = math.floor(abs(value))
    return int(math.copysign(whole + (1 if abs(value) - whole >= 0.5 else 0), value))


def wave(sample_rate, bits, samples, trailing=b""):
    """A mono PCM RIFF/WAVE image: the "fmt " and "data" chunks, then the trailing bytes, which
    lie inside the RIFF size but belong to no chunk."""
    width = bits // 8
    data = struct.pack("<%d%s" % (len(samples), "B" if bits == 8 else "h"), *samples)
    body = (b"WAVE" + b"fmt " + struct.pack("<IHHIIHH", 16, 1, 1, sample_rate, sample_rate * width,
                                            width, bits)
            + b"data" + struct.pack("<I", len(data)) + data + trailing)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def disc_cue():
    """One full-scale click at 11,025 samples a second: a 2.5 kHz oscillation damped over 16
    samples, 145 samples of 8 bits. The odd data chunk is followed by its pad byte and 12 bytes
    of silence (128)."""
    rate = 11025
    samples = []
    for index in range(145):
        phase = 2.0 * math.pi * 2500.0 * index / rate
        level = math.cos(phase) * math.exp(-index / 16.0)
        samples.append(min(max(round_half_away(128.0 + 127.0 * level), 0), 255))
    return wave(rate, 8, samples, bytes([128] * 13))


def start_cue_envelope(seconds):
    """Loud for the first 0.1 s, a second burst around 0.2 s, then a fade to silence at 0.6 s."""
    attack = 0.005
    if seconds < attack:
        return seconds / attack
    if seconds < 0.1:
        return 1.0
    if seconds < 0.17:
        return 1.0 - 0.7 * (seconds - 0.1) / 0.07
    if seconds < 0.2:
        return 0.3 + 0.7 * (seconds - 0.17) / 0.03
    if seconds < 0.25:
        return 1.0
    if seconds < 0.6:
        remaining = (0.6 - seconds) / 0.35
        return remaining * remaining
    return 0.0


def start_cue():
    """A C major fifth (523.25 Hz and 784 Hz) under the envelope above: 28,710 samples of 16 bits
    at 44,100 samples a second."""
    rate = 44100
    samples = []
    for index in range(28710):
        seconds = index / rate
        angle = 2.0 * math.pi * seconds
        chord = 0.6 * math.sin(angle * 523.25) + 0.4 * math.sin(angle * 784.0)
        level = 30000.0 * start_cue_envelope(seconds) * chord
        samples.append(min(max(round_half_away(level), -32767), 32767))
    return wave(rate, 16, samples)


def sounds():
    os.makedirs(SOUNDS, exist_ok=True)
    for name, image in (("disc.wav", disc_cue()), ("start.wav", start_cue())):
        with open(os.path.join(SOUNDS, name), "wb") as out:
            out.write(image)


if __name__ == "__main__":
    for scale in (1, 2):
        toolbar(scale)
        place_cursor(scale)
    icon()
    sounds()
