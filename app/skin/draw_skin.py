#!/usr/bin/env python3
"""Draws the program's skin into a folder: its description (skin.ini) and its
pictures (24-bit BMP files), ready for skinpack; beside them the tool buttons'
glyphs (one BMP each, magenta where transparent, the normal frame and then the
disabled one) and the program icon.

Every rectangle of the description is computed here from the same layout that
the pictures are drawn from, so the two always agree.

usage: draw_skin.py FOLDER
"""
import math
import os
import struct
import sys

# The palette of the skin: deep blue steel with a warm accent.
DARK = (28, 36, 58)
MID = (52, 66, 102)
LIGHT = (118, 138, 186)
FACE = (214, 220, 232)
FACE_HOT = (232, 238, 250)
FACE_DOWN = (176, 188, 212)
ACCENT = (240, 150, 40)
WHITE = (255, 255, 255)
TEXT = (20, 24, 36)
MAGENTA = (255, 0, 255)


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def bgr_int(c):
    """A colour as the description writes it: a TColor, 0x00BBGGRR."""
    return c[0] | c[1] << 8 | c[2] << 16


class Picture:
    def __init__(self, width, height, fill=(0, 0, 0)):
        self.width, self.height = width, height
        self.pixels = [[fill] * width for _ in range(height)]

    def put(self, x, y, c):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = c

    def fill(self, rect, c):
        l, t, r, b = rect
        for y in range(t, b):
            for x in range(l, r):
                self.put(x, y, c)

    def vgradient(self, rect, top, bottom):
        l, t, r, b = rect
        for y in range(t, b):
            c = mix(top, bottom, (y - t) / max(1, b - t - 1))
            for x in range(l, r):
                self.put(x, y, c)

    def frame(self, rect, light, dark):
        l, t, r, b = rect
        for x in range(l, r):
            self.put(x, t, light)
            self.put(x, b - 1, dark)
        for y in range(t, b):
            self.put(l, y, light)
            self.put(r - 1, y, dark)

    def bevel(self, rect, top, bottom, light, dark):
        self.vgradient(rect, top, bottom)
        self.frame(rect, light, dark)

    def save(self, path):
        row_bytes = (self.width * 3 + 3) // 4 * 4
        data = bytearray()
        for row in reversed(self.pixels):
            line = bytearray()
            for (r, g, b) in row:
                line += bytes((b, g, r))
            line += bytes(row_bytes - len(line))
            data += line
        info = struct.pack('<IiiHHIIiiII', 40, self.width, self.height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        head = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(data), 0, 0, 14 + len(info))
        with open(path, 'wb') as f:
            f.write(head + info + data)


def rect_text(r):
    return '%d,%d,%d,%d' % r


def point_text(p):
    return '%d,%d' % p


def offset(r, dx, dy):
    return (r[0] + dx, r[1] + dy, r[2] + dx, r[3] + dy)


# ---------------------------------------------------------------- window frame
FW, FH = 240, 150        # the frame picture
TITLE = 28               # height of the title bar
BORDER = 4
CLIENT = (BORDER, TITLE, FW - BORDER, FH - BORDER)
BUTTON_W, BUTTON_H = 20, 18
# Frame buttons from the right: close, maximize, minimize, roll-up. Their looks
# lie in the control picture, not in the frame picture, which shows plain title
# bar where they go: the engine lays out the buttons a window has, and a button
# the window lacks (a dialog's maximize) leaves no trace.
FRAME_BUTTONS = ['close', 'maximize', 'minimize', 'rollup']
BUTTON_GAP = 2
CORNER_L, CORNER_R = 124, 130   # the frame's corner points: what lies between them grows
# The window's icon in the title bar, which opens the system menu. It too is a
# button with its look in the control picture: a window without a system menu
# shows none.
ICON = (8, 6, 24, 22)
# The row of the title bar that the engine lays the buttons out in: the icon at
# its left end (centred in its height), the others from its right end leftwards.
CAPTION_ROW = (ICON[0], 5, FW - 8, 5 + BUTTON_H)


def frame_button_rect(i):
    """Where button i of FRAME_BUTTONS stands in a window that has them all."""
    right = CAPTION_ROW[2] - i * (BUTTON_W + BUTTON_GAP)
    return (right - BUTTON_W, CAPTION_ROW[1], right, CAPTION_ROW[1] + BUTTON_H)


BUTTONS_RECT = (frame_button_rect(len(FRAME_BUTTONS) - 1)[0], 5, FW - 8, 5 + BUTTON_H)
CAPTION_INDENT = 4       # from the icon (or the caption's left end) to the text
# Where the caption text stands in a window with its icon.
CAPTION = (ICON[2] + CAPTION_INDENT, 4, 120, 24)
# The caption object takes the title bar from the icon to the buttons, and
# stretches with the window (its right end lies right of the corner points), so
# that a press anywhere there moves the window. The engine moves its ends to the
# icon and to the buttons the window shows.
CAPTION_OBJECT = (ICON[0], CAPTION[1], BUTTONS_RECT[0], TITLE - 1)


def title_colour(y):
    """The title bar's colour on row y of the frame."""
    return mix(LIGHT, MID, y / max(1, TITLE - 1))


