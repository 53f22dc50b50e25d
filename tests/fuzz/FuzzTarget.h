// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

// Helpers shared by the fuzz targets. Each target defines LLVMFuzzerTestOneInput; it is linked
// with libFuzzer in the fuzzing build and with RunCorpus.cpp (which replays a folder of inputs)
// in every other build, so the seed corpora and every saved crash run as regression tests.

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace gx508::fuzz {

// Stops the run with a message when a property of the code under test does not hold.
inline void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

// A program folder of this process's own, made once and reused by every input.
inline const std::filesystem::path& ScratchFolder() {
    static const std::filesystem::path folder = [] {
        auto path =
            std::filesystem::temp_directory_path() / ("gx508-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

inline void WriteInput(const std::filesystem::path& path, const std::uint8_t* data,
                       std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace gx508::fuzz
