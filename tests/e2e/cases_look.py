"""What a person sees of the program's own skin: the popup menus and the menu bar,
the gauge, the track list's scroll bar, the about box, the folder dialog, the CDDB
wait window, hints and closing dialogs. Colours and sizes come from the skin as
draw_skin.py draws it."""
import os
import socket
import threading
import time

from e2e import BARE_AND_OPENBOX, SMALL_DISC, case, check, near, skin, windows_path
from message_boxes import check_skinned

ROW_H = skin.MENU_ROW[3] - skin.MENU_ROW[1]
DIVIDER_H = skin.MENU_DIVIDER[3] - skin.MENU_DIVIDER[1]
# What the popup window's own picture is made of: its frame, nothing else.
POPUP_FRAME = {c for row in skin.draw_popup().pixels for c in row}
MENU_BAR_H = 22
# The menus of the main window: (rows, separators).
MENUS = {'File': (1, 0), 'CD': (9, 5), 'Help': (2, 1)}


def client_rect(app):
    left, top, width, height = app.window_rect()
    return left + skin.BORDER, top + skin.TITLE, left + width - skin.BORDER, top + height - skin.BORDER


def is_text(c):
    """Caption pixels on the menu bar's pale background, their smoothed edges too."""
    return max(c) < 170


def menu_bar_items(app, shot):
    """The left and right ends of the captions on the menu bar, from left to right."""
    left, top, right, _ = client_rect(app)
    columns = [x for x in range(left, right)
               if any(is_text(shot.pixel(x, y)) for y in range(top + 5, top + MENU_BAR_H - 5))]
    items = []
    for x in columns:
        if items and x - items[-1][1] <= 8:
            items[-1][1] = x
        else:
            items.append([x, x])
    return items


