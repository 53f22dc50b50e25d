// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SetButtonCommand.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <vector>

#include "cli/Ctl.h"
#include "core/assign/FunctionCatalogue.h"
#include "core/device/MouseStateDecoder.h"
#include "core/device/VirtualMouse.h"
#include "core/macro/MacroStore.h"
#include "core/store/IniFile.h"
#include "support/TempFolder.h"

namespace gx508 {
namespace {

namespace fs = std::filesystem;

// Macros 0..6 ("Reload" has several items, "Tap" one) and gun macros: the three built-ins and
// a user gun macro of 400 items.
constexpr const char* kMacroStore =
    "[MacroName]\nMacroCount=7\n0=Reload\n1=Tap\n2=M2\n3=M3\n4=M4\n5=M5\n6=M6\n"
    "[GunMacroName]\nMacroCount=4\n0=Snipe\n1=AKM\n2=Standard Gun\n3=Spray\n"
    "[Reload]\nItemCount=4\n[Tap]\nItemCount=1\n[Spray]\nItemCount=400\n";

using Snapshot = std::map<std::string, std::string>;

// The reports of a wire trace ("SET_FEATURE 00 01 ...", "OUTPUT 00 ..."); pauses are skipped.
std::vector<WireEvent> EventsOfTrace(const std::string& trace) {
    const std::map<std::string, WireEvent::Kind> kinds = {
        {"SET_FEATURE", WireEvent::Kind::SetFeature},
        {"GET_FEATURE", WireEvent::Kind::GetFeature},
        {"OUTPUT", WireEvent::Kind::Output}};
    std::vector<WireEvent> events;
    std::istringstream lines(trace);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string name;
        words >> name;
        const auto kind = kinds.find(name);
        if (kind == kinds.end()) {
            continue;
        }
        WireEvent event{kind->second, {}};
        for (std::string hex; words >> hex;) {
            event.bytes.push_back(static_cast<std::uint8_t>(std::stoi(hex, nullptr, 16)));
        }
        events.push_back(std::move(event));
    }
    return events;
}

struct CtlRun {
    int status;
    std::string out;
    std::string err;
};

// gx508ctl in-process on a copy of the shipped program folder.
class SetButtonCommandTest : public ::testing::Test {
  protected:
    SetButtonCommandTest() {
        test::CopyBaseFiles(GX508_PROGRAM_DIR, folder.path());
        test::WriteText(folder / "record.ini", kMacroStore);
    }

    CtlRun ctl(std::vector<std::string> args) {
        args.insert(args.begin(), {"--folder", folder.path().string()});
        std::ostringstream out;
        std::ostringstream err;
        CtlContext context{
            out,   err,     log, std::nullopt, [] { return std::make_unique<VirtualMouse>(); },
            pacer, pointer, stop};
        const int status = RunCtl(args, context);
        return {status, out.str(), err.str()};
    }

    CtlRun set(int button, const std::string& function) {
        return ctl({"set", "button", std::to_string(button), function});
    }

    // Applies to the virtual mouse with --trace and returns what the traced reports leave on the
    // mouse.
    MouseState applyTraced(std::string* trace = nullptr) {
        const CtlRun run = ctl({"--virtual", "apply", "--trace"});
        EXPECT_EQ(run.status, 0) << run.err;
        if (trace != nullptr) {
            *trace = run.out;
        }
        return DecodeMouseState(EventsOfTrace(run.out));
    }

    std::string show() { return ctl({"show"}).out; }

    Snapshot snapshot() const {
        Snapshot files;
        for (const auto& entry : fs::directory_iterator(folder.path())) {
            std::ifstream in(entry.path(), std::ios::binary);
            files[entry.path().filename().string()] =
                std::string(std::istreambuf_iterator<char>(in), {});
        }
        return files;
    }

    // The code of button index `button` in key matrix 1, in wire order.
    static KeyCode matrixOneCode(const MouseState& mouse, int button) {
        const auto& table = mouse.keyTables[0];
        return table ? (*table)[static_cast<std::size_t>(KeyTableEntryOfButton(button))]
                     : KeyCode{};
    }

