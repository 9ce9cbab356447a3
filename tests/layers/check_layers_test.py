#!/usr/bin/env python3
"""scripts/check-layers on small trees of the plug-in's shape, and on this repository."""

import pathlib
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
SCRIPT = ROOT / "scripts" / "check-layers"


def run(root):
    result = subprocess.run([sys.executable, str(SCRIPT), str(root)], capture_output=True,
                            text=True, check=False)
    return result.returncode, result.stdout.splitlines()


def tree(files):
    """A temporary tree holding FILES, each a path and the names it includes."""
    directory = tempfile.TemporaryDirectory()
    for path, includes in files.items():
        file = pathlib.Path(directory.name) / path
        file.parent.mkdir(parents=True, exist_ok=True)
        lines = ["// A file of the fixture.", "#include <cmath>"]
        lines += [f'#include "{name}"' for name in includes]
        file.write_text("\n".join(lines) + "\n", encoding="utf-8")
    return directory


class CheckLayers(unittest.TestCase):
    def test_includes_that_point_down_or_stay_in_their_layer_pass(self):
        with tree({
            "geometry/quadrilatere.h": ["host/types.h"],
            "geometry/mesures.cpp": ["geometry/quadrilatere.h"],
            "plugin/hote/suites.h": ["host/adm.h"],
            "settings/figure.cpp": ["geometry/mesures.h", "plugin/hote/suites.h"],
            "tool/curseurs.h": ["resources/ressources.h"],
            "panel/champs.cpp": ["settings/figure.h", "tool/trace.h"],
            "panel/panneau.cpp": ["panel/champs.h", "plugin/menus.h", "tool/outil.h"],
            "plugin/dispatch.cpp": ["plugin/lifecycle.h", "plugin/menus.h"],
        }) as root:
            self.assertEqual(run(root), (0, []))

    def test_each_include_against_the_order_is_one_line(self):
        with tree({
            "geometry/constructions.cpp": ["geometry/vecteurs.h", "settings/globals.h"],
            "geometry/formes.h": ["host/adm.h"],
            "plugin/hote/ecran.cpp": ["geometry/vecteurs.h"],
            "panel/champs.cpp": ["panel/panneau.h"],
            "plugin/menus.cpp": ["plugin/lifecycle.h"],
            "resources/ressources.h": ["host/types.h", "geometry/figure.h"],
            "settings/echelle.cpp": ["emulator/core/host.h"],
        }) as root:
            code, lines = run(root)
        self.assertEqual(code, 1)
        self.assertEqual(lines, [
            "geometry/constructions.cpp:4: includes settings/globals.h (state) from geometry "
            "core: points up",
            "geometry/formes.h:3: includes host/adm.h (host access) from geometry core: points "
            "sideways",
            "panel/champs.cpp:3: includes panel/panneau.h (behaviours) from writing: points up",
            "plugin/hote/ecran.cpp:3: includes geometry/vecteurs.h (geometry core) from host "
            "access: points sideways",
            "plugin/menus.cpp:3: includes plugin/lifecycle.h (entry) from behaviours: points up",
            "resources/ressources.h:4: includes geometry/figure.h (geometry core) from plain "
            "types: points up",
            "settings/echelle.cpp:3: includes emulator/core/host.h, which is in no layer of the "
            "plug-in",
        ])

    def test_folders_of_one_layer_that_include_each_other_are_told(self):
        with tree({
            "plugin/menus.cpp": ["panel/panneau.h"],
            "panel/panneau.cpp": ["tool/outil.h"],
            "tool/outil.cpp": ["plugin/menus.h"],
            "tool/creation.cpp": ["tool/outil.h"],
        }) as root:
            code, lines = run(root)
        self.assertEqual(code, 1)
        self.assertEqual(lines, [
            "panel/panneau.cpp:3: includes tool/outil.h: tool/ already includes panel/, so the "
            "folders form a circle",
            "plugin/menus.cpp:3: includes panel/panneau.h: panel/ already includes plugin/, so "
            "the folders form a circle",
            "tool/outil.cpp:3: includes plugin/menus.h: plugin/ already includes tool/, so the "
            "folders form a circle",
        ])

    def test_this_repository_keeps_its_layers(self):
        self.assertEqual(run(ROOT), (0, []))


if __name__ == "__main__":
    unittest.main()
