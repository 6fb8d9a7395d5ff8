"""The program's dialogs as a person uses them: Options with the keyboard and the
folder browser, and the about box."""
import os

from e2e import BARE_AND_OPENBOX, case, check, skin, windows_path


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


@case()
def case_options_tab_goes_round_its_controls(app):
    before = app.read_settings().get('OutputPath')
    dialog = app.open_options()
    # The field has the focus, its text selected: Tab goes on to OK, then to
    # Cancel, and Enter presses the button that has the focus.
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
    app.settle(0.5)
    left, top, _, _ = app.rect_of(about)
    app.move(left + 5, top + 5)  # away from both links
    app.settle(0.3)
    for row in (32, 48):
        blue, red = link_colours(app, about, row)
        check(blue > 20 and red == 0, 'the link at row %d away from the mouse: %d blue, %d red pixels' % (row, blue, red))
    app.move(left + skin.BORDER + 170, top + skin.TITLE + 32 + 7)
    app.settle(0.3)
    blue, red = link_colours(app, about, 32)
    check(red > 20 and blue == 0, 'the link under the mouse: %d blue, %d red pixels' % (blue, red))
    app.key('Escape')
