"""The main window on a desktop that a window manager looks after, and what such a
desktop asks of it (most of it holds on a bare display too): it stays clickable
whatever the state changes before, the manager's own menu minimizes, maximizes and
restores it and the program follows, and its taskbar shows the program's icon."""
from cases_look import menu_bar_points
from cases_rip import track_rows
from cases_window import caption_text_point, moved_by, popup_of, wait_look
from e2e import BARE_AND_OPENBOX, OPENBOX, case, check, near, skin

# The functions a window offers its manager (_MOTIF_WM_HINTS).
MWM_FUNC_MINIMIZE, MWM_FUNC_MAXIMIZE = 8, 16


def check_clickable(app, what):
    """Clicks reach the window: on a track's check box, on the menu bar, on a tool
    button and on a caption button."""
    rows = track_rows(app)
    check(rows, '%s: no check box in the track list' % what)
    app.click(*rows[0])
    app.wait_for(lambda: app.screenshot().pixel(*rows[0]) != skin.WHITE, what + ': a click checks a track')
    before = app.visible_windows()
    app.click(*menu_bar_points(app)['File'])
    popup_of(app, before, what + ': a click on File opens its menu')
    app.key('Escape', 'Escape')
    app.wait_for(lambda: not app.new_windows(before), what + ': the menu closes')
    dialog = app.open_options()
    app.key('Escape')
    app.wait_for(lambda: app.rect_of(dialog) is None, what + ': Esc closes Options')
    normal = app.window_rect()
    app.click(*app.frame_button('maximize'))
    app.wait_for(lambda: app.window_rect() == app.work_area(), what + ': a click on maximize maximizes')
    # A person clicks the button where it shows, once the maximized window is drawn.
    wait_look(app, 'maximize', skin.frame_restore_rect('maximize'), what + ': the maximize button shows restore')
    app.click(*app.frame_button('maximize'))
    app.wait_for(lambda: app.window_rect() == normal, what + ': and restores')


@case(displays=BARE_AND_OPENBOX)
def case_clickable_after_maximize_restore_and_a_move(app):
    normal = app.window_rect()
    app.click(*app.frame_button('maximize'))
    app.wait_for(lambda: app.window_rect() == app.work_area(), 'maximized')
    wait_look(app, 'maximize', skin.frame_restore_rect('maximize'), 'the maximize button shows restore')
    app.click(*app.frame_button('maximize'))
    app.wait_for(lambda: app.window_rect() == normal, 'restored')
    start = caption_text_point(app)
    app.drag(start, (start[0] + 50, start[1]))
    moved_by(app, normal, 50, 0)
    check_clickable(app, 'after maximize, restore and a move')


@case(displays=(OPENBOX,))
def case_the_manager_minimizes_maximizes_and_restores(app):
    # The window offers the manager what its caption buttons do.
    functions = app.motif_functions()
    check(functions is not None and functions & MWM_FUNC_MINIMIZE and functions & MWM_FUNC_MAXIMIZE,
          'the window does not offer its manager to minimize and maximize it (%s)' % functions)
    normal = app.window_rect()
    work = app.work_area()
    maximize = skin.frame_normal_rect(skin.FRAME_BUTTONS.index('maximize'))
    # Maximized by the manager, the window is maximized for the program too: its
    # button shows the restore look and restores it.
    app.manager_command('maximize')
    app.wait_for(lambda: app.window_rect() == work, 'the manager maximizes the window')
    wait_look(app, 'maximize', skin.frame_restore_rect('maximize'), 'the maximize button shows its restore look')
    app.click(*app.frame_button('maximize'))
    app.wait_for(lambda: app.window_rect() == normal, 'the program\'s button restores the window')
    wait_look(app, 'maximize', maximize, 'the maximize button looks so again')
    # The manager's restore too.
    app.manager_command('maximize')
    app.wait_for(lambda: app.window_rect() == work, 'the manager maximizes the window again')
    app.manager_command('restore')
    app.wait_for(lambda: app.window_rect() == normal, 'the manager restores the window')
    wait_look(app, 'maximize', maximize, 'restored by the manager, the maximize button looks so')
    # Minimized by the manager and brought back by its taskbar, maximized before:
    # it comes back maximized, and its own buttons go on working.
    app.click(*app.frame_button('maximize'))
    app.wait_for(lambda: app.window_rect() == work, 'maximized by its button')
    app.manager_command('iconify')
    app.wait_for(app.minimized, 'the manager minimizes the window')
    app.bring_back()
    app.wait_for(lambda: app.rect_of(app.window) == work, 'the taskbar brings the window back maximized')
    app.click(*app.frame_button('maximize'))
    app.wait_for(lambda: app.window_rect() == normal, 'its button restores it')
    app.click(*app.frame_button('minimize'))
    app.wait_for(app.minimized, 'its button minimizes it')
    app.bring_back()
    app.wait_for(lambda: app.rect_of(app.window) == normal, 'the taskbar brings it back')
    check_clickable(app, 'after the manager\'s requests')


@case(displays=(OPENBOX,))
def case_the_taskbar_shows_the_programs_icon(app):
    icons = app.wm_icons()
    for size in (16, 32):
        check(size in icons, 'no icon of %d pixels for the taskbar (%s)' % (size, sorted(icons)))
        wrong = 0
        for y in range(size):
            for x in range(size):
                a, r, g, b = icons[size][y][x]
                expected = skin.icon_pixel(x, y, size)
                if (a < 128) != (expected is None) or (expected and not near((r, g, b), expected, 24)):
                    wrong += 1
        check(wrong <= size, 'the %d-pixel icon is not the program\'s: %d pixels differ' % (size, wrong))


@case(displays=(OPENBOX,))
def case_the_manager_maximizes_and_restores_a_rolled_up_window(app):
    # The manager restores the bounds it kept from before its maximize, a caption's
    # height; the window takes its full height back all the same, and rolls up again.
    normal = app.window_rect()
    app.click(*app.frame_button('rollup'))
    app.wait_for(lambda: app.window_rect()[3] < normal[3], 'the window rolls up')
    app.manager_command('maximize')
    app.wait_for(lambda: app.window_rect() == app.work_area(), 'the manager maximizes the rolled-up window')
    app.manager_command('restore')
    app.wait_for(lambda: app.window_rect() == normal, 'the manager restores it to its full height')
    check_clickable(app, 'after the manager restored a rolled-up window')
    app.click(*app.frame_button('rollup'))
    app.wait_for(lambda: app.window_rect()[3] < normal[3], 'the window rolls up again')
