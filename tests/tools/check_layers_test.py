#!/usr/bin/env python3
"""The layer check on small trees of its own: what it lets through, what it stops."""
import os
import sys
import tempfile
import unittest

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "scripts"))
sys.dont_write_bytecode = True  # no __pycache__ in the source tree
import check_layers  # noqa: E402


class LayerCheck(unittest.TestCase):
    def tree(self, files):
        """A tree of the given files ({path: text}); answers its root."""
        root = tempfile.mkdtemp()
        self.addCleanup(lambda: os.system(f"rm -rf '{root}'"))
        for path, text in files.items():
            os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
            with open(os.path.join(root, path), "w") as f:
                f.write(text)
        return root

    def test_includes_of_lower_libraries_pass(self):
        root = self.tree({
            "win/unique_handle.h": "#pragma once\n",
            "gui/core/types.h": "#pragma once\n",
            "skin/model/geometry.h": '#include "gui/core/types.h"\n',
            "skin/forms/engine.h": '#include "skin/model/geometry.h"\n#include <windows.h>\n',
            "skinctrls/menubar/bar.cpp": '#include "skin/forms/engine.h"\n#include "win/unique_handle.h"\n',
            "velmora/disc/toc_table.h": "#pragma once\n",
            "velmora/transport/drive_record.h": '#include "disc/toc_table.h"\n',
            "velmora/com/error_info.cpp": '#include "velmora.h"\n',
            # Tests may reach anything.
            "tests/skin/engine_test.cpp": '#include "skinctrls/menubar/bar.cpp"\n#include "fixture.h"\n',
        })
        self.assertEqual(check_layers.check(root), [])

    def test_an_include_from_a_library_above_fails(self):
        root = self.tree({
            "skinctrls/controls/skin_control.h": "#pragma once\n",
            "skin/forms/engine.cpp": '// the engine\n#include "skinctrls/controls/skin_control.h"\n',
        })
        self.assertEqual(check_layers.check(root), [
            "skin/forms/engine.cpp:2: includes skinctrls/controls/skin_control.h of skinctrls/controls, "
            "which skin/forms may not use"])

    def test_a_library_beside_is_not_below(self):
        root = self.tree({
            "gui/controls/form.h": "#pragma once\n",
            "gui/ole/ole_control.cpp": '#include "gui/controls/form.h"\n',
            "velmora/control/messages.h": "#pragma once\n",
            "velmora/extract/extraction.cpp": '#include "control/messages.h"\n',
            "velmora/cddb/cddb_client.cpp": '#include "gui/controls/form.h"\n',
        })
        self.assertEqual(sorted(check_layers.check(root)), [
            "gui/ole/ole_control.cpp:1: includes gui/controls/form.h of gui/controls, which gui/ole may not use",
            "velmora/cddb/cddb_client.cpp:1: includes gui/controls/form.h of gui/controls, "
            "which velmora/cddb may not use",
            "velmora/extract/extraction.cpp:1: includes control/messages.h of velmora/control, "
            "which velmora/extract may not use"])

    def test_files_outside_the_libraries_and_unknown_headers_fail(self):
        root = self.tree({
            "gui/stray.cpp": "\n",
            "gui/core/strings.cpp": '#include "gui/core/nowhere.h"\n#include "tests/support/fixture.h"\n',
            "tests/support/fixture.h": "#pragma once\n",
        })
        self.assertEqual(sorted(check_layers.check(root)), [
            "gui/core/strings.cpp:1: includes gui/core/nowhere.h, which is no header of the tree",
            "gui/core/strings.cpp:2: includes tests/support/fixture.h, which lies in no library folder",
            "gui/stray.cpp: lies in no library folder of the layer table"])

    def test_the_table_builds_only_on_folders_before_it_and_keeps_top_folders_together(self):
        saved = check_layers.LAYERS
        self.addCleanup(setattr, check_layers, "LAYERS", saved)
        check_layers.LAYERS = "gui/core\nskin/model gui/core skinctrls/controls\nskinctrls/controls skin/model\n"
        self.assertEqual(check_layers.read_layers()[1], [
            "layer table: skin/model builds on skinctrls/controls, which is not listed before it"])
        check_layers.LAYERS = "gui/core\nskin/model gui/core\ngui/graphics gui/core\n"
        self.assertEqual(check_layers.read_layers()[1], ["layer table: the folders of gui/ do not stand together"])

    def test_the_project_keeps_its_layers(self):
        self.assertEqual(check_layers.check(ROOT), [])


if __name__ == "__main__":
    unittest.main()
