#!/usr/bin/python3
"""Generate the artwork of the Q700 terminal simulator.

Writes into resources/art/ (relative to the repository root):
  body.bmp                 500  terminal body, 210 x 464
  key01.bmp .. key20.bmp   501-520  keys released
  key01p.bmp .. key20p.bmp 521-540  keys pressed
  cursor.bmp               541  input cursor cell, 9 x 12
  selbar.bmp               542  selection bar of a menu line, 144 x 13
  clockbg.bmp              543  clock line background, 150 x 16
  alpha_on.bmp             544  alpha-mode indicator
  alpha_off.bmp            545  alpha-mode indicator erased
  TPQ700.ico               program icon, 16/32/48 px
  phone.ico                PHONEICON of the Settings page's phone number boxes, 16/32 px
  hand.cur                 pointing hand cursor, 32 x 32
  preview.png, preview_pressed.png   composed screens for checking the art

Run:  /usr/bin/python3 scripts/make_artwork.py
Needs python3-pil and the DejaVu fonts.

Shapes are drawn at 4x and box-filtered down, so a key picture cut out of a
4x canvas blends exactly with the body behind it; text is drawn at 1x so it
stays crisp.
"""

import os
import struct

from PIL import Image, ImageDraw, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "resources", "art")
FONT_DIR = "/usr/share/fonts/truetype/dejavu"

W, H = 210, 464
SS = 4  # supersampling factor for shapes

# ---------------------------------------------------------------------------
# Geometry shared with the Client window code
# ---------------------------------------------------------------------------

# key: (hit x0, hit x1, hit y0, hit y1, picture x, picture y)  -- bounds inclusive
KEYS = {
    19: (24, 65, 201, 236, 22, 200),
    20: (145, 187, 201, 236, 144, 200),
    14: (82, 125, 254, 273, 80, 251),
    15: (82, 125, 284, 303, 80, 282),
    13: (28, 73, 283, 306, 27, 281),
    16: (137, 182, 283, 306, 136, 281),
    17: (26, 78, 245, 277, 24, 243),
    18: (137, 189, 245, 277, 135, 243),
    1: (31, 76, 311, 335, 29, 309),
    2: (84, 128, 311, 335, 82, 309),
    3: (134, 179, 311, 335, 132, 309),
    4: (33, 77, 342, 366, 31, 339),
    5: (84, 128, 342, 366, 82, 339),
    6: (133, 177, 342, 366, 131, 339),
    7: (36, 78, 373, 396, 34, 370),
    8: (85, 127, 373, 396, 83, 370),
    9: (133, 175, 373, 396, 131, 370),
    10: (40, 79, 404, 427, 37, 401),
    11: (87, 126, 404, 427, 84, 401),
    12: (132, 171, 404, 427, 129, 401),
}

LCD_TEXT_X = 29
LCD_TEXT_Y = 42
LCD_AREA = (28, 42, 182, 141)          # repainted on every LCD refresh (inclusive)
CURSOR_SIZE = (9, 12)                   # at (9*col + 29, 12*row + 43)
SELBAR_SIZE = (144, 13)                 # at (29, y + 2)
CLOCKBG_POS, CLOCKBG_SIZE = (29, 126), (150, 16)
CLOCK_TEXT_POS = (29, 124)
ALPHA_POS = (176, 117)
# Six columns wide so the marker ends at x = 181 and lies inside the LCD
# refresh rectangle, whose right edge (182) is exclusive: a full LCD refresh
# then removes a stale marker too.
ALPHA_SIZE = (6, 10)

# LCD glass (inclusive); must hold the whole text area and the alpha marker
LCD_GLASS = (22, 35, 188, 149)

# ---------------------------------------------------------------------------
# Colours
# ---------------------------------------------------------------------------

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
LCD = (184, 196, 164)          # monochrome LCD, greenish grey
LCD_INK = (34, 42, 30)         # "on" pixels of the LCD (selection bar, markers)
LCD_CURSOR = (132, 146, 114)   # cursor cell: a half-tone of the LCD

CASE_EDGE = (18, 18, 21)
CASE_LIGHT = (112, 116, 126)
CASE_DARK = (30, 31, 35)
CASE_FACE = (62, 65, 72)
PLATE = (50, 52, 58)
WELL = (20, 21, 24)

