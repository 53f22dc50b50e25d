// SPDX-License-Identifier: GPL-3.0-or-later
// The window's event loop while the mouse is busy, with the real, sleeping pauses of the
// protocol. A 1 ms timer probes the loop and records the longest gap between its ticks:
//   apply      Apply pressed, to the end of the sequence; also its wall time against the sum of
//              the pauses it took (wall_ratio)
//   arrival    the mouse plugged in again, to the window's handling of its arrival
// The floor is the same probe in the same program with the loop idle for a second.
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <functional>

#include "BenchFigures.h"
#include "BenchProgram.h"
#include "gui/ui/CBitmapBtn.h"

namespace {

using namespace gx508;
using namespace gx508::bench;

// Sleeps as the program does and adds up the pauses it was asked for.
class MeasuredPacer final : public Pacer {
  public:
    void Pause(int milliseconds) override {
        m_total += milliseconds;
        m_sleeping.Pause(milliseconds);
    }
    int total() const { return m_total; }
    void reset() { m_total = 0; }

  private:
    SleepingPacer m_sleeping;
    std::atomic<int> m_total = 0;
};

struct Probed {
    double longestGapMs = 0;
    double wallMs = 0;
};

// Starts `work`, then runs the event loop under a 1 ms probe until `done` holds.
Probed Probe(const std::function<void()>& work, const std::function<bool()>& done) {
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(1);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    probe.start();
    clock.start();
    work();
    while (!done()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    const qint64 wall = clock.nsecsElapsed();
    longest = std::max(longest, wall - last);
    return {static_cast<double>(longest) / 1e6, static_cast<double>(wall) / 1e6};
}

// The same probe with nothing to do for a second.
double IdleGapMs() {
    QElapsedTimer idle;
    idle.start();
    return Probe([] {}, [&] { return idle.elapsed() >= 1000; }).longestGapMs;
}

void BM_EventLoopDuringApply(benchmark::State& bench) {
    const auto folder = CopyProgramFolder();
    MeasuredPacer pacer;
    Program program(folder->path().toStdString(), pacer);
    program.window->show();
    QCoreApplication::processEvents();
    Figures gap;
    Figures wall;
    for (auto _ : bench) {
        pacer.reset();
        bool ended = false;
        const QMetaObject::Connection connection = QObject::connect(
            program.session.get(), &MouseSession::busyChanged, [&](bool busy) { ended = !busy; });
        const Probed apply =
            Probe([&] { program.window->applyButton()->click(); }, [&] { return ended; });
        QObject::disconnect(connection);
        gap.add(apply.longestGapMs, IdleGapMs());
        wall.add(apply.wallMs, pacer.total());
        bench.SetIterationTime(apply.wallMs / 1000.0);
    }
    gap.report(bench, "gap_ms");
    wall.report(bench, "wall_ms");
}
BENCHMARK(BM_EventLoopDuringApply)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

void BM_EventLoopDuringArrival(benchmark::State& bench) {
    const auto folder = CopyProgramFolder();
    MeasuredPacer pacer;
    Program program(folder->path().toStdString(), pacer);
    program.window->show();
    QCoreApplication::processEvents();
    Figures gap;
    for (auto _ : bench) {
        program.mouse.unplug();
        bool gone = false;
        const QMetaObject::Connection lost =
            QObject::connect(program.session.get(), &MouseSession::mouseLost, [&] { gone = true; });
        const Probed removal =
            Probe([&] { program.session->deviceRemoved(); }, [&] { return gone; });
        QObject::disconnect(lost);
        program.mouse.replug();
        bool arrived = false;
        const QMetaObject::Connection back = QObject::connect(
            program.session.get(), &MouseSession::mouseArrived, [&] { arrived = true; });
        const Probed arrival =
            Probe([&] { program.session->deviceArrived(); }, [&] { return arrived; });
        QObject::disconnect(back);
        const double ours = std::max(removal.longestGapMs, arrival.longestGapMs);
        gap.add(ours, IdleGapMs());
        bench.SetIterationTime((removal.wallMs + arrival.wallMs) / 1000.0);
    }
    gap.report(bench, "gap_ms");
}
BENCHMARK(BM_EventLoopDuringArrival)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
