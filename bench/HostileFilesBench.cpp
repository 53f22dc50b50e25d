// SPDX-License-Identifier: GPL-3.0-or-later
// Loads crafted files of growing size: a record.ini of one macro with ItemCount=4096 padded
// with blank lines, and a settings ini of bare line ends. The time per byte should stay flat
// as the size grows (the fitted complexity reads "N"), near the floor of reading the bytes
// alone; "bytes/line" is the memory a parsed document keeps per line of such a file.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "core/device/MacroImage.h"
#include "core/macro/MacroStore.h"
#include "core/store/FileBytes.h"
#include "core/store/SettingsFiles.h"

namespace {

using namespace gx508;
namespace fs = std::filesystem;

fs::path BenchFolder() {
    const fs::path folder = fs::temp_directory_path() / "gx508-hostile-bench";
    fs::create_directories(folder);
    return folder;
}

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// A record.ini of about `size` bytes: one macro that claims 4096 items, its
// section after a run of blank lines, and the items themselves at the end.
std::string CraftedRecord(std::size_t size) {
    std::string text = "[MacroName]\r\nMacroCount=1\r\n0=m\r\n[m]\r\nMacroLoopTimes=1\r\n";
    text += "ItemCount=4096\r\n";
    std::string items;
    for (int i = 0; i < 64; ++i) {
        items += "Item" + std::to_string(i) + "=A   Dn\r\n";
    }
    if (size > text.size() + items.size()) {
        text.append(size - text.size() - items.size(), '\n');
    }
    return text + items;
}

std::string BareLineEnds(std::size_t size) {
    const std::string head = "[Skins]\r\nLan=EN\r\n";
    return head + std::string(size - head.size(), '\n');
}

void Report(benchmark::State& bench, std::size_t size) {
    bench.SetComplexityN(static_cast<benchmark::IterationCount>(size));
    bench.SetBytesProcessed(static_cast<std::int64_t>(bench.iterations() * size));
}

// The floor: reading the bytes of the file and nothing else.
void BM_ReadBytesOnly(benchmark::State& bench) {
    const auto size = static_cast<std::size_t>(bench.range(0));
    const fs::path path = BenchFolder() / "floor.ini";
    WriteFile(path, CraftedRecord(size));
    for (auto _ : bench) {
        benchmark::DoNotOptimize(ReadFileBytes(path));
    }
    Report(bench, size);
}

void BM_LoadMacroFromCraftedRecord(benchmark::State& bench) {
    const auto size = static_cast<std::size_t>(bench.range(0));
    const fs::path path = BenchFolder() / "record.ini";
    WriteFile(path, CraftedRecord(size));
    for (auto _ : bench) {
        benchmark::DoNotOptimize(LoadMacro(path, "m"));
    }
    Report(bench, size);
}

void BM_BuildMacroImageFromCraftedRecord(benchmark::State& bench) {
    const auto size = static_cast<std::size_t>(bench.range(0));
    const fs::path path = BenchFolder() / "record.ini";
    WriteFile(path, CraftedRecord(size));
    NullLog log;
    SettingsBlock block;
    for (int slot = 0; slot < 5; ++slot) {  // every macro slot plays macro 0, "m"
        block.setSlot(SlotField::InUse, slot, 1);
        block.setSlot(SlotField::Kind, slot, 0);
        block.setSlot(SlotField::MacroNumber, slot, 0);
    }
    for (auto _ : bench) {
        BuildMacroImage(block, path, log);
    }
    Report(bench, size);
}

void BM_StartupWithBareLineEnds(benchmark::State& bench) {
    const auto size = static_cast<std::size_t>(bench.range(0));
    const fs::path folder = BenchFolder() / "startup";
    fs::create_directories(folder);
    WriteFile(folder / "str.ini", "[Profile]\r\nCurProfileName=A\r\nItemCount=1\r\nItem0=A\r\n");
    WriteFile(folder / "str0.ini", BareLineEnds(size));
    NullLog log;
    for (auto _ : bench) {
        auto state = std::make_unique<SharedState>(folder, log);
        StartupLoad(*state);
        benchmark::DoNotOptimize(state->labels);
    }
    Report(bench, size);
}

void BM_ParseMemoryPerLine(benchmark::State& bench) {
    const auto size = static_cast<std::size_t>(bench.range(0));
    const std::string text(size, '\n');
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()),
                                              text.size());
    const auto heapInUse = [] {
        const struct mallinfo2 info = mallinfo2();
        return info.uordblks + info.hblkhd;  // small blocks and mapped ones
    };
    double perLine = 0;
    for (auto _ : bench) {
        const std::size_t before = heapInUse();
        const IniDocument document = IniDocument::Parse(bytes);
        perLine = static_cast<double>(heapInUse() - before) / static_cast<double>(size);
        benchmark::DoNotOptimize(document);
    }
    bench.counters["bytes/line"] = perLine;
    Report(bench, size);
}

constexpr std::int64_t kSmallest = 64 * 1024;
constexpr std::int64_t kLargest = 2 * 1024 * 1024;

}  // namespace

BENCHMARK(BM_ReadBytesOnly)->RangeMultiplier(2)->Range(kSmallest, kLargest)->Complexity();
BENCHMARK(BM_LoadMacroFromCraftedRecord)
    ->RangeMultiplier(2)
    ->Range(kSmallest, kLargest)
    ->Complexity();
BENCHMARK(BM_BuildMacroImageFromCraftedRecord)
    ->RangeMultiplier(2)
    ->Range(kSmallest, kLargest)
    ->Complexity();
BENCHMARK(BM_StartupWithBareLineEnds)->RangeMultiplier(2)->Range(kSmallest, kLargest)->Complexity();
BENCHMARK(BM_ParseMemoryPerLine)->RangeMultiplier(4)->Range(kSmallest, kLargest)->Complexity();
BENCHMARK_MAIN();