def menu_bar_points(app):
    """The middle of each caption of the menu bar, by name, while none is highlighted."""
    def shown():
        found = menu_bar_items(app, app.screenshot())
        check(len(found) == len(MENUS), 'the menu bar shows %d captions' % len(found))
        return found
    items = app.eventually(shown)
    y = client_rect(app)[1] + MENU_BAR_H // 2
    return {name: ((first + last) // 2, y) for name, (first, last) in zip(MENUS, items)}


def check_highlight_readable(app, point, name, what):
    """The highlighted item of the menu bar shows its caption in dark text on its
    pale box (framed in the skin's light blue)."""
    shot = app.screenshot()
    left, top, _, _ = client_rect(app)
    box = (max(left, point[0] - 18), top, point[0] + 18, top + MENU_BAR_H)
    frame = shot.count(box, lambda c: near(c, skin.LIGHT, 4))
    dark = shot.count(box, lambda c: max(c) < 130)
    check(frame >= 30, '%s: %s is not highlighted (%d pixels of its frame)' % (what, name, frame))
    check(dark >= 8, '%s: the caption of %s is not dark on its box (%d dark pixels)' % (what, name, dark))


def dividers(shot, rect):
    """How many separator lines the popup at rect shows: one-pixel lines of the
    divider's colour with white above and below, looked for near the right end."""
    left, top, width, height = rect
    x = left + width - 2 - 8
    return sum(1 for y in range(top + 3, top + height - 3)
               if near(shot.pixel(x, y), skin.LIGHT, 4) and shot.pixel(x, y - 1) == skin.WHITE
               and shot.pixel(x, y + 1) == skin.WHITE)


def check_popup(app, rect, rows, separators, what):
    """A popup menu as high as its rows, its frame from its own picture only, no
    wider than its texts need, and a divider for each separator."""
    shot = app.screenshot()
    left, top, width, height = rect
    expected = 4 + rows * ROW_H + separators * DIVIDER_H
    check(height == expected, '%s: the popup is %d high for %d rows and %d separators (%d expected)'
          % (what, height, rows, separators, expected))
    ring = [(x, y) for y in range(top, top + height) for x in range(left, left + width)
            if x < left + 2 or x >= left + width - 2 or y < top + 2 or y >= top + height - 2]
    stray = [(x, y, shot.pixel(x, y)) for x, y in ring if shot.pixel(x, y) not in POPUP_FRAME]
    check(not stray, '%s: %d pixels of the popup\'s frame are not its picture\'s, such as %s'
          % (what, len(stray), stray[:3]))
    # The texts end some 35 pixels before the frame: a wider window is picture, not
    # rows. Text is dark on a plain row, white on the selected one.
    text_right = left
    for y in range(top + 2, top + height - 2):
        plain = shot.pixel(left + width - 5, y) == skin.WHITE
        for x in range(left + width - 3, text_right, -1):
            c = shot.pixel(x, y)
            if (max(c) < 110) if plain else (c == skin.WHITE):
                text_right = x
                break
    check(left + width - text_right <= 45, '%s: the popup reaches %d pixels beyond its texts'
          % (what, left + width - text_right))
    found = dividers(shot, rect)
    check(found == separators, '%s: %d separators drawn, %d expected' % (what, found, separators))


def open_popup(app, action, what):
    before = app.visible_windows()
    action()
    found = app.wait_for(lambda: app.new_windows(before), what)
    check(len(found) == 1, '%s: %d windows opened' % (what, len(found)))
    app.settle(0.3)
    return found[0]


def close_menus(app, popup):
    """A click on the list's empty part closes every menu and leaves the menu bar."""
    left, top, width, height = app.window_rect()
    app.click(left + width - 80, top + height - 60)
    app.wait_for(lambda: app.rect_of(popup) is None, 'the menu closes')


@case(displays=BARE_AND_OPENBOX)
def case_menus_fit_their_rows(app):
    left, top, _, _ = app.window_rect()
    points = menu_bar_points(app)
    for name, (rows, separators) in MENUS.items():
        # Under the mouse, before a click, the item is highlighted and readable.
        app.move(*points[name])
        app.eventually(lambda: check_highlight_readable(app, points[name], name, 'the mouse over %s' % name))
        popup, rect = open_popup(app, lambda: app.click(*points[name]), 'a click on %s opens its menu' % name)
        app.eventually(lambda: check_popup(app, rect, rows, separators, 'the %s menu' % name))
        close_menus(app, popup)
    # The system menu, from a right click on the caption: its rows depend on the
    # window's state; its frame and its separator follow the same rules.
    popup, rect = open_popup(app, lambda: app.click(left + skin.CAPTION[0] + 20, top + 14, button=3),
                             'a right click on the caption opens the system menu')
    rows = (rect[3] - 4 - DIVIDER_H) // ROW_H
    app.eventually(lambda: check_popup(app, rect, rows, 1, 'the system menu'))
    close_menus(app, popup)


@case()
def case_menus_from_the_keyboard(app):
    points = menu_bar_points(app)
    app.key('F10')
    app.eventually(lambda: check_highlight_readable(app, points['File'], 'File', 'F10'))
    popup, rect = open_popup(app, lambda: app.key('Down'), 'Down opens the File menu')
    app.eventually(lambda: check_popup(app, rect, 1, 0, 'the File menu from the keyboard'))
    close_menus(app, popup)
    app.key('F10', 'Right', 'Right')
    app.eventually(lambda: check_highlight_readable(app, points['Help'], 'Help', 'F10 and Right twice'))
    popup, rect = open_popup(app, lambda: app.key('Return'), 'Enter opens the Help menu')
    app.eventually(lambda: check_popup(app, rect, 2, 1, 'the Help menu from the keyboard'))
    close_menus(app, popup)
    app.key('F10', 'Right')
    app.eventually(lambda: check_highlight_readable(app, points['CD'], 'CD', 'F10 and Right'))
    popup, rect = open_popup(app, lambda: app.key('Return'), 'Enter opens the CD menu')
    app.eventually(lambda: check_popup(app, rect, 9, 5, 'the CD menu from the keyboard'))
    # Down skips the separators: two steps from the first row reach the third item,
    # below two separators.
    app.key('Down', 'Down')
    left, top, width, _ = rect
    y = top + 2 + 2 * ROW_H + 2 * DIVIDER_H + ROW_H // 2

    def third_selected():
        selected = app.screenshot().count((left + 4, y - 6, left + width - 4, y + 6), lambda c: near(c, skin.MID, 30))
        check(selected > 100, 'the third item of the CD menu is not the selected row (%d pixels)' % selected)
    app.eventually(third_selected)
    close_menus(app, popup)
    # Alt and the first letter of a menu's name open it at once.
    for keys, name in (('alt+f', 'File'), ('alt+h', 'Help'), ('alt+c', 'CD')):
        popup, rect = open_popup(app, lambda: app.key(keys), '%s opens the %s menu' % (keys, name))
        app.eventually(lambda: check_popup(app, rect, MENUS[name][0], MENUS[name][1],
                                           'the %s menu from %s' % (name, keys)))
        close_menus(app, popup)


# Tracks that rip slowly enough to watch the gauge, and more of them than fit.
MANY_TRACKS = SMALL_DISC.split('track 1')[0] + ''.join(
    'track %d %d audio\n' % (n + 1, n * 3000) for n in range(99)) + 'leadout %d\nfault readcd late delay 40\n' % (
    99 * 3000)


def gauge_rect(app):
    """Where the gauge belongs: the bottom 15 pixels of the client area hold its
    panel, whose bevel leaves it all but one pixel on each side."""
    left, _, right, bottom = client_rect(app)
    return left + 1, bottom - 14, right - 1, bottom - 1


def check_gauge(app, what, filled):
    """The gauge fills its panel (its frame lies at the panel's inner edges), shows
    its percentage whole and a bar when `filled`."""
    shot = app.screenshot()
    left, top, right, bottom = gauge_rect(app)
    x = left + 5
    check(near(shot.pixel(x, top), skin.MID, 8) and near(shot.pixel(x, bottom - 1), skin.FACE_HOT, 8),
          '%s: the gauge\'s frame is not at its edges (%s, %s)' % (what, shot.pixel(x, top), shot.pixel(x, bottom - 1)))
    # The percentage, in the middle: whole, clear of the frame.
    middle = (left + right) // 2
    text_rows = [y for y in range(top, bottom)
                 if any(max(shot.pixel(x, y)) < 90 for x in range(middle - 25, middle + 25))]
    check(len(text_rows) >= 7, '%s: the percentage is %d pixels high' % (what, len(text_rows)))
    check(text_rows[0] > top and text_rows[-1] < bottom - 1,
          '%s: the percentage touches the gauge\'s frame (rows %d..%d of %d..%d)'
          % (what, text_rows[0], text_rows[-1], top, bottom - 1))
    bar = shot.count((left, top, right, bottom), lambda c: near(c, skin.ACCENT, 70) and c[0] > c[2] + 80)
    check((bar > 0) == filled, '%s: %d pixels of the bar' % (what, bar))


def vertical_bar_column(app):
    left, top, right, bottom = client_rect(app)
    return right - skin.SCROLL + skin.SCROLL // 2, top + MENU_BAR_H + 44, bottom - 15


def thumb_runs(shot, x, top, bottom):
    """The runs (first, last) of the thumb's middle colour down a column."""
    colour = skin.mix(skin.LIGHT, skin.MID, (skin.SCROLL // 2) / (skin.SCROLL - 1))
    runs = []
    for y in range(top, bottom):
        if near(shot.pixel(x, y), colour, 6):
            if runs and runs[-1][1] == y - 1:
                runs[-1][1] = y
            else:
                runs.append([y, y])
    return runs


@case(disc=MANY_TRACKS, timeout=120)
def case_gauge_and_a_long_track_list(app):
    app.eventually(lambda: check_gauge(app, 'idle', filled=False))
    # The list of 99 tracks has its scroll bar, with one thumb as long as the part
    # of the list shown; the arrow at its bottom scrolls the list.
    x, top, bottom = vertical_bar_column(app)
    left = client_rect(app)[0]
    rows = (left + 30, top + 30, x - 30, top + 60)

    def bar_shown():
        shot = app.screenshot()
        runs = thumb_runs(shot, x, top, bottom)
        check(len(runs) == 1 and runs[0][1] - runs[0][0] >= (bottom - top) // 5,
              'the track list\'s scroll bar shows %s between %d and %d' % (runs, top, bottom))
        return runs[0][0], [shot.pixel(px, py) for py in range(rows[1], rows[3]) for px in range(rows[0], rows[2])]
    first, shown = app.eventually(bar_shown)
    for _ in range(3):
        app.click(x, bottom - skin.SCROLL // 2)  # the arrow at the bottom

    def scrolled():
        shot = app.screenshot()
        runs = thumb_runs(shot, x, top, bottom)
        check(len(runs) == 1 and runs[0][0] > first, 'the thumb did not move down: %s from %d' % (runs, first))
        check([shot.pixel(px, py) for py in range(rows[1], rows[3]) for px in range(rows[0], rows[2])] != shown,
              'the list did not scroll with its bar')
    app.eventually(scrolled)
    # A rip in progress: the bar grows and the percentage stays whole.
    left, top_, width, height = app.window_rect()
    app.click(left + width // 2, top_ + height - 80)
    app.key('Home', 'space')
    app.click_tool('rip')
    app.wait_for(lambda: app.tool_button('stop'), 'the rip starts')
    app.eventually(lambda: check_gauge(app, 'ripping', filled=True))
    app.click_tool('stop')
    # A disc whose tracks all fit: the bar goes.
    app.set_disc(SMALL_DISC)
    app.wait_for(lambda: not thumb_runs(app.screenshot(), x, top, bottom) and
                 app.screenshot().pixel(x, (top + bottom) // 2) == skin.WHITE,
                 'the scroll bar goes with a disc of four tracks', timeout=30)


@case()
def case_about_box_texts_keep_apart(app):
    about = app.open_about()
    left, top, width, _ = app.wait_for(lambda: app.rect_of(about), 'the about box shows')
    app.move(left + 5, top + 5)
    client_left, client_top = left + skin.BORDER, top + skin.TITLE

    def texts_apart():
        shot = app.screenshot()
        # "Tech Support:" at client (64, 48) ends well before its address at 152.
        label = [x for x in range(client_left + 64, client_left + 152)
                 if any(max(shot.pixel(x, y)) < 170 for y in range(client_top + 48, client_top + 62))]
        check(label and label[-1] <= client_left + 152 - 5, '"Tech Support:" reaches x %d of 152' %
              ((label[-1] - client_left) if label else -1))
        # The address ends inside the box.
        blue = [x for x in range(client_left + 152, left + width)
                if any(c[2] > 150 and c[0] < 90 and c[1] < 90
                       for c in (shot.pixel(x, y) for y in range(client_top + 48, client_top + 62)))]
        check(blue and blue[-1] < left + width - skin.BORDER - 2, 'the support address reaches x %d of a box %d wide'
              % ((blue[-1] - left) if blue else -1, width))
    app.eventually(texts_apart)
    app.key('Escape')


def caption_ends_in_dots(shot, rect):
    """Whether the caption of a window at rect ends in "...": its last columns of
    white text hold pixels only near the text's baseline."""
    left, top, width, _ = rect
    area = [(x, y) for x in range(left + skin.CAPTION[0], left + width - 100) for y in range(top + 4, top + 24)
            if shot.pixel(x, y) == skin.WHITE]
    check(area, 'the caption shows no text')
    right = max(x for x, _ in area)
    text_top = min(y for _, y in area)
    text_bottom = max(y for _, y in area)
    last = [y for x, y in area if x >= right - 3]
    return min(last) > text_top + (text_bottom - text_top) * 2 // 3


@case(start=False)
def case_folder_dialog_caption_and_scroll_bar(app):
    start = os.path.join(app.folder, 'browse')
    for n in range(40):
        os.makedirs(os.path.join(start, 'folder %02d' % n))
    app.write_settings({'OutputPath': windows_path(start)})
    app.start()
    dialog = app.open_options()
    browser = app.open_folder_dialog(dialog)
    rect = app.wait_for(lambda: app.rect_of(browser), 'the folder dialog shows')
    app.eventually(lambda: check(not caption_ends_in_dots(app.screenshot(), rect),
                                 'the folder dialog\'s caption is cut short'))
    # The folder opened shows its forty folders: the tree's scroll bar has one thumb.
    app.key('Right')
    left, top, width, height = rect
    x = left + width - skin.BORDER - 1 - skin.SCROLL + skin.SCROLL // 2

    def one_thumb():
        runs = thumb_runs(app.screenshot(), x, top + skin.TITLE, top + height - 50)
        check(len(runs) == 1 and runs[0][1] - runs[0][0] >= 15, 'the folder tree\'s scroll bar shows %s' % runs)
    app.eventually(one_thumb)
    app.key('Escape')
    app.wait_for(lambda: app.rect_of(browser) is None, 'Esc closes the folder dialog')
    app.key('Escape')


@case()
def case_no_hint_over_a_dialog_and_dialogs_go_at_once(app):
    # A quick click on Options, before its hint is due: no hint comes up over the dialog.
    point = app.tool_button('options')
    left, top, width, height = app.window_rect()
    app.move(left + width // 2, top + height // 2)
    app.settle(0.8)
    before = app.visible_windows()
    app.move(*point)
    time.sleep(0.2)
    app.press()
    app.release()
    dialog = app.wait_for(lambda: app.find_window('Options'), 'the Options dialog opens')
    app.settle(1.5)
    shown = app.new_windows(before)
    check(len(shown) == 1, 'the Options dialog has company: %s' % [(app.window_name(w), r) for w, r in shown])
    # Cancel closes it, and the window under it shows again, at once.
    rect = app.rect_of(dialog)
    cancel = (rect[0] + skin.BORDER + 224 + 37, rect[1] + skin.TITLE + 88 + 12)
    app.move(*cancel)
    time.sleep(0.2)
    app.press()
    started = time.monotonic()
    app.release()
    centre = (rect[0] + rect[2] // 2, rect[1] + rect[3] // 2)
    # A dialog that lingers does so for the two seconds Wine waits for a window
    # manager that is not there: well below that is "at once", with room for a
    # busy machine.
    while app.rect_of(dialog) is not None or app.screenshot().pixel(*centre) != skin.WHITE:
        check(time.monotonic() - started < 1.5, 'the Options dialog is still on the screen %.1f s after Cancel'
              % (time.monotonic() - started))
        time.sleep(0.05)


# Each read of the drive takes a moment: the rip of the first track lasts a few
# seconds.
SLOWER_DISC = SMALL_DISC.replace('immediate\n', 'fault readcd late delay 20\n')


@case(disc=SLOWER_DISC)
def case_no_hint_when_rip_comes_back_under_a_still_mouse(app):
    # The mouse rests on Rip through a whole rip: the button is disabled and
    # enabled again under it, which is no reason for its hint to come up.
    from cases_rip import check_tracks
    check_tracks(app, [1])
    point = app.tool_button('rip')
    app.move(*point)
    time.sleep(0.2)
    before = app.visible_windows()
    app.press()
    app.release()
    app.wait_for(lambda: not app.tool_button('rip'), 'the Rip button is disabled during the rip')
    app.wait_for(lambda: app.tool_button('rip'), 'the Rip button is enabled again', timeout=40)
    app.settle(1.5)
    shown = [(w, rect) for w, rect in app.new_windows(before) if w != app.window]
    check(not shown, 'after the rip, with the mouse still: %s' % [app.window_name(w) for w, _ in shown])
    # The mouse that comes onto it brings the hint.
    left, top, width, height = app.window_rect()
    app.move(left + width // 2, top + height // 2)
    app.settle(0.3)
    app.move(*point)
    app.wait_for(lambda: [w for w, _ in app.new_windows(before) if app.window_name(w) == 'Rip the CD'],
                 'the hint shows once the mouse comes onto the button', timeout=5)


class SilentServer:
    """A server that takes connections and never answers: a CDDB lookup through it
    waits until the control gives up."""

    def __init__(self):
        self.socket = socket.socket()
        self.socket.bind(('127.0.0.1', 0))
        self.socket.listen(4)
        self.port = self.socket.getsockname()[1]
        self.held = []
        threading.Thread(target=self._serve, daemon=True).start()

    def _serve(self):
        while True:
            try:
                self.held.append(self.socket.accept()[0])
            except OSError:
                return

    def close(self):
        for c in self.held:
            c.close()
        self.socket.close()


@case(timeout=150)
def case_cddb_wait_window(app):
    server = SilentServer()
    try:
        settings = r'HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings'
        app.wine_wait(['reg', 'add', settings, '/v', 'ProxyServer', '/t', 'REG_SZ', '/d',
                       '127.0.0.1:%d' % server.port, '/f'])
        before = app.visible_windows()
        app.click_tool('cddb')
        wait = app.wait_for(lambda: [w for w, _ in app.new_windows(before)
                                     if app.window_name(w) == 'Loading CDDB Data ..'],
                            'the wait window shows')[0]
        left, top, width, height = app.wait_for(lambda: app.rect_of(wait), 'the wait window is shown')

        def stands_out():
            shot = app.screenshot()
            # It stands out from the white list it covers: its edge is a frame...
            edge = [(x, top) for x in range(left, left + width)] + [(left, y) for y in range(top, top + height)]
            white = sum(1 for x, y in edge if shot.pixel(x, y) == skin.WHITE)
            check(white == 0, '%d pixels of the wait window\'s edge are white' % white)
            # ... and its text shows, above the list.
            text = shot.count((left + 60, top + 80, left + width - 20, top + height - 5), lambda c: max(c) < 110)
            check(text > 100, 'the wait window\'s text shows %d dark pixels' % text)
        app.eventually(stands_out)
        # The lookup gives up in the end and says why; the window goes.
        box = app.wait_for(lambda: [w for w, _ in app.new_windows(before) if w != wait
                                    and app.window_name(w) == 'Error'], 'the lookup reports its failure',
                           timeout=120)[0]
        check(app.rect_of(wait) is None, 'the wait window stays with the error')
        check_skinned(app, box, 'the lookup\'s failure')
        app.key('Return')
        app.wait_for(lambda: app.rect_of(box) is None, 'the error is acknowledged')
    finally:
        server.close()