    test::TempFolder folder;
    NullLog log;
    RecordingPacer pacer;
    RecordingPointerBackend pointer;
    std::atomic<bool> stop{false};
};

struct AssignCase {
    int caption;
    const char* function;
    KeyCode code;       // what the button sends in key matrix 1 after apply
    const char* shown;  // the function `show` prints afterwards
};

TEST_F(SetButtonCommandTest, EveryKindOfFunctionReachesTheMouseOnApply) {
    const AssignCase cases[] = {
        {4, "Forward", {0x01, 0x00, 0xF4, 0x00}, "Forward"},
        {5, "Scroll", {0x01, 0x00, 0xF2, 0x00}, "Scroll "},
        {2, "Double-Click", {0x0A, 0xF0, 0x1E, 0x02}, "Double-Click"},
        {6, "DPI Loop", {0x07, 0x00, 0x03, 0x00}, "DPI Loop"},
        {7, "Volume Up", {0x03, 0x00, 0xE9, 0x00}, "Volume Up"},
        {3, "Open Media Player", {0x03, 0x00, 0x83, 0x01}, "Open Media Player"},
        {12, "Copy", {0x00, 0x00, 0xE0, 0x06}, "Copy"},
        {11, "Maximize", {0x00, 0x04, 0x2C, 0x1B}, "Maximize"},
        {9, "Fire Mode", {0x00, 0x00, 0x05, 0x00}, "Fire Mode"},
        {10, "key:F5", {0x00, 0x00, 0x3E, 0x00}, "Assign Keyboard Key-F5"},
        {10, "key:Num Enter", {0x00, 0x00, 0x58, 0x00}, "Assign Keyboard Key-Num Enter"},
        {7, "macro:Reload:toggle", {0x09, 0x01, 0x01, 0x00}, "Macro:Reload"},
        // A macro of one item always plays once.
        {6, "macro:Tap:hold", {0x09, 0x00, 0x02, 0x00}, "Macro:Tap"},
        {7, "macro:Reload", {0x09, 0x00, 0x01, 0x00}, "Macro:Reload"},
        // Gun switch 0 is bound to Button 8, so its gun macro comes with it.
        {8, "gun:AKM:hold", {0x08, 0x00, 0x01, 0x01}, "AKM"},
        {12, "Deactivated", {0x00, 0x00, 0x00, 0x00}, "Deactivated"},
    };
    for (const AssignCase& c : cases) {
        SCOPED_TRACE(c.function);
        const CtlRun run = set(c.caption, c.function);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(run.out.empty());
        EXPECT_TRUE(run.err.empty()) << run.err;
        const int button = ButtonIndexOfCaption(c.caption);
        EXPECT_EQ(matrixOneCode(applyTraced(), button), c.code);
        const std::string line = "Button " + std::to_string(c.caption) + " (index " +
                                 std::to_string(button) + "): " + c.shown + "\n";
        EXPECT_NE(show().find(line), std::string::npos) << line;
    }
    // Apply has measured the slot: built-in gun macro 1 takes 292 bytes on the mouse.
    const std::string shown = show();
    EXPECT_NE(shown.find("Slot 6: gun macro \"AKM\", used by Button 8, 292 bytes"),
              std::string::npos)
        << shown;
    EXPECT_NE(shown.find("Gun switch 0 \"AKM\": assigned to Button 8"), std::string::npos);
    // Button 7 got its own slot 0 back when it took "Reload" again; "Tap" holds slot 1.
    EXPECT_NE(shown.find("Slot 0: macro \"Reload\", used by Button 7"), std::string::npos);
    EXPECT_NE(shown.find("Slot 1: macro \"Tap\", used by Button 6"), std::string::npos);
    std::string trace;
    const MouseState mouse = applyTraced(&trace);
    EXPECT_EQ(mouse.gunSlotLengths[0], std::optional<std::uint16_t>(292));
    EXPECT_EQ(trace.find("GET_FEATURE"), std::string::npos);
}

TEST_F(SetButtonCommandTest, LabelsAreWrittenInTheInterfaceLanguage) {
    ASSERT_TRUE(WriteIniString(folder / "str.ini", "Skins", "Lan", "CHS"));
    ASSERT_TRUE(WriteIniString(folder / "str0.ini", "Skins", "Lan", "CHS"));
    ASSERT_EQ(set(4, "Forward").status, 0);
    ASSERT_EQ(set(5, "key:B").status, 0);
    const std::string shown = show();
    EXPECT_NE(shown.find("Button 4 (index 4): Forward, labelled \"前进方向键\""), std::string::npos)
        << shown;
    EXPECT_NE(shown.find("labelled \"单键-B\""), std::string::npos) << shown;
}

TEST_F(SetButtonCommandTest, AStoreWithoutGunMacrosGetsTheBuiltInNames) {
    fs::remove(folder / "record.ini");
    const CtlRun run = set(9, "gun:Standard Gun");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ListMacroNames(folder / "record.ini", MacroKind::Gun),
              (std::vector<std::string>{"Snipe", "AKM", "Standard Gun"}));
    EXPECT_EQ(matrixOneCode(applyTraced(), ButtonIndexOfCaption(9)),
              (KeyCode{0x08, 0x00, 0x01, 0x02}));
}

