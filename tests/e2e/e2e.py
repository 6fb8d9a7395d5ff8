#!/usr/bin/env python3
"""End-to-end tests: the real brenvale.exe under Wine, driven with real X input.

Every case runs in a session of its own: a private Xvfb display (bare, or looked after
by a window manager from Debian), a copy of a prepared Wine prefix (the control
registered, the simulated ASPI layer installed, and set up as the run command sets
up such a display: Wine hands its windows to the manager when there is one), the
local CDDB
server behind the system's proxy setting, the simulated drive with the case's disc,
and brenvale.exe linked into a folder of the case, so that its settings file
(written beside the program) is the case's own. The case moves the mouse and
presses keys with xdotool, and reads what a person would see: screenshots of the
display, and the files the program writes. Colours are checked against the ones the
program's skin is drawn with (app/skin/draw_skin.py, imported here as `skin`), never
against stored screenshots.

Adding a case
-------------
Write a function `case_<name>(app)` in a file `cases_<area>.py` beside this one (a new
file is named in CMakeLists.txt) and give it the `@case()` decorator; CMake registers it
as the CTest test `e2e_<name>` (the build folder is configured again when a cases file
changes). `app` is a running Brenvale (class Brenvale below): `app.window_rect()`,
`app.click(x, y)`, `app.drag(...)`, `app.key('alt+space')`, `app.screenshot()`,
`app.wait_for(condition, what)`, `app.new_windows(before)`, `app.click_tool('rip')`,
`app.open_options()`, `app.expect_exit()`... Screen coordinates are absolute; a case
finds its targets from the main window's rectangle and the skin's geometry. Fail with
`check(condition, message)` or any exception; a check of what the screen shows runs
in `app.eventually(...)`, which repeats it until it passes or its time is up (the
screen catches up with the input late on a busy machine, so a look taken once after a
pause fails now and then). The harness then keeps a screenshot
(failure.png) and the program's output in the case's folder (build/x86_64/e2e/<name>/)
and ends every process of the session. Options of `@case`:
    timeout=SECONDS   what the case takes at most on an idle machine (default 90);
                      its limit is three times that (LIMIT_MARGIN), CTest's larger
    disc=TEXT         the simulated drive's description (default: SMALL_DISC)
    settings={...}    keys of the settings file written before the start
    start=False       the case starts the program itself (app.start())
    displays=(...)    the displays it runs on, each as a test of its own: BARE (the
                      start) and OPENBOX; BARE_AND_OPENBOX for the window cases.
                      Under a manager the test is e2e_<name>_openbox, and the case
                      finds `app.manager` set: the manager moves and sizes the window,
                      keeps it minimized until `app.bring_back()`, and owns keys such
                      as Alt+Space (`app.manager_command('maximize')` uses its menu)
Run one case by hand (after a build and the prepare step):
    python3 tests/e2e/e2e.py --build build/x86_64 [--display openbox] run <name>
"""
import argparse
import importlib
import glob
import os
import shutil
import signal
import struct
import subprocess
import sys
import time
import traceback

if __name__ == '__main__':
    sys.modules['e2e'] = sys.modules['__main__']  # the cases import this module as e2e
sys.dont_write_bytecode = True  # no __pycache__ in the source tree (CMake lists the cases too)

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, os.path.join(SOURCE, 'app', 'skin'))
import draw_skin as skin  # noqa: E402  (the program's skin: its colours and geometry)

WINE = '/usr/lib/wine/wine64'
WINESERVER = '/usr/lib/wine/wineserver'
SCREEN_W, SCREEN_H = 1280, 1024

# A short disc that rips in moments: four audio tracks of 300 sectors (4 s) each.
SMALL_DISC = '''adapters 1
device 0 1 0
type 5
vendor "VELSIM"
product "DEMO CD-ROM"
track 1 0 audio
track 2 300 audio
track 3 600 audio
track 4 900 audio
leadout 1200
immediate
'''


class CaseFailure(AssertionError):
    pass


class CaseTimeout(Exception):
    pass


def check(condition, message):
    if not condition:
        raise CaseFailure(message)


def windows_path(path):
    """A Linux path as Windows programs under Wine see it (Z: maps the root)."""
    return 'Z:' + os.path.abspath(path).replace('/', '\\')


# ----------------------------------------------------------------- audio
def _audio_word(index):
    m = 0xFFFFFFFF
    x = (index * 0x9E3779B1 + 0x7F4A7C15) & m
    x ^= x >> 15
    x = (x * 0x85EBCA77) & m
    x ^= x >> 13
    x = (x * 0xC2B2AE3D) & m
    x ^= x >> 16
    return x


