"""The menus from the keyboard as a Windows user works them: F10, Alt alone and Alt
with a letter enter the menu bar; the first Esc in an open menu closes it and leaves
its item selected on the bar, the second leaves the menu bar; the arrows skip the
rows of a menu that cannot be chosen, also while a rip disables most of them; Alt,
a click elsewhere and the system menu end the menu mode."""
from cases_look import DIVIDER_H, MENU_BAR_H, ROW_H, client_rect, menu_bar_points, open_popup
from cases_rip import SLOW_DISC
from e2e import CaseFailure, case, check, near, skin

# Where the track list shows its current row.
SELECTED_ROW = (48, 150, 250)
# The CD menu's rows, each with the number of rows and separators above it.
CD_ROWS = {'Get Track Info From CDDB': (0, 0), 'Rip CD Now!': (1, 1), 'Refresh Track List': (2, 2),
           'Stop Ripping': (3, 2), 'Open CD Tray': (4, 3), 'Close CD Tray': (5, 3),
           'Select All Tracks': (6, 4), 'Deselect All Tracks': (7, 4), 'Options': (8, 5)}


def bar_look(app, point, shot=None):
    """How the menu bar's item at point shows: 'down' (its menu is open: a dark box),
    'selected' (a pale box framed in the skin's light blue) or 'plain'."""
    shot = shot or app.screenshot()
    left, top, _, _ = client_rect(app)
    box = (max(left, point[0] - 18), top, point[0] + 18, top + MENU_BAR_H)
    if shot.count(box, lambda c: near(c, skin.MID, 4) or near(c, skin.DARK, 4)) >= 30:
        return 'down'
    if shot.count(box, lambda c: near(c, skin.LIGHT, 4)) >= 30:
        return 'selected'
    return 'plain'


def check_bar(app, points, selected, what, look='selected'):
    """The item named `selected` shows `look`, every other item is plain; with
    selected None, no item stands out. The bar's drawing may reach the screen a
    moment after a menu window went, later on a busy machine: it is waited for."""
    expected = {name: look if name == selected else 'plain' for name in points}
    seen = {}

    def shows():
        shot = app.screenshot()
        seen.update((name, bar_look(app, point, shot)) for name, point in points.items())
        return seen == expected
    try:
        app.wait_for(shows, what, timeout=15)
    except CaseFailure:
        wrong = ['%s shows %s, not %s' % (name, seen[name], expected[name]) for name in points
                 if seen[name] != expected[name]]
        raise CaseFailure('%s: %s' % (what, ', '.join(wrong)))


def list_has_current_row(app):
    left, top, right, bottom = client_rect(app)
    shot = app.screenshot()
    return shot.count((left, top + 60, right, bottom - 20), lambda c: near(c, SELECTED_ROW, 20)) > 200


def check_no_menu(app, before, what):
    app.wait_for(lambda: not app.new_windows(before), what)


def check_cd_row(app, rect, expected, message):
    """The CD menu comes to show `expected` selected; the message names the row it
    shows (its %s)."""
    def shows():
        selected = cd_row_selected(app, rect)
        check(selected == expected, message % selected)
    app.eventually(shows)


def cd_row_selected(app, rect):
    """The CD menu's row shown selected (a band of the skin's dark blue), by name."""
    shot = app.screenshot()
    left, top, width, _ = rect
    best, best_count = None, 100
    for name, (rows, dividers) in CD_ROWS.items():
        y = top + 2 + rows * ROW_H + dividers * DIVIDER_H + ROW_H // 2
        count = shot.count((left + 4, y - 6, left + width - 4, y + 6), lambda c: near(c, skin.MID, 30))
        if count > best_count:
            best, best_count = name, count
    return best


@case()
def case_escape_closes_the_menu_then_leaves_the_menu_bar(app):
    points = menu_bar_points(app)
    before = app.visible_windows()
    # F10 and Down: File's menu. The first Esc closes it; File stays selected.
    app.key('F10')
    popup, _ = open_popup(app, lambda: app.key('Down'), 'Down opens the File menu')
    app.key('Escape')
    app.wait_for(lambda: app.rect_of(popup) is None, 'the first Esc closes the File menu')
    check_bar(app, points, 'File', 'the first Esc')
    # Still on the bar: Right selects CD without opening it, Up opens it.
    app.key('Right')
    check(not app.new_windows(before), 'Right after Esc opened a menu')
    check_bar(app, points, 'CD', 'Right after Esc')
    popup, _ = open_popup(app, lambda: app.key('Up'), 'Up opens the CD menu')
    check_bar(app, points, 'CD', 'the CD menu open', look='down')
    app.key('Escape')
    app.wait_for(lambda: app.rect_of(popup) is None, 'Esc closes the CD menu')
    check_bar(app, points, 'CD', 'Esc in the CD menu')
    # The second Esc leaves the bar: nothing is selected and the keys are the
    # window's again, Down goes to the first track.
    app.key('Escape')
    check_bar(app, points, None, 'the second Esc')
    check(not list_has_current_row(app), 'the track list has a current row before any key reached it')
    app.key('Down')
    check(not app.new_windows(before), 'Down after the second Esc opened a menu')
    app.wait_for(lambda: list_has_current_row(app), 'Down after the second Esc reaches the track list')

    # The same from Alt and a letter: Help's menu, Esc, Enter opens it again.
    popup, _ = open_popup(app, lambda: app.key('alt+h'), 'Alt+H opens the Help menu')
    app.key('Escape')
    app.wait_for(lambda: app.rect_of(popup) is None, 'Esc closes the Help menu')
    check_bar(app, points, 'Help', 'Esc in the menu Alt+H opened')
    popup, _ = open_popup(app, lambda: app.key('Return'), 'Enter opens the Help menu again')
    app.key('Escape', 'Escape')
    check_no_menu(app, before, 'two Escs close the Help menu')
    check_bar(app, points, None, 'two Escs in the Help menu')

    # And from a click: the mouse leaves the bar, Esc keeps the item selected and
    # Left moves on from it.
    popup, _ = open_popup(app, lambda: app.click(*points['File']), 'a click on File opens its menu')
    left, top, width, height = app.window_rect()
    app.move(left + width - 80, top + height - 60)
    app.key('Escape')
    app.wait_for(lambda: app.rect_of(popup) is None, 'Esc closes the menu a click opened')
    check_bar(app, points, 'File', 'Esc in the menu a click opened')
    app.key('Left')
    check_bar(app, points, 'Help', 'Left after Esc')
    app.key('Escape')
    check_bar(app, points, None, 'the second Esc after a click')
    check_no_menu(app, before, 'no menu stays open')