def draw_frame_glyph(pic, rect, kind, colour, back=MID):
    l, t, r, b = rect
    cx, cy = (l + r) // 2, (t + b) // 2
    if kind == 'close':
        for d in range(-4, 5):
            for w in (0, 1):
                pic.put(cx + d + w, cy + d, colour)
                pic.put(cx - d + w, cy + d, colour)
    elif kind == 'maximize':
        pic.frame((cx - 5, cy - 4, cx + 6, cy + 5), colour, colour)
        pic.fill((cx - 5, cy - 4, cx + 6, cy - 2), colour)
    elif kind == 'minimize':
        pic.fill((cx - 5, cy + 2, cx + 5, cy + 4), colour)
    elif kind == 'rollup':
        for d in range(0, 5):
            pic.fill((cx - d, cy - 2 + d, cx + d + 1, cy - 1 + d), colour)
    elif kind == 'rolldown':
        for d in range(0, 5):
            pic.fill((cx - d, cy + 2 - d, cx + d + 1, cy + 3 - d), colour)
    elif kind == 'restore':
        # Two windows, the front one lower left.
        pic.frame((cx - 2, cy - 5, cx + 6, cy + 2), colour, colour)
        pic.fill((cx - 2, cy - 5, cx + 6, cy - 3), colour)
        pic.fill((cx - 6, cy - 1, cx + 2, cy + 6), back)
        pic.frame((cx - 6, cy - 1, cx + 2, cy + 6), colour, colour)
        pic.fill((cx - 6, cy - 1, cx + 2, cy + 1), colour)


def draw_frame_button(pic, rect, kind, face_top, face_bottom, glyph):
    pic.bevel(rect, face_top, face_bottom, LIGHT, DARK)
    draw_frame_glyph(pic, rect, kind, glyph, mix(face_top, face_bottom, 0.6))


def draw_frame():
    pic = Picture(FW, FH, FACE)
    for y in range(TITLE):
        pic.fill((0, y, FW, y + 1), title_colour(y))
    pic.vgradient((0, TITLE, FW, FH), MID, DARK)
    pic.fill(CLIENT, FACE)
    pic.frame((0, 0, FW, FH), LIGHT, DARK)
    pic.frame((CLIENT[0] - 1, CLIENT[1] - 1, CLIENT[2] + 1, CLIENT[3] + 1), DARK, LIGHT)
    return pic


def draw_icon(pic, left, top):
    """The window's icon, a small disc on the title bar, with its top-left corner
    at (left, top) of pic."""
    w, h = ICON[2] - ICON[0], ICON[3] - ICON[1]
    cx, cy = (w - 1) / 2, (h - 1) / 2
    for y in range(h):
        for x in range(w):
            d = math.hypot(x - cx, y - cy)
            if 2.2 < d < 7.8:
                c = mix(WHITE, ACCENT, (math.sin(math.atan2(y - cy, x - cx) * 2) + 1) / 4)
            else:
                c = title_colour(ICON[1] + y)
            pic.put(left + x, top + y, c)


def draw_mask():
    """Black inside: the window with its two top corners rounded."""
    pic = Picture(FW, FH, (0, 0, 0))
    for (cx, xs) in ((4, range(0, 4)), (FW - 5, range(FW - 4, FW))):
        for y in range(0, 4):
            for x in xs:
                if math.hypot(x - cx, y - 4) > 4.2:
                    pic.put(x, y, WHITE)
    return pic


# ------------------------------------------------------------- control picture
CW, CH = 256, 340
SCROLL = 19                      # thickness of the scroll bars, as the controls make them
# Frame button looks: active ones on the first row, pressed ones under them; the
# normal ones right of the active ones, and the icon right of the pressed ones.
FRAME_ACTIVE_Y, FRAME_DOWN_Y = 0, 20
FRAME_NORMAL_X = len(FRAME_BUTTONS) * (BUTTON_W + BUTTON_GAP)
ICON_LOOK = (FRAME_NORMAL_X, FRAME_DOWN_Y, FRAME_NORMAL_X + ICON[2] - ICON[0], FRAME_DOWN_Y + ICON[3] - ICON[1])
PUSH = (0, 40, 60, 62)           # text buttons: normal, active, down side by side
PANEL = (0, 66, 48, 102)
CONTROLBAR = (52, 66, 116, 110)
GAUGE = (0, 112, 120, 125)       # as high as the gauge inside its 15-pixel panel
GAUGE_BAR = (0, 130, 116, 141)
EDIT = (0, 146, 100, 168)
EDIT_BUTTON = (100, 146, 122, 168)
EDIT_BUTTON_HOT = (132, 168, 154, 190)
EDIT_BUTTON_DOWN = (156, 168, 178, 190)
HEADER = (124, 146, 164, 166)     # header sections: normal, active and down side by side
HSCROLL = (0, 172, 100, 172 + SCROLL)
HTHUMB = (100, 172, 130, 172 + SCROLL)
VSCROLL = (CW - SCROLL, 0, CW, 100)
VTHUMB = (CW - SCROLL, 100, CW, 130)
BOTHHSCROLL = (0, 258, 100 + SCROLL, 258 + SCROLL)   # a horizontal bar with the corner square
SCROLL_HOT_Y, SCROLL_DOWN_Y = 280, 300               # arrow buttons under the mouse and pressed
MENUBAR = (0, 192, 120, 214)
MENU_ITEM_NORMAL = (120, 192, 160, 214)  # an item of the menu bar
MENU_ITEM_HOT = (160, 192, 200, 214)
MENU_ITEM_DOWN = (200, 192, 240, 214)
MENU_ROW = (0, 216, 60, 236)             # a row of a popup menu, with its glyph column
MENU_ROW_ACTIVE = (64, 216, 124, 236)
MENU_DIVIDER = (128, 216, 188, 223)
MENU_GUTTER = 18