KEY_STYLES = {
    # name: (face, label colour, small-label colour)
    "digit": ((206, 209, 214), (16, 16, 20), (196, 86, 0)),
    "func": ((104, 109, 120), (250, 250, 250), (255, 196, 120)),
    "enter": ((56, 156, 78), (255, 255, 255), None),
    "esc": ((196, 58, 48), (255, 255, 255), None),
    "alpha": ((236, 148, 36), (24, 16, 8), (24, 16, 8)),
}


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def font(name, size):
    return ImageFont.truetype(os.path.join(FONT_DIR, name), size)


F_BIG = font("DejaVuSans-Bold.ttf", 15)
F_ALPHA = font("DejaVuSans-Bold.ttf", 18)
F_WORD = font("DejaVuSansCondensed-Bold.ttf", 10)
F_SMALL = font("DejaVuSansCondensed-Bold.ttf", 8)
F_BRAND = font("DejaVuSans-BoldOblique.ttf", 17)
F_TINY = font("DejaVuSansCondensed-Bold.ttf", 7)
F_LCD = font("DejaVuSansMono-Bold.ttf", 13)

# ---------------------------------------------------------------------------
# Drawing helpers (coordinates in 1x pixels, inclusive boxes)
# ---------------------------------------------------------------------------


def s_box(box, inset=0.0):
    """Inclusive 1x box -> continuous box on the 4x canvas, inset by `inset` px."""
    x0, y0, x1, y1 = box
    return (
        (x0 + inset) * SS,
        (y0 + inset) * SS,
        (x1 + 1 - inset) * SS - 1,
        (y1 + 1 - inset) * SS - 1,
    )


def rrect(d, box, r, fill, inset=0.0):
    b = s_box(box, inset)
    d.rounded_rectangle(b, radius=max(0, r - inset) * SS, fill=fill)


def bevel(d, box, r, light, dark, face, width=1.0, inset=0.0):
    """Raised box: light band top-left, dark band bottom-right."""
    x0, y0, x1, y1 = s_box(box, inset)
    rad = max(0, r - inset) * SS
    w = width * SS
    d.rounded_rectangle((x0, y0, x1, y1), radius=rad, fill=light)
    d.rounded_rectangle((x0 + w, y0 + w, x1, y1), radius=rad, fill=dark)
    d.rounded_rectangle((x0 + w, y0 + w, x1 - w, y1 - w), radius=max(0, rad - w), fill=face)


def vgradient_rrect(img, box, r, top, bottom, inset=0.0):
    """Rounded box filled with a vertical gradient (4x canvas)."""
    x0, y0, x1, y1 = [int(round(v)) for v in s_box(box, inset)]
    w, h = x1 - x0 + 1, y1 - y0 + 1
    grad = Image.new("RGB", (1, h))
    for y in range(h):
        grad.putpixel((0, y), mix(top, bottom, y / max(1, h - 1)))
    grad = grad.resize((w, h))
    mask = Image.new("L", (w, h), 0)
    ImageDraw.Draw(mask).rounded_rectangle(
        (0, 0, w - 1, h - 1), radius=max(0, r - inset) * SS, fill=255)
    img.paste(grad, (x0, y0), mask)


def down(img4):
    return img4.reduce(SS)


# ---------------------------------------------------------------------------
# Picture rectangles of the keys
# ---------------------------------------------------------------------------


def overlaps(a, b):
    return not (a[2] < b[0] or b[2] < a[0] or a[3] < b[1] or b[3] < a[1])


def picture_rects():
    """Picture rectangle (inclusive) of each key.

    A picture starts at its fixed corner and reaches two pixels past the hit
    area on the right and at the bottom; where that would run into a
    neighbouring picture the margin is trimmed (never below the hit area).
    """
    rects = {k: [px, py, min(hx1 + 2, W - 1), min(hy1 + 2, H - 1)]
             for k, (hx0, hx1, hy0, hy1, px, py) in KEYS.items()}

    def trim(a, b):
        """Shrink a so it no longer overlaps b; False when a cannot give way."""
        ra, rb, hit = rects[a], rects[b], KEYS[a]
        if rb[0] > ra[0] and rb[0] - 1 >= hit[1]:
            ra[2] = rb[0] - 1
            return True
        if rb[1] > ra[1] and rb[1] - 1 >= hit[3]:
            ra[3] = rb[1] - 1
            return True
        return False

    changed = True
    while changed:
        changed = False
        for a in sorted(rects):
            for b in sorted(rects):
                if a != b and overlaps(rects[a], rects[b]):
                    if trim(a, b) or trim(b, a):
                        changed = True
                    else:
                        raise AssertionError("keys %d and %d cannot be separated" % (a, b))
    return {k: tuple(v) for k, v in rects.items()}


