"""Ending the program in the middle of its work and starting it again: a rip cut
short by closing the window, and what the next start finds."""
import os
import subprocess

from e2e import case, check
from cases_rip import SLOW_DISC, check_tracks, wav_path


def program_processes(app):
    """The processes still running the case's copy of the program."""
    out = subprocess.run(['ps', '-eo', 'args'], capture_output=True, text=True).stdout
    return [line for line in out.splitlines() if app.program_dir in line and 'brenvale.exe' in line]


@case(disc=SLOW_DISC)
def case_closing_during_a_rip(app):
    folder = app.read_settings().get('OutputPath').rstrip('\\')
    check_tracks(app, [1, 2])
    app.click_tool('rip')
    first = wav_path(app, 1)
    app.wait_for(lambda: os.path.exists(first) and os.path.getsize(first) > 100000, 'the rip writes the first track')
    app.expect_exit()
    app.click(*app.frame_button('close'))
    app.wait_for_exit('the program ends during its rip', timeout=15)
    app.wait_for(lambda: not program_processes(app), 'no process of the program is left', timeout=10)
    # Closing stops the rip: the track cut short leaves no file under its name
    # that would look finished.
    check(not os.path.exists(first), 'the cut first track stays as %s' % first)
    check(not os.path.exists(wav_path(app, 2)), 'the second track was started')
    # The next start finds its settings (the folder ends in the "\" a rip adds).
    app.exit_expected = False
    app.start()
    check(app.read_settings().get('OutputPath') == folder + '\\',
          'the folder became %r' % app.read_settings().get('OutputPath'))
    app.eventually(lambda: check(app.tool_button('rip'), 'Rip is not enabled after the start'))
