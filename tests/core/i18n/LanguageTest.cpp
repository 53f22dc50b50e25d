// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/Language.h"

#include <gtest/gtest.h>

#include <string_view>

namespace gx508 {
namespace {

struct CodeCase {
    std::string_view code;
    Language language;
};

TEST(LanguageTest, OnlyTheFourExactCodesSelectALanguage) {
    const CodeCase cases[] = {
        {"CHS", Language::Chs},  {"CHT", Language::Cht},  {"EN", Language::En},
        {"DE", Language::De},    {"chs", Language::None}, {"", Language::None},
        {"EN ", Language::None}, {" EN", Language::None}, {"E", Language::None},
        {"ENG", Language::None}, {"De", Language::None},  {"CH", Language::None},
    };
    for (const CodeCase& c : cases) {
        EXPECT_EQ(LanguageOf(c.code), c.language) << '"' << c.code << '"';
    }
}

TEST(LanguageTest, CodeOfGivesTheCodeThatSelectsTheLanguage) {
    for (Language language : {Language::Chs, Language::Cht, Language::En, Language::De}) {
        EXPECT_EQ(LanguageOf(CodeOf(language)), language);
    }
    EXPECT_EQ(CodeOf(Language::Cht), "CHT");
    EXPECT_EQ(CodeOf(Language::None), "");
}

}  // namespace
}  // namespace gx508
