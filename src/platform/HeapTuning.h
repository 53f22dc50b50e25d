// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace gx508 {

// Makes large freed buffers go back to the system instead of staying with the process.
//
// Decoded skin images and off-screen frames are large buffers, many of them short-lived. By
// default the C library raises its threshold for mapping a buffer on its own each time such a
// buffer is freed, after which the next ones come from the heap and the room they leave stays
// with the process. This fixes the threshold at its default, so that each of them is mapped on
// its own and returned when freed. Call it first thing in main(). Where the C library has no
// such threshold it does nothing.
void ReturnLargeBuffersToTheSystem();

}  // namespace gx508