@case(disc=SLOW_DISC, timeout=120)
def case_arrows_reach_the_rows_a_rip_leaves(app):
    # Tracks 1 and 2 (ten seconds each) checked, then CD > Rip CD Now!, all by keys.
    app.key('Down', 'space', 'Down', 'space')
    app.key('alt+c')
    app.key('Down', 'Return')
    app.wait_for(lambda: not app.tool_button('rip'), 'the rip starts')
    # While it rips, Stop Ripping and Options are the CD menu's only rows that
    # can be chosen: Down goes from one to the other, round from the last row,
    # and Up stops at the first that can be chosen.
    popup, rect = open_popup(app, lambda: app.key('alt+c'), 'Alt+C opens the CD menu during the rip')
    check_cd_row(app, rect, 'Stop Ripping', 'the CD menu opens on %s, not Stop Ripping')
    app.key('Down')
    check_cd_row(app, rect, 'Options', 'Down from Stop Ripping goes to %s')
    app.key('Down')
    check_cd_row(app, rect, 'Stop Ripping', 'Down from Options goes to %s')
    app.key('Up')
    check_cd_row(app, rect, 'Stop Ripping', 'Up from Stop Ripping goes to %s')
    app.key('Return')
    app.wait_for(lambda: app.rect_of(popup) is None, 'Enter closes the menu')
    app.wait_for(lambda: app.tool_button('rip'), 'Stop Ripping, chosen with Enter, ends the rip')


@case()
def case_other_ways_out_of_the_menu_bar(app):
    points = menu_bar_points(app)
    left, top, width, height = app.window_rect()
    before = app.visible_windows()
    # Alt alone enters and leaves; so does F10.
    app.key('alt')
    check_bar(app, points, 'File', 'Alt')
    app.key('alt')
    check_bar(app, points, None, 'Alt again')
    app.key('F10', 'F10')
    check_bar(app, points, None, 'F10 twice')
    # Alt while a menu is open closes it and leaves the bar.
    open_popup(app, lambda: app.key('alt+c'), 'Alt+C opens the CD menu')
    app.key('alt')
    check_no_menu(app, before, 'Alt closes the CD menu')
    check_bar(app, points, None, 'Alt with the CD menu open')
    # A click elsewhere ends the menu mode, with a menu open or not.
    app.key('F10', 'Right')
    app.click(left + width - 80, top + height - 60)
    check_bar(app, points, None, 'a click in the list while CD is selected')
    open_popup(app, lambda: app.key('alt+f'), 'Alt+F opens the File menu')
    app.click(left + width - 80, top + height - 60)
    check_no_menu(app, before, 'a click in the list closes the File menu')
    check_bar(app, points, None, 'a click in the list with the File menu open')
    # Alt+Space from the menu bar: the system menu instead; Esc closes it and the
    # keys are the window's again.
    app.move(left + width - 80, top + height - 60)
    app.key('F10')
    open_popup(app, lambda: app.key('alt+space'), 'Alt+Space opens the system menu')
    app.key('Escape')
    check_no_menu(app, before, 'Esc closes the system menu')
    check_bar(app, points, None, 'Esc in the system menu opened from the menu bar')
    app.key('Right')
    check_bar(app, points, None, 'Right after the system menu closed')
    check(not app.new_windows(before), 'Right after the system menu opened a menu')


@case()
def case_menu_commands_answer_their_underlined_letters(app):
    before = app.visible_windows()
    # Every command of a menu shows a letter of its own underlined, and the letter
    # picks it: Help's "About" by its A; Esc closes the box it opens.
    open_popup(app, lambda: app.key('alt+h'), 'Alt+H opens the Help menu')
    app.screenshot('help_menu.png')
    app.key('a')
    about = app.wait_for(lambda: app.find_window('About'), 'A in the Help menu opens the about box')
    app.key('Escape')
    app.wait_for(lambda: app.rect_of(about) is None, 'Esc closes the about box')
    check_no_menu(app, before, 'no menu is left open')
    # The CD menu's "Options" by its P (its O is taken by "Open CD Tray").
    open_popup(app, lambda: app.key('alt+c'), 'Alt+C opens the CD menu')
    app.screenshot('cd_menu.png')
    app.key('p')
    options = app.wait_for(lambda: app.find_window('Options'), 'P in the CD menu opens Options')
    app.key('Escape')
    app.wait_for(lambda: app.rect_of(options) is None, 'Esc closes Options')
