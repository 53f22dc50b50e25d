// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's own costs: a full repaint of the main window, the start-up from the
// settings load to the window's first painted frame (the three-second splash, a fixed wait by
// design, is left out), and the memory the running program holds once idle.
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "core/device/VirtualMouse.h"
#include "core/store/SettingsFiles.h"
#include "gui/app/CMouseConfigurationDlg.h"
#include "gui/app/LeftColumn.h"
#include "gui/app/MouseSession.h"
#include "gui/app/TrayNotifier.h"
#include "gui/assign/MouseView.h"
#include "gui/perf/CDlgadvance.h"
#include "gui/ui/Skin.h"
#include "platform/ProgramFolder.h"

namespace {

using namespace gx508;

const std::filesystem::path kProgramDir = GX508_PROGRAM_DIR;

// A copy of the program folder (base files and, with `withProgram`, the executable and skin).
std::unique_ptr<QTemporaryDir> CopyProgramFolder(bool withProgram) {
    auto dir = std::make_unique<QTemporaryDir>();
    const std::filesystem::path to = dir->path().toStdString();
    for (const char* name : kBaseFiles) {
        std::filesystem::copy_file(kProgramDir / name, to / name);
    }
    if (withProgram) {
        std::filesystem::copy_file(kProgramDir / "gx508", to / "gx508");
        std::filesystem::copy(kProgramDir / "Skins", to / "Skins",
                              std::filesystem::copy_options::recursive);
    }
    return dir;
}

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

// The window as the program builds it after the splash, on the virtual mouse.
struct Program {
    explicit Program(const std::filesystem::path& folder) : state(folder, log) {
        session = std::make_unique<MouseSession>(state, mouse, pacer, pointer);
        session->connectAtStartup();
        StartupLoad(state);
        tray = std::make_unique<TrayNotifier>(CMouseConfigurationDlg::programIcon(skin),
                                              QStringLiteral("GX508"), QStringLiteral("Exit"),
                                              QFont(), [] { return false; });
        window = std::make_unique<CMouseConfigurationDlg>(state, *session, *tray, skin);
    }

    NullLog log;
    SharedState state;
    VirtualMouse mouse;
    RecordingPacer pacer;
    LoggingPointerBackend pointer{log};
    Skin skin{QString::fromStdString((kProgramDir / "Skins").string())};
    std::unique_ptr<MouseSession> session;
    std::unique_ptr<TrayNotifier> tray;
    std::unique_ptr<CMouseConfigurationDlg> window;
};

void BM_MainWindowFullRepaint(benchmark::State& bench) {
    const auto folder = CopyProgramFolder(false);
    Program program(folder->path().toStdString());
    program.window->show();
    // Everything the window can show at once: the button list, the axis panel, a highlight, the
    // settings panel with its DPI page open.
    program.window->leftColumn().setListExpanded(true);
    program.window->mouseView().setListExpanded(true);
    program.window->leftColumn().setAxisExpanded(true);
    program.window->settingsPanel().toggleSection(0);
    QCoreApplication::processEvents();
    for (auto _ : bench) {
        program.window->repaint();
    }
}
BENCHMARK(BM_MainWindowFullRepaint)->Unit(benchmark::kMillisecond);

void BM_StartupToFirstPaintedFrame(benchmark::State& bench) {
    for (auto _ : bench) {
        bench.PauseTiming();
        const auto folder = CopyProgramFolder(false);
        bench.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        Program program(folder->path().toStdString());
        PaintWatch watch;
        program.window->installEventFilter(&watch);
        program.window->show();
        while (!watch.painted) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        bench.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        bench.PauseTiming();
        program.window->removeEventFilter(&watch);
        bench.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToFirstPaintedFrame)->UseManualTime()->Unit(benchmark::kMillisecond);

// Kilobytes of one line ("VmRSS:", "VmHWM:") of /proc/PID/status; 0 when absent.
double StatusKb(qint64 pid, const std::string& key) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(key, 0) == 0) {
            return std::stod(line.substr(key.size()));
        }
    }
    return 0;
}

void BM_IdleProgramMemory(benchmark::State& bench) {
    if (!std::filesystem::exists(kProgramDir / "gx508")) {
        bench.SkipWithError("build the gx508 program first");
        return;
    }
    const auto folder = CopyProgramFolder(true);
    QTemporaryDir runtime;
    for (auto _ : bench) {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        if (!env.contains(QStringLiteral("QT_QPA_PLATFORM"))) {
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        }
        program.setProcessEnvironment(env);
        program.start(folder->filePath(QStringLiteral("gx508")),
                      {QStringLiteral("--virtual-mouse")});
        program.waitForStarted();
        // The first report the program sends comes once the window is built after the splash.
        while (program.state() == QProcess::Running && !program.canReadLine()) {
            program.waitForReadyRead(1000);
        }
        QThread::msleep(2000);
        bench.counters["rss_MiB"] = StatusKb(program.processId(), "VmRSS:") / 1024.0;
        bench.counters["peak_MiB"] = StatusKb(program.processId(), "VmHWM:") / 1024.0;
        program.kill();
        program.waitForFinished();
    }
}
BENCHMARK(BM_IdleProgramMemory)->Iterations(1)->Unit(benchmark::kSecond);

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
