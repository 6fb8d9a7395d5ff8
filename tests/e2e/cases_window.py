"""The main window as a person handles it: moved by its caption, sized by its edges
and corners, maximized, restored, minimized and brought back, rolled up and down,
its system menu opened from the icon and from the keyboard, its menus from the menu
bar's keys, saved bounds off every monitor fitted to the screen, and the close button
that ends the program. Most of it on a bare display and under a window manager,
which then moves and sizes the window, and keeps it minimized until its taskbar
brings it back."""
from cases_look import check_popup
from cases_rip import track_rows
from e2e import BARE, BARE_AND_OPENBOX, SMALL_DISC, CaseFailure, case, check, frame_button_place, look_shown, near, skin


def caption_text_point(app):
    """A point on the caption's text ("Brenvale")."""
    left, top, _, _ = app.window_rect()
    return left + skin.CAPTION[0] + 20, top + (skin.CAPTION[1] + skin.CAPTION[3]) // 2


def caption_empty_point(app):
    """A point of the caption bar between the text and the caption buttons."""
    left, top, width, _ = app.window_rect()
    rollup_left = left + width - (skin.FW - skin.frame_button_rect(len(skin.FRAME_BUTTONS) - 1)[0])
    return rollup_left - 60, top + (skin.CAPTION[1] + skin.CAPTION[3]) // 2


def icon_point(app):
    left, top, _, _ = app.window_rect()
    return left + (skin.ICON[0] + skin.ICON[2]) // 2, top + (skin.ICON[1] + skin.ICON[3]) // 2


def moved_by(app, before, dx, dy):
    def moved():
        after = app.window_rect()
        check(after == (before[0] + dx, before[1] + dy, before[2], before[3]),
              'the window is at %s after a drag by (%d, %d) from %s' % (after, dx, dy, before))
    app.eventually(moved)


def check_rect(app, expected, message):
    """The main window comes to lie at `expected`; the message names where it
    is (its %s)."""
    app.eventually(lambda: check(app.window_rect() == expected, message % (app.window_rect(),)))


def drag_moves(app, start, end):
    """A drag that moves the window; its rectangle once it has moved."""
    before = app.window_rect()
    app.drag(start, end)
    return app.wait_for(lambda: app.window_rect() != before and app.window_rect(), 'the window moves')


