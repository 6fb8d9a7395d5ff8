"""The program's messages as cases meet them: a box found by its caption, and
whether it wears the skin (its close button drawn from the skin's pictures, where
a box of the system's has the system's caption and buttons)."""
from e2e import check, frame_button_place, look_shown, skin


def wait_message(app, before, caption, what, timeout=15):
    """The window captioned `caption` that opened since `before` (a result of
    visible_windows()), once it shows."""
    return app.wait_for(lambda: [w for w, _ in app.new_windows(before) if app.window_name(w) == caption],
                        what, timeout=timeout)[0]


def check_skinned(app, window, what):
    """The box shows the skin's close button, once it is drawn: a box comes up first
    and is painted a moment later."""
    def skinned():
        rect = app.rect_of(window)
        check(rect is not None, '%s is not shown' % what)
        share = look_shown(app.screenshot(), frame_button_place(rect, 'close'), skin.frame_normal_rect(0), rect[1])
        check(share > 0.95, '%s does not wear the skin: %d%% of the skin\'s close button shows' % (what, share * 100))
    app.eventually(skinned)
