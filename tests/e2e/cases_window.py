"""The main window as a person handles it: moved by its caption, sized by its edges
and corners, maximized, restored, minimized and brought back, rolled up and down."""
from e2e import case, check, near, skin


def caption_text_point(app):
    """A point on the caption's text ("Brenvale")."""
    left, top, _, _ = app.window_rect()
    return left + skin.CAPTION[0] + 20, top + (skin.CAPTION[1] + skin.CAPTION[3]) // 2


def caption_empty_point(app):
    """A point of the caption bar between the text and the caption buttons."""
    left, top, width, _ = app.window_rect()
    rollup_left = left + width - (skin.FW - skin.frame_button_rect(len(skin.FRAME_BUTTONS) - 1)[0])
    return rollup_left - 60, top + (skin.CAPTION[1] + skin.CAPTION[3]) // 2


def moved_by(app, before, dx, dy):
    after = app.window_rect()
    check(after == (before[0] + dx, before[1] + dy, before[2], before[3]),
          'the window is at %s after a drag by (%d, %d) from %s' % (after, dx, dy, before))


@case()
def case_drag_by_caption_text(app):
    before = app.window_rect()
    start = caption_text_point(app)
    app.drag(start, (start[0] - 120, start[1] + 70))
    moved_by(app, before, -120, 70)
    # And back again: the program survived the first move and moves a second time.
    start = caption_text_point(app)
    app.drag(start, (start[0] + 120, start[1] - 70))
    moved_by(app, before, 0, 0)


@case(expect_failure='a press on the empty part of the caption starts no move yet')
def case_drag_by_empty_caption(app):
    before = app.window_rect()
    start = caption_empty_point(app)
    app.drag(start, (start[0] + 90, start[1] + 50))
    moved_by(app, before, 90, 50)