def shows_frame(app, rect):
    """The skin's frame is on the screen at rect: its title bar and the menu bar."""
    shot = app.screenshot()
    left, top, width, _ = rect
    title = shot.pixel(left + width // 2, top + skin.TITLE // 2)
    menu_bar = shot.pixel(left + width // 2, top + skin.TITLE + 3)
    return near(title, skin.mix(skin.LIGHT, skin.MID, 0.5), 30) and near(menu_bar, skin.FACE_HOT, 30)


def shows_whole_frame(app, rect):
    """The window at rect is painted to its edges: its close button at the right end
    of the title bar, its gauge along the bottom from end to end."""
    shot = app.screenshot()
    left, top, width, height = rect
    close = frame_button_place(rect, 'close')
    looks = (skin.frame_normal_rect(0), skin.frame_active_rect(0))
    gauge_top = top + height - skin.BORDER - 14
    return (max(look_shown(shot, close, look, top) for look in looks) > 0.95 and
            all(near(shot.pixel(x, gauge_top), skin.MID, 8)
                for x in (left + skin.BORDER + 6, left + width - skin.BORDER - 6)))


def shows_no_frame(app, rect):
    """Nothing of the skin is left where the window was: the screen under it is
    repainted (one colour that is none of the skin's)."""
    shot = app.screenshot()
    left, top, width, height = rect
    colours = shot.colours((left, top, left + width, top + height))
    return len(colours) == 1 and not any(near(c, k, 20) for c in colours
                                         for k in (skin.FACE, skin.FACE_HOT, skin.LIGHT, skin.MID, skin.DARK))


def wait_gone(app, rect, what):
    """The window is minimized: a small title at the bottom of a bare screen, or gone
    to the window manager; the screen it leaves is repainted."""
    app.wait_for(app.minimized, what + ': the window is minimized')
    app.wait_for(lambda: shows_no_frame(app, rect), what + ': the screen it leaves is repainted')


def wait_back(app, rect, what):
    app.wait_for(lambda: app.rect_of(app.window) == rect, what + ': the window comes back at %s' % (rect,))
    app.wait_for(lambda: shows_frame(app, rect), what + ': the window is painted again')


def wait_look(app, kind, look, what):
    """The caption button shows a look of the control picture (a rectangle of
    draw_skin's), the mouse away from it."""
    rect = app.window_rect()
    app.move(rect[0] + rect[2] // 2, rect[1] + skin.TITLE + 120)
    app.wait_for(lambda: look_shown(app.screenshot(), frame_button_place(app.window_rect(), kind), look,
                                    app.window_rect()[1]) > 0.95, what)


def popup_of(app, before, what):
    """The one window that opened since `before`: (window, rect)."""
    found = app.wait_for(lambda: app.new_windows(before), what)
    check(len(found) == 1, '%s: %d windows opened' % (what, len(found)))
    return found[0]


@case(displays=BARE_AND_OPENBOX)
def case_drag_by_caption_text(app):
    before = app.window_rect()
    start = caption_text_point(app)
    app.drag(start, (start[0] - 120, start[1] + 70))
    moved_by(app, before, -120, 70)
    # And back again: the program survived the first move and moves a second time.
    start = caption_text_point(app)
    app.drag(start, (start[0] + 120, start[1] - 70))
    moved_by(app, before, 0, 0)


@case()
def case_drag_by_empty_caption(app):
    before = app.window_rect()
    start = caption_empty_point(app)
    app.drag(start, (start[0] + 90, start[1] + 50))
    moved_by(app, before, 90, 50)
    app.eventually(lambda: check(shows_frame(app, app.window_rect()), 'the moved window is painted at its new place'))


@case(displays=BARE_AND_OPENBOX)
def case_size_from_edges_and_corners(app):
    # Moved first: the window is sized where it was moved to.
    start = caption_text_point(app)
    left, top, width, height = drag_moves(app, start, (start[0] - 40, start[1] - 30))
    # The right edge, then the bottom edge, then the bottom-right corner.
    app.drag((left + width - 2, top + height // 2), (left + width + 58, top + height // 2))
    check_rect(app, (left, top, width + 60, height), 'the right edge sized to %s')
    width += 60
    app.wait_for(lambda: shows_whole_frame(app, (left, top, width, height)), 'the wider window is painted to its edges')
    app.drag((left + width // 2, top + height - 2), (left + width // 2, top + height + 38))
    check_rect(app, (left, top, width, height + 40), 'the bottom edge sized to %s')
    height += 40
    app.wait_for(lambda: shows_whole_frame(app, (left, top, width, height)), 'the higher window is painted to its edges')
    app.drag((left + width - 2, top + height - 2), (left + width - 102, top + height - 72))
    check_rect(app, (left, top, width - 100, height - 70), 'the corner sized to %s')
    width -= 100
    height -= 70
    # The left edge and the top-left corner move the window's left and top.
    app.drag((left + 1, top + height // 2), (left - 39, top + height // 2))
    check_rect(app, (left - 40, top, width + 40, height), 'the left edge sized to %s')
    left -= 40
    width += 40
    # (The corner pixel itself is cut off by the rounded corner of the skin's mask.)
    app.drag((left + 2, top + 2), (left + 32, top + 22))
    check_rect(app, (left + 30, top + 20, width - 30, height - 20), 'the top-left corner sized to %s')
    app.wait_for(lambda: shows_whole_frame(app, app.window_rect()), 'the sized window is painted to its edges')
    app.screenshot('sized.png')


@case(displays=BARE_AND_OPENBOX)
def case_maximize_and_restore(app):
    normal = app.window_rect()
    work = app.work_area()
    app.click(*app.frame_button('maximize'))
    app.wait_for(lambda: app.window_rect() == work, 'the maximize button fills the work area')
    app.wait_for(lambda: shows_frame(app, work), 'the maximized window is painted')
    # The maximize button of a maximized window restores it, and looks so.
    wait_look(app, 'maximize', skin.frame_restore_rect('maximize'), 'the maximize button shows its restore look')
    app.click(*app.frame_button('maximize'))
    app.wait_for(lambda: app.window_rect() == normal, 'the button restores the window')
    maximize = skin.frame_normal_rect(skin.FRAME_BUTTONS.index('maximize'))
    wait_look(app, 'maximize', maximize, 'the restored window\'s maximize button looks so again')
    # A double click on the caption maximizes and restores too.
    app.double_click(*caption_empty_point(app))
    app.wait_for(lambda: app.window_rect() == work, 'a double click on the caption maximizes')
    app.double_click(*caption_empty_point(app))
    app.wait_for(lambda: app.window_rect() == normal, 'a double click on the caption restores')
    # A maximized window does not move by its caption.
    app.click(*app.frame_button('maximize'))
    app.wait_for(lambda: app.window_rect() == work, 'maximized again')
    start = caption_text_point(app)
    app.drag(start, (start[0] + 80, start[1] + 80))
    check(app.window_rect() == work, 'a maximized window stays put when dragged')


@case(displays=BARE_AND_OPENBOX)
def case_minimize_and_bring_back(app):
    normal = app.window_rect()
    # From the system menu (Mi&nimize is its first command).
    before = app.visible_windows()
    app.click(*icon_point(app))
    popup_of(app, before, 'the system menu opens')
    app.key('n')
    wait_gone(app, normal, 'minimized from the system menu')
    app.screenshot('minimized.png')
    # A double click on the minimized title (a window manager: its taskbar) brings
    # it back.
    app.bring_back()
    wait_back(app, normal, 'brought back')
    app.screenshot('restored.png')
    # Again with the minimize button: the program knows it came back.
    app.click(*app.frame_button('minimize'))
    wait_gone(app, normal, 'minimized by its button')
    if app.manager == BARE:
        # A click on the title, and a right click, open its system menu: the
        # skin's (Ma&ximize, &Restore, a separator, &Close), each time. Its
        # Restore brings the window back.
        title = app.iconic_title()
        middle = (title[0] + title[2] // 2, title[1] + title[3] // 2)
        before = app.visible_windows()
        for turn, button in enumerate((1, 3, 1)):
            if turn:
                app.key('Escape')
                app.wait_for(lambda: not app.new_windows(before), 'Esc closes the system menu')
            app.click(*middle, button=button)
            what = 'a click (button %d) on the title opens the system menu' % button
            _, rect = popup_of(app, before, what)
            app.eventually(lambda: check_popup(app, rect, 3, 1, what))
        app.key('r')
    else:
        app.bring_back()
    wait_back(app, normal, 'Restore from the menu')
    # Still the same window: it moves by its caption.
    start = caption_text_point(app)
    app.drag(start, (start[0] + 40, start[1] + 30))
    moved_by(app, normal, 40, 30)


@case(displays=BARE_AND_OPENBOX)
def case_a_maximized_window_comes_back_maximized(app):
    work = app.work_area()
    app.click(*app.frame_button('maximize'))
    app.wait_for(lambda: app.window_rect() == work, 'maximized')
    # The program has taken the new size (a click sooner may land where its buttons were).
    wait_look(app, 'maximize', skin.frame_restore_rect('maximize'), 'the maximize button shows its restore look')
    app.click(*app.frame_button('minimize'))
    app.wait_for(app.minimized, 'minimized while maximized')
    app.bring_back()
    wait_back(app, work, 'brought back')
    # Maximized still: its button restores it.
    app.click(*app.frame_button('maximize'))
    app.wait_for(lambda: app.window_rect() != work, 'the maximize button restores the window')


@case(displays=BARE_AND_OPENBOX)
def case_roll_up_and_down(app):
    left, top, width, height = app.window_rect()
    rolled = skin.FH - (skin.CLIENT[3] - skin.CLIENT[1])
    app.click(*app.frame_button('rollup'))
    app.wait_for(lambda: app.window_rect() == (left, top, width, rolled), 'the window rolls up to its caption')
    app.wait_for(lambda: shows_no_frame(app, (left, top + rolled + 1, width, height - rolled - 1)),
                 'the screen below the rolled-up window is repainted')
    wait_look(app, 'rollup', skin.frame_restore_rect('rollup'), 'the roll-up button shows its roll-down look')
    app.screenshot('rolled_up.png')
    app.click(*app.frame_button('rollup'))
    app.wait_for(lambda: app.window_rect() == (left, top, width, height), 'the window rolls down')
    app.wait_for(lambda: shows_frame(app, (left, top, width, height)), 'the rolled-down window is painted')


@case(displays=BARE_AND_OPENBOX)
def case_maximize_a_rolled_up_window(app):
    normal = app.window_rect()
    work = app.work_area()
    app.click(*app.frame_button('rollup'))
    app.wait_for(lambda: app.window_rect()[3] < normal[3], 'the window rolls up')
    app.click(*app.frame_button('maximize'))
    app.wait_for(lambda: app.window_rect() == work, 'the rolled-up window maximizes')
    # It is rolled down: its track list is there and takes clicks.
    list_point = (work[2] // 2, work[3] // 2)
    app.eventually(lambda: check(app.screenshot().pixel(*list_point) == (255, 255, 255),
                                 'the track list shows in the maximized window'))
    app.click(*app.frame_button('maximize'))
    app.wait_for(lambda: app.window_rect() == normal, 'restored to its full height')


@case()
def case_system_menu_from_icon_and_keyboard(app):
    left, top, _, _ = app.window_rect()
    below_icon = (left + skin.ICON[0], top + skin.ICON[3])
    before = app.visible_windows()
    app.click(*icon_point(app))
    _, rect = popup_of(app, before, 'a click on the icon opens the system menu')
    check(rect[:2] == below_icon, 'the system menu opens at %s, below the icon at %s' % (rect[:2], below_icon))
    app.key('Escape')
    app.wait_for(lambda: not app.new_windows(before), 'Esc closes the system menu')
    app.key('alt+space')
    _, rect = popup_of(app, before, 'Alt+Space opens the system menu')
    check(rect[:2] == below_icon, 'the system menu opens at %s, below the icon at %s' % (rect[:2], below_icon))
    # Its Maximize (Ma&ximize) works from the keyboard.
    app.key('x')
    app.wait_for(lambda: app.window_rect() == app.work_area(), 'the system menu maximizes the window')
    app.wait_for(lambda: not app.new_windows(before), 'the system menu closes')


@case(settings={'MainFormLeft': 5000, 'MainFormTop': -3000, 'MainFormWidth': 785, 'MainFormHeight': 580})
def case_saved_bounds_off_every_monitor(app):
    rect = app.window_rect()
    work = app.work_area()
    check(rect[2:] == (785, 580), 'the window keeps its saved size: %s' % (rect,))
    check(rect[0] >= work[0] and rect[1] >= work[1] and rect[0] + rect[2] <= work[0] + work[2]
          and rect[1] + rect[3] <= work[1] + work[3], 'the window %s lies on the work area %s' % (rect, work))
    app.eventually(lambda: check(shows_frame(app, rect), 'the window is painted where it is'))


@case(displays=BARE_AND_OPENBOX)
def case_the_close_button_ends_the_program(app):
    left, top, width, height = drag_moves(app, caption_text_point(app),
                                          (caption_text_point(app)[0] + 30, caption_text_point(app)[1] + 20))
    app.expect_exit()
    app.click(*app.frame_button('close'))
    check(app.wait_for_exit('the close button ends the program') == 0, 'the program failed at its end')
    settings = app.read_settings()
    saved = tuple(int(settings.get(k, -1)) for k in ('MainFormLeft', 'MainFormTop', 'MainFormWidth', 'MainFormHeight'))
    check(saved == (left, top, width, height), 'the settings hold the bounds %s, not %s' % (saved, (left, top, width, height)))


@case(displays=BARE_AND_OPENBOX)
def case_down_opens_the_highlighted_menu(app):
    left, top, _, _ = app.window_rect()
    before = app.visible_windows()
    app.key('F10')
    check(not app.new_windows(before), 'F10 alone opened a menu')
    app.key('Down')
    _, rect = popup_of(app, before, 'Down opens the menu of the highlighted item')
    menu_bar_bottom = top + skin.TITLE + 22
    check(abs(rect[1] - menu_bar_bottom) <= 2 and left <= rect[0] < left + 40,
          'the menu opens at %s, not below File at the menu bar\'s bottom (%d)' % (rect[:2], menu_bar_bottom))
    app.key('Escape', 'Escape')
    app.wait_for(lambda: not app.new_windows(before), 'Esc closes the menu')


@case(displays=BARE_AND_OPENBOX)
def case_options_ok_leaves_the_window_where_the_user_put_it(app):
    start = caption_text_point(app)
    left, top, width, height = drag_moves(app, start, (start[0] - 100, start[1] + 60))
    app.drag((left + width - 2, top + height - 2), (left + width - 82, top + height - 52))
    placed = (left, top, width - 80, height - 50)
    check_rect(app, placed, 'the window was sized to %s')
    dialog = app.open_options()
    app.key('Return')
    app.wait_for(lambda: app.rect_of(dialog) is None, 'Enter closes Options with OK')
    app.settle(0.5)
    check(app.window_rect() == placed, 'OK in Options moved the window from %s to %s' % (placed, app.window_rect()))
    app.eventually(lambda: check(shows_frame(app, placed), 'the window is painted where it is'))


# Six tracks: more than the smallest window shows.
SIX_TRACKS = SMALL_DISC.replace('leadout 1200', 'track 5 1200 audio\ntrack 6 1500 audio\nleadout 1800')


def smallest_look_wanting(app):
    """What the window fails to show of its menu bar, its whole tool bar (the last
    group's Options button included) and three rows of the list; None when it shows
    them all."""
    if not shows_frame(app, app.window_rect()):
        return 'the menu bar does not show'
    if app.tool_button('options') is None:
        return 'the tool bar\'s Options button does not show'
    rows = track_rows(app)
    return None if len(rows) >= 3 else '%d rows of the list show' % len(rows)


def wait_smallest_look(app, what):
    """The window comes to show them all (a window manager is told the size kept
    after its own size came in)."""
    wanting = [None]

    def shows_all():
        wanting[0] = smallest_look_wanting(app)
        return wanting[0] is None
    try:
        app.wait_for(shows_all, what)
    except CaseFailure:
        raise CaseFailure('%s: %s' % (what, wanting[0]))


@case(disc=SIX_TRACKS, displays=BARE_AND_OPENBOX)
def case_the_smallest_window_keeps_its_menu_tool_bar_and_rows(app):
    # A corner dragged far inward stops where the window still shows them all. A
    # busy machine may take the press late and end the size short of that, as a
    # person's hurried drag does: the corner is dragged again until the size holds.
    left, top, width, height = app.window_rect()
    smallest = (left, top, width, height)
    for _ in range(5):
        before = smallest
        app.drag((left + before[2] - 2, top + before[3] - 2), (left + 40, top + 20))
        wait_smallest_look(app, 'dragged to its smallest')
        smallest = app.window_rect()
        if smallest == before:
            break
    check(smallest[:2] == (left, top) and smallest[2] < width and smallest[3] < height,
          'dragged inward from %s, the window is %s' % ((left, top, width, height), smallest))
    app.screenshot('smallest.png')
    # A size saved smaller still (5 x 5) opens at that smallest size.
    app.expect_exit()
    app.click(*app.frame_button('close'))
    check(app.wait_for_exit('the close button ends the program') == 0, 'the program failed at its end')
    app.write_settings(dict(app.read_settings(), MainFormWidth=5, MainFormHeight=5))
    app.exit_expected = False
    app.start()
    # A window manager's own size may come first; the program's follows.
    app.eventually(lambda: check(app.window_rect()[2:] == smallest[2:],
                                 'saved at 5 x 5, the window opens at %s, its smallest is %s'
                                 % (app.window_rect(), smallest)))
    wait_smallest_look(app, 'saved at 5 x 5')
