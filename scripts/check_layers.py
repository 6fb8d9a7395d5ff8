#!/usr/bin/env python3
"""Checks that every library and the program include only headers of the libraries
they build on.

LAYERS below is the one place that says which library may use which: every library
folder, from the bottom up, with the folders it builds on directly. A folder may
include its own headers and those of every folder it builds on, directly or through
others. A library may only build on folders listed before it, and the folders of one
top-level folder stand together, so the order of the table is the order of the tree:
nothing in skin/ uses skinctrls/, nothing in gui/ uses skin/.

Tests may include anything and are not checked. Usage: check_layers.py [root]
"""
import os
import re
import sys

LAYERS = """
win
gui/core
gui/graphics        gui/core win
gui/controls        gui/graphics
gui/native          gui/controls
gui/ole             gui/core win
skin/model          gui/core
skin/imaging        skin/model gui/controls
skin/data           skin/model gui/controls
skin/popups         skin/data skin/imaging
skin/frame          skin/popups
skin/forms          skin/frame
skinctrls/controls  skin/data skin/imaging gui/native
skinctrls/views     skinctrls/controls
skinctrls/menubar   skinctrls/controls skin/forms
skinctrls/dialogs   skinctrls/controls skin/forms
skinctrls/folders   skinctrls/dialogs skinctrls/views
velmora/idl
velmora/proxy       velmora/idl
velmora/disc
velmora/transport   velmora/disc win
velmora/cddb        velmora/disc win
velmora/com         velmora/idl win
velmora/extract     velmora/transport velmora/cddb velmora/com
velmora/objects     velmora/extract
velmora/control     velmora/objects
velmora/server      velmora/control velmora/proxy
tools/skinpack      skin/model
tools/testskin      gui/core
app                 skinctrls/folders skinctrls/menubar gui/ole velmora/idl
"""

# Headers made by the build, and the library they belong to.
GENERATED = {"velmora.h": "velmora/idl"}

# Where includes are looked up, after the including file's own folder: the root, and
# velmora/ for the control's own code.
INCLUDE_ROOTS = ["", "velmora"]

NOT_CHECKED = {"tests", "cmake", "scripts", "build", ".git", ".ci"}
SOURCE_SUFFIXES = (".h", ".c", ".cpp")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def read_layers():
    """The table as {folder: set of folders it may use}, checked for its order."""
    uses, order, errors = {}, [], []
    for line in LAYERS.strip().splitlines():
        folder, *below = line.split()
        for used in below:
            if used not in uses:
                errors.append(f"layer table: {folder} builds on {used}, which is not listed before it")
        top = folder.split("/")[0]
        if order and order[-1] != top and top in order:
            errors.append(f"layer table: the folders of {top}/ do not stand together")
        if not order or order[-1] != top:
            order.append(top)
        allowed = {folder}
        for used in below:
            allowed |= uses.get(used, {used})
        uses[folder] = allowed
    return uses, errors


def layer_of(path, uses):
    """The library folder a path (relative to the root) lies in, or None."""
    best = None
    for folder in uses:
        if path == folder or path.startswith(folder + "/"):
            if best is None or len(folder) > len(best):
                best = folder
    return best


def resolve(root, including, name):
    """The root-relative path of an included header, or None."""
    candidates = [os.path.join(os.path.dirname(including), name)]
    candidates += [os.path.join(base, name) for base in INCLUDE_ROOTS]
    for candidate in candidates:
        candidate = os.path.normpath(candidate)
        if os.path.isfile(os.path.join(root, candidate)):
            return candidate
    return None


def source_files(root):
    for top in sorted(os.listdir(root)):
        if top in NOT_CHECKED or not os.path.isdir(os.path.join(root, top)):
            continue
        for folder, dirs, files in os.walk(os.path.join(root, top)):
            dirs.sort()
            for name in sorted(files):
                if name.endswith(SOURCE_SUFFIXES):
                    yield os.path.relpath(os.path.join(folder, name), root)


def check(root):
    uses, errors = read_layers()
    for path in source_files(root):
        layer = layer_of(path, uses)
        if layer is None:
            errors.append(f"{path}: lies in no library folder of the layer table")
            continue
        with open(os.path.join(root, path), encoding="utf-8", errors="replace") as source:
            for number, line in enumerate(source, 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                name = match.group(1)
                header = resolve(root, path, name)
                used = layer_of(header, uses) if header else GENERATED.get(name)
                if header is None and used is None:
                    errors.append(f"{path}:{number}: includes {name}, which is no header of the tree")
                elif used is None:
                    errors.append(f"{path}:{number}: includes {name}, which lies in no library folder")
                elif used not in uses[layer]:
                    errors.append(f"{path}:{number}: includes {name} of {used}, which {layer} may not use")
    return errors


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))
    errors = check(root)
    for error in errors:
        print(error, file=sys.stderr)
    if errors:
        print(f"check_layers: {len(errors)} include(s) against the layers", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