def frame_active_rect(i):
    x = i * (BUTTON_W + BUTTON_GAP)
    return (x, FRAME_ACTIVE_Y, x + BUTTON_W, FRAME_ACTIVE_Y + BUTTON_H)


def frame_normal_rect(i):
    return offset(frame_active_rect(i), FRAME_NORMAL_X, 0)


def frame_down_rect(i):
    return offset(frame_active_rect(i), 0, FRAME_DOWN_Y - FRAME_ACTIVE_Y)


# The looks of the buttons whose window is in the state they undo: maximize of a
# maximized window (restore), minimize of a minimized one (restore), roll-up of a
# rolled-up one (roll down). One row: the normal looks, the active ones, the
# pressed ones.
RESTORING = {'maximize': 'restore', 'minimize': 'restore', 'rollup': 'rolldown'}
FRAME_RESTORE_Y = 320
FRAME_LOOKS = ['normal', 'active', 'down']


def frame_restore_rect(kind, look='normal'):
    i = FRAME_LOOKS.index(look) * len(RESTORING) + list(RESTORING).index(kind)
    x = i * (BUTTON_W + BUTTON_GAP)
    return (x, FRAME_RESTORE_Y, x + BUTTON_W, FRAME_RESTORE_Y + BUTTON_H)


# Arrow buttons of the scroll bars, by the way they point.
ARROWS = ['left', 'right', 'up', 'down']


def scroll_button_rect(y, kind):
    i = ARROWS.index(kind)
    return (i * SCROLL, y, (i + 1) * SCROLL, y + SCROLL)


def draw_arrow(pic, rect, kind, colour):
    l, t, r, b = rect
    cx, cy = (l + r) // 2, (t + b) // 2
    for d in range(4):
        if kind == 'up':
            pic.fill((cx - d, cy - 2 + d, cx + d + 1, cy - 1 + d), colour)
        elif kind == 'down':
            pic.fill((cx - d, cy + 1 - d, cx + d + 1, cy + 2 - d), colour)
        elif kind == 'left':
            pic.fill((cx - 2 + d, cy - d, cx - 1 + d, cy + d + 1), colour)
        else:
            pic.fill((cx + 1 - d, cy - d, cx + 2 - d, cy + d + 1), colour)


def draw_scroll_button(pic, rect, kind, look='normal'):
    top, bottom, light, dark, ink = {'normal': (FACE_HOT, FACE, WHITE, MID, DARK),
                                     'hot': (WHITE, FACE_HOT, WHITE, LIGHT, MID),
                                     'down': (FACE_DOWN, FACE, MID, WHITE, DARK)}[look]
    pic.bevel(rect, top, bottom, light, dark)
    draw_arrow(pic, rect, kind, ink)


def draw_thumb(pic, rect, vertical):
    """A thumb whose shading runs across the bar, so that its middle tiles seamlessly
    along it whatever its length."""
    l, t, r, b = rect
    if vertical:
        for x in range(l, r):
            c = mix(LIGHT, MID, (x - l) / max(1, r - l - 1))
            for y in range(t, b):
                pic.put(x, y, c)
    else:
        pic.vgradient(rect, LIGHT, MID)
    pic.frame(rect, FACE_HOT, DARK)


