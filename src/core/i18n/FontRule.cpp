// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/FontRule.h"

#include "core/i18n/Language.h"

namespace gx508 {

std::string_view FontFace(std::string_view code) {
    const Language language = LanguageOf(code);
    return language == Language::Chs || language == Language::Cht ? "黑体" : "Arial";
}

FontRule MainTextFont(std::string_view code) {
    const FontRule::CharSet charSet =
        LanguageOf(code) == Language::Cht ? FontRule::CharSet::Ansi : FontRule::CharSet::Default;
    return {FontFace(code), kMainFontHeight, kNormalWeight, kSwissFamily, charSet};
}

FontRule MainSecondFont(std::string_view code) {
    return {FontFace(code), kMainFontHeight, 0, kSwissFamily, FontRule::CharSet::Default};
}

}  // namespace gx508
