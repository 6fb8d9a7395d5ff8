"""Naming tracks from CDDB as a person meets it: a record with the letters of many
scripts, looked up with the tool button, and the files a rip names from it; a disc
the server has no record of."""
import os

from e2e import SMALL_DISC, case, check, expected_wav
from message_boxes import check_skinned, wait_message

# Five tracks of 300 sectors: the test server's record world/17001405, in UTF-8.
WORLD_DISC = SMALL_DISC.replace('leadout 1200', 'track 5 1200 audio\nleadout 1500')
WORLD_TITLES = ['Łódź nocą', 'Café Tōkyō', '東京の雨', 'Ånd og Ære', 'Песня']


def holds_track_audio(path, first_lba, sectors):
    """The file is a WAV of the whole track's audio, its last sector included."""
    try:
        with open(path, 'rb') as f:
            data = f.read()
    except OSError:
        return False
    return data == expected_wav(first_lba, sectors)


@case(disc=WORLD_DISC)
def case_titles_in_any_script_name_the_files(app):
    before = app.visible_windows()
    app.click_tool('cddb')
    app.wait_for(lambda: not app.find_window('Loading CDDB Data ..'), 'the lookup ends', timeout=40)
    app.settle(0.5)
    check(not app.new_windows(before), 'a message showed after the lookup')
    app.screenshot('named.png')
    app.click_tool('selectall')
    app.click_tool('rip')
    # Every file carries its title's own letters, those the program's code page
    # lacks too, and the rip goes on to the end.
    for number, title in enumerate(WORLD_TITLES):
        path = os.path.join(app.out_dir, title + '.wav')
        app.wait_for(lambda: holds_track_audio(path, number * 300, 300),
                     '%s.wav holds track %d' % (title, number + 1), timeout=40)
    app.wait_for(lambda: app.tool_button('rip'), 'the rip ends')
    check(not app.new_windows(before), 'a message showed during the rip')
    check(sorted(os.listdir(app.out_dir)) == sorted(t + '.wav' for t in WORLD_TITLES),
          'the folder holds %r' % sorted(os.listdir(app.out_dir)))


# Tracks at 0, 300, 600 and 900, the lead-out at 1500: the record misc/0e001404.
DOTS_DISC = SMALL_DISC.replace('leadout 1200', 'leadout 1500')
# The files a rip makes of its titles ("P.S.", "Wait...", "R.E.M./Out of Time",
# "Intro /Part 2") and the sectors each holds: a file's name keeps its final dots, a
# folder is named as Windows makes it.
DOTS_FILES = [('P.S..wav', 0, 300), ('Wait....wav', 300, 300),
              (os.path.join('R.E.M', 'Out of Time.wav'), 600, 300),
              (os.path.join('Intro', 'Part 2.wav'), 900, 600)]


@case(disc=DOTS_DISC)
def case_titles_ending_in_dots_keep_them(app):
    before = app.visible_windows()
    app.click_tool('cddb')
    app.wait_for(lambda: not app.find_window('Loading CDDB Data ..'), 'the lookup ends', timeout=40)
    app.settle(0.5)
    check(not app.new_windows(before), 'a message showed after the lookup')
    app.screenshot('dots.png')
    app.click_tool('selectall')
    app.click_tool('rip')
    for file, first, sectors in DOTS_FILES:
        path = os.path.join(app.out_dir, file)
        app.wait_for(lambda: holds_track_audio(path, first, sectors), '%s holds its track' % file, timeout=40)
    app.wait_for(lambda: app.tool_button('rip'), 'the rip ends')
    check(not app.new_windows(before), 'a message showed during the rip')
    made = sorted(os.path.relpath(os.path.join(folder, name), app.out_dir)
                  for folder, _, names in os.walk(app.out_dir) for name in names)
    check(made == sorted(file for file, _, _ in DOTS_FILES), 'the folder holds %r' % made)


@case()
def case_a_lookup_without_a_record_says_so_in_the_skin(app):
    # The server has no record of the case's small disc.
    before = app.visible_windows()
    app.click_tool('cddb')
    box = wait_message(app, before, 'Error', 'the lookup reports that no record was found', timeout=40)
    check_skinned(app, box, 'the lookup\'s error')
    app.screenshot('no_record.png')
    check(not app.find_window('Loading CDDB Data ..'), 'the wait window stays with the error')
    app.key('Return')
    app.wait_for(lambda: app.rect_of(box) is None, 'the error is acknowledged')
    app.wait_for(lambda: app.tool_button('rip'), 'the window is ready for the next command')