PICS = picture_rects()


def check_geometry():
    for k, (hx0, hx1, hy0, hy1, px, py) in KEYS.items():
        x0, y0, x1, y1 = PICS[k]
        assert (x0, y0) == (px, py), k
        assert x0 <= hx0 and y0 <= hy0 and x1 >= hx1 and y1 >= hy1, \
            "key %d picture does not cover its hit area" % k
        assert 0 <= x0 and 0 <= y0 and x1 < W and y1 < H, \
            "key %d picture leaves the window" % k
    ks = sorted(PICS)
    for i, a in enumerate(ks):
        for b in ks[i + 1:]:
            assert not overlaps(PICS[a], PICS[b]), \
                "key pictures %d and %d overlap" % (a, b)
    gx0, gy0, gx1, gy1 = LCD_GLASS
    lx0, ly0, lx1, ly1 = LCD_AREA
    assert gx0 < lx0 and gy0 < ly0 and gx1 > lx1 and gy1 > ly1
    ax, ay = ALPHA_POS
    assert ax + ALPHA_SIZE[0] - 1 < lx1 and ay + ALPHA_SIZE[1] - 1 <= ly1
    cx, cy = CLOCKBG_POS
    assert cx + CLOCKBG_SIZE[0] - 1 < gx1 and cy + CLOCKBG_SIZE[1] - 1 < gy1
    # keys must not sit on the LCD
    for k in PICS:
        assert not overlaps(PICS[k], LCD_GLASS)


# ---------------------------------------------------------------------------
# Body
# ---------------------------------------------------------------------------

PLATE_BOX = (11, 192, 198, 438)
BEZEL_BOX = (13, 28, 196, 157)
SCANNER_BOX = (30, 7, 179, 21)


