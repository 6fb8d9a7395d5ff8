#!/usr/bin/env python3
"""The end-to-end harness's own clean-up: a case whose session cannot be set up
leaves none of the session's processes behind."""
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
        displays = []
        start_display = e2e.Session._start_display

        def recording(session):
            start_display(session)
            displays.append(session.xvfb)

        with tempfile.TemporaryDirectory() as root, \
                mock.patch.object(e2e.Session, '_start_display', recording):
            build = os.path.join(root, 'build')  # holds no program to start
            template = os.path.join(root, 'template')
            os.makedirs(os.path.join(template, 'drive_c', 'windows', 'system32'))
            folder = os.path.join(root, 'case')
            os.makedirs(folder)
            with self.assertRaises(OSError):
                e2e.Brenvale(build, folder, template)
        self.assertEqual(len(displays), 1)
        self.assertIsNotNone(displays[0].poll(), 'the display of the failed session still runs')


if __name__ == '__main__':
    unittest.main()
