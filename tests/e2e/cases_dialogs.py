"""The program's dialogs as a person uses them: Options with the keyboard and the
folder browser, a folder on a drive that is not there, and the about box."""
import os

from cases_look import check_highlight_readable, menu_bar_points
from e2e import BARE_AND_OPENBOX, case, check, controls_picture, frame_button_place, near, skin, windows_path
from message_boxes import check_skinned, wait_message


def edit_point(app, dialog):
    """A point of the text of the folder field of Options (client 24, 40, 273 x 25)."""
    left, top, _, _ = app.rect_of(dialog)
    return left + skin.BORDER + 24 + 100, top + skin.TITLE + 40 + 12


def closed(app, dialog):
    return app.rect_of(dialog) is None


@case(displays=BARE_AND_OPENBOX)
def case_options_enter_is_ok(app):
    dialog = app.open_options()
    app.click(*edit_point(app, dialog))
    app.key('End')
    app.type_text('\\sub')
    app.key('Return')
    app.wait_for(lambda: closed(app, dialog), 'Enter closes the Options dialog')
    expected = windows_path(app.out_dir) + '\\sub'
    app.wait_for(lambda: app.read_settings().get('OutputPath') == expected,
                 'the settings file holds the new folder %s' % expected)


@case()
def case_options_escape_cancels(app):
    before = app.read_settings().get('OutputPath')
    dialog = app.open_options()
    app.click(*edit_point(app, dialog))
    app.key('End')
    app.type_text('\\sub')
    app.key('Escape')
    app.wait_for(lambda: closed(app, dialog), 'Esc closes the Options dialog')
    app.settle(0.5)
    check(app.read_settings().get('OutputPath') == before,
          'Esc left the folder at %s' % app.read_settings().get('OutputPath'))
    # The program goes on: Options opens again.
    dialog = app.open_options()
    app.key('Escape')
    app.wait_for(lambda: closed(app, dialog), 'Esc closes the Options dialog again')


def folder_button_look(app, dialog):
    """Which look the browse button at the right end of the folder field shows:
    'active', 'normal' or None."""
    left, top, _, _ = app.rect_of(dialog)
    x0, y0 = left + skin.BORDER + 24 + 273 - 22, top + skin.TITLE + 40
    picture, shot = controls_picture(), app.screenshot()
    for name, look in (('active', skin.EDIT_BUTTON_HOT), ('normal', skin.EDIT_BUTTON)):
        pixels = [(x, y) for y in range(look[3] - look[1]) for x in range(look[2] - look[0])]
        shown = sum(1 for x, y in pixels
                    if near(shot.pixel(x0 + x, y0 + y), picture.pixels[look[1] + y][look[0] + x], 8))
        if shown > 0.95 * len(pixels):
            return name
    return None


@case(displays=BARE_AND_OPENBOX)
def case_options_tab_goes_round_its_controls(app):
    before = app.read_settings().get('OutputPath')
    dialog = app.open_options()
    left, top, _, _ = app.rect_of(dialog)
    app.move(left + 5, top + skin.TITLE + 100)  # the mouse away from the buttons
    app.wait_for(lambda: folder_button_look(app, dialog) == 'normal', 'the folder button shows its normal look')
    # The field has the focus, its text selected: Tab goes on to the folder
    # button, which lights up, and Enter opens the folder dialog.
    app.key('Tab')
    app.wait_for(lambda: folder_button_look(app, dialog) == 'active', 'Tab lights the folder button up')
    app.screenshot('folder_button.png')
    visible = app.visible_windows()
    app.key('Return')
    browser = app.wait_for(lambda: [w for w, _ in app.new_windows(visible) if app.window_name(w) == 'Select folder'],
                           'Enter on the folder button opens the folder dialog')[0]
    app.key('Escape')
    app.wait_for(lambda: app.rect_of(browser) is None, 'Esc closes the folder dialog')
    # The keys are back on the folder button; Tab goes on to OK, then to Cancel,
    # and Enter presses the button that has the focus.
    app.wait_for(lambda: folder_button_look(app, dialog) == 'active', 'the folder button has the keys again')
    app.key('Tab', 'Tab', 'Return')
    app.wait_for(lambda: closed(app, dialog), 'Enter on Cancel closes the Options dialog')
    app.settle(0.5)
    check(app.read_settings().get('OutputPath') == before,
          'Cancel left the folder at %r' % app.read_settings().get('OutputPath'))
    # Shift+Tab goes the other way round: from the field to Cancel, then to OK.
    dialog = app.open_options()
    app.key('End')
    app.type_text('\\sub')
    app.key('shift+Tab', 'shift+Tab', 'Return')
    app.wait_for(lambda: closed(app, dialog), 'Enter on OK closes the Options dialog')
    expected = before + '\\sub'
    app.wait_for(lambda: app.read_settings().get('OutputPath') == expected,
                 'the settings file holds %r' % expected)