def draw_body4():
    img = Image.new("RGB", (W * SS, H * SS), WHITE)
    d = ImageDraw.Draw(img)

    # case with a slight bevel
    case = (1, 1, W - 2, H - 2)
    rrect(d, case, 26, CASE_EDGE)
    bevel(d, case, 26, CASE_LIGHT, CASE_DARK, CASE_FACE, width=2, inset=1)
    vgradient_rrect(img, case, 26, (70, 73, 81), (56, 58, 65), inset=3)

    # scanner head: dark red exit window across the top
    rrect(d, (22, 3, 187, 25), 8, (44, 46, 52))
    rrect(d, SCANNER_BOX, 5, (12, 6, 8))
    vgradient_rrect(img, SCANNER_BOX, 5, (92, 18, 22), (26, 6, 8), inset=1)
    d.rectangle(s_box((36, 9, 173, 9)), fill=(150, 60, 64))       # glint
    d.rectangle(s_box((40, 14, 169, 14)), fill=(220, 40, 40))     # laser slit
    # status LED right of the window
    d.ellipse(s_box((183, 11, 187, 15)), fill=(10, 10, 10))
    d.ellipse(s_box((183, 11, 187, 15), 0.75), fill=(60, 200, 90))

    # LCD bezel (recessed) and glass
    rrect(d, BEZEL_BOX, 9, (84, 88, 97))
    rrect(d, BEZEL_BOX, 9, (24, 25, 28), inset=1)
    rrect(d, (BEZEL_BOX[0] + 1, BEZEL_BOX[1] + 1, BEZEL_BOX[2] - 1,
              BEZEL_BOX[3] - 1), 8, (36, 37, 42), inset=1)
    gx0, gy0, gx1, gy1 = LCD_GLASS
    d.rectangle(s_box((gx0 - 1, gy0 - 1, gx1 + 1, gy1 + 1)), fill=(14, 15, 16))
    d.rectangle(s_box(LCD_GLASS), fill=LCD)
    # inner shadow along the top and left edges of the glass, outside the text area
    d.rectangle(s_box((gx0, gy0, gx1, gy0 + 1)), fill=mix(LCD, BLACK, 0.22))
    d.rectangle(s_box((gx0, gy0, gx0 + 1, gy1)), fill=mix(LCD, BLACK, 0.22))
    d.rectangle(s_box((gx0 + 2, gy0 + 2, gx1, gy0 + 2)), fill=mix(LCD, BLACK, 0.10))
    d.rectangle(s_box((gx0 + 2, gy0 + 2, gx0 + 2, gy1)), fill=mix(LCD, BLACK, 0.10))

    # keypad plate
    rrect(d, PLATE_BOX, 14, (34, 35, 40))
    rrect(d, PLATE_BOX, 14, (78, 82, 90), inset=0)
    rrect(d, (PLATE_BOX[0], PLATE_BOX[1], PLATE_BOX[2], PLATE_BOX[3]), 14,
          (30, 31, 35), inset=0.5)
    rrect(d, (PLATE_BOX[0] + 1, PLATE_BOX[1] + 1, PLATE_BOX[2], PLATE_BOX[3]), 13,
          (74, 78, 86), inset=0.5)
    rrect(d, (PLATE_BOX[0] + 1, PLATE_BOX[1] + 1, PLATE_BOX[2] - 1,
              PLATE_BOX[3] - 1), 13, PLATE, inset=0.5)

    # speaker grille between the two ENTER keys
    for i in range(5):
        y = 207 + i * 5
        rrect(d, (88, y, 121, y + 1), 1, (24, 25, 28))
        d.rectangle(s_box((89, y + 2, 120, y + 2)), fill=(64, 67, 74))

    # key wells
    for k, (hx0, hx1, hy0, hy1, px, py) in KEYS.items():
        x0, y0, x1, y1 = PICS[k]
        well = (max(x0, hx0 - 1), max(y0, hy0 - 1), min(x1, hx1 + 1), min(y1, hy1 + 1))
        rrect(d, well, 6, WELL)

    # bottom: strap slot
    rrect(d, (88, 448, 121, 452), 2, (22, 23, 26))
    return img


def draw_body_text(img):
    d = ImageDraw.Draw(img)
    # brand label between the LCD and the keypad
    cx = W // 2
    d.text((cx + 1, 176), "Q700", font=F_BRAND, fill=(20, 20, 24), anchor="mm")
    d.text((cx, 175), "Q700", font=F_BRAND, fill=(226, 229, 235), anchor="mm")
    # small barcode mark left of the brand
    x = 44
    for i, wdt in enumerate([2, 1, 1, 3, 1, 2, 1, 1, 2, 1, 3, 1, 1, 2]):
        if i % 2 == 0:
            d.rectangle((x, 169, x + wdt - 1, 181), fill=(200, 203, 210))
        x += wdt
    # red scan line right of the brand
    d.rectangle((145, 175, 166, 175), fill=(222, 52, 52))
    d.rectangle((145, 174, 166, 174), fill=(140, 50, 54))
    d.text((cx, 444), "BARCODE DATA TERMINAL", font=F_TINY,
           fill=(140, 145, 155), anchor="mm")
    return img


# ---------------------------------------------------------------------------
# Keys
# ---------------------------------------------------------------------------

KEY_LABELS = {
    # key: (style, big label, small label)
    1: ("digit", "1", "SP"),
    2: ("digit", "2", "ABC"),
    3: ("digit", "3", "DEF"),
    4: ("digit", "4", "GHI"),
    5: ("digit", "5", "JKL"),
    6: ("digit", "6", "MNO"),
    7: ("digit", "7", "PQRS"),
    8: ("digit", "8", "TUV"),
    9: ("digit", "9", "WXYZ"),
    10: ("alpha", "\u03b1", ""),
    11: ("digit", "0", "/*"),
    12: ("func", "MENU", None),
    13: ("digit", "\u2212", "+$"),
    14: ("func", "UP", None),
    15: ("func", "DOWN", None),
    16: ("digit", ".", "%#"),
    17: ("esc", "ESC", None),
    18: ("func", "BS", None),
    19: ("enter", "ENT", None),
    20: ("enter", "ENT", None),
}


