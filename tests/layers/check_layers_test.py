#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The layer check against the tree and against scratch copies with one include made wrong."""
import pathlib
import shutil
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import check_layers  # noqa: E402

SRC = pathlib.Path(__file__).resolve().parents[2] / "src"

# (file that gets the include, the include line, whether the check must refuse it)
CASES = [
    ("core/store/IniFile.cpp", '#include "gui/ui/Skin.h"', True),
    ("core/store/IniFile.cpp", '#include "platform/ProgramFolder.h"', True),
    ("core/store/IniFile.cpp", '#include "cli/Ctl.h"', True),
    ("core/store/IniFile.cpp", "#include <QString>", True),
    ("core/store/IniFile.cpp", "#include <unistd.h>", True),
    ("core/store/IniFile.cpp", "#include <hidapi/hidapi.h>", True),
    ("core/store/IniFile.cpp", "#include <sys/stat.h>", True),
    ("core/store/IniFile.cpp", '#include "IniFile.h"', True),
    ("core/store/IniFile.cpp", "#  include <core/device/DeviceLink.h>", True),
    ("core/store/IniFile.cpp", '#include "core/device/DeviceLink.h"', True),
    ("core/store/IniFile.cpp", '#include "core/nowhere/Thing.h"', True),
    ("core/i18n/Language.cpp", '#include "core/store/IniFile.h"', True),
    ("core/macro/MacroItem.cpp", '#include "core/gun/GunItemEditing.h"', True),
    ("core/LogSink.h", '#include "core/store/SettingsBlock.h"', True),
    ("platform/ProgramFolder.cpp", '#include "gui/ui/Skin.h"', True),
    ("platform/ProgramFolder.cpp", '#include "cli/Ctl.h"', True),
    ("cli/Ctl.cpp", '#include "gui/app/CMouseConfigurationDlg.h"', True),
    ("gui/ui/Skin.cpp", '#include "cli/Ctl.h"', True),
    ("core/store/IniFile.cpp", '#include "core/i18n/Language.h"', False),
    ("core/device/DeviceLink.cpp", '#include "core/perf/Dpi.h"', False),
    ("core/store/IniFile.cpp", "#include <charconv>", False),
    ("platform/ProgramFolder.cpp", '#include "core/store/IniFile.h"', False),
    ("platform/ProgramFolder.cpp", "#include <unistd.h>", False),
    ("gui/ui/Skin.cpp", '#include "platform/ProgramFolder.h"', False),
    ("cli/Ctl.cpp", '#include "platform/ProgramFolder.h"', False),
]


def scratch_copy(folder):
    copy = pathlib.Path(folder) / "src"
    shutil.copytree(SRC, copy, ignore=shutil.ignore_patterns("*.png"))
    return copy


class LayerCheckTest(unittest.TestCase):
    def test_the_tree_keeps_its_layers(self):
        self.assertEqual(list(check_layers.offences(SRC)), [])

    def test_one_include_added(self):
        for file, line, refused in CASES:
            with self.subTest(file=file, line=line), tempfile.TemporaryDirectory() as folder:
                src = scratch_copy(folder)
                target = src / file
                target.write_text(target.read_text() + line + "\n")
                found = list(check_layers.offences(src))
                if refused:
                    self.assertEqual(len(found), 1, found)
                    self.assertIn(file, found[0])
                else:
                    self.assertEqual(found, [])

    def test_a_core_folder_missing_from_the_order(self):
        with tempfile.TemporaryDirectory() as folder:
            src = scratch_copy(folder)
            (src / "core" / "extra").mkdir()
            with self.assertRaises(SystemExit):
                list(check_layers.offences(src))

    def test_the_order_is_read_from_the_readme(self):
        with tempfile.TemporaryDirectory() as folder:
            src = scratch_copy(folder)
            readme = src / "core" / "README.md"
            text = readme.read_text()
            readme.write_text(text.replace("`i18n/`", "`tmp/`").replace("`store/`", "`i18n/`")
                              .replace("`tmp/`", "`store/`"))
            found = list(check_layers.offences(src))
            self.assertTrue(found)
            self.assertTrue(all("core/store may not include" in f for f in found), found)


if __name__ == "__main__":
    unittest.main()
