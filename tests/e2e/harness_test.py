#!/usr/bin/env python3
"""The end-to-end harness's own clean-up: a case whose session cannot be set up
leaves none of the session's processes behind, on a bare display and under a
window manager."""
import os
import sys
import tempfile
import unittest
from unittest import mock

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.dont_write_bytecode = True  # no __pycache__ in the source tree
import e2e  # noqa: E402


class FailedSetUp(unittest.TestCase):
    def test_a_session_that_cannot_be_set_up_ends_its_display(self):
        for manager in e2e.DISPLAYS:
            with self.subTest(manager=manager):
                self.fail_set_up(manager)

    def fail_set_up(self, manager):
        started = []
        start_display = e2e.Session._start_display

        def recording(session):
            start_display(session)
            started.append(session)

        with tempfile.TemporaryDirectory() as root, \
                mock.patch.object(e2e.Session, '_start_display', recording):
            build = os.path.join(root, 'build')  # holds no program to start
            template = os.path.join(root, 'template')
            os.makedirs(os.path.join(template, 'drive_c', 'windows', 'system32'))
            with open(os.path.join(template, 'user.reg'), 'w') as f:
                f.write('[Software\\\\Wine\\\\X11 Driver]\n"Decorated"="N"\n"Managed"="N"\n')
            folder = os.path.join(root, 'case')
            os.makedirs(folder)
            with self.assertRaises(OSError):
                e2e.Brenvale(build, folder, template, manager=manager)
        self.assertEqual(len(started), 1)
        session = started[0]
        self.assertIsNotNone(session.xvfb.poll(), 'the display of the failed session still runs')
        if manager != e2e.BARE:
            self.assertIsNotNone(session.manager_process, 'no window manager was started')
            self.assertIsNotNone(session.manager_process.poll(), 'the window manager of the failed session still runs')


if __name__ == '__main__':
    unittest.main()
