"""The caption buttons of the program's windows: the main window shows all of them
with their looks under the mouse and pressed; a dialog without minimize, maximize,
roll-up and system menu (the message box, the folder dialog) shows only its close
button, and its caption takes the places of the others."""
import os

from cases_rip import check_tracks
from e2e import (BARE_AND_OPENBOX, case, check, frame_button_place, icon_place, look_shown, plain_title, skin,
                 windows_path)

MISSING = ('maximize', 'minimize', 'rollup')


def centre(place):
    return (place[0] + place[2]) // 2, (place[1] + place[3]) // 2


def check_looks(app, rect, look, what):
    """Every caption button of the window at rect shows `look` ('normal', 'active'
    or 'down'), and its icon shows."""
    rects = {'normal': skin.frame_normal_rect, 'active': skin.frame_active_rect, 'down': skin.frame_down_rect}[look]
    shot = app.screenshot()
    for i, kind in enumerate(skin.FRAME_BUTTONS):
        share = look_shown(shot, frame_button_place(rect, kind), rects(i), rect[1])
        check(share > 0.95, '%s: the %s button shows %d%% of its %s look' % (what, kind, share * 100, look))
    share = look_shown(shot, icon_place(rect), skin.ICON_LOOK, rect[1])
    check(share > 0.95, '%s: the icon shows %d%% of its look' % (what, share * 100))


def check_button_look(app, rect, kind, look, when):
    """The caption button `kind` of the window at rect shows its 'active' or
    'pressed' look."""
    i = skin.FRAME_BUTTONS.index(kind)
    rects = {'active': skin.frame_active_rect, 'pressed': skin.frame_down_rect}[look]
    share = look_shown(app.screenshot(), frame_button_place(rect, kind), rects(i), rect[1])
    check(share > 0.95, '%s the %s button shows %d%% of its %s look' % (when, kind, share * 100, look))


def check_only_close(app, window, what):
    """The dialog shows its close button and, where the other buttons and the icon
    of a window that has them stand, bare title bar."""
    rect = app.rect_of(window)
    shot = app.screenshot()
    share = look_shown(shot, frame_button_place(rect, 'close'), skin.frame_normal_rect(0), rect[1])
    check(share > 0.95, '%s: the close button shows %d%% of its look' % (what, share * 100))
    for kind in MISSING:
        place = frame_button_place(rect, kind)
        look = skin.frame_normal_rect(skin.FRAME_BUTTONS.index(kind))
        shown, plain = look_shown(shot, place, look, rect[1]), plain_title(shot, place, rect[1])
        check(shown < 0.2 and plain > 0.9, '%s: where a %s button would be, %d%% of its look and %d%% bare title bar'
              % (what, kind, shown * 100, plain * 100))
    shown = look_shown(shot, icon_place(rect), skin.ICON_LOOK, rect[1])
    check(shown < 0.3, '%s: %d%% of the icon shows' % (what, shown * 100))


def check_caption_moves(app, window, what):
    """A press on the caption where the minimize button of a window that has one
    stands moves the dialog."""
    rect = app.rect_of(window)
    start = centre(frame_button_place(rect, 'minimize'))
    app.drag(start, (start[0] - 60, start[1] + 40))

    def moved():
        now = app.rect_of(window)
        check(now == (rect[0] - 60, rect[1] + 40, rect[2], rect[3]),
              '%s: a drag by (-60, 40) from where minimize would be left the dialog at %s, it was at %s'
              % (what, now, rect))
    app.eventually(moved)


@case(displays=BARE_AND_OPENBOX)
def case_main_window_buttons_show_and_answer_the_mouse(app):
    rect = app.window_rect()
    away = (rect[0] + rect[2] // 2, rect[1] + rect[3] // 2)
    app.move(*away)
    app.eventually(lambda: check_looks(app, rect, 'normal', 'the mouse away'))
    for kind in skin.FRAME_BUTTONS:
        app.move(*centre(frame_button_place(rect, kind)))
        # The button fades to its active look.
        app.eventually(lambda: check_button_look(app, rect, kind, 'active', 'under the mouse'))
        # Pressed it sinks; let go away from it, it does nothing.
        app.press()
        app.eventually(lambda: check_button_look(app, rect, kind, 'pressed', 'pressed,'))
        app.move(*away)
        app.release()
        app.settle(0.6)
        check(app.window_rect() == rect, 'the %s button let go away from it left the window at %s'
              % (kind, app.window_rect()))
    app.eventually(lambda: check_looks(app, rect, 'normal', 'after the presses'))


@case(start=False, displays=BARE_AND_OPENBOX)
def case_message_box_shows_no_buttons_it_lacks(app):
    app.write_settings({'OutputPath': 'Q:\\nowhere'})
    app.start()
    check_tracks(app, [1])
    before = app.visible_windows()
    app.click_tool('rip')
    box = app.wait_for(lambda: [w for w, _ in app.new_windows(before) if app.window_name(w) == 'Error'],
                       'the error message shows', timeout=15)[0]
    app.eventually(lambda: check_only_close(app, box, 'the error message'))
    check_caption_moves(app, box, 'the error message')
    app.key('Return')
    app.wait_for(lambda: app.rect_of(box) is None, 'the message closes')


@case(start=False)
def case_folder_dialog_shows_no_buttons_it_lacks(app):
    start = os.path.join(app.folder, 'browse')
    os.makedirs(start)
    app.write_settings({'OutputPath': windows_path(start)})
    app.start()
    dialog = app.open_options()
    # Options has every button.
    app.eventually(lambda: check_looks(app, app.rect_of(dialog), 'normal', 'Options'))
    browser = app.open_folder_dialog(dialog)
    app.eventually(lambda: check_only_close(app, browser, 'the folder dialog'))
    check_caption_moves(app, browser, 'the folder dialog')
    app.key('Escape')
    app.wait_for(lambda: app.rect_of(browser) is None, 'Esc closes the folder dialog')
    app.key('Escape')
    app.wait_for(lambda: app.rect_of(dialog) is None, 'Esc closes Options')