def expected_wav(first_lba, sectors):
    """The WAV file a rip of `sectors` sectors from `first_lba` must give: the 46-byte
    header, then the simulated drive's audio (a function of the position on the disc)."""
    data = sectors * 2352
    head = b'RIFF' + struct.pack('<I', 38 + data) + b'WAVEfmt ' + struct.pack(
        '<IHHIIHHH', 18, 1, 2, 44100, 176400, 4, 16, 0) + b'data' + struct.pack('<I', data)
    first_word = first_lba * 2352 // 4
    words = [_audio_word(first_word + i) for i in range(data // 4)]
    return head + struct.pack('<%dI' % len(words), *words)


# ----------------------------------------------------------------- screenshots
class Shot:
    """A screenshot of the whole display; pixels as (r, g, b)."""

    def __init__(self, ppm):
        fields, at = [], 0
        while len(fields) < 4:
            while ppm[at:at + 1].isspace():
                at += 1
            if ppm[at:at + 1] == b'#':
                at = ppm.index(b'\n', at) + 1
                continue
            end = at
            while not ppm[end:end + 1].isspace():
                end += 1
            fields.append(ppm[at:end])
            at = end
        check(fields[0] == b'P6' and fields[3] == b'255', 'unexpected screenshot format')
        self.width, self.height = int(fields[1]), int(fields[2])
        self.data = ppm[at + 1:]
        self.ppm = ppm

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def count(self, rect, predicate):
        """How many pixels of the rectangle (left, top, right, bottom) satisfy the
        predicate of a colour."""
        left, top, right, bottom = clip(rect, (0, 0, self.width, self.height))
        return sum(1 for y in range(top, bottom) for x in range(left, right) if predicate(self.pixel(x, y)))

    def colours(self, rect):
        left, top, right, bottom = clip(rect, (0, 0, self.width, self.height))
        return {self.pixel(x, y) for y in range(top, bottom) for x in range(left, right)}

    def save(self, path):
        subprocess.run(['convert', 'ppm:-', path], input=self.ppm, check=True)


_GLYPHS = {}


def glyph_pixels(kind):
    """The drawn pixels of a tool button's glyph (draw_skin's GLYPHS): (x, y, colour)
    for every pixel that is not the transparent magenta."""
    if kind not in _GLYPHS:
        pic = skin.draw_glyph(kind)
        _GLYPHS[kind] = [(x, y, pic.pixels[y][x]) for y in range(pic.height) for x in range(pic.width)
                         if pic.pixels[y][x] != skin.MAGENTA]
    return _GLYPHS[kind]


def find_glyph(shot, kind, area, tolerance=6):
    """The top-left corner of the glyph where the screenshot shows it exactly, inside
    area (left, top, right, bottom), or None."""
    pixels = glyph_pixels(kind)
    # The pixels of the most frequent colour tell least: try the rarest first.
    counts = {}
    for _, _, c in pixels:
        counts[c] = counts.get(c, 0) + 1
    pixels = sorted(pixels, key=lambda p: counts[p[2]])
    left, top, right, bottom = clip(area, (0, 0, shot.width, shot.height))
    for y in range(top, bottom - skin.G + 1):
        for x in range(left, right - skin.G + 1):
            if all(near(shot.pixel(x + px, y + py), c, tolerance) for px, py, c in pixels):
                return x, y
    return None


def clip(rect, bounds):
    return (max(rect[0], bounds[0]), max(rect[1], bounds[1]), min(rect[2], bounds[2]), min(rect[3], bounds[3]))


def near(colour, expected, tolerance=12):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, expected))


# ----------------------------------------------------------------- the frame
_CONTROLS = []


def controls_picture():
    """The skin's control picture, which holds the looks of the frame buttons."""
    if not _CONTROLS:
        _CONTROLS.append(skin.draw_controls())
    return _CONTROLS[0]


def frame_button_place(rect, kind):
    """Where a caption button ('close', 'maximize', 'minimize', 'rollup') stands on
    the screen in a window at rect (left, top, width, height) that has them all:
    (left, top, right, bottom)."""
    left, top, width, _ = rect
    l, t, r, b = skin.frame_button_rect(skin.FRAME_BUTTONS.index(kind))
    # The buttons keep their distance from the right edge of the frame picture.
    return left + width - (skin.FW - l), top + t, left + width - (skin.FW - r), top + b


def icon_place(rect):
    left, top, _, _ = rect
    return left + skin.ICON[0], top + skin.ICON[1], left + skin.ICON[2], top + skin.ICON[3]


def look_shown(shot, place, look, window_top, tolerance=6):
    """The share of a look's pixels (a rectangle of the control picture) that show
    at a place (left, top, right, bottom) of a window's title bar; pixels of the
    look that are bare title bar (an icon's background) do not count."""
    picture = controls_picture()
    left, top, _, _ = place
    pixels = [(left + x, top + y, picture.pixels[look[1] + y][look[0] + x])
              for y in range(look[3] - look[1]) for x in range(look[2] - look[0])]
    pixels = [(x, y, c) for x, y, c in pixels if c != skin.title_colour(y - window_top)]
    shown = sum(1 for x, y, c in pixels if near(shot.pixel(x, y), c, tolerance))
    return shown / max(1, len(pixels))


def plain_title(shot, place, window_top, tolerance=6):
    """The share of the pixels of a place of a window's title bar that show the
    bare title bar."""
    left, top, right, bottom = place
    plain = sum(1 for y in range(top, bottom) for x in range(left, right)
                if near(shot.pixel(x, y), skin.title_colour(y - window_top), tolerance))
    return plain / max(1, (right - left) * (bottom - top))


