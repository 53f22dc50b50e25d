// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KdePointerBackend.h"

#include <gio/gio.h>
#include <gtest/gtest.h>
#include <sys/types.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "core/perf/PointerSettings.h"
#include "support/PointerBlock.h"
#include "support/TempFolder.h"

namespace gx508 {
namespace {

using test::TempFolder;

std::string ReadText(const std::filesystem::path& path) {
    const std::vector<std::uint8_t> bytes = test::ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

TEST(KdePointerBackendTest, OnlyTheFourKeysChangeAndEveryOtherLineStays) {
    TempFolder config;
    test::WriteText(config / "kcminputrc",
                    "# the user's own comment\n"
                    "[Keyboard]\n"
                    "NumLock=0\n"
                    "\n"
                    "[Mouse]\n"
                    "cursorTheme=breeze_cursors\n"
                    "XLbInptPointerAcceleration=0.4\n"
                    "\n"
                    "[Libinput][1133][49291][Some Mouse]\n"
                    "PointerAcceleration=0.2\n");
    test::WriteText(config / "kdeglobals",
                    "[General]\n"
                    "ColorScheme=BreezeDark\n"
                    "\n"
                    "[KDE]\n"
                    "SingleClick=false\n"
                    "WheelScrollLines=3\n"
                    "\n"
                    "[Icons]\n"
                    "Theme=breeze\n");
    RecordingLog log;
    KdePointerBackend backend(log, config.path(), "unix:path=" + (config / "no-bus").string());
    SettingsBlock block = test::DefaultPointerBlock();
    block.setByte(block::kEnhancePrecision, 1);
    block.setByte(block::kPointerSpeed, 2);
    block.setByte(block::kWheelScrollLines, 12);
    block.setByte(block::kDoubleClickSpeed, 11);
    ApplyPointerSettings(block, backend, log);

    EXPECT_EQ(ReadText(config / "kcminputrc"),
              "# the user's own comment\n"
              "[Keyboard]\n"
              "NumLock=0\n"
              "\n"
              "[Mouse]\n"
              "cursorTheme=breeze_cursors\n"
              "XLbInptPointerAcceleration=-0.8\n"
              "XLbInptAccelProfileFlat=false\n"
              "\n"
              "[Libinput][1133][49291][Some Mouse]\n"
              "PointerAcceleration=0.2\n");
    EXPECT_EQ(ReadText(config / "kdeglobals"),
              "[General]\n"
              "ColorScheme=BreezeDark\n"
              "\n"
              "[KDE]\n"
              "SingleClick=false\n"
              "WheelScrollLines=12\n"
              "DoubleClickInterval=200\n"
              "\n"
              "[Icons]\n"
              "Theme=breeze\n");
    // No session bus at that address: said once, and every setting still went in.
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_NE(log.lines()[0].find("no session bus"), std::string::npos);
}

TEST(KdePointerBackendTest, MissingFilesAndFoldersAreMadeWithTheDesktopsLineEnds) {
    TempFolder home;
    const std::filesystem::path config = home / "config";
    RecordingLog log;
    KdePointerBackend backend(log, config, "unix:path=" + (home / "no-bus").string());
    ApplyPointerSettings(test::DefaultPointerBlock(), backend, log);
    EXPECT_EQ(ReadText(config / "kcminputrc"),
              "[Mouse]\nXLbInptAccelProfileFlat=true\nXLbInptPointerAcceleration=0\n");
    EXPECT_EQ(ReadText(config / "kdeglobals"),
              "[KDE]\nWheelScrollLines=3\nDoubleClickInterval=550\n");
}

TEST(KdePointerBackendTest, OneScreenPerNotchIsLoggedOnceAndTheLinesStay) {
    TempFolder config;
    test::WriteText(config / "kdeglobals", "[KDE]\nWheelScrollLines=5\n");
    RecordingLog log;
    KdePointerBackend backend(log, config.path(), "unix:path=" + (config / "no-bus").string());
    EXPECT_TRUE(backend.SetWheel(true, 3));
    EXPECT_TRUE(backend.SetWheel(true, 3));
    EXPECT_EQ(ReadText(config / "kdeglobals"), "[KDE]\nWheelScrollLines=5\n");
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_NE(log.lines()[0].find("screen"), std::string::npos);
}

TEST(KdePointerBackendTest, AFileThatCannotBeWrittenFailsTheCallAndStaysWhole) {
    TempFolder config;
    // A folder where the file should be: it can be neither read nor replaced.
    std::filesystem::create_directories(config / "kcminputrc");
    test::WriteText(config / "kdeglobals", "[KDE]\nWheelScrollLines=5\n");
    RecordingLog log;
    KdePointerBackend backend(log, config.path(), "unix:path=" + (config / "no-bus").string());
    EXPECT_FALSE(backend.SetSpeed(20));
    EXPECT_FALSE(backend.SetPrecision(true));
    EXPECT_TRUE(backend.SetDoubleClickTime(300));
    EXPECT_TRUE(std::filesystem::is_directory(config / "kcminputrc"));
    EXPECT_EQ(ReadText(config / "kdeglobals"),
              "[KDE]\nWheelScrollLines=5\nDoubleClickInterval=300\n");
}

// A private message bus, and a listener on it for the desktop's change notice.
class KdeNoticeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        FILE* daemon =
            popen("dbus-daemon --session --fork --nopidfile --print-address=1 --print-pid=1", "r");
        ASSERT_NE(daemon, nullptr);
        char address[512] = {};
        char pid[32] = {};
        const bool read = std::fgets(address, sizeof address, daemon) != nullptr &&
                          std::fgets(pid, sizeof pid, daemon) != nullptr;
        pclose(daemon);
        ASSERT_TRUE(read) << "dbus-daemon did not start";
        m_address = address;
        m_address.erase(m_address.find_last_not_of('\n') + 1);
        m_daemon = static_cast<pid_t>(std::stol(pid));

        m_context = g_main_context_new();
        g_main_context_push_thread_default(m_context);
        GError* error = nullptr;
        m_listener = g_dbus_connection_new_for_address_sync(
            m_address.c_str(),
            static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                              G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
            nullptr, nullptr, &error);
        ASSERT_NE(m_listener, nullptr) << error->message;
        g_dbus_connection_signal_subscribe(
            m_listener, nullptr, "org.kde.KGlobalSettings", "notifyChange", "/KGlobalSettings",
            nullptr, G_DBUS_SIGNAL_FLAGS_NONE, &KdeNoticeTest::Received, &m_notices, nullptr);
        // The bus handles a connection's messages in order: once this call is answered, the
        // subscription is in place.
        GVariant* reply = g_dbus_connection_call_sync(
            m_listener, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
            "GetId", nullptr, nullptr, G_DBUS_CALL_FLAGS_NONE, -1, nullptr, &error);
        ASSERT_NE(reply, nullptr) << error->message;
        g_variant_unref(reply);
    }
    void TearDown() override {
        if (m_listener != nullptr) {
            g_object_unref(m_listener);
        }
        if (m_context != nullptr) {
            g_main_context_pop_thread_default(m_context);
            g_main_context_unref(m_context);
        }
        if (m_daemon > 0) {
            kill(m_daemon, SIGTERM);
        }
    }

