// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's own costs, each beside the floor (FloorWindow: a plain window of the same
// shape painting its background and pictures from the pixmap cache) measured in turns with it:
// a full repaint, the build from the settings load to the first painted frame (the splash is
// left out; StartupBench has the program's whole start), the memory that a hundred rounds of
// opening and closing every dialog and menu leave behind, and that a hundred rounds of each of
// the dialogs that the button assignment and the macro managers open leave behind.
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "BenchFigures.h"
#include "BenchProgram.h"
#include "FloorWindow.h"
#include "core/controls/AccordionLayout.h"
#include "core/store/SettingsBlock.h"
#include "gui/app/LeftColumn.h"
#include "gui/assign/ButtonAssignmentMenu.h"
#include "gui/assign/CDlgGunMacroSelector.h"
#include "gui/assign/CMacroDialog.h"
#include "gui/assign/CSingleDialog.h"
#include "gui/assign/MouseView.h"
#include "gui/gun/CDlgMacroGunInsertKB.h"
#include "gui/gun/CDlgMacroGunInsertMouseEvent.h"
#include "gui/gun/CDlgMacroGunMInsertCoor.h"
#include "gui/gun/CDlgMacroGunMan.h"
#include "gui/macro/CMacroProgramDialog.h"
#include "gui/perf/CDlgadvance.h"
#include "gui/store/CConfigDialog.h"
#include "gui/ui/CBitmapBtn.h"
#include "gui/ui/CExMenu.h"
#include "gui/ui/CLBEditorWnd.h"

namespace {

using namespace gx508;

using namespace gx508::bench;

constexpr int kPaintsPerTurn = 20;
constexpr int kWarmUpCycles = 5;
constexpr int kDialogCycles = 100;

// Notes when the watched window has processed a paint.
class PaintWatch : public QObject {
  public:
    bool painted = false;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
};

// The window on the virtual mouse with pauses that take no time.
struct QuickProgram {
    explicit QuickProgram(const std::filesystem::path& folder) : program(folder, pacer) {}
    RecordingPacer pacer;
    Program program;
};

// Paints `widget` whole `times` times; milliseconds per paint.
double RepaintMs(QWidget& widget, int times) {
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < times; ++i) {
        widget.repaint();
    }
    return static_cast<double>(clock.nsecsElapsed()) / 1e6 / times;
}

// Everything the window can show at once: the button list, the axis panel and the settings
// panel with its first page open.
void OpenEverything(CMouseConfigurationDlg& window) {
    window.leftColumn().setListExpanded(true);
    window.mouseView().setListExpanded(true);
    window.leftColumn().setAxisExpanded(true);
    window.settingsPanel().toggleSection(0);
}

void BM_MainWindowFullRepaint(benchmark::State& bench) {
    const auto folder = CopyProgramFolder();
    QuickProgram quick(folder->path().toStdString());
    Program& program = quick.program;
    FloorWindow floor(kSkins, kFloorPictures);
    program.window->show();
    floor.show();
    OpenEverything(*program.window);
    QCoreApplication::processEvents();
    Figures repaint;
    for (auto _ : bench) {
        const double ours = RepaintMs(*program.window, kPaintsPerTurn);
        repaint.add(ours, RepaintMs(floor, kPaintsPerTurn));
        bench.SetIterationTime(ours / 1000.0);
    }
    repaint.report(bench, "repaint_ms");
}
BENCHMARK(BM_MainWindowFullRepaint)->UseManualTime()->Iterations(30)->Unit(benchmark::kMillisecond);

// Shows `widget` and waits for its first paint; milliseconds from `clock`'s start.
double ShownMs(QWidget& widget, const QElapsedTimer& clock) {
    PaintWatch watch;
    widget.installEventFilter(&watch);
    widget.show();
    while (!watch.painted) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    const double elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    widget.removeEventFilter(&watch);
    return elapsed;
}

void BM_StartupToFirstPaintedFrame(benchmark::State& bench) {
    Figures build;
    for (auto _ : bench) {
        const auto folder = CopyProgramFolder();
        QElapsedTimer clock;
        clock.start();
        QuickProgram quick(folder->path().toStdString());
        Program& program = quick.program;
        const double ours = ShownMs(*program.window, clock);
        clock.start();
        FloorWindow floor(kSkins, kFloorPictures);
        build.add(ours, ShownMs(floor, clock));
        bench.SetIterationTime(ours / 1000.0);
    }
    build.report(bench, "build_ms");
}
BENCHMARK(BM_StartupToFirstPaintedFrame)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

// Kilobytes of one line ("VmRSS:") of this process's /proc status; 0 when absent.
double StatusKb(const std::string& key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(key, 0) == 0) {
            return std::stod(line.substr(key.size()));
        }
    }
    return 0;
}

