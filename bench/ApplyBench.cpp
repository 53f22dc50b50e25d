// SPDX-License-Identifier: GPL-3.0-or-later
// How long an apply takes against the virtual mouse with the real, sleeping pacer, compared
// with the time the protocol itself prescribes (the sum of its pauses). The transport should
// add almost nothing: the "ratio" counter should stay within 1.00 .. 1.02.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>

#include "core/device/ApplySequence.h"
#include "core/device/DeviceLink.h"
#include "core/device/VirtualMouse.h"
#include "core/store/SettingsFiles.h"

namespace {

using namespace gx508;

// Counts the pauses while a sleeping pacer takes them.
class MeasuredPacer final : public Pacer {
  public:
    void Pause(int milliseconds) override {
        m_total += milliseconds;
        m_sleeping.Pause(milliseconds);
    }
    int total() const { return m_total; }

  private:
    SleepingPacer m_sleeping;
    int m_total = 0;
};

void BM_ApplyWithRealPauses(benchmark::State& bench) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "gx508-apply-bench";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    for (const auto& entry : std::filesystem::directory_iterator(GX508_PROGRAM_DIR)) {
        if (entry.is_regular_file() && entry.path().extension() != "") {
            std::filesystem::copy_file(entry.path(), folder / entry.path().filename());
        }
    }
    NullLog log;
    auto state = std::make_unique<SharedState>(folder, log);
    StartupLoad(*state);
    VirtualMouse mouse;
    DeviceLink link(mouse, log);
    link.FindMouse();
    LoggingPointerBackend pointer(log);

    double protocolSeconds = 0;
    double elapsedSeconds = 0;
    for (auto _ : bench) {
        MeasuredPacer pacer;
        CommandChannel channel{link.commandDevice(), pacer, log};
        const auto start = std::chrono::steady_clock::now();
        ApplySettings(*state, channel);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        elapsedSeconds += elapsed.count();
        protocolSeconds += pacer.total() / 1000.0;
        bench.SetIterationTime(elapsed.count());
    }
    bench.counters["protocol_s"] = protocolSeconds / static_cast<double>(bench.iterations());
    bench.counters["ratio"] = elapsedSeconds / protocolSeconds;
    std::filesystem::remove_all(folder);
}

BENCHMARK(BM_ApplyWithRealPauses)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
