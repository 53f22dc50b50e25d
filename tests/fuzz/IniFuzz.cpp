// SPDX-License-Identifier: GPL-3.0-or-later
#include <span>
#include <string>
#include <vector>

#include "FuzzTarget.h"
#include "core/store/IniFile.h"

// Any bytes as an ini file: parsing never fails, an unedited document writes back the bytes it
// was read from, and a value set is read back the same after a write and a new parse, in every
// encoding the file may be in.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using gx508::IniDocument;
    using gx508::fuzz::Require;
    const std::span<const std::uint8_t> bytes(data, size);
    IniDocument document = IniDocument::Parse(bytes);
    Require(document.Serialize() == std::vector<std::uint8_t>(bytes.begin(), bytes.end()),
            "an unedited document writes back its bytes");

    const std::string value = "Stage 3 = 1600 dpi";
    if (document.Set("Fuzz", "Key", value).ok()) {
        const IniDocument reread = IniDocument::Parse(document.Serialize());
        Require(reread.Get("Fuzz", "Key") == value, "a value set reads back the same");
    }

    const auto& ini = gx508::fuzz::ScratchFolder() / "str0.ini";
    gx508::fuzz::WriteInput(ini, data, size);
    (void)gx508::ReadIniString(ini, "Skins", "Lan", {}, 1024);
    return 0;
}