struct RefusalCase {
    std::vector<std::string> words;  // after `set`
    const char* message;             // standard error, without the program name
};

TEST_F(SetButtonCommandTest, RefusalsChangeNoFile) {
    // Five macros fill the five slots; a gun macro of 252 items uses most of the budget.
    for (int caption : {2, 3, 4, 5, 6}) {
        ASSERT_EQ(set(caption, "macro:M" + std::to_string(caption)).status, 0);
    }
    ASSERT_EQ(set(8, "gun:Snipe").status, 0);
    std::string before;
    applyTraced(&before);
    const Snapshot files = snapshot();

    const RefusalCase cases[] = {
        {{"button", "7", "macro:Reload"}, "超出限制(Max. Macro)"},
        {{"button", "9", "gun:Spray:toggle"}, "超出限制"},
        {{"button", "1", "Menu"}, "At least one button must be set as the \"click\" function."},
        {{"button", "7", "gun:AKM"},
         "set button: Button 7 cannot take a gun macro: every gun switch is bound to another "
         "button"},
        {{"button", "0", "Forward"}, "set button: the button number must be 1..12, not \"0\""},
        {{"button", "13", "Forward"}, "set button: the button number must be 1..12, not \"13\""},
        {{"button", "4x", "Forward"}, "set button: the button number must be 1..12, not \"4x\""},
        {{"button", "4", "forward"},
         "set button: unknown function \"forward\" (give an English label as show prints it, "
         "key:NAME, macro:NAME[:MODE] or gun:NAME[:MODE])"},
        {{"button", "4", "Assign"},
         "set button: unknown function \"Assign\" (give an English label as show prints it, "
         "key:NAME, macro:NAME[:MODE] or gun:NAME[:MODE])"},
        {{"button", "4", "key:App"}, "set button: \"App\" is not a key name of the key table"},
        {{"button", "4", "key:a"}, "set button: \"a\" is not a key name of the key table"},
        {{"button", "4", "macro:Nothing:once"},
         "set button: no macro named \"Nothing\" in record.ini"},
        {{"button", "4", "macro:"}, "set button: no macro named \"\" in record.ini"},
        {{"button", "9", "gun:Nothing"},
         "set button: no gun macro named \"Nothing\" in record.ini"},
        {{"button", "4"}, "set button needs a button number 1..12 and a function"},
        {{"button", "4", "Forward", "Back"},
         "set button needs a button number 1..12 and a function"},
        {{"buttons", "4", "Forward"}, "set \"buttons\" is not a setting"},
    };
    for (const RefusalCase& c : cases) {
        std::vector<std::string> args = {"set"};
        args.insert(args.end(), c.words.begin(), c.words.end());
        SCOPED_TRACE(args[2] + " " + args.back());
        const CtlRun run = ctl(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.out.empty());
        EXPECT_EQ(run.err, std::string("gx508ctl: ") + c.message + "\n");
        EXPECT_EQ(snapshot(), files);
        std::string after;
        applyTraced(&after);
        EXPECT_EQ(after, before);
    }
}

}  // namespace
}  // namespace gx508
