// SPDX-License-Identifier: GPL-3.0-or-later
#include <span>

#include "FuzzTarget.h"
#include "core/device/ReportDescriptor.h"

// Any bytes as a HID report descriptor read from sysfs.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    (void)gx508::ParseReportDescriptor(std::span<const std::uint8_t>(data, size));
    return 0;
}
