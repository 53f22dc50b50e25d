#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks every #include under src/ against the layers and the order of the core folders.

Layers: core sees core; platform sees core; gui sees core and platform; cli sees core and
platform. A project header is named from its layer ("core/store/IniFile.h"), quoted or in angle
brackets; any other quoted include is refused. Core includes no header from outside the C++
standard library. Inside core, a folder includes only itself and the folders before it in the
order that src/core/README.md lists; the files at the top of core (shared by every folder)
include only each other.

Usage: check_layers.py SRC_DIR   (prints each offending include; exit status 1 when there is one)
"""
import pathlib
import re
import sys

LAYERS = {
    "core": {"core"},
    "platform": {"core", "platform"},
    "gui": {"core", "platform", "gui"},
    "cli": {"core", "platform", "cli"},
}

STANDARD_HEADERS = set("""
algorithm any array atomic barrier bit bitset cassert cctype cerrno cfenv cfloat charconv chrono
cinttypes climits clocale cmath codecvt compare complex concepts condition_variable coroutine
csetjmp csignal cstdarg cstddef cstdint cstdio cstdlib cstring ctime cuchar cwchar cwctype deque
exception execution filesystem format forward_list fstream functional future initializer_list
iomanip ios iosfwd iostream istream iterator latch limits list locale map memory memory_resource
mutex new numbers numeric optional ostream queue random ranges ratio regex scoped_allocator
semaphore set shared_mutex source_location span sstream stack stdexcept stop_token streambuf
string string_view syncstream system_error thread tuple type_traits typeindex typeinfo
unordered_map unordered_set utility valarray variant vector version
""".split())

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
ORDER_LINE = re.compile(r"^\s*\d+\.\s+`([a-z0-9_]+)/`")


def core_order(src):
    """The core folders in their order, from the numbered list of src/core/README.md."""
    readme = src / "core" / "README.md"
    order = [m.group(1) for m in map(ORDER_LINE.match, readme.read_text().splitlines()) if m]
    if not order:
        raise SystemExit(f"{readme}: no numbered list of folders")
    folders = sorted(p.name for p in (src / "core").iterdir() if p.is_dir())
    missing = [f for f in folders if f not in order]
    if missing:
        raise SystemExit(f"{readme}: folders not in the order: {', '.join(missing)}")
    return order


def core_rank(order, parts):
    """Rank of a path under core (parts after "core"): -1 for the shared top files."""
    return order.index(parts[0]) if len(parts) > 1 else -1


def offences(src):
    order = core_order(src)
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp") or not path.is_file():
            continue
        rel = path.relative_to(src).parts
        layer = rel[0]
        if layer not in LAYERS:
            continue
        for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            bracket, name = match.groups()
            target = name.split("/")
            where = f"{path.relative_to(src.parent)}:{number}: {line.strip()}"
            if target[0] in LAYERS:
                if target[0] not in LAYERS[layer]:
                    yield f"{where}: {layer} may not see {target[0]}"
                elif layer == "core" and target[0] == "core":
                    if len(target) > 2 and target[1] not in order:
                        yield f"{where}: no core folder {target[1]}"
                    elif core_rank(order, target[1:]) > core_rank(order, rel[1:]):
                        yield f"{where}: {'/'.join(rel[:-1])} may not include a folder after it"
            elif bracket == '"':
                yield f"{where}: a project header is named from its layer"
            elif layer == "core" and name not in STANDARD_HEADERS:
                yield f"{where}: core includes only the C++ standard library"


def main():
    src = pathlib.Path(sys.argv[1]).resolve()
    found = list(offences(src))
    for offence in found:
        print(offence)
    if found:
        return 1
    print("every include keeps to its layer")
    return 0


if __name__ == "__main__":
    sys.exit(main())
