// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace gx508::test {

// Hand-written report descriptors shaped like the mouse's two vendor interfaces.

// Command interface: usage page 0xFF00, usage 0xFF00, no report ids; 8 input bytes, 8 feature
// bytes and 32 output bytes.
inline std::vector<std::uint8_t> CommandInterfaceDescriptor() {
    return {
        0x06, 0x00, 0xFF,  // Usage Page (0xFF00)
        0x0A, 0x00, 0xFF,  // Usage (0xFF00)
        0xA1, 0x01,        // Collection (Application)
        0x15, 0x00,        //   Logical Minimum (0)
        0x26, 0xFF, 0x00,  //   Logical Maximum (255)
        0x75, 0x08,        //   Report Size (8)
        0x95, 0x08,        //   Report Count (8)
        0x09, 0x01,        //   Usage (1)
        0x81, 0x02,        //   Input (Data, Variable, Absolute)
        0x09, 0x02,        //   Usage (2)
        0xB1, 0x02,        //   Feature (Data, Variable, Absolute)
        0x95, 0x20,        //   Report Count (32)
        0x09, 0x03,        //   Usage (3)
        0x91, 0x02,        //   Output (Data, Variable, Absolute)
        0xC0,              // End Collection
    };
}

// Notice interface: usage page 0xFF01, usage 0xFF01, no report ids; 8 input bytes.
inline std::vector<std::uint8_t> NoticeInterfaceDescriptor() {
    return {
        0x06, 0x01, 0xFF,  // Usage Page (0xFF01)
        0x0A, 0x01, 0xFF,  // Usage (0xFF01)
        0xA1, 0x01,        // Collection (Application)
        0x15, 0x00,        //   Logical Minimum (0)
        0x26, 0xFF, 0x00,  //   Logical Maximum (255)
        0x75, 0x08,        //   Report Size (8)
        0x95, 0x08,        //   Report Count (8)
        0x09, 0x01,        //   Usage (1)
        0x81, 0x02,        //   Input (Data, Variable, Absolute)
        0xC0,              // End Collection
    };
}

// A plain three-button mouse: a pointer (Physical) collection nested in the Application one.
inline std::vector<std::uint8_t> BootMouseDescriptor() {
    return {
        0x05, 0x01,  // Usage Page (Generic Desktop)
        0x09, 0x02,  // Usage (Mouse)
        0xA1, 0x01,  // Collection (Application)
        0x09, 0x01,  //   Usage (Pointer)
        0xA1, 0x00,  //   Collection (Physical)
        0x05, 0x09,  //     Usage Page (Button)
        0x19, 0x01,  //     Usage Minimum (1)
        0x29, 0x03,  //     Usage Maximum (3)
        0x15, 0x00,  //     Logical Minimum (0)
        0x25, 0x01,  //     Logical Maximum (1)
        0x75, 0x01,  //     Report Size (1)
        0x95, 0x03,  //     Report Count (3)
        0x81, 0x02,  //     Input (Data, Variable, Absolute)
        0x75, 0x05,  //     Report Size (5)
        0x95, 0x01,  //     Report Count (1)
        0x81, 0x03,  //     Input (Constant)
        0x05, 0x01,  //     Usage Page (Generic Desktop)
        0x09, 0x30,  //     Usage (X)
        0x09, 0x31,  //     Usage (Y)
        0x15, 0x81,  //     Logical Minimum (-127)
        0x25, 0x7F,  //     Logical Maximum (127)
        0x75, 0x08,  //     Report Size (8)
        0x95, 0x02,  //     Report Count (2)
        0x81, 0x06,  //     Input (Data, Variable, Relative)
        0xC0,        //   End Collection
        0xC0,        // End Collection
    };
}

}  // namespace gx508::test
