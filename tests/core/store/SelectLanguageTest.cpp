// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/SelectLanguage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

#include "core/i18n/LanguageTable.h"

namespace gx508 {
namespace {

// A fresh folder holding the settings ini under test.
class SelectLanguageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_folder = std::filesystem::temp_directory_path() /
                   ("gx508-i18n-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::filesystem::path writeIni(std::string_view content) const {
        const std::filesystem::path path = m_folder / "str.ini";
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    std::filesystem::path m_folder;
};

TEST_F(SelectLanguageTest, ReadsTheCodeFromKeyLanOfSectionSkins) {
    const std::filesystem::path ini =
        writeIni("[Setting-CHT]\r\nItem1=點擊\r\n[Skins]\r\nSkin=red\r\nLan=CHT\r\n");
    const std::string code = SelectLanguage(ini);
    EXPECT_EQ(code, "CHT");
    EXPECT_EQ(LanguageTable::For(code).labelSection(), "Setting-CHT");
}

TEST_F(SelectLanguageTest, AnUnrecognisedCodeIsKeptButSelectsNothing) {
    const std::string code = SelectLanguage(writeIni("[Skins]\r\nLan=chs\r\n"));
    EXPECT_EQ(code, "chs");
    EXPECT_EQ(LanguageTable::For(code).language(), Language::None);
}

TEST_F(SelectLanguageTest, MissingFileSectionOrKeyGivesAnEmptyCode) {
    EXPECT_EQ(SelectLanguage(m_folder / "absent.ini"), "");
    EXPECT_EQ(SelectLanguage(writeIni("[Profile]\r\nLan=EN\r\n")), "");
    EXPECT_EQ(SelectLanguage(writeIni("[Skins]\r\nLanguage=EN\r\n")), "");
    EXPECT_EQ(LanguageTable::For("").labelSection(), "");
}

TEST_F(SelectLanguageTest, ACodeKeepsAtMost1023Characters) {
    const std::string longCode(1500, 'E');
    EXPECT_EQ(SelectLanguage(writeIni("[Skins]\r\nLan=" + longCode + "\r\n")),
              longCode.substr(0, 1023));
}

}  // namespace
}  // namespace gx508
