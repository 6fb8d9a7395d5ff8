"""Ripping as a person does it: tracks checked in the list with the mouse or the
keys, the Rip and Stop buttons, a rip from the keyboard alone, the WAV files that
come out, and a folder that cannot be written."""
import os

from e2e import BARE_AND_OPENBOX, SMALL_DISC, case, check, expected_wav, skin
from message_boxes import check_skinned, wait_message


def check_tracks(app, numbers):
    """Checks the check boxes of the tracks (1-based) with the keyboard: a click on
    the list's empty part gives it the focus, Home goes to the first row, Down to
    the next, Space checks the row."""
    left, top, width, height = app.window_rect()
    app.click(left + width // 2, top + height - 60)
    app.key('Home')
    row = 1
    for number in sorted(numbers):
        while row < number:
            app.key('Down')
            row += 1
        app.key('space')


def track_rows(app):
    """The middle of each row's check box in the track list, (x, y) from the top, while
    none is checked: a box is a frame whose inside is the list's white."""
    left, top, _, height = app.window_rect()
    x = left + skin.BORDER + 9
    shot = app.screenshot()
    rows = []
    y = top + skin.TITLE
    while y < top + height - 20:
        if shot.pixel(x, y) != skin.WHITE:
            inside = 0
            while shot.pixel(x, y + 1 + inside) == skin.WHITE and inside < 16:
                inside += 1
            if 8 <= inside <= 14 and shot.pixel(x, y + 1 + inside) != skin.WHITE:
                rows.append((x, y + (inside + 1) // 2))
                y += inside + 1
                continue
        y += 1
    return rows


def wav_path(app, number):
    return os.path.join(app.out_dir, 'Track %02d.wav' % number)


def file_is(path, expected):
    try:
        with open(path, 'rb') as f:
            return f.read() == expected
    except OSError:
        return False


@case(displays=BARE_AND_OPENBOX)
def case_rip_two_tracks(app):
    check_tracks(app, [1, 3])
    app.click_tool('rip')
    # The case's disc has tracks of 300 sectors from LBA 0 and 600; a track's file
    # holds every one of them, its last sector too.
    for number, lba in ((1, 0), (3, 600)):
        expected = expected_wav(lba, 300)
        app.wait_for(lambda: file_is(wav_path(app, number), expected),
                     'Track %02d.wav holds the drive\'s audio byte for byte' % number, timeout=40)
    check(not os.path.exists(wav_path(app, 2)), 'an unchecked track was ripped')
    # The rip is over: Rip is enabled again (its glyph shows as drawn, not faded),
    # and Stop, with nothing left to stop, no longer looks as if it could be pressed.
    app.wait_for(lambda: app.tool_button('rip'), 'the Rip button is enabled again')
    app.eventually(lambda: check(not app.tool_button('stop'), 'Stop looks enabled after the rip'))


@case()
def case_the_keys_follow_the_row_clicked(app):
    rows = track_rows(app)
    check(len(rows) == 4, 'the list shows %d check boxes' % len(rows))
    name = rows[1][0] + 60  # on the track's name, right of its box
    # A click on a track's name makes it the row that Space checks, and Down goes on
    # from there.
    app.click(name, rows[1][1])
    app.key('space')
    app.key('Down', 'space')
    # A click on a check box checks it and makes its row the current one too.
    app.click(*rows[0])
    app.key('Down', 'space')
    # A dialog opened and closed leaves the keys with the list, on its row.
    dialog = app.open_options()
    app.key('Escape')
    app.wait_for(lambda: app.rect_of(dialog) is None, 'Esc closes the Options dialog')
    app.key('Down', 'Down', 'space')
    app.screenshot('checked.png')
    app.click_tool('rip')
    for number, lba in ((1, 0), (3, 600), (4, 900)):
        expected = expected_wav(lba, 300)
        app.wait_for(lambda: file_is(wav_path(app, number), expected),
                     'Track %02d, checked, is ripped' % number, timeout=40)
    app.wait_for(lambda: app.tool_button('rip'), 'the rip ends')
    check(not os.path.exists(wav_path(app, 2)), 'Track 02, not checked, was ripped')


@case()
def case_rip_with_the_keyboard_alone(app):
    # The track list has the keys from the start: Down goes to the first track.
    app.key('Down', 'space', 'Down', 'Down', 'space')
    # CD > Rip CD Now!, the menu's second item.
    app.key('alt+c')
    app.key('Down', 'Return')
    for number, lba in ((1, 0), (3, 600)):
        expected = expected_wav(lba, 300)
        app.wait_for(lambda: file_is(wav_path(app, number), expected),
                     'Track %02d, checked, is ripped' % number, timeout=40)
    app.wait_for(lambda: app.tool_button('rip'), 'the rip ends')
    for number in (2, 4):
        check(not os.path.exists(wav_path(app, number)), 'Track %02d, not checked, was ripped' % number)


# Each read of the drive takes a while: a track of 3000 sectors rips in about ten
# seconds, long enough to stop it.
SLOW_DISC = SMALL_DISC.replace('track 2 300 audio', 'track 2 3000 audio').replace(
    'track 3 600 audio', 'track 3 6000 audio').replace('track 4 900 audio', 'track 4 6300 audio').replace(
    'leadout 1200', 'leadout 6600').replace('immediate\n', 'fault readcd late delay 80\n')


@case(disc=SLOW_DISC)
def case_stop_a_rip(app):
    check_tracks(app, [1, 2])
    app.click_tool('rip')
    first = wav_path(app, 1)
    app.wait_for(lambda: os.path.exists(first) and os.path.getsize(first) > 100000, 'the rip writes the first track')
    # While it rips, the Rip button is disabled (faded) and Stop is not.
    check(not app.tool_button('rip'), 'the Rip button is enabled during the rip')
    app.click_tool('stop')
    app.wait_for(lambda: app.tool_button('rip'), 'Stop enables the Rip button again')
    # The track it was on leaves no file that would pass for a finished one, and
    # none comes back.
    app.wait_for(lambda: not os.path.exists(first), 'the stopped track\'s file goes')
    app.settle(1)
    check(os.listdir(app.out_dir) == [], 'after Stop the folder holds %r' % os.listdir(app.out_dir))
    # The second track unchecked (Space on its row again), the first is ripped
    # anew, whole.
    check_tracks(app, [2])
    app.click_tool('rip')
    app.wait_for(lambda: file_is(first, expected_wav(0, 3000)), 'the first track is ripped whole', timeout=60)
    check(not os.path.exists(wav_path(app, 2)), 'the second track, unchecked, was ripped')


@case(disc=SLOW_DISC)
def case_a_disc_taken_out_during_a_rip(app):
    check_tracks(app, [1, 2])
    app.click_tool('rip')
    first, second = wav_path(app, 1), wav_path(app, 2)
    app.wait_for(lambda: file_is(first, expected_wav(0, 3000)), 'the first track is ripped', timeout=40)
    app.wait_for(lambda: os.path.exists(second) and os.path.getsize(second) > 100000,
                 'the rip writes the second track')
    before = app.visible_windows()
    app.set_disc(SLOW_DISC + 'nodisc\n')
    box = wait_message(app, before, 'Error', 'the rip says the disc is gone', timeout=30)
    check_skinned(app, box, 'the error message')
    app.screenshot('disc_gone.png')
    app.key('Return')
    app.wait_for(lambda: app.rect_of(box) is None, 'the message closes')
    # The finished track stays; the one it was on leaves no file.
    app.wait_for(lambda: not os.path.exists(second), 'the second track\'s file goes')
    check(file_is(first, expected_wav(0, 3000)), 'the first track\'s file changed')


@case(displays=BARE_AND_OPENBOX)
def case_rip_with_nothing_checked_says_so_in_the_skin(app):
    before = app.visible_windows()
    app.click_tool('rip')
    box = wait_message(app, before, 'Information', 'the program asks for a track')
    check_skinned(app, box, 'the message')
    app.screenshot('nothing_checked.png')
    app.key('Return')
    app.wait_for(lambda: app.rect_of(box) is None, 'the message closes')
    check(os.listdir(app.out_dir) == [], 'the folder holds %r' % os.listdir(app.out_dir))


@case(start=False)
def case_rip_to_an_unreachable_folder(app):
    app.write_settings({'OutputPath': 'Q:\\nowhere'})
    app.start()
    check_tracks(app, [1])
    before = app.visible_windows()
    app.click_tool('rip')
    windows = app.wait_for(lambda: app.new_windows(before), 'an error message shows', timeout=15)
    app.screenshot('error.png')
    check(len(windows) == 1, '%d windows opened' % len(windows))
    app.key('Return')
    app.wait_for(lambda: not app.new_windows(before), 'the message closes')
    app.wait_for(lambda: app.tool_button('rip'), 'Rip is enabled again')