// Closes whatever modal dialog or popup menu is open, from a timer inside its own loop.
class Closer : public QObject {
  public:
    Closer() {
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, [] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                popup->close();
            } else if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
            }
        });
        m_timer.start();
    }

  private:
    QTimer m_timer;
};

// Opens and closes each dialog and menu of the main window once.
void OpenAndCloseEveryDialog(CMouseConfigurationDlg& window) {
    const Closer closer;
    window.resetButton()->click();
    window.helpButton()->click();
    window.profileButton()->click();
    if (CConfigDialog* manager = window.profileManager()) {
        emit manager->finished(false);
    }
    for (int button = 0; button < block::kButtonCount; ++button) {
        window.assignmentMenu().open(button);
        while (window.assignmentMenu().openMenu() != nullptr &&
               window.assignmentMenu().openMenu()->isVisible()) {
            QCoreApplication::processEvents();
        }
    }
    for (int section = 0; section < AccordionLayout::kSectionCount; ++section) {
        window.settingsPanel().toggleSection(section);
        window.settingsPanel().toggleSection(section);
    }
    while (QApplication::activePopupWidget() != nullptr ||
           QApplication::activeModalWidget() != nullptr) {
        QCoreApplication::processEvents();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_DialogOpenCloseMemory(benchmark::State& bench) {
    const auto folder = CopyProgramFolder();
    QuickProgram quick(folder->path().toStdString());
    Program& program = quick.program;
    program.window->show();
    QCoreApplication::processEvents();
    double growthKb = 0;
    for (auto _ : bench) {
        // A few rounds first, so that caches and the allocator have settled.
        for (int round = 0; round < kWarmUpCycles; ++round) {
            OpenAndCloseEveryDialog(*program.window);
        }
        const double before = StatusKb("VmRSS:");
        for (int round = 0; round < kDialogCycles; ++round) {
            OpenAndCloseEveryDialog(*program.window);
        }
        growthKb = StatusKb("VmRSS:") - before;
    }
    bench.counters["cycles"] = kDialogCycles;
    bench.counters["rss_growth_KiB"] = growthKb;
}
BENCHMARK(BM_DialogOpenCloseMemory)->Iterations(1)->Unit(benchmark::kSecond);

// One dialog opened modally over the window and closed (by the Closer), under its counter name.
struct DialogRound {
    const char* name;
    std::function<void()> openAndClose;
};

void BM_EachDialogOpenCloseMemory(benchmark::State& bench) {
    const auto folder = CopyProgramFolder();
    QuickProgram quick(folder->path().toStdString());
    Program& program = quick.program;
    program.window->show();
    QCoreApplication::processEvents();
    const Skin& skin = program.skin;
    const std::string& code = program.state.languageCode;
    const Language language = program.state.texts.language();
    const std::filesystem::path& store = program.state.paths.macroStore;
    QWidget* window = program.window.get();
    const DialogRound rounds[] = {
        {"key_capture", [&] { CSingleDialog(skin, code, window).capture(); }},
        {"macro_selector", [&] { CMacroDialog(skin, language, store, window).exec(); }},
        {"gun_macro_selector", [&] { CDlgGunMacroSelector(skin, language, store, window).exec(); }},
        {"macro_manager",
         [&] { CMacroProgramDialog::run(skin, code, store, program.log, window); }},
        {"gun_key_step", [&] { CDlgMacroGunInsertKB(skin, code, window).ask(); }},
        {"gun_mouse_step", [&] { CDlgMacroGunInsertMouseEvent(skin, code, window).ask(); }},
        {"gun_cursor_step", [&] { CDlgMacroGunMInsertCoor(skin, code, window).ask(); }},
        {"gun_manager",
         [&] {
             CDlgMacroGunMan::run(skin, code, store, program.state.block, program.log, window);
         }},
    };
    for (auto _ : bench) {
        const Closer closer;
        for (const DialogRound& round : rounds) {
            const auto cycle = [&] {
                round.openAndClose();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            };
            for (int warmUp = 0; warmUp < kWarmUpCycles; ++warmUp) {
                cycle();
            }
            const double before = StatusKb("VmRSS:");
            for (int cycles = 0; cycles < kDialogCycles; ++cycles) {
                cycle();
            }
            bench.counters[std::string("rss_growth_KiB_") + round.name] =
                StatusKb("VmRSS:") - before;
        }
    }
    bench.counters["cycles"] = kDialogCycles;
}
BENCHMARK(BM_EachDialogOpenCloseMemory)->Iterations(1)->Unit(benchmark::kSecond);

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
