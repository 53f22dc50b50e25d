// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/macro/MacroRecorder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/store/IniFile.h"
#include "support/ScriptedKeySource.h"
#include "support/TempFolder.h"

namespace gx508 {
namespace {

using Items = std::vector<std::string>;

constexpr int kA = 0x41;
constexpr int kB = 0x42;
constexpr int kEnterKey = 0x0D;

class FakeClock final : public RecorderClock {
  public:
    std::int64_t Milliseconds() const override { return now; }
    std::int64_t now = 1000;
};

// One keystroke at a time on the fake clock.
struct Step {
    KeyStroke stroke;
    std::int64_t at;
};

class MacroRecorderTest : public ::testing::Test {
  protected:
    explicit MacroRecorderTest(RecorderKind kind = kMacroRecorderKind)
        : m_recorder(m_source, m_clock, kind, m_log) {
        m_recorder.setListener({[this](const std::string& item) { m_shown.push_back(item); },
                                [this] { ++m_limitStops; }});
    }

    void play(const std::vector<Step>& steps) {
        for (const Step& step : steps) {
            m_clock.now = step.at;
            m_source.send(step.stroke);
        }
    }

    test::ScriptedKeySource m_source;
    FakeClock m_clock;
    RecordingLog m_log;
    MacroRecorder m_recorder;
    Items m_shown;
    int m_limitStops = 0;
};

KeyStroke Down(int vk, bool extended = false) {
    return {vk, extended, false};
}
KeyStroke Up(int vk, bool extended = false) {
    return {vk, extended, true};
}

struct RecordingCase {
    const char* what;
    bool recordDelay;
    std::vector<Step> steps;
    Items items;
};

TEST_F(MacroRecorderTest, TurnsKeystrokesIntoItems) {
    const RecordingCase cases[] = {
        {"a held key records one press and one release",
         false,
         {{Down(kA), 0}, {Down(kA), 30}, {Down(kA), 60}, {Up(kA), 90}},
         {"A   Dn", "A   Up"}},
        {"the measured delay goes between the events",
         true,
         {{Down(kA), 100}, {Down(kA), 150}, {Up(kA), 196}},
         {"A   Dn", "96 ms", "A   Up"}},
        {"the first event has no delay before it, even a lone release",
         true,
         {{Up(kB), 500}, {Down(kA), 520}},
         {"B   Up", "20 ms", "A   Dn"}},
        {"numeric-pad Enter and main Enter have their own names",
         false,
         {{Down(kEnterKey, true), 0},
          {Up(kEnterKey, true), 1},
          {Down(kEnterKey), 2},
          {Up(kEnterKey), 3}},
         {"Num Enter   Dn", "Num Enter   Up", "Enter   Dn", "Enter   Up"}},
        {"a held numeric-pad Enter repeats no more than any other key",
         false,
         {{Down(kEnterKey, true), 0}, {Down(kEnterKey, true), 30}, {Up(kEnterKey, true), 60}},
         {"Num Enter   Dn", "Num Enter   Up"}},
        {"a key without a name is not recorded",
         true,
         {{Down(kA), 0}, {Down(0x07), 10}, {Up(0x07), 20}, {Up(kA), 40}},
         {"A   Dn", "40 ms", "A   Up"}},
        {"a pause longer than the editor allows is cut to its largest delay",
         true,
         {{Down(kA), 0}, {Up(kA), 10'000'000}},
         {"A   Dn", "65535 ms", "A   Up"}},
    };
    for (const RecordingCase& c : cases) {
        SCOPED_TRACE(c.what);
        m_shown.clear();
        m_recorder.setRecordDelay(c.recordDelay);
        ASSERT_TRUE(m_recorder.Start({"Macro_1", c.recordDelay, "3", {"old   Dn"}}));
        play(c.steps);
        EXPECT_EQ(m_shown, c.items);
        const std::optional<MacroRecord> log = m_recorder.Stop();
        ASSERT_TRUE(log);
        EXPECT_EQ(log->items, c.items);
    }
}

TEST_F(MacroRecorderTest, TheLogKeepsTheMacroAsItWasAtTheStart) {
    EXPECT_FALSE(m_recorder.Stop()) << "no recording, no log";
    EXPECT_EQ(m_recorder.progress(), 2);

    m_recorder.setRecordDelay(false);
    ASSERT_TRUE(m_recorder.Start({"Macro_2", false, "7", {"X   Dn"}}));
    EXPECT_TRUE(m_recorder.recording());
    EXPECT_TRUE(m_source.IsCapturing());
    EXPECT_EQ(m_recorder.progress(), 0);
    play({{Down(kA), 10}, {Up(kA), 20}});
    EXPECT_EQ(m_recorder.progress(), 1);
    m_recorder.setRecordDelay(true);  // toggled mid-recording: from the next event on
    play({{Down(kB), 50}});
    m_recorder.setRecordDelay(false);
    play({{Up(kB), 80}});

    const std::optional<MacroRecord> log = m_recorder.Stop();
    ASSERT_TRUE(log);
    EXPECT_EQ(log->name, "Macro_2");
    EXPECT_FALSE(log->recordDelay) << "the flag as the recording started";
    EXPECT_EQ(log->loopText, "7");
    EXPECT_EQ(log->items, (Items{"A   Dn", "A   Up", "30 ms", "B   Dn", "B   Up"}));
    EXPECT_FALSE(m_recorder.recording());
    EXPECT_FALSE(m_source.IsCapturing());
    EXPECT_EQ(m_recorder.progress(), 2);

    play({{Down(kA), 90}});
    EXPECT_EQ(m_shown.size(), 5u) << "keystrokes after the stop are not recorded";
}

TEST_F(MacroRecorderTest, ANewRecordingStartsAfresh) {
    ASSERT_TRUE(m_recorder.Start({"Macro_1", false, "1", {}}));
    play({{Down(kA), 0}});
    ASSERT_TRUE(m_recorder.Start({"Macro_1", false, "1", {}}));
    EXPECT_EQ(m_source.starts, 2);
    play({{Down(kA), 10}});
    const std::optional<MacroRecord> log = m_recorder.Stop();
    ASSERT_TRUE(log);
    EXPECT_EQ(log->items, (Items{"A   Dn"})) << "the held key is seen again in the new recording";
}

TEST_F(MacroRecorderTest, ACaptureThatCannotStartLeavesTheRecorderIdle) {
    m_source.failureCode = 13;
    const Status started = m_recorder.Start({"Macro_1", false, "1", {}});
    ASSERT_FALSE(started);
    EXPECT_EQ(started.message(), "JournalRecordHook Install error code :13\n");
    EXPECT_EQ(started.code(), 13);
    EXPECT_FALSE(m_recorder.recording());
    EXPECT_FALSE(m_recorder.Stop());
}

TEST_F(MacroRecorderTest, SavingTheLogWritesTheRecordedMacroNotTheSelectedOne) {
    test::TempFolder folder;
    const std::filesystem::path store = folder / "record.ini";
    const std::vector<std::string> names{"Macro_1", "Macro_2"};
    ASSERT_TRUE(SaveNameList(store, MacroKind::Macro, names));
    ASSERT_TRUE(SaveMacro(store, {"Macro_2", false, "4", {"Z   Dn", "Z   Up"}}));

    m_recorder.setRecordDelay(true);
    ASSERT_TRUE(m_recorder.Start({"Macro_1", true, "2", {}}));
    play({{Down(kA), 0}, {Up(kA), 96}});
    m_recorder.setRecordDelay(false);  // the manager now shows Macro_2's flag
    const std::optional<MacroRecord> log = m_recorder.Stop();
    ASSERT_TRUE(log);
    ASSERT_TRUE(EditEndSave(store, MacroKind::Macro, names, *log));

    const IniDocument saved = IniDocument::Load(store);
    EXPECT_EQ(saved.Get("Macro_1", "DelayTimeSelStatus"), "1");
    EXPECT_EQ(saved.Get("Macro_1", "MacroLoopTimes"), "2");
    EXPECT_EQ(saved.Get("Macro_1", "ItemCount"), "3");
    EXPECT_EQ(saved.Get("Macro_1", "Item1"), "96 ms");
    EXPECT_EQ(saved.Get("Macro_2", "ItemCount"), "2");
    EXPECT_EQ(saved.Get("Macro_2", "MacroLoopTimes"), "4");
}

struct LimitCase {
    const char* what;
    RecorderKind kind;
    bool recordDelay;
    std::size_t items;
};

class RecorderLimitTest : public MacroRecorderTest,
                          public ::testing::WithParamInterface<LimitCase> {
  protected:
    RecorderLimitTest() : MacroRecorderTest(GetParam().kind) {}
};

TEST_P(RecorderLimitTest, TheEventAfterTheLimitEndsTheRecording) {
    const LimitCase& c = GetParam();
    m_recorder.setRecordDelay(c.recordDelay);
    ASSERT_TRUE(m_recorder.Start({"Macro_1", c.recordDelay, "1", {}}));
    for (int i = 0; i < c.kind.maxEvents / 2; ++i) {
        m_source.tap(kA + i % 26);
    }
    EXPECT_TRUE(m_recorder.recording()) << "the limit itself is recorded";
    EXPECT_EQ(m_limitStops, 0);

    m_source.press(kB);
    EXPECT_FALSE(m_recorder.recording());
    EXPECT_FALSE(m_source.IsCapturing());
    EXPECT_EQ(m_limitStops, 1);
    EXPECT_EQ(m_shown.size(), c.items);
    EXPECT_EQ(m_shown.back().substr(1), "   Up") << "the last release before the limit";
}

INSTANTIATE_TEST_SUITE_P(Kinds, RecorderLimitTest,
                         ::testing::Values(LimitCase{"macro", kMacroRecorderKind, false, 64},
                                           LimitCase{"macro with delays", kMacroRecorderKind, true,
                                                     64 + 63},
                                           LimitCase{"gun macro", kGunRecorderKind, false, 256}),
                         [](const auto& param) {
                             std::string name = param.param.what;
                             std::erase(name, ' ');
                             return name;
                         });

TEST(RecorderKinds, NameKeysFromTheirOwnTables) {
    EXPECT_EQ(kMacroRecorderKind.keyName(0xF1), "L-Button");
    EXPECT_EQ(kGunRecorderKind.keyName(0xF0), "L-Button");
}

}  // namespace
}  // namespace gx508