@case()
def case_options_ok_says_so_for_a_drive_that_does_not_exist(app):
    before = app.read_settings().get('OutputPath')
    dialog = app.open_options()
    app.type_text('Q:\\Music')  # over the field's text, selected as the dialog opens
    visible = app.visible_windows()
    app.key('Return')
    box = wait_message(app, visible, 'Warning', 'OK says that the drive does not exist')
    check_skinned(app, box, 'the warning')
    app.screenshot('no_such_drive.png')
    app.key('Return')
    app.wait_for(lambda: app.rect_of(box) is None, 'the warning closes')
    # Options stays open with the folder to mend; nothing was stored.
    check(app.rect_of(dialog) is not None, 'Options closed with a folder on a drive that does not exist')
    check(app.read_settings().get('OutputPath') == before,
          'the settings file holds %r' % app.read_settings().get('OutputPath'))
    app.key('Escape')
    app.wait_for(lambda: closed(app, dialog), 'Esc closes Options')


@case(start=False)
def case_options_browse_for_a_folder(app):
    start = os.path.join(app.folder, 'browse')
    os.makedirs(os.path.join(start, 'picked'))
    app.write_settings({'OutputPath': windows_path(start)})
    app.start()
    dialog = app.open_options()
    browser = app.open_folder_dialog(dialog)
    app.screenshot('folder_dialog.png')
    # The folder of the field is selected: Right opens it, Right again goes to
    # its one folder, Enter takes that.
    app.key('Right', 'Right')
    app.key('Return')
    app.wait_for(lambda: closed(app, browser), 'Enter closes the folder dialog')
    app.wait_for(lambda: app.rect_of(dialog), 'Options is still open')
    app.key('Return')
    app.wait_for(lambda: closed(app, dialog), 'Enter closes Options')
    expected = windows_path(os.path.join(start, 'picked'))
    app.wait_for(lambda: app.read_settings().get('OutputPath') == expected,
                 'the settings file holds the folder picked, %s' % expected)


def link_colours(app, about, row):
    """How many pixels of the link on a row of the about box (client y 32 or 48) are
    blue and how many red."""
    left, top, _, _ = app.rect_of(about)
    area = (left + skin.BORDER + 152, top + skin.TITLE + row, left + skin.BORDER + 310, top + skin.TITLE + row + 14)
    shot = app.screenshot()
    blue = shot.count(area, lambda c: c[2] > 150 and c[0] < 90 and c[1] < 90)
    red = shot.count(area, lambda c: c[0] > 150 and c[1] < 90 and c[2] < 90)
    return blue, red


@case()
def case_about_links_turn_red_under_the_mouse(app):
    about = app.open_about()
    left, top, _, _ = app.wait_for(lambda: app.rect_of(about), 'the about box shows')
    app.move(left + 5, top + 5)  # away from both links

    def away():
        for row in (32, 48):
            blue, red = link_colours(app, about, row)
            check(blue > 20 and red == 0,
                  'the link at row %d away from the mouse: %d blue, %d red pixels' % (row, blue, red))
    app.eventually(away)
    app.move(left + skin.BORDER + 170, top + skin.TITLE + 32 + 7)

    def under():
        blue, red = link_colours(app, about, 32)
        check(red > 20 and blue == 0, 'the link under the mouse: %d blue, %d red pixels' % (blue, red))
    app.eventually(under)
    app.key('Escape')
    app.wait_for(lambda: closed(app, about), 'Esc closes the about box')


@case(displays=BARE_AND_OPENBOX)
def case_a_dialog_closed_by_its_frame_gives_the_keys_back(app):
    # Closed as Cancel closes it, but from its frame: Alt+F4, its close button.
    # The window under it is active again: F10 selects the main window's File
    # menu.
    points = menu_bar_points(app)

    def close_button(dialog):
        left, top, right, bottom = frame_button_place(app.rect_of(dialog), 'close')
        app.click((left + right) // 2, (top + bottom) // 2)

    for open_dialog, close, how in ((app.open_options, lambda d: app.key('alt+F4'), 'Alt+F4 on Options'),
                                    (app.open_about, close_button, 'the close button of the about box')):
        dialog = open_dialog()
        app.wait_for(lambda: app.rect_of(dialog), 'the dialog shows')
        close(dialog)
        app.wait_for(lambda: closed(app, dialog), how + ' closes the dialog')
        app.key('F10')
        app.eventually(lambda: check_highlight_readable(app, points['File'], 'File', 'F10 after ' + how))
        app.key('Escape')
    # The folder dialog's tree has the keys: Alt+F4 closes the dialog all the
    # same, and Options takes the keys again.
    options = app.open_options()
    folders = app.open_folder_dialog(options)
    app.key('alt+F4')
    app.wait_for(lambda: closed(app, folders), 'Alt+F4 closes the folder dialog')
    app.key('Escape')
    app.wait_for(lambda: closed(app, options), 'Esc closes Options after the folder dialog')
