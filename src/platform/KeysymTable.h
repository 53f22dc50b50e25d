// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

namespace gx508 {

// A key as the key tables know it: a virtual-key code and whether the key is one of the
// extended ones (numeric-pad Enter and divide, the right-hand Ctrl and Alt, the cursor,
// Insert, Delete, Home, End, Page Up and Page Down block, Num Lock, Print Screen, the Windows
// and application keys, the media keys).
struct VirtualKey {
    int code = 0;
    bool extended = false;

    bool operator==(const VirtualKey&) const = default;
};

// One row of the keysym table.
struct KeysymMapping {
    unsigned long keysym;
    VirtualKey key;
};

// The virtual key of an X keysym; code 0 for a keysym that is none of the table's keys. The
// table holds the keysyms of the unshifted level of each key (the digit row as digits, so a
// shifted digit is not looked up here); a letter names its key in either case. The keys of the
// numeric pad are the pad's digits and Num Del whether Num Lock is on or off, and AltGr counts as
// the right-hand Alt.
VirtualKey VirtualKeyOfKeysym(unsigned long keysym);

// Every row of the table, each keysym once.
std::span<const KeysymMapping> KeysymMappings();

}  // namespace gx508