# ----------------------------------------------------------------- the session
# The displays a case can run on: a bare one (no window manager: Wine places,
# moves and minimizes the windows itself), or one that a window manager from
# Debian looks after (it owns moves, sizes, iconify and maximize requests, and
# its own keys such as Alt+Space). The command starts the manager on the display.
BARE = 'bare'
OPENBOX = 'openbox'
MANAGERS = {
    # Its window menu (Alt+Space), and the keys that choose its entries there.
    OPENBOX: dict(command=['openbox', '--sm-disable'], menu_keys={'iconify': 'n', 'maximize': 'x', 'restore': 'e'}),
}
DISPLAYS = (BARE,) + tuple(MANAGERS)
BARE_AND_OPENBOX = (BARE, OPENBOX)


class Session:
    """A private X display (with a window manager when `manager` names one) and a
    Wine prefix of one case, and every process started in them. `close` ends them
    all; a watchdog process ends them too when the harness itself is killed (a time
    limit of CTest)."""

    def __init__(self, build, folder, prefix, template=None, manager=BARE):
        self.build = build
        self.bin = os.path.join(build, 'bin')
        self.folder = folder
        self.prefix = prefix
        self.manager = manager
        # A copy of the template is the case's own and goes with the session.
        self.own_prefix = template is not None
        self.processes = []
        self.xvfb = None
        self.manager_process = None
        self.watchdog = None
        self._start_display()
        self.env = dict(os.environ)
        for name in ('http_proxy', 'HTTP_PROXY', 'https_proxy', 'HTTPS_PROXY', 'no_proxy', 'NO_PROXY'):
            self.env.pop(name, None)
        self.env.update(DISPLAY=self.display, WINEPREFIX=self.prefix, WINEDEBUG='-all',
                        WINEDLLOVERRIDES='mscoree,mshtml=;wnaspi32=n')
        try:
            if template:
                _copy_prefix(template, self.prefix, managed=manager != BARE)
            self._start_watchdog()
            if manager != BARE:
                self._start_window_manager()
        except BaseException:
            self.close()
            raise

    def _start_window_manager(self):
        """Starts the manager with its packaged settings (none of the user's) and waits
        until it has taken the display."""
        env = dict(self.env, XDG_CONFIG_HOME=os.path.join(self.folder, 'wm-config'),
                   XDG_CACHE_HOME=os.path.join(self.folder, 'wm-cache'))
        deadline = time.monotonic() + 30
        # On a busy machine the manager now and then fails to open a display that
        # has just started: it is started again, a few times at most.
        for attempt in range(3):
            log = open(os.path.join(self.folder, 'wm.log'), 'ab')
            self.manager_process = subprocess.Popen(MANAGERS[self.manager]['command'], env=env,
                                                    stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT)
            log.close()
            while not self.managed() and self.manager_process.poll() is None and time.monotonic() < deadline:
                time.sleep(0.1)
            if self.managed():
                return
            if self.manager_process.poll() is None:
                break
            time.sleep(0.5)
        raise RuntimeError('the window manager %s did not start' % self.manager)

    def managed(self):
        """Whether a window manager looks after the display."""
        out = self.x('xprop', '-root', '_NET_SUPPORTING_WM_CHECK', check_result=False)
        return 'window id' in out

    def _start_display(self):
        read, write = os.pipe()
        self.xvfb = subprocess.Popen(['Xvfb', '-displayfd', str(write), '-screen', '0',
                                      '%dx%dx24' % (SCREEN_W, SCREEN_H), '-nolisten', 'tcp'],
                                     pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        number = b''
        while not number.endswith(b'\n'):
            chunk = os.read(read, 16)
            if not chunk:
                self.xvfb.kill()
                self.xvfb.wait()
                raise RuntimeError('Xvfb did not start')
            number += chunk
        os.close(read)
        self.display = ':' + number.decode().strip()

    def _start_watchdog(self):
        """A process outside the harness's process tree that waits for the harness's end
        (its pipe closes, however the harness ended) and then ends the session."""
        read, write = os.pipe()
        child = os.fork()
        if child == 0:
            try:
                os.close(write)
                os.setsid()
                if os.fork():
                    os._exit(0)
                null = os.open(os.devnull, os.O_RDWR)
                for fd in (0, 1, 2):
                    os.dup2(null, fd)
                os.closerange(3, read)
                os.closerange(read + 1, 65536)
                os.read(read, 1)
                _end_session(self.env, self.xvfb.pid, self.prefix if self.own_prefix else None)
            finally:
                os._exit(0)
        os.close(read)
        os.waitpid(child, 0)
        self.watchdog = write

    def wine(self, args, log=None, cwd=None):
        """Starts a Windows program of the session; its output goes to `log` (a file
        name in the case's folder) or nowhere."""
        out = open(os.path.join(self.folder, log), 'ab') if log else subprocess.DEVNULL
        process = subprocess.Popen([WINE] + list(args), env=self.env, cwd=cwd or self.folder,
                                   stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.STDOUT if log else out)
        self.processes.append(process)
        return process

    def wine_wait(self, args, timeout=60):
        process = self.wine(args)
        process.wait(timeout)
        return process.returncode

    def x(self, *args, check_result=True):
        """Runs an X tool (xdotool, xwininfo...) on the session's display."""
        done = subprocess.run(list(args), env=self.env, capture_output=True, text=True)
        if check_result and done.returncode != 0:
            raise CaseFailure('%s failed: %s' % (' '.join(args), done.stderr.strip()))
        return done.stdout

    def close(self):
        _end_session(self.env, self.xvfb.pid if self.xvfb else None, None)
        for process in self.processes + ([self.manager_process] if self.manager_process else []):
            if process.poll() is None:
                process.kill()
            process.wait()
        if self.xvfb:
            self.xvfb.wait()
        if self.own_prefix:
            shutil.rmtree(self.prefix, ignore_errors=True)
        if self.watchdog is not None:
            os.close(self.watchdog)
            self.watchdog = None


def _end_session(env, xvfb_pid, prefix):
    subprocess.run([WINESERVER, '-k'], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run([WINESERVER, '-w'], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if xvfb_pid:
        try:
            os.kill(xvfb_pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
    if prefix:
        shutil.rmtree(prefix, ignore_errors=True)


def _copy_prefix(template, prefix, managed=False):
    """The prepared prefix, shared: the big read-only files are linked, the files Wine
    writes (registry, time stamp) are copied. With `managed`, Wine hands its windows
    to the display's window manager (as the run command sets it up where one runs)."""
    subprocess.run(['cp', '-al', template, prefix], check=True)
    for name in os.listdir(prefix):
        path = os.path.join(prefix, name)
        if os.path.isfile(path) and not os.path.islink(path):
            os.unlink(path)
            shutil.copy2(os.path.join(template, name), path)
    if managed:
        user = os.path.join(prefix, 'user.reg')
        with open(user) as f:
            text = f.read()
        check('"Managed"="N"' in text, 'the prepared prefix does not say whether windows are managed')
        with open(user, 'w') as f:
            f.write(text.replace('"Managed"="N"', '"Managed"="Y"'))
    # The simulated ASPI layer of this build (the template may hold an older one).
    aspi = os.path.join(prefix, 'drive_c', 'windows', 'system32', 'wnaspi32.dll')
    if os.path.exists(aspi):
        os.unlink(aspi)


# ----------------------------------------------------------------- the program
class Brenvale(Session):
    """Brenvale started as the run command starts it, with a case's disc and settings."""

    def __init__(self, build, folder, template, disc=SMALL_DISC, settings=None, manager=BARE):
        super().__init__(build, folder, os.path.join(folder, 'prefix'), template, manager)
        self.program = None
        self.window = None
        self.exit_expected = False
        try:
            self._set_up(disc, settings)
        except BaseException:  # a failure or the case's time limit: the session goes with it
            self.close()
            raise

    def _set_up(self, disc, settings):
        folder = self.folder
        self.disc_file = os.path.join(folder, 'disc.txt')
        self.set_disc(disc)
        self.env['VELMORA_SIMDRIVE'] = windows_path(self.disc_file)
        self.out_dir = os.path.join(folder, 'out')
        os.makedirs(self.out_dir, exist_ok=True)
        self.program_dir = os.path.join(folder, 'program')
        os.makedirs(self.program_dir, exist_ok=True)
        for name in ('brenvale.exe', 'help.html'):
            _link_or_copy(os.path.join(self.bin, name), os.path.join(self.program_dir, name))
        shutil.copy2(os.path.join(self.bin, 'wnaspi32.dll'),
                     os.path.join(self.prefix, 'drive_c', 'windows', 'system32', 'wnaspi32.dll'))
        values = {'OutputPath': windows_path(self.out_dir)}
        values.update(settings or {})
        self.write_settings(values)
        self._start_cddb_server()

    # -- set-up
    def set_disc(self, text):
        with open(self.disc_file, 'w') as f:
            f.write(text)

    @property
    def settings_file(self):
        return os.path.join(self.program_dir, 'Brenvale.ini')

    def write_settings(self, values):
        with open(self.settings_file, 'w', newline='\r\n') as f:
            f.write('[settings]\n')
            for key, value in values.items():
                f.write('%s=%s\n' % (key, value))

    def read_settings(self):
        values = {}
        if os.path.exists(self.settings_file):
            with open(self.settings_file, errors='replace') as f:
                for line in f:
                    if '=' in line:
                        key, value = line.strip().split('=', 1)
                        values[key] = value
        return values

    def _start_cddb_server(self):
        port_log = 'cddb-port.txt'
        self.wine([os.path.join(self.bin, 'cddb_test_server.exe'), '0',
                   windows_path(os.path.join(SOURCE, 'tests', 'fixtures', 'cddb'))], log=port_log)
        path = os.path.join(self.folder, port_log)
        port = self.wait_for(lambda: _read_port(path), 'the CDDB test server names its port', timeout=60)
        settings = r'HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings'
        self.wine_wait(['reg', 'add', settings, '/v', 'ProxyEnable', '/t', 'REG_DWORD', '/d', '1', '/f'])
        self.wine_wait(['reg', 'add', settings, '/v', 'ProxyServer', '/t', 'REG_SZ', '/d',
                        '127.0.0.1:%d' % port, '/f'])

    def start(self):
        """Starts the program and waits for its main window to show its skin."""
        for attempt in range(2):
            self.program = self.wine([os.path.join(self.program_dir, 'brenvale.exe')], log='brenvale.log',
                                     cwd=self.program_dir)
            try:
                self.window = self.wait_for(lambda: self.find_window('Brenvale'), 'the main window shows',
                                            timeout=60)
                break
            except CaseFailure:
                # On a loaded machine the session's first program has been seen to end at
                # once, with no output and no window, as Wine's session was still coming
                # up. Once may be the session's doing; twice is the program's.
                if attempt == 1 or self.program.poll() is None or self.program.returncode == 0 or self.log():
                    raise
                print('the program ended before its window showed (exit code %d); started once more'
                      % self.program.returncode, flush=True)

        def painted():
            rect = self.window_rect()
            shot = self.screenshot()
            return near(shot.pixel(rect[0] + rect[2] // 2, rect[1] + skin.TITLE + 2),
                        skin.FACE, 40) and shot.pixel(rect[0] + 2, rect[1] + skin.TITLE // 2) != (0, 0, 0)
        self.wait_for(painted, 'the main window is painted', timeout=30)
        self.settle()
        return self

    def expect_exit(self):
        """The next steps end the program: its end is no failure from now on."""
        self.exit_expected = True

    def wait_for_exit(self, what, timeout=20):
        """Waits for the program to end (after expect_exit); its exit code."""
        self.exit_expected = True
        deadline = time.monotonic() + timeout
        while self.program.poll() is None:
            if time.monotonic() > deadline:
                raise CaseFailure('timed out waiting until ' + what)
            time.sleep(0.1)
        return self.program.returncode

    def check_alive(self, doing=''):
        if self.exit_expected:
            return
        if self.program is not None and self.program.poll() is not None:
            raise CaseFailure('the program ended (exit code %s)%s; its output:\n%s' % (
                self.program.returncode, ' ' + doing if doing else '', self.log()))

    def log(self):
        path = os.path.join(self.folder, 'brenvale.log')
        if not os.path.exists(path):
            return ''
        with open(path, errors='replace') as f:
            return f.read()[-4000:]

    # -- waiting
    def wait_for(self, condition, what, timeout=20, interval=0.1):
        """Polls `condition` until it returns a true value, which is returned. Fails
        naming `what` after `timeout` seconds, or at once when the program ended."""
        deadline = time.monotonic() + timeout
        while True:
            value = condition()
            if value:
                return value
            self.check_alive('while waiting until ' + what)
            if time.monotonic() > deadline:
                raise CaseFailure('timed out waiting until ' + what)
            time.sleep(interval)

    def eventually(self, attempt, timeout=20, interval=0.1):
        """Repeats `attempt`, a check of what the screen shows (it fails through
        check()), until it passes, and returns its value; after `timeout` seconds its
        last failure stands. The program draws a moment after the input that asks
        for it, later still on a busy machine: a look is waited for, never taken
        once after a fixed pause."""
        deadline = time.monotonic() + timeout
        while True:
            try:
                return attempt()
            except CaseFailure:
                self.check_alive()
                if time.monotonic() > deadline:
                    raise
            time.sleep(interval)

    def settle(self, seconds=0.4):
        """Gives the program time to react to input (repaints, timers of 20-50 ms)."""
        time.sleep(seconds)
        self.check_alive()

    # -- windows
    def find_window(self, name):
        """The X window of a visible top-level window titled exactly `name`, or None.
        Of several (a hint window carries the text of its hint as title), the
        largest."""
        out = self.x('xdotool', 'search', '--onlyvisible', '--name', '^%s$' % _regex(name), check_result=False)
        found = []
        for w in out.split():
            rect = self.rect_of(int(w))
            if rect:
                found.append((rect[2] * rect[3], int(w)))
        return max(found)[1] if found else None

    def visible_windows(self):
        """The ids of the visible windows. A search that meets a window going away
        on the way leaves out a part of the tree, so two searches must agree (on a
        busy machine windows come and go while the tree is walked)."""
        found = None
        for _ in range(6):
            out = self.x('xdotool', 'search', '--onlyvisible', '--name', '', check_result=False)
            windows = {int(w) for w in out.split()}
            if windows == found:
                break
            found = windows
        return found

    def new_windows(self, before):
        """The program's windows shown since `before` (a result of visible_windows()),
        with their rectangles, ordered from left to right. A window manager's frames
        around them do not count."""
        found = [(w, rect) for w, rect in self._shown_since(before)
                 if self.manager == BARE or self.program_window(w)]
        return sorted(found, key=lambda item: item[1])

    def program_window(self, window):
        """Whether an X window is one of Wine's (a manager's frames and menus carry
        no class of a Windows program)."""
        out = self.x('xprop', '-id', str(window), 'WM_CLASS', check_result=False)
        return '.exe"' in out

    def rect_of(self, window):
        """(left, top, width, height) of an X window on the screen, None when it is gone
        or not shown."""
        done = subprocess.run(['xwininfo', '-id', str(window)], env=self.env, capture_output=True, text=True)
        if done.returncode != 0:
            return None
        values = {}
        for line in done.stdout.splitlines():
            if ':' in line:
                key, value = line.split(':', 1)
                values[key.strip()] = value.strip()
        if values.get('Map State') != 'IsViewable':
            return None
        return (int(values['Absolute upper-left X']), int(values['Absolute upper-left Y']),
                int(values['Width']), int(values['Height']))

    def window_rect(self):
        rect = self.rect_of(self.window)
        check(rect is not None, 'the main window is not shown')
        return rect

    def window_name(self, window):
        return self.x('xdotool', 'getwindowname', str(window), check_result=False).strip()

    # -- input
    def move(self, x, y):
        self.x('xdotool', 'mousemove', str(int(x)), str(int(y)))
        time.sleep(0.05)

    def press(self, button=1):
        self.x('xdotool', 'mousedown', str(button))
        time.sleep(0.15)

    def release(self, button=1):
        self.x('xdotool', 'mouseup', str(button))
        time.sleep(0.15)

    def click(self, x, y, button=1):
        """A press and a release with a pause between: a click as a hand makes it
        (buttons that act on release see both)."""
        self.move(x, y)
        time.sleep(0.15)
        self.press(button)
        self.release(button)
        self.settle(0.3)

    def double_click(self, x, y):
        self.move(x, y)
        time.sleep(0.15)
        for _ in range(2):
            self.x('xdotool', 'mousedown', '1')
            time.sleep(0.04)
            self.x('xdotool', 'mouseup', '1')
            time.sleep(0.04)
        self.settle(0.3)

    def drag(self, start, end, steps=8, button=1):
        """Presses at `start`, moves to `end` in steps, releases there."""
        self.move(*start)
        time.sleep(0.2)
        self.press(button)
        for i in range(1, steps + 1):
            self.move(start[0] + (end[0] - start[0]) * i // steps, start[1] + (end[1] - start[1]) * i // steps)
            time.sleep(0.05)
        time.sleep(0.15)
        self.release(button)
        self.settle()

    def key(self, *keys):
        """Presses keys by their X names, one after the other ('Return', 'alt+space')."""
        for k in keys:
            self.x('xdotool', 'key', '--delay', '60', k)
            time.sleep(0.15)
        self.settle(0.3)

    def type_text(self, text):
        self.x('xdotool', 'type', '--delay', '40', text)
        self.settle(0.2)

    # -- looking
    def screenshot(self, save_as=None):
        done = subprocess.run(['import', '-display', self.display, '-window', 'root', '-depth', '8', 'ppm:-'],
                              env=self.env, capture_output=True)
        if done.returncode != 0:
            raise CaseFailure('no screenshot: %s' % done.stderr.decode(errors='replace'))
        shot = Shot(done.stdout)
        if save_as:
            shot.save(os.path.join(self.folder, save_as))
        return shot

    def tool_button(self, kind, shot=None):
        """The centre of the main window's tool button showing glyph `kind` ('rip',
        'stop', 'options'...), found on the screen; None when the glyph does not
        show as drawn (a disabled button shows it faded)."""
        left, top, width, _ = self.window_rect()
        shot = shot or self.screenshot()
        band = (left, top + skin.TITLE + 20, left + width, top + skin.TITLE + 90)
        at = find_glyph(shot, kind, band)
        return None if at is None else (at[0] + skin.G // 2, at[1] + skin.G // 2)

    def click_tool(self, kind):
        """Clicks the tool button showing glyph `kind` once it shows enabled (a
        window just sized or restored paints its tool bar a moment later)."""
        self.click(*self.wait_for(lambda: self.tool_button(kind), 'the %s button shows enabled' % kind))

    # -- the program's dialogs
    def open_options(self):
        """Options from its tool button; its window, once it shows."""
        self.click_tool('options')
        dialog = self.wait_for(lambda: self.find_window('Options'), 'the Options dialog opens')
        self.wait_for(lambda: self.rect_of(dialog), 'the Options dialog shows')
        return dialog

    def open_folder_dialog(self, options):
        """The folder dialog from the browse button at the right end of the folder
        field of Options (client 24, 40, 273 x 25); its window."""
        left, top, _, _ = self.rect_of(options)
        before = self.visible_windows()
        self.click(left + skin.BORDER + 24 + 273 - 11, top + skin.TITLE + 40 + 12)
        return self.wait_for(lambda: [w for w, _ in self.new_windows(before) if self.window_name(w) == 'Select folder'],
                             'the browse button opens the folder dialog')[0]

    def open_about(self):
        """Help > About from the keyboard: F10 selects File, Right moves to CD and to
        Help, Down opens Help's menu, Up goes round to its last item, About."""
        self.key('F10', 'Right', 'Right', 'Down', 'Up', 'Return')
        return self.wait_for(lambda: self.find_window('About'), 'the about box opens')

    # -- the display: bare (no taskbar, minimized windows are small titles at the
    # bottom of the screen), or looked after by a window manager
    def work_area(self):
        """(left, top, width, height) of the work area: the whole screen, less what a
        window manager keeps for itself (_NET_WORKAREA)."""
        if self.manager != BARE:
            out = self.x('xprop', '-root', '_NET_WORKAREA', check_result=False)
            if '=' in out:
                values = [int(v) for v in out.split('=', 1)[1].replace(',', ' ').split()[:4]]
                if len(values) == 4:
                    return tuple(values)
        return (0, 0, SCREEN_W, SCREEN_H)

    def iconic_title(self):
        """The rectangle of the main window minimized on a bare display (a small title
        at the bottom of the screen), or None when it is not."""
        rect = self.rect_of(self.window)
        return rect if rect and rect[3] < skin.TITLE and rect[1] + rect[3] >= SCREEN_H - 2 else None

    def wm_state(self, window=None):
        """The state a window manager keeps for a window ('Normal', 'Iconic' or
        'Withdrawn'; '' without one) and its _NET_WM_STATE atoms."""
        window = window or self.window
        state = self.x('xprop', '-id', str(window), 'WM_STATE', check_result=False)
        net = self.x('xprop', '-id', str(window), '_NET_WM_STATE', check_result=False)
        kind = ''
        for line in state.splitlines():
            if 'window state:' in line:
                kind = line.split(':', 1)[1].strip()
        atoms = set(a.strip() for a in net.split('=', 1)[1].split(',')) if '=' in net else set()
        return kind, atoms

    def minimized(self):
        """The main window is minimized: a title at the bottom of a bare display, or
        iconified by the window manager."""
        if self.manager == BARE:
            return self.iconic_title() is not None
        return self.wm_state()[0] == 'Iconic' and self.rect_of(self.window) is None

    def bring_back(self):
        """Brings the minimized main window back as a person does: a double click on
        its title on a bare display; under a window manager what its taskbar does (it
        asks the manager to activate the window)."""
        if self.manager == BARE:
            title = self.iconic_title()
            check(title is not None, 'the window is no title at the bottom of the screen')
            self.double_click(title[0] + title[2] // 2, title[1] + title[3] // 2)
        else:
            self.x('xdotool', 'windowactivate', str(self.window))
            self.settle()

    def manager_command(self, name):
        """Chooses an entry ('iconify', 'maximize', 'restore') of the window manager's
        own menu of the active window, from the keyboard (Alt+Space)."""
        check(self.manager != BARE, 'a bare display has no window manager to ask')
        # Alt+Space reaches the program instead while the manager has not yet
        # grabbed its keys or the program holds the keyboard: its own system menu
        # opens then, which Esc closes before the next try.
        for _ in range(5):
            before = self.visible_windows()
            self.key('alt+space')
            shown = self.wait_for(lambda: self._shown_since(before), 'a menu opens for Alt+Space')
            if any(not self.program_window(w) for w, _ in shown):
                self.key(MANAGERS[self.manager]['menu_keys'][name])
                return
            self.key('Escape')
            self.wait_for(lambda: not self._shown_since(before), 'the program\'s own menu closes')
        raise CaseFailure('the window manager\'s menu never opened for Alt+Space')

    def _shown_since(self, before):
        found = []
        for w in self.visible_windows() - before:
            rect = self.rect_of(w)
            if rect and rect[2] > 1 and rect[3] > 1:
                found.append((w, rect))
        return found

    def motif_functions(self):
        """The functions a window offers its manager (_MOTIF_WM_HINTS): a mask of
        MWM_FUNC_* bits, or None when it names none."""
        out = self.x('xprop', '-id', str(self.window), '_MOTIF_WM_HINTS', check_result=False)
        if '=' not in out:
            return None
        fields = [int(v, 0) for v in out.split('=', 1)[1].replace(',', ' ').split()]
        return fields[1] if fields and fields[0] & 1 else None

    def wm_icons(self):
        """The icons a window shows its manager and taskbar (_NET_WM_ICON): a dict of
        size to rows of (a, r, g, b)."""
        out = self.x('xprop', '-id', str(self.window), '-notype', '-f', '_NET_WM_ICON', '32c', '=$0+',
                     '_NET_WM_ICON', check_result=False)
        if '=' not in out:
            return {}
        values = [int(v) & 0xFFFFFFFF for v in out.split('=', 1)[1].replace(',', ' ').split()]
        icons, at = {}, 0
        while at + 2 <= len(values):
            width, height = values[at], values[at + 1]
            data = values[at + 2:at + 2 + width * height]
            if width <= 0 or height <= 0 or len(data) < width * height:
                break
            icons[width] = [[(v >> 24, (v >> 16) & 255, (v >> 8) & 255, v & 255) for v in data[y * width:(y + 1) * width]]
                            for y in range(height)]
            at += 2 + width * height
        return icons

    # -- the main window's places, from the skin
    def frame_button(self, kind):
        """The centre of a caption button of the main window ('close', 'maximize',
        'minimize', 'rollup')."""
        l, t, r, b = frame_button_place(self.window_rect(), kind)
        return (l + r) // 2, (t + b) // 2


def _link_or_copy(source, target):
    """The build's file in a folder of the case: linked (the program never writes
    to it), or copied where links cannot be made."""
    try:
        os.link(source, target)
    except OSError:
        shutil.copy2(source, target)


def _regex(text):
    return ''.join('\\' + c if c in '.^$*+?()[]{}|\\' else c for c in text)


def _read_port(path):
    try:
        with open(path) as f:
            text = f.read().strip()
        return int(text) if text.isdigit() else None
    except OSError:
        return None


# ----------------------------------------------------------------- cases
CASES = {}

# A case's limit catches a hang, not a slow machine: a case that takes 40 s alone
# takes two minutes beside other builds, so it is given three times its time.
LIMIT_MARGIN = 3


def case(timeout=90, disc=SMALL_DISC, settings=None, start=True, displays=(BARE,)):
    def register(function):
        name = function.__name__[len('case_'):]
        for display in displays:
            check(display in DISPLAYS, 'case %s: no display named %s' % (name, display))
        CASES[name] = dict(function=function, timeout=timeout, disc=disc, settings=settings, start=start,
                           displays=tuple(displays))
        return function
    return register


def _load_cases():
    for path in sorted(glob.glob(os.path.join(HERE, 'cases_*.py'))):
        importlib.import_module(os.path.splitext(os.path.basename(path))[0])


def _on_alarm(signum, frame):
    raise CaseTimeout()


def test_name(name, display):
    """The case's name on a display: the bare display's is the case's own, a window
    manager's adds its name."""
    return name if display == BARE else '%s_%s' % (name, display)


def run_case(build, name, display=BARE):
    _load_cases()
    if name not in CASES:
        print('e2e: no case named %s' % name)
        return 2
    entry = CASES[name]
    if display not in DISPLAYS:
        print('e2e: no display named %s' % display)
        return 2
    template = os.path.join(build, 'e2e', 'prefix-template')
    if not os.path.exists(os.path.join(template, 'system.reg')):
        print('e2e: the prepared prefix is missing (run the prepare step first)')
        return 1
    name = test_name(name, display)
    folder = os.path.join(build, 'e2e', name)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    signal.signal(signal.SIGALRM, _on_alarm)
    signal.signal(signal.SIGTERM, _on_alarm)
    limit = entry['timeout'] * LIMIT_MARGIN
    signal.alarm(limit)
    app = None
    failure = None
    started = time.monotonic()
    try:
        app = Brenvale(build, folder, template, disc=entry['disc'], settings=entry['settings'], manager=display)
        if entry['start']:
            app.start()
        entry['function'](app)
        app.check_alive('at the end of the case')
    except CaseTimeout:
        failure = 'the case ran past its limit of %d s' % limit
    except Exception as e:  # noqa: BLE001 (every failure is reported the same way)
        failure = ''.join(traceback.format_exception(type(e), e, e.__traceback__))
    finally:
        signal.alarm(0)
        if app is not None:
            if failure:
                try:
                    app.screenshot('failure.png')
                except Exception:  # noqa: BLE001
                    pass
                print('program output:\n' + app.log())
            app.close()
    print('e2e %s: %.1f s' % (name, time.monotonic() - started))
    if failure:
        print('FAILED: ' + failure)
        print('screenshot and logs in ' + folder)
        return 1
    print('passed')
    return 0


# ----------------------------------------------------------------- preparing
def prepare(build):
    """Makes the prefix that every case copies: created once (10-20 s), the control
    registered again each run (the build may have moved on)."""
    template = os.path.join(build, 'e2e', 'prefix-template')
    os.makedirs(os.path.dirname(template), exist_ok=True)
    fresh = not os.path.exists(os.path.join(template, 'system.reg'))
    if fresh:
        shutil.rmtree(template, ignore_errors=True)
    session = Session(build, os.path.dirname(template), template)
    try:
        if fresh:
            print('e2e: creating the Wine prefix')
            session.wine_wait(['wineboot', '-i'], timeout=240)
        # As the run command sets up a display without a window manager: custom
        # frames of sizeable windows stay as drawn, no manager is waited for, and
        # every window is a window of the display (no desktop of Wine's own).
        x11 = r'HKCU\Software\Wine\X11 Driver'
        session.wine_wait(['reg', 'add', x11, '/v', 'Decorated', '/t', 'REG_SZ', '/d', 'N', '/f'])
        session.wine_wait(['reg', 'add', x11, '/v', 'Managed', '/t', 'REG_SZ', '/d', 'N', '/f'])
        session.wine_wait(['reg', 'delete', r'HKCU\Software\Wine\Explorer', '/v', 'Desktop', '/f'])
        code = session.wine_wait(['regsvr32', '/s', windows_path(os.path.join(build, 'bin', 'velmora.dll'))])
        if code != 0:
            print('e2e: registering the control failed (%d)' % code)
            return 1
    finally:
        session.close()
    print('e2e: prefix ready')
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--build', required=True, help='the x86_64 build folder')
    parser.add_argument('--display', default=BARE, choices=DISPLAYS,
                        help='run the case on a bare display (the start) or under a window manager')
    parser.add_argument('action', choices=['prepare', 'run', 'list'])
    parser.add_argument('name', nargs='?')
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    if args.action == 'prepare':
        return prepare(build)
    if args.action == 'list':
        # One line per case and display: the case's name, the display's.
        _load_cases()
        for name in sorted(CASES):
            for display in CASES[name]['displays']:
                print(name, display)
        return 0
    return run_case(build, args.name, args.display)


if __name__ == '__main__':
    sys.exit(main())
