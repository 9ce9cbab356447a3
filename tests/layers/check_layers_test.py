#!/usr/bin/env python3
"""scripts/check-layers on small trees of the plug-in's and the emulator's shape, and on this
repository."""

import pathlib
import shutil
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


def planted(folders, source, include):
    """The script's answer on a copy of this repository's FOLDERS with INCLUDE planted as the
    second line of SOURCE."""
    with tempfile.TemporaryDirectory() as directory:
        copy = pathlib.Path(directory)
        for folder in folders:
            shutil.copytree(ROOT / folder, copy / folder)
        file = copy / source
        lines = file.read_text(encoding="utf-8").splitlines()
        lines.insert(1, f'#include "{include}"')
        file.write_text("\n".join(lines) + "\n", encoding="utf-8")
        return run(copy)


class CheckLayers(unittest.TestCase):
    def assertTold(self, files, lines):
        """The script fails on a tree of FILES, with LINES."""
        with tree(files) as root:
            self.assertEqual(run(root), (1, lines))

    def test_includes_that_point_down_or_stay_in_their_folder_pass(self):
        with tree({
            "geometry/quadrilatere.h": ["host/types.h"],
            "geometry/mesures.cpp": ["geometry/quadrilatere.h"],
            "plugin/hote/suites.h": ["host/adm.h"],
            "settings/figure.cpp": ["geometry/mesures.h", "plugin/hote/suites.h"],
            "tool/curseurs.h": ["resources/ressources.h"],
            "tool/trace.cpp": ["settings/figure.h", "tool/affichage_panneau.h"],
            "panel/champs.cpp": ["panel/panneau.h", "tool/affichage_panneau.h"],
            "annotations/annotateur.cpp": ["tool/figure_document.h"],
            "plugin/menus.cpp": ["annotations/annotateur.h", "panel/panneau.h"],
            "plugin/dispatch.cpp": ["plugin/lifecycle.h", "plugin/menus.h"],
        }) as root:
            self.assertEqual(run(root), (0, []))

    def test_each_include_against_the_order_is_one_line(self):
        self.assertTold({
            "geometry/constructions.cpp": ["geometry/vecteurs.h", "settings/globals.h"],
            "geometry/formes.h": ["host/adm.h"],
            "plugin/hote/ecran.cpp": ["geometry/vecteurs.h"],
            "tool/trace.cpp": ["tool/trace.h", "panel/champs.h"],
            "annotations/elements.cpp": ["panel/items_panneau.h"],
            "panel/panneau.cpp": ["plugin/menus.h"],
            "plugin/menus.cpp": ["plugin/lifecycle.h"],
            "resources/ressources.h": ["host/types.h", "geometry/figure.h"],
            "settings/echelle.cpp": ["emulator/core/host.h"],
        }, [
            "annotations/elements.cpp:3: includes panel/items_panneau.h (panel) from "
            "annotations: points sideways",
            "geometry/constructions.cpp:4: includes settings/globals.h (settings) from "
            "geometry: points up",
            "geometry/formes.h:3: includes host/adm.h (host access) from geometry: points "
            "sideways",
            "panel/panneau.cpp:3: includes plugin/menus.h (plug-in) from panel: points up",
            "plugin/hote/ecran.cpp:3: includes geometry/vecteurs.h (geometry) from host "
            "access: points sideways",
            "plugin/menus.cpp:3: includes plugin/lifecycle.h (entry) from plug-in: points up",
            "resources/ressources.h:4: includes geometry/figure.h (geometry) from plain "
            "types: points up",
            "settings/echelle.cpp:3: includes emulator/core/host.h, which is in no layer of the "
            "plug-in",
            "tool/trace.cpp:4: includes panel/champs.h (panel) from tool: points up",
        ])

    def test_a_circle_of_folders_is_told_by_its_includes_against_the_order(self):
        self.assertTold({
            "plugin/menus.cpp": ["panel/panneau.h"],
            "panel/panneau.cpp": ["tool/outil.h", "annotations/annotateur.h"],
            "annotations/annotateur.cpp": ["panel/champs.h"],
            "tool/outil.cpp": ["plugin/menus.h"],
            "tool/creation.cpp": ["tool/outil.h"],
        }, [
            "annotations/annotateur.cpp:3: includes panel/champs.h (panel) from annotations: "
            "points sideways",
            "panel/panneau.cpp:4: includes annotations/annotateur.h (annotations) from panel: "
            "points sideways",
            "tool/outil.cpp:3: includes plugin/menus.h (plug-in) from tool: points up",
        ])

    def test_the_emulators_folders_include_one_way(self):
        self.assertTold({
            "emulator/common/json.h": [],
            "emulator/models/document/document.h": ["emulator/models/handle_table.h",
                                                    "host/ai_art.h"],
            "emulator/models/menus.cpp": ["emulator/core/host.h", "emulator/common/json.h"],
            "emulator/core/host.h": ["emulator/models/document/document.h"],
            "emulator/output/state.cpp": ["emulator/core/host.h"],
            "emulator/drivers/scenario/player.cpp": ["emulator/output/state.h"],
            "emulator/drivers/web/session.cpp": ["emulator/drivers/scenario/player.h",
                                                 "emulator/drivers/validator/watch.h"],
            "emulator/drivers/validator/watch.cpp": ["emulator/app/main.h"],
            "emulator/app/main.cpp": ["emulator/drivers/web/session.h", "emulator/core/host.h"],
        }, [
            "emulator/drivers/validator/watch.cpp:3: includes emulator/app/main.h (program) "
            "from validator: points up",
            "emulator/drivers/web/session.cpp:4: includes emulator/drivers/validator/watch.h "
            "(validator) from web driver: points sideways",
            "emulator/models/menus.cpp:3: includes emulator/core/host.h (core) from models: "
            "points up",
        ])

    def test_files_that_include_each_other_in_a_circle_are_told_once_per_circle(self):
        self.assertTold({
            "tool/a.h": ["tool/b.h"],
            "tool/b.h": ["tool/c.h"],
            "tool/c.h": ["tool/a.h", "tool/d.h"],
            "tool/d.h": [],
            "tool/e.h": ["tool/e.h"],
            "emulator/core/host.h": ["emulator/core/modals.h"],
            "emulator/core/modals.h": ["emulator/core/host.h"],
        }, [
            "tool/a.h: includes in a circle: tool/a.h -> tool/b.h -> tool/c.h -> tool/a.h",
            "tool/e.h: includes in a circle: tool/e.h -> tool/e.h",
            "emulator/core/host.h: includes in a circle: emulator/core/host.h -> "
            "emulator/core/modals.h -> emulator/core/host.h",
        ])

    def test_this_repository_keeps_its_layers(self):
        self.assertEqual(run(ROOT), (0, []))

    def test_the_panel_included_from_the_tool_in_this_repository_is_told(self):
        folders = ("annotations", "geometry", "panel", "plugin", "settings", "tool")
        self.assertEqual(planted(folders, "tool/trace.cpp", "panel/champs.h"), (1, [
            "tool/trace.cpp:2: includes panel/champs.h (panel) from tool: points up"]))

    def test_the_host_included_from_the_models_in_this_repository_is_told(self):
        found = planted(("emulator",), "emulator/models/menus.cpp", "emulator/core/host.h")
        self.assertEqual(found, (1, ["emulator/models/menus.cpp:2: includes emulator/core/host.h "
                                     "(core) from models: points up"]))

if __name__ == "__main__":
    unittest.main()
