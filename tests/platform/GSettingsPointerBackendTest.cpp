// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/GSettingsPointerBackend.h"

// GIO declares its in-memory settings store only to code that asks for the store interface.
#define G_SETTINGS_ENABLE_BACKEND
#include <gio/gio.h>
#include <gio/gsettingsbackend.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/perf/PointerSettings.h"
#include "support/PointerBlock.h"

namespace gx508 {
namespace {

// GIO's in-memory store with the installed schemas: what the backend writes is read back
// through a second GSettings object on the same store, as the desktop would read it.
class GSettingsPointerBackendTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_store = g_memory_settings_backend_new();
        m_backend = GSettingsPointerBackend::Open(m_log, m_store);
        ASSERT_NE(m_backend, nullptr) << "the GSettings desktop schemas are not installed";
        m_mouse = g_settings_new_with_backend("org.gnome.desktop.peripherals.mouse", m_store);
    }
    void TearDown() override {
        m_backend.reset();
        if (m_mouse != nullptr) {
            g_object_unref(m_mouse);
        }
        g_object_unref(m_store);
    }

    double speed() const { return g_settings_get_double(m_mouse, "speed"); }
    std::string profile() const {
        gchar* value = g_settings_get_string(m_mouse, "accel-profile");
        std::string text = value;
        g_free(value);
        return text;
    }
    int doubleClick() const { return g_settings_get_int(m_mouse, "double-click"); }

    RecordingLog m_log;
    GSettingsBackend* m_store = nullptr;
    GSettings* m_mouse = nullptr;
    std::unique_ptr<GSettingsPointerBackend> m_backend;
};

TEST_F(GSettingsPointerBackendTest, TheBlockReachesTheMouseSettings) {
    SettingsBlock block = test::DefaultPointerBlock();
    block.setByte(block::kEnhancePrecision, 1);
    block.setByte(block::kPointerSpeed, 11);
    block.setByte(block::kDoubleClickSpeed, 1);
    ApplyPointerSettings(block, *m_backend, m_log);
    EXPECT_EQ(profile(), "adaptive");
    EXPECT_DOUBLE_EQ(speed(), 1.0);
    EXPECT_EQ(doubleClick(), 900);

    // The default block: precision off, the desktop's default speed, 550 ms.
    ApplyPointerSettings(test::DefaultPointerBlock(), *m_backend, m_log);
    EXPECT_EQ(profile(), "flat");
    EXPECT_DOUBLE_EQ(speed(), 0.0);
    EXPECT_EQ(doubleClick(), 550);

    block.setByte(block::kPointerSpeed, 1);
    ApplyPointerSettings(block, *m_backend, m_log);
    EXPECT_DOUBLE_EQ(speed(), -0.9);
    for (const std::string& line : m_log.lines()) {
        EXPECT_EQ(line.find("failed"), std::string::npos) << line;
    }
}

TEST_F(GSettingsPointerBackendTest, TheWheelIsLoggedOnceAndNothingElseChanges) {
    g_settings_set_double(m_mouse, "speed", 0.5);
    g_settings_set_int(m_mouse, "double-click", 333);
    EXPECT_TRUE(m_backend->SetWheel(false, 7));
    EXPECT_TRUE(m_backend->SetWheel(true, 3));
    ASSERT_EQ(m_log.lines().size(), 1u);
    EXPECT_NE(m_log.lines()[0].find("wheel"), std::string::npos);
    EXPECT_DOUBLE_EQ(speed(), 0.5);
    EXPECT_EQ(doubleClick(), 333);
}

}  // namespace
}  // namespace gx508
