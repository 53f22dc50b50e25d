// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/VirtualMouseConsole.h"

#include <QSignalSpy>
#include <QTest>

#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

#include "core/device/VirtualMouse.h"

namespace gx508 {

namespace {

// The console reading from a pipe, its complaints going to a temporary file.
struct Fixture {
    Fixture() {
        QVERIFY(::pipe(fds) == 0);
        errors = std::tmpfile();
        console = std::make_unique<VirtualMouseConsole>(mouse, fds[0], errors);
    }
    ~Fixture() {
        console.reset();
        ::close(fds[0]);
        if (fds[1] >= 0) {
            ::close(fds[1]);
        }
        std::fclose(errors);
    }
    void write(const char* text) {
        QVERIFY(::write(fds[1], text, std::strlen(text)) ==
                static_cast<ssize_t>(std::strlen(text)));
    }
    std::string complaints() {
        std::fflush(errors);
        std::rewind(errors);
        std::string text;
        for (int c; (c = std::fgetc(errors)) != EOF;) {
            text += static_cast<char>(c);
        }
        return text;
    }
    // The bytes written to the pipe that the console has not read yet.
    int unreadBytes() const {
        int count = -1;
        return ::ioctl(fds[0], FIONREAD, &count) == 0 ? count : -1;
    }
    // The next report on the notice collection; a command queues it before it returns.
    std::vector<std::uint8_t> nextNotice() {
        if (!reader) {
            reader = std::move(mouse.Open(VirtualMouse::kNoticePath).value());
        }
        std::vector<std::uint8_t> report(VirtualMouse::kNoticeInputLength, 0);
        const Result<std::size_t> got = reader->Read(report, 100);
        report.resize(got ? *got : 0);
        return report;
    }

    int fds[2] = {-1, -1};
    std::FILE* errors = nullptr;
    VirtualMouse mouse;
    std::unique_ptr<HidDevice> reader;
    std::unique_ptr<VirtualMouseConsole> console;
};

}  // namespace

class VirtualMouseConsoleTest : public QObject {
    Q_OBJECT

  private slots:
    void commandsDriveTheMouse();
    void linesMayArriveInPieces();
    void badLinesAreReportedAndIgnored();
};

void VirtualMouseConsoleTest::commandsDriveTheMouse() {
    Fixture f;
    QSignalSpy plugged(f.console.get(), &VirtualMouseConsole::plugged);
    QSignalSpy unplugged(f.console.get(), &VirtualMouseConsole::unplugged);

    f.console->handleLine("notice 2 3");
    QCOMPARE(f.nextNotice().size(), std::size_t{VirtualMouse::kNoticeInputLength});
    f.console->handleLine("  notice   9 255 ");
    const std::vector<std::uint8_t> second = f.nextNotice();
    QVERIFY(second.size() >= 4);
    QCOMPARE(second[2], 9);
    QCOMPARE(second[3], 255);

    f.console->handleLine("unplug");
    QVERIFY(!f.mouse.plugged());
    QCOMPARE(unplugged.count(), 1);
    f.console->handleLine("plug");
    QVERIFY(f.mouse.plugged());
    QCOMPARE(plugged.count(), 1);
    QCOMPARE(f.complaints(), "");
}

void VirtualMouseConsoleTest::linesMayArriveInPieces() {
    Fixture f;
    QSignalSpy unplugged(f.console.get(), &VirtualMouseConsole::unplugged);
    QSignalSpy plugged(f.console.get(), &VirtualMouseConsole::plugged);
    f.write("unpl");
    QTRY_COMPARE_WITH_TIMEOUT(f.unreadBytes(), 0, 30000);
    QCOMPARE(unplugged.count(), 0);
    f.write("ug\nplug");
    QTRY_COMPARE_WITH_TIMEOUT(unplugged.count(), 1, 30000);
    // The last line needs no line break once the input ends.
    ::close(f.fds[1]);
    f.fds[1] = -1;
    QTRY_COMPARE_WITH_TIMEOUT(plugged.count(), 1, 30000);
}

void VirtualMouseConsoleTest::badLinesAreReportedAndIgnored() {
    Fixture f;
    QSignalSpy plugged(f.console.get(), &VirtualMouseConsole::plugged);
    for (const char* line :
         {"notice 2", "notice 256 1", "notice -1 1", "notice 2 x", "plug now", "Unplug", "hello"}) {
        f.console->handleLine(line);
    }
    QCOMPARE(plugged.count(), 0);
    QVERIFY(f.mouse.plugged());
    QCOMPARE(f.mouse.pendingNotices(), std::size_t{0});
    const std::string complaints = f.complaints();
    QVERIFY(complaints.find("unknown command \"notice 256 1\"") != std::string::npos);
    QVERIFY(complaints.find("unknown command \"hello\"") != std::string::npos);
    f.console->handleLine("");
    QCOMPARE(f.complaints(), complaints);
}

}  // namespace gx508

QTEST_MAIN(gx508::VirtualMouseConsoleTest)
#include "VirtualMouseConsoleTest.moc"