def cap_box(k, pressed):
    """Key cap rectangle in picture-local 1x coordinates (inclusive)."""
    hx0, hx1, hy0, hy1, px, py = KEYS[k]
    x0, y0, x1, y1 = hx0 - px, hy0 - py, hx1 - px, hy1 - py
    if pressed:
        x0, y0, x1, y1 = x0 + 1, y0 + 1, x1 + 1, y1 + 1
    return (x0, y0, x1, y1)


def draw_key(body4, k, pressed):
    style, big, small = KEY_LABELS[k]
    face, ink, ink2 = KEY_STYLES[style]
    x0, y0, x1, y1 = PICS[k]
    img4 = body4.crop((x0 * SS, y0 * SS, (x1 + 1) * SS, (y1 + 1) * SS))
    d = ImageDraw.Draw(img4)
    box = cap_box(k, pressed)
    r = 6
    if not pressed:
        # drop shadow into the well, cap outline, raised bevel, lit face
        rrect(d, (box[0] + 1, box[1] + 1, box[2] + 1, box[3] + 1), r, (8, 8, 10))
        rrect(d, box, r, mix(face, BLACK, 0.62))
        bevel(d, box, r, mix(face, WHITE, 0.45), mix(face, BLACK, 0.40),
              face, width=1.25, inset=0.75)
        vgradient_rrect(img4, box, r, mix(face, WHITE, 0.16), mix(face, BLACK, 0.06),
                        inset=2.25)
    else:
        # pushed in: darker face, shadow on the top-left edge, no drop shadow
        pf = mix(face, BLACK, 0.24)
        rrect(d, box, r, mix(face, BLACK, 0.70))
        bevel(d, box, r, mix(pf, BLACK, 0.45), mix(pf, WHITE, 0.18),
              pf, width=1.25, inset=0.75)
        vgradient_rrect(img4, box, r, mix(pf, BLACK, 0.08), pf, inset=2.25)
    img = down(img4)
    draw_key_label(img, k, box, ink, ink2, pressed)
    return img


