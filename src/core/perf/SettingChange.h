// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>

#include "core/Status.h"
#include "core/store/SettingsBlock.h"

namespace gx508 {

// One change to the block's performance settings, written as words: the setting's name, then
// its values.
//
//   dpi STAGE DPI              STAGE 1..6; DPI 100..5000 in steps of 100, 5200..6000 in 200s
//   stage STAGE on|off         whether the stage is in the DPI cycle
//   colour STAGE RRGGBB        hex, with or without '#'
//   lighting standard|breathing|neon [LEVEL]   LEVEL 1..6 on that effect's own scale
//   rate 125|250|500|1000      report rate in Hz
//   sensitivity X Y            1..11 each
//   pointer-speed N            1..11
//   double-click N             1..11
//   wheel N|page               lines per notch 1..100, or one screen per notch (the line
//                              count stays for when lines come back)
//   precision on|off           enhanced pointer precision
//
// The block changes only when every word is valid; otherwise it stays as it was and the error
// names the setting and what was wrong with it, in one line.
Status ChangeSetting(SettingsBlock& block, std::span<const std::string> words);

}  // namespace gx508