def draw_controls():
    pic = Picture(CW, CH, FACE)
    # Buttons: a plate that glows when hot and sinks when pressed.
    for i, (top, bottom, light, dark) in enumerate(((FACE_HOT, FACE_DOWN, WHITE, MID),
                                                     (WHITE, FACE_HOT, WHITE, LIGHT),
                                                     (FACE_DOWN, FACE, MID, WHITE))):
        r = offset(PUSH, i * 62, 0)
        pic.bevel(r, top, bottom, light, dark)
    pic.bevel(PANEL, FACE, FACE_DOWN, WHITE, LIGHT)
    pic.vgradient(CONTROLBAR, FACE_HOT, FACE_DOWN)
    pic.frame(CONTROLBAR, WHITE, LIGHT)
    # Gauge: a sunken trough and a bar with a bright band.
    pic.fill(GAUGE, WHITE)
    pic.frame(GAUGE, MID, FACE_HOT)
    l, t, r, b = GAUGE_BAR
    for y in range(t, b):
        k = (y - t) / (b - t - 1)
        c = mix(mix(ACCENT, WHITE, 0.45), ACCENT, abs(k - 0.3) * 1.4)
        for x in range(l, r):
            pic.put(x, y, c)
    # Edit box and its browse button.
    pic.fill(EDIT, WHITE)
    pic.frame(EDIT, MID, FACE_HOT)
    for rect, top, bottom, light, dark in ((EDIT_BUTTON, FACE_HOT, FACE_DOWN, WHITE, MID),
                                           (EDIT_BUTTON_HOT, WHITE, FACE_HOT, WHITE, LIGHT),
                                           (EDIT_BUTTON_DOWN, FACE_DOWN, FACE, MID, WHITE)):
        pic.bevel(rect, top, bottom, light, dark)
        cx, y = (rect[0] + rect[2]) // 2, rect[1] + 14
        for dx in (-4, 0, 4):
            pic.fill((cx + dx - 1, y, cx + dx + 1, y + 2), DARK)
    for i, (top, bottom) in enumerate(((FACE_HOT, FACE_DOWN), (WHITE, FACE_HOT), (FACE_DOWN, FACE))):
        pic.bevel(offset(HEADER, 42 * i, 0), top, bottom, WHITE, LIGHT)
    # Scroll bars: arrow buttons at the ends, a sunken track and a thumb.
    for bar, vertical in ((HSCROLL, False), (VSCROLL, True), (BOTHHSCROLL, False)):
        pic.fill(bar, FACE_DOWN)
        l, t, r, b = bar
        if vertical:
            draw_scroll_button(pic, (l, t, r, t + SCROLL), 'up')
            draw_scroll_button(pic, (l, b - SCROLL, r, b), 'down')
        else:
            right = r - SCROLL if bar == BOTHHSCROLL else r
            draw_scroll_button(pic, (l, t, l + SCROLL, b), 'left')
            draw_scroll_button(pic, (right - SCROLL, t, right, b), 'right')
            if bar == BOTHHSCROLL:
                pic.fill((right, t, r, b), FACE)
    draw_thumb(pic, HTHUMB, False)
    draw_thumb(pic, VTHUMB, True)
    for kind in ARROWS:
        draw_scroll_button(pic, scroll_button_rect(SCROLL_HOT_Y, kind), kind, 'hot')
        draw_scroll_button(pic, scroll_button_rect(SCROLL_DOWN_Y, kind), kind, 'down')
    # Menus: the bar and its items; the rows of the popup menus, with a pale
    # column for the check marks and glyphs, and the divider between groups.
    pic.vgradient(MENUBAR, FACE_HOT, FACE)
    pic.vgradient(MENU_ITEM_NORMAL, FACE_HOT, FACE)
    pic.bevel(MENU_ITEM_HOT, WHITE, FACE_HOT, LIGHT, LIGHT)
    pic.bevel(MENU_ITEM_DOWN, MID, LIGHT, DARK, FACE)
    for rect in (MENU_ROW, MENU_DIVIDER):
        pic.fill(rect, WHITE)
        pic.fill((rect[0], rect[1], rect[0] + MENU_GUTTER, rect[3]), FACE_HOT)
    l, t, r, b = MENU_DIVIDER
    pic.fill((l + MENU_GUTTER + 4, (t + b) // 2, r - 4, (t + b) // 2 + 1), LIGHT)
    pic.bevel(MENU_ROW_ACTIVE, MID, mix(MID, DARK, 0.5), LIGHT, DARK)
    for i, kind in enumerate(FRAME_BUTTONS):
        draw_frame_button(pic, frame_active_rect(i), kind, LIGHT, MID, WHITE)
        draw_frame_button(pic, frame_down_rect(i), kind, DARK, MID, ACCENT)
        draw_frame_button(pic, frame_normal_rect(i), kind, MID, DARK, FACE)
    for kind, glyph in RESTORING.items():
        draw_frame_button(pic, frame_restore_rect(kind, 'active'), glyph, LIGHT, MID, WHITE)
        draw_frame_button(pic, frame_restore_rect(kind, 'down'), glyph, DARK, MID, ACCENT)
        draw_frame_button(pic, frame_restore_rect(kind, 'normal'), glyph, MID, DARK, FACE)
    draw_icon(pic, ICON_LOOK[0], ICON_LOOK[1])
    return pic


# --------------------------------------------------- popup and hint windows
# Each window has a picture of its own: its frame is composed from the whole
# picture, so nothing but the frame may lie in it.
POPUP_W, POPUP_H = 64, 40
HINT_W, HINT_H = 40, 24


def draw_popup():
    pic = Picture(POPUP_W, POPUP_H, WHITE)
    pic.frame((0, 0, POPUP_W, POPUP_H), MID, DARK)
    pic.frame((1, 1, POPUP_W - 1, POPUP_H - 1), WHITE, FACE)
    return pic


def draw_hint():
    pic = Picture(HINT_W, HINT_H, (255, 252, 220))
    pic.frame((0, 0, HINT_W, HINT_H), MID, MID)
    return pic


# ------------------------------------------------------------------ glyphs
GLYPHS = ['cddb', 'rip', 'refresh', 'stop', 'selectall', 'deselectall', 'opentray', 'closetray', 'options']
G = 24


def draw_glyph(kind):
    pic = Picture(G, G, MAGENTA)
    ink, accent = DARK, ACCENT

    def disc(cx, cy, radius):
        for y in range(G):
            for x in range(G):
                d = math.hypot(x - cx, y - cy)
                if 2.0 < d < radius:
                    pic.put(x, y, mix(LIGHT, WHITE, (math.sin(math.atan2(y - cy, x - cx) * 2) + 1) / 2))
                elif radius <= d < radius + 1:
                    pic.put(x, y, ink)

    def triangle(cx, top, half, height, colour, down=False):
        for i in range(height):
            w = half * (height - i) // height if not down else half * (i + 1) // height
            y = top + i
            pic.fill((cx - w, y, cx + w + 1, y + 1), colour)

    def check(x0, y0, colour):
        for i in range(4):
            pic.fill((x0 + i, y0 + i, x0 + i + 2, y0 + i + 2), colour)
        for i in range(8):
            pic.fill((x0 + 4 + i, y0 + 3 - i, x0 + 6 + i, y0 + 5 - i), colour)

    if kind == 'cddb':
        disc(10.5, 10.5, 9)
        pic.fill((14, 14, 23, 23), accent)
        pic.frame((14, 14, 23, 23), ink, ink)
        pic.fill((16, 17, 21, 18), WHITE)
        pic.fill((16, 19, 21, 20), WHITE)
    elif kind == 'rip':
        disc(11.5, 9.5, 8)
        pic.fill((15, 12, 19, 18), accent)
        triangle(17, 18, 5, 5, accent, down=False)
    elif kind == 'refresh':
        for a in range(0, 300, 4):
            t = math.radians(a)
            for rr in (7, 8):
                pic.put(int(12 + rr * math.cos(t)), int(12 + rr * math.sin(t)), MID)
        triangle(19, 5, 3, 4, accent)
    elif kind == 'stop':
        pic.fill((5, 5, 19, 19), (200, 40, 40))
        pic.frame((5, 5, 19, 19), ink, ink)
    elif kind in ('selectall', 'deselectall'):
        for row in range(3):
            y = 3 + row * 7
            pic.fill((2, y, 8, y + 6), WHITE)
            pic.frame((2, y, 8, y + 6), ink, ink)
            pic.fill((10, y + 2, 22, y + 4), MID)
            if kind == 'selectall':
                check(2, y, accent)
    elif kind == 'opentray':
        triangle(12, 4, 8, 8, MID)
        pic.fill((4, 15, 21, 19), MID)
    elif kind == 'closetray':
        pic.fill((4, 4, 21, 8), MID)
        triangle(12, 11, 8, 8, MID, down=True)
    elif kind == 'options':
        for y in range(G):
            for x in range(G):
                d = math.hypot(x - 11.5, y - 11.5)
                teeth = 8 + 2 * (math.cos(8 * math.atan2(y - 11.5, x - 11.5)) > 0)
                if 3 < d < teeth:
                    pic.put(x, y, MID)
    pic.put(0, G - 1, MAGENTA)  # the bottom-left pixel names the transparent colour
    return pic


def disabled_colour(c):
    """A glyph's colour on a disabled button: a pale grey of the same lightness."""
    lightness = (c[0] * 299 + c[1] * 587 + c[2] * 114) / 255000
    return mix((150, 156, 168), FACE_HOT, lightness)


def draw_glyph_frames(kind):
    """The glyph as the button takes it: the normal frame, then the disabled one, so
    that a disabled button never looks as if it could be pressed."""
    normal = draw_glyph(kind)
    pic = Picture(2 * G, G, MAGENTA)
    for y in range(G):
        for x in range(G):
            c = normal.pixels[y][x]
            pic.put(x, y, c)
            pic.put(G + x, y, c if c == MAGENTA else disabled_colour(c))
    return pic


# ------------------------------------------------------------------ icon
def icon_pixel(x, y, size):
    c = (size - 1) / 2.0
    r = math.hypot(x - c, y - c) / (size / 2.0)
    if r > 0.96 or r < 0.14:
        return None
    if r > 0.88:
        return DARK
    if r < 0.22:
        return ACCENT
    return mix(LIGHT, WHITE, (math.sin(2 * math.atan2(y - c, x - c)) + 1) / 2)


def write_icon(path):
    images = []
    for size in (32, 16):
        header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        pixels, mask = bytearray(), bytearray()
        mask_row = ((size + 31) // 32) * 4
        for y in reversed(range(size)):
            row_mask = bytearray(mask_row)
            for x in range(size):
                c = icon_pixel(x, y, size)
                if c is None:
                    pixels += bytes((0, 0, 0, 0))
                    row_mask[x // 8] |= 0x80 >> (x % 8)
                else:
                    pixels += bytes((c[2], c[1], c[0], 255))
            mask += row_mask
        images.append((size, header + bytes(pixels) + bytes(mask)))
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    at = 6 + 16 * len(images)
    for size, image in images:
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(image), at)
        at += len(image)
    for _, image in images:
        out += image
    with open(path, 'wb') as f:
        f.write(out)


# ------------------------------------------------------------- description
def description():
    corner_l, corner_r = CORNER_L, CORNER_R
    lines = []
    add = lines.append

    def section(name, **keys):
        add('')
        add('[%s]' % name)
        for k, v in keys.items():
            add('%s=%s' % (k, v))

    add('; The program\'s skin, drawn by draw_skin.py together with its pictures.')
    section('VERSION', skinname='Brenvale', skinauthor='Brenvale', authoremail='', authorurl='',
            skincomments='Drawn at build time')
    section('PICTURES', picture='frame.bmp', mask='frame_mask.bmp', rolluppicture='', rollupmask='',
            activepicturescount=3, **{'0': 'controls.bmp', '1': 'popup.bmp', '2': 'hint.bmp'})
    section('FORMINFO',
            lefttoppoint=point_text((corner_l, CLIENT[1])), righttoppoint=point_text((corner_r, CLIENT[1])),
            leftbottompoint=point_text((corner_l, FH - BORDER)),
            rightbottompoint=point_text((corner_r, FH - BORDER)),
            clientrect=rect_text(CLIENT), bgpictureindex=-1,
            leftstretch=0, rightstretch=0, topstretch=0, bottomstretch=0,
            buttonsrect=rect_text((0, 0, 0, 0)), captionrect=rect_text(CAPTION_ROW), buttonsoffset=BUTTON_GAP,
            buttonsinleft=0, maskrectarea=rect_text((BORDER, BORDER, FW - BORDER, FH - BORDER)),
            hittestlefttoppoint=point_text((corner_l, CLIENT[1])),
            hittestrighttoppoint=point_text((corner_r, CLIENT[1])),
            hittestleftbottompoint=point_text((corner_l, FH - BORDER)),
            hittestrightbottompoint=point_text((corner_r, FH - BORDER)),
            mainmenurect=rect_text((0, 0, 0, 0)), iconrect=rect_text(ICON),
            mainmenupopupup=0, borderwidth=BORDER, autorenderinginactiveimage=1,
            inactiveeffect='iebrightness')
    # The popup menu's frame is 2 pixels wide; the rows fill what lies inside it.
    section('POPUPWINDOW', windowpictureindex=1, maskpictureindex=-1,
            lefttoppoint='3,3', righttoppoint=point_text((POPUP_W - 3, 3)),
            leftbottompoint=point_text((3, POPUP_H - 3)), rightbottompoint=point_text((POPUP_W - 3, POPUP_H - 3)),
            itemsrect=rect_text((2, 2, POPUP_W - 2, POPUP_H - 2)),
            scrollmarkercolor=bgr_int(MID), scrollmarkeractivecolor=bgr_int(ACCENT))
    section('HINTWINDOW', windowpictureindex=2, maskpictureindex=-1,
            lefttoppoint='2,2', righttoppoint=point_text((HINT_W - 2, 2)),
            leftbottompoint=point_text((2, HINT_H - 2)), rightbottompoint=point_text((HINT_W - 2, HINT_H - 2)),
            clientrect=rect_text((3, 3, HINT_W - 3, HINT_H - 3)),
            fontname='Arial', fontheight=14, fontstyle='', fontcolor=bgr_int(TEXT))
    objects = [('caption', 'caption'), ('menuitem', 'menuitem'), ('menubaritem', 'mainmenubaritem'),
               ('mdiclosebutton', 'mainmenubarbutton')]
    objects += [(kind + 'button', 'stdbutton') for kind in FRAME_BUTTONS]
    objects += [('sysmenubutton', 'stdbutton')]
    section('SKINOBJECTS', count=len(objects), **{str(i): '%s:%s' % o for i, o in enumerate(objects)})
    controls = [('button', 'button'), ('resizebutton', 'button'), ('panel', 'panel'),
                ('controlbar', 'controlbar'), ('gauge', 'gauge'), ('edit', 'edit'), ('buttonedit', 'edit'),
                ('listview', 'listview'), ('treeview', 'treeview'), ('hscrollbar', 'scrollbar'),
                ('vscrollbar', 'scrollbar'), ('bothhscrollbar', 'scrollbar'), ('mainmenubar', 'mainmenubar'),
                ('stdlabel', 'stdlabel'), ('label', 'stdlabel')]
    section('SKINCONTROLS', count=len(controls), **{str(i): '%s:%s' % c for i, c in enumerate(controls)})

    # Frame objects.
    section('caption', skinrect=rect_text(CAPTION_OBJECT), defaultcaption=1,
            textrect=rect_text((CAPTION_INDENT, 0, CAPTION_OBJECT[2] - CAPTION_OBJECT[0], 20)),
            fontname='Arial', fontheight=15, fontstyle='fsbold', fontcolor=bgr_int(FACE),
            activefontcolor=bgr_int(WHITE), alignment='taleftjustify', shadow=1, shadowcolor=bgr_int(DARK),
            activeshadowcolor=bgr_int(DARK))
    # Rows: the text starts after the glyph column (the text rectangle's left
    # edge plus the glyph width that the menu adds).
    row_w = MENU_ROW[2] - MENU_ROW[0]
    section('menuitem', activepictureindex=0, skinrect=rect_text(MENU_ROW),
            activeskinrect=rect_text(MENU_ROW_ACTIVE), itemleftoffset=MENU_GUTTER + 1, itemrightoffset=2,
            dividerrect=rect_text(MENU_DIVIDER), dividerleftoffset=MENU_GUTTER + 5, dividerrightoffset=4,
            textrect=rect_text((4, 0, row_w - 4, 20)),
            fontname='Arial', fontheight=14, fontcolor=bgr_int(TEXT), activefontcolor=bgr_int(WHITE),
            unenabledfontcolor=bgr_int(LIGHT))
    section('menubaritem', activepictureindex=0, skinrect=rect_text(MENU_ITEM_NORMAL),
            activeskinrect=rect_text(MENU_ITEM_HOT), downrect=rect_text(MENU_ITEM_DOWN),
            itemleftoffset=3, itemrightoffset=3, textrect=rect_text((6, 3, 34, 19)), fontname='Arial', fontheight=14, fontcolor=bgr_int(TEXT),
            activefontcolor=bgr_int(TEXT), downfontcolor=bgr_int(WHITE), unenabledfontcolor=bgr_int(LIGHT))
    section('mdiclosebutton', activepictureindex=0, skinrect=rect_text(frame_active_rect(0)),
            command='cmclose')
    hints = {'close': 'Close', 'maximize': 'Maximize', 'minimize': 'Minimize', 'rollup': 'Roll up'}
    commands = {'close': 'cmclose', 'maximize': 'cmmaximize', 'minimize': 'cmminimize', 'rollup': 'cmrollup'}
    for i, kind in enumerate(FRAME_BUTTONS):
        restoring = {}
        if kind in RESTORING:
            restoring = dict(restorerect=rect_text(frame_restore_rect(kind, 'normal')),
                             restoreactiverect=rect_text(frame_restore_rect(kind, 'active')),
                             restoredownrect=rect_text(frame_restore_rect(kind, 'down')))
        section(kind + 'button', hint=hints[kind], activepictureindex=0,
                skinrectinapicture=1, skinrect=rect_text(frame_normal_rect(i)),
                activeskinrect=rect_text(frame_active_rect(i)), downrect=rect_text(frame_down_rect(i)),
                command=commands[kind], morphing=1, morphkind='mkdefault', **restoring)
    # A press on the icon opens the system menu below it.
    section('sysmenubutton', hint='System menu', activepictureindex=0, skinrectinapicture=1,
            skinrect=rect_text(ICON_LOOK), command='cmsysmenu')

    # Control elements.
    def nine(rect, inset, client_inset=None):
        l, t, r, b = rect
        c = inset if client_inset is None else client_inset
        return dict(lefttoppoint=point_text((inset, inset)), righttoppoint=point_text((r - l - inset, inset)),
                    leftbottompoint=point_text((inset, b - t - inset)),
                    rightbottompoint=point_text((r - l - inset, b - t - inset)),
                    clientrect=rect_text((c, c, r - l - c, b - t - c)))

    push = dict(pictureindex=0, skinrect=rect_text(PUSH), activeskinrect=rect_text(offset(PUSH, 62, 0)),
                downskinrect=rect_text(offset(PUSH, 124, 0)), fontname='Arial', fontheight=14, fontstyle='',
                fontcolor=bgr_int(TEXT), activefontcolor=bgr_int(DARK), downfontcolor=bgr_int(DARK),
                disabledfontcolor=bgr_int(LIGHT), morphing=1, morphkind='mkgradient', **nine(PUSH, 4))
    section('button', **push)
    section('resizebutton', **dict(push, skinrect=rect_text(HEADER), activeskinrect=rect_text(offset(HEADER, 42, 0)),
                                   downskinrect=rect_text(offset(HEADER, 84, 0)), **nine(HEADER, 3)))
    section('panel', pictureindex=0, skinrect=rect_text(PANEL), bgpictureindex=-1, captionrect=rect_text((0, 0, 0, 0)),
            alignment='taleftjustify', fontname='Arial', fontheight=14, fontcolor=bgr_int(TEXT),
            **nine(PANEL, 4, 1))   # children use all but the 1-pixel bevel
    section('controlbar', pictureindex=0, skinrect=rect_text(CONTROLBAR), itemrect=rect_text((0, 0, 0, 0)),
            bgpictureindex=-1, **nine(CONTROLBAR, 4))
    gl, gt = GAUGE[0], GAUGE[1]
    section('gauge', pictureindex=0, skinrect=rect_text(GAUGE),
            progressarea=rect_text((1, 1, GAUGE[2] - gl - 1, GAUGE[3] - gt - 1)),
            progressrect=rect_text(GAUGE_BAR), beginoffset=2, endoffset=2, vertical=0, fontname='Arial',
            fontheight=12, fontstyle='fsbold', fontcolor=bgr_int(DARK), **nine(GAUGE, 3, 1))
    edit = dict(pictureindex=0, skinrect=rect_text(EDIT), activeskinrect=rect_text(EDIT), fontname='Arial',
                fontheight=14, fontcolor=bgr_int(TEXT), activefontcolor=bgr_int(TEXT),
                disabledfontcolor=bgr_int(LIGHT), **nine(EDIT, 3))
    section('edit', **edit)
    # The browse button is the right end of the element's picture; its hot and
    # pressed looks lie elsewhere.
    button_edit = (EDIT[0], EDIT[1], EDIT_BUTTON[2], EDIT[3])
    bw = EDIT_BUTTON[2] - EDIT_BUTTON[0]
    width, height = button_edit[2] - button_edit[0], button_edit[3] - button_edit[1]
    section('buttonedit', **dict(edit, skinrect=rect_text(button_edit), activeskinrect=rect_text(button_edit),
                                 lefttoppoint='3,3', righttoppoint=point_text((width - bw - 3, 3)),
                                 leftbottompoint=point_text((3, height - 3)),
                                 rightbottompoint=point_text((width - bw - 3, height - 3)),
                                 clientrect=rect_text((3, 3, width - bw - 3, height - 3)),
                                 buttonrect=rect_text((width - bw, 0, width, height)),
                                 activebuttonrect=rect_text(EDIT_BUTTON_HOT),
                                 downbuttonrect=rect_text(EDIT_BUTTON_DOWN)))
    section('listview', fontname='Arial', fontheight=14, fontcolor=bgr_int(TEXT), bgcolor=bgr_int(WHITE))
    section('treeview', fontname='Arial', fontheight=14, fontcolor=bgr_int(TEXT), bgcolor=bgr_int(WHITE))
    # Scroll bars: the "down" button decreases the position (left, top), the "up"
    # button increases it (right, bottom); the track between them grows.
    n = SCROLL

    def hbar(rect):
        w = rect[2] - rect[0]
        right = w - n if rect == BOTHHSCROLL else w   # the corner square stays free
        return dict(pictureindex=0, skinrect=rect_text(rect), trackarea=rect_text((n, 0, right - n, n)),
                    downbuttonrect=rect_text((0, 0, n, n)), upbuttonrect=rect_text((right - n, 0, right, n)),
                    activedownbuttonrect=rect_text(scroll_button_rect(SCROLL_HOT_Y, 'left')),
                    downdownbuttonrect=rect_text(scroll_button_rect(SCROLL_DOWN_Y, 'left')),
                    activeupbuttonrect=rect_text(scroll_button_rect(SCROLL_HOT_Y, 'right')),
                    downupbuttonrect=rect_text(scroll_button_rect(SCROLL_DOWN_Y, 'right')),
                    thumbrect=rect_text(HTHUMB), thumboffset1=3, thumboffset2=3,
                    lefttoppoint=point_text((n, 0)), righttoppoint=point_text((right - n, 0)),
                    leftbottompoint=point_text((n, n)), rightbottompoint=point_text((right - n, n)),
                    clientrect=rect_text((n, 0, right - n, n)))

    section('hscrollbar', **hbar(HSCROLL))
    section('bothhscrollbar', **hbar(BOTHHSCROLL))
    vh = VSCROLL[3] - VSCROLL[1]
    section('vscrollbar', pictureindex=0, skinrect=rect_text(VSCROLL), trackarea=rect_text((0, n, n, vh - n)),
            downbuttonrect=rect_text((0, 0, n, n)), upbuttonrect=rect_text((0, vh - n, n, vh)),
            activedownbuttonrect=rect_text(scroll_button_rect(SCROLL_HOT_Y, 'up')),
            downdownbuttonrect=rect_text(scroll_button_rect(SCROLL_DOWN_Y, 'up')),
            activeupbuttonrect=rect_text(scroll_button_rect(SCROLL_HOT_Y, 'down')),
            downupbuttonrect=rect_text(scroll_button_rect(SCROLL_DOWN_Y, 'down')),
            thumbrect=rect_text(VTHUMB), thumboffset1=3, thumboffset2=3,
            lefttoppoint=point_text((0, n)), righttoppoint=point_text((n, n)),
            leftbottompoint=point_text((0, vh - n)), rightbottompoint=point_text((n, vh - n)),
            clientrect=rect_text((0, n, n, vh - n)))
    section('mainmenubar', pictureindex=0, skinrect=rect_text(MENUBAR), itemsrect=rect_text((2, 0, 118, 22)),
            menubaritem='menubaritem', closebutton='mdiclosebutton', trackmarkcolor=bgr_int(MID),
            trackmarkactivecolor=bgr_int(ACCENT), **nine(MENUBAR, 4))
    section('stdlabel', fontname='Arial', fontheight=13, fontcolor=bgr_int(TEXT), activefontcolor=bgr_int(ACCENT))
    section('label', fontname='Arial', fontheight=13, fontcolor=bgr_int(TEXT), activefontcolor=bgr_int(ACCENT))
    return '\r\n'.join(lines) + '\r\n'


def main():
    if len(sys.argv) != 2:
        sys.stderr.write('usage: draw_skin.py FOLDER\n')
        return 2
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    draw_frame().save(os.path.join(folder, 'frame.bmp'))
    draw_mask().save(os.path.join(folder, 'frame_mask.bmp'))
    draw_controls().save(os.path.join(folder, 'controls.bmp'))
    draw_popup().save(os.path.join(folder, 'popup.bmp'))
    draw_hint().save(os.path.join(folder, 'hint.bmp'))
    for kind in GLYPHS:
        draw_glyph_frames(kind).save(os.path.join(folder, 'glyph_%s.bmp' % kind))
    write_icon(os.path.join(folder, 'brenvale.ico'))
    with open(os.path.join(folder, 'skin.ini'), 'w', newline='') as f:
        f.write(description())
    return 0


if __name__ == '__main__':
    sys.exit(main())