def draw_arrow(d, cx, cy, up, colour):
    h, hw = 6, 7
    if up:
        pts = [(cx - hw, cy + h // 2), (cx + hw, cy + h // 2), (cx, cy - h // 2 - 1)]
    else:
        pts = [(cx - hw, cy - h // 2), (cx + hw, cy - h // 2), (cx, cy + h // 2 + 1)]
    d.polygon(pts, fill=colour)


def draw_key_label(img, k, box, ink, ink2, pressed):
    d = ImageDraw.Draw(img)
    style, big, small = KEY_LABELS[k]
    bx0, by0, bx1, by1 = box
    cx = (bx0 + bx1 + 1) / 2.0
    cy = (by0 + by1 + 1) / 2.0
    if k in (14, 15):
        draw_arrow(d, int(cx), int(cy), k == 14, ink)
        return
    if k == 18:
        # left arrow followed by "BS"
        ax = int(cx) - 13
        ay = int(cy)
        d.polygon([(ax - 4, ay), (ax + 1, ay - 5), (ax + 1, ay + 5)], fill=ink)
        d.rectangle((ax + 1, ay - 1, ax + 7, ay + 1), fill=ink)
        d.text((cx + 5, cy), "BS", font=F_WORD, fill=ink, anchor="mm")
        return
    if not small and k != 10:
        d.text((cx, cy), big, font=F_WORD, fill=ink, anchor="mm")
        return
    if k == 10:
        d.text((cx, cy - 1), big, font=F_ALPHA, fill=ink, anchor="mm")
        return
    # digit-like keys: the digit large on the left, the alpha letters small on the right
    d.text((bx0 + 11, cy), big, font=F_BIG, fill=ink, anchor="mm")
    f = F_SMALL if len(small) < 4 else F_TINY
    d.text((bx1 - 12, cy + 1), small, font=f, fill=ink2, anchor="mm")


# ---------------------------------------------------------------------------
# LCD bitmaps
# ---------------------------------------------------------------------------


def make_cursor():
    img = Image.new("RGB", CURSOR_SIZE, LCD_CURSOR)
    d = ImageDraw.Draw(img)
    w, h = CURSOR_SIZE
    d.rectangle((0, h - 1, w - 1, h - 1), fill=LCD_INK)
    return img


def make_selbar():
    return Image.new("RGB", SELBAR_SIZE, LCD_INK)


def make_clockbg():
    return Image.new("RGB", CLOCKBG_SIZE, LCD)


ALPHA_GLYPH = [
    ".##.",
    "#..#",
    "#..#",
    "####",
    "#..#",
    "#..#",
]


def make_alpha(on):
    img = Image.new("RGB", ALPHA_SIZE, LCD)
    if on:
        d = ImageDraw.Draw(img)
        w, h = ALPHA_SIZE
        d.rectangle((0, 0, w - 1, h - 1), fill=LCD_INK)
        for y, row in enumerate(ALPHA_GLYPH):
            for x, c in enumerate(row):
                if c == "#":
                    img.putpixel((1 + x, 2 + y), LCD)
    return img


# ---------------------------------------------------------------------------
# Icon and cursor files
# ---------------------------------------------------------------------------


def dib_32(img):
    """BITMAPINFOHEADER + 32-bit BGRA rows (bottom-up) + AND mask, for .ico."""
    img = img.convert("RGBA")
    w, h = img.size
    hdr = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    px = img.load()
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = px[x, y]
            xor += bytes((b, g, r, a))
    stride = ((w + 31) // 32) * 4
    andm = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            if px[x, y][3] < 128:
                row[x // 8] |= 0x80 >> (x % 8)
        andm += row
    return hdr + bytes(xor) + bytes(andm)


def write_ico(path, images):
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for img in images:
        blob = dib_32(img)
        w, h = img.size
        entries.append(struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32,
                                   len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(images)))
        for e in entries:
            f.write(e)
        for b in blobs:
            f.write(b)


def write_cur_mono(path, rows, hotspot):
    """Monochrome 32x32 cursor: '#' black, '.' white, ' ' transparent."""
    w = h = 32
    grid = [row.ljust(w)[:w] for row in rows] + [" " * w] * (h - len(rows))
    stride = 4
    xor, andm = bytearray(), bytearray()
    for y in range(h - 1, -1, -1):
        xr, ar = bytearray(stride), bytearray(stride)
        for x, c in enumerate(grid[y]):
            bit = 0x80 >> (x % 8)
            if c == " ":
                ar[x // 8] |= bit
            elif c == ".":
                xr[x // 8] |= bit
        xor += xr
        andm += ar
    hdr = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 1, 0,
                      len(xor) + len(andm), 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    blob = hdr + palette + bytes(xor) + bytes(andm)
    hx, hy = hotspot
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 2, 1))
        f.write(struct.pack("<BBBBHHII", w, h, 0, 0, hx, hy, len(blob), 22))
        f.write(blob)


HAND = [
    "     ##",
    "    #..#",
    "    #..#",
    "    #..#",
    "    #..#",
    "    #..###",
    "    #..#..###",
    "    #..#..#..##",
    "    #..#..#..#.#",
    "### #..#..#..#..#",
    "#..##..#..#..#..#",
    "#...#........#..#",
    " #..#...........#",
    "  #.#...........#",
    "  #.............#",
    "   #............#",
    "   #...........#",
    "    #..........#",
    "    #.........#",
    "     #........#",
    "     #........#",
    "     ##########",
]
HAND_HOTSPOT = (5, 0)


def make_icon(size):
    s = size * SS
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)

    def b(x0, y0, x1, y1):
        return (x0 * s, y0 * s, x1 * s, y1 * s)

    if size >= 32:
        # terminal body
        d.rounded_rectangle(b(0.18, 0.02, 0.82, 0.98), radius=0.12 * s, fill=(18, 18, 22, 255))
        d.rounded_rectangle(b(0.21, 0.04, 0.79, 0.96), radius=0.10 * s, fill=(70, 74, 84, 255))
        d.rectangle(b(0.30, 0.06, 0.70, 0.10), fill=(150, 24, 28, 255))
        # LCD with a barcode
        d.rectangle(b(0.26, 0.14, 0.74, 0.52), fill=(14, 15, 16, 255))
        d.rectangle(b(0.28, 0.16, 0.72, 0.50), fill=LCD + (255,))
        bars = [2, 1, 1, 2, 1, 3, 1, 1, 2, 1, 1, 2, 3, 1, 1, 2]
        total = sum(bars)
        x = 0.32
        for i, wd in enumerate(bars):
            ww = 0.36 * wd / total
            if i % 2 == 0:
                d.rectangle(b(x, 0.20, x + ww, 0.46), fill=LCD_INK + (255,))
            x += ww
        # keypad
        for r in range(4):
            for c in range(3):
                x0 = 0.27 + c * 0.16
                y0 = 0.58 + r * 0.09
                d.rounded_rectangle(b(x0, y0, x0 + 0.13, y0 + 0.065), radius=0.015 * s,
                                    fill=(210, 213, 218, 255))
        img = img.reduce(SS)
    else:
        img = Image.new("RGBA", (16, 16), (0, 0, 0, 0))
        d = ImageDraw.Draw(img)
        key = (210, 213, 218, 255)
        d.rectangle((2, 0, 13, 15), fill=(18, 18, 22, 255))
        d.rectangle((3, 1, 12, 14), fill=(70, 74, 84, 255))
        d.point([(2, 0), (13, 0), (2, 15), (13, 15)], fill=(0, 0, 0, 0))
        d.rectangle((5, 1, 10, 1), fill=(190, 30, 34, 255))
        d.rectangle((3, 2, 12, 8), fill=(14, 15, 16, 255))
        d.rectangle((4, 3, 11, 7), fill=LCD + (255,))
        for x in (5, 7, 8, 10):
            d.line((x, 3, x, 7), fill=LCD_INK + (255,))
        for y in (10, 12):
            for x in (4, 7, 10):
                d.rectangle((x, y, x + 1, y), fill=key)
        d.rectangle((4, 14, 11, 14), fill=key)
    return img


def make_phone_icon(size):
    """A desk telephone: the handset resting on a base with a round dial."""
    s = size * SS
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)

    def b(x0, y0, x1, y1):
        return (x0 * s, y0 * s, x1 * s, y1 * s)

    ink = (28, 30, 34, 255)
    body = (54, 58, 66, 255)
    dial = (228, 230, 234, 255)
    # handset: a bar with an ear piece and a mouth piece hanging down at its ends
    d.rounded_rectangle(b(0.06, 0.10, 0.94, 0.30), radius=0.09 * s, fill=ink)
    d.rounded_rectangle(b(0.04, 0.18, 0.30, 0.42), radius=0.07 * s, fill=ink)
    d.rounded_rectangle(b(0.70, 0.18, 0.96, 0.42), radius=0.07 * s, fill=ink)
    # base: a trapezoid widening towards the desk
    d.polygon([b(0.28, 0.36, 0, 0)[:2], b(0.72, 0.36, 0, 0)[:2],
               b(0.94, 0.92, 0, 0)[:2], b(0.06, 0.92, 0, 0)[:2]], fill=ink)
    d.polygon([b(0.32, 0.41, 0, 0)[:2], b(0.68, 0.41, 0, 0)[:2],
               b(0.87, 0.86, 0, 0)[:2], b(0.13, 0.86, 0, 0)[:2]], fill=body)
    # dial with its finger holes
    d.ellipse(b(0.31, 0.46, 0.69, 0.84), fill=dial)
    d.ellipse(b(0.43, 0.58, 0.57, 0.72), fill=ink)
    if size >= 32:
        import math
        for i in range(8):
            a = math.radians(120 + i * 36)
            cx, cy = 0.5 + 0.13 * math.cos(a), 0.65 + 0.13 * math.sin(a)
            d.ellipse(b(cx - 0.025, cy - 0.025, cx + 0.025, cy + 0.025), fill=body)
    return img.reduce(SS)


# ---------------------------------------------------------------------------
# Previews
# ---------------------------------------------------------------------------


def lcd_text(d, x, y, text, colour):
    """Approximation of the 8x16 display font for the previews."""
    for i, ch in enumerate(text):
        d.text((x + 8 * i, y + 13), ch, font=F_LCD, fill=colour, anchor="ls")


def compose(body, keys, parts):
    img = body.copy()
    for k, key_img in keys.items():
        img.paste(key_img, PICS[k][:2])
    d = ImageDraw.Draw(img)
    lines = ["1.Collect", "2.Upload", "3.Utilities", "", ""]
    selected = 1
    for i, text in enumerate(lines):
        y = LCD_TEXT_Y + 17 * i
        if i + 1 == selected:
            img.paste(parts["selbar"], (LCD_TEXT_X, y + 2))
            lcd_text(d, LCD_TEXT_X, y, text, WHITE)
        else:
            lcd_text(d, LCD_TEXT_X, y, text, BLACK)
    img.paste(parts["clockbg"], CLOCKBG_POS)
    lcd_text(d, CLOCK_TEXT_POS[0], CLOCK_TEXT_POS[1], "MAR05 09:07 0012", BLACK)
    return img


def compose_form(body, keys, parts):
    """Form entry screen (12-pixel pitch, cursor cell, alpha marker) for checking."""
    img = body.copy()
    for k, key_img in keys.items():
        img.paste(key_img, PICS[k][:2])
    d = ImageDraw.Draw(img)
    lines = ["Item:12345", "Qty:7", "Loc:A", "Code:", "", "", "", "Note:"]
    col, row = 6, 2
    img.paste(parts["cursor"], (9 * col + 29, 12 * row + 43))
    img.paste(parts["alpha_on"], ALPHA_POS)
    for i, text in enumerate(lines):
        lcd_text(d, LCD_TEXT_X, LCD_TEXT_Y + 12 * i, text, BLACK)
    lcd_text(d, 9 * col + 29, 12 * row + 43 - 1, "B", BLACK)
    return img


# ---------------------------------------------------------------------------


def save_bmp(img, name):
    path = os.path.join(OUT, name)
    img.convert("RGB").save(path, "BMP")
    return path


def main():
    check_geometry()
    os.makedirs(OUT, exist_ok=True)

    body4 = draw_body4()
    body = draw_body_text(down(body4))
    save_bmp(body, "body.bmp")

    released, pressed = {}, {}
    for k in sorted(KEYS):
        released[k] = draw_key(body4, k, False)
        pressed[k] = draw_key(body4, k, True)
        x0, y0, x1, y1 = PICS[k]
        assert released[k].size == (x1 - x0 + 1, y1 - y0 + 1)
        save_bmp(released[k], "key%02d.bmp" % k)
        save_bmp(pressed[k], "key%02dp.bmp" % k)

    parts = {
        "cursor": make_cursor(),
        "selbar": make_selbar(),
        "clockbg": make_clockbg(),
        "alpha_on": make_alpha(True),
        "alpha_off": make_alpha(False),
    }
    save_bmp(parts["cursor"], "cursor.bmp")
    save_bmp(parts["selbar"], "selbar.bmp")
    save_bmp(parts["clockbg"], "clockbg.bmp")
    save_bmp(parts["alpha_on"], "alpha_on.bmp")
    save_bmp(parts["alpha_off"], "alpha_off.bmp")

    # the erase bitmaps must match the LCD of the body exactly
    assert body.getpixel(CLOCKBG_POS) == LCD
    assert body.getpixel((CLOCKBG_POS[0] + CLOCKBG_SIZE[0] - 1,
                          CLOCKBG_POS[1] + CLOCKBG_SIZE[1] - 1)) == LCD
    assert body.getpixel(ALPHA_POS) == LCD
    lx0, ly0, lx1, ly1 = LCD_AREA
    for y in range(ly0, ly1 + 1):
        for x in range(lx0, lx1 + 1):
            assert body.getpixel((x, y)) == LCD, (x, y)

    write_ico(os.path.join(OUT, "TPQ700.ico"), [make_icon(s) for s in (16, 32, 48)])
    write_ico(os.path.join(OUT, "phone.ico"), [make_phone_icon(s) for s in (16, 32)])
    write_cur_mono(os.path.join(OUT, "hand.cur"), HAND, HAND_HOTSPOT)
    assert HAND[HAND_HOTSPOT[1]][HAND_HOTSPOT[0]] == "#"

    compose(body, released, parts).save(os.path.join(OUT, "preview.png"))
    compose(body, pressed, parts).save(os.path.join(OUT, "preview_pressed.png"))
    return body, released, pressed, parts


if __name__ == "__main__":
    main()