    static void Received(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*,
                         GVariant* parameters, gpointer notices) {
        gint32 type = 0;
        gint32 category = 0;
        g_variant_get(parameters, "(ii)", &type, &category);
        static_cast<std::vector<std::pair<int, int>>*>(notices)->emplace_back(type, category);
    }

    // Handles the listener's messages until `count` notices have come or ten seconds passed.
    void WaitForNotices(std::size_t count) {
        const gint64 deadline = g_get_monotonic_time() + 10 * G_USEC_PER_SEC;
        while (m_notices.size() < count && g_get_monotonic_time() < deadline) {
            GSource* tick = g_timeout_source_new(100);
            g_source_set_callback(
                tick, [](gpointer) { return G_SOURCE_REMOVE; }, nullptr, nullptr);
            g_source_attach(tick, m_context);
            g_main_context_iteration(m_context, TRUE);
            g_source_destroy(tick);
            g_source_unref(tick);
        }
    }

    std::string m_address;
    pid_t m_daemon = 0;
    GMainContext* m_context = nullptr;
    GDBusConnection* m_listener = nullptr;
    std::vector<std::pair<int, int>> m_notices;
};

TEST_F(KdeNoticeTest, EveryChangeTellsTheDesktopTheMouseSettingsChanged) {
    TempFolder config;
    RecordingLog log;
    KdePointerBackend backend(log, config.path(), m_address);
    ApplyPointerSettings(test::DefaultPointerBlock(), backend, log);
    WaitForNotices(4);
    // Settings changed (3), mouse settings (0), once for each of the four keys written.
    EXPECT_EQ(m_notices, (std::vector<std::pair<int, int>>(4, {3, 0})));
    EXPECT_TRUE(log.lines().empty());
}

}  // namespace
}  // namespace gx508
