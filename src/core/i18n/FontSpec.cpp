#include "core/i18n/FontSpec.h"

#include "core/i18n/Language.h"

namespace gx508 {

std::string_view FontFace(std::string_view code) {
    const Language language = LanguageOf(code);
    return language == Language::Chs || language == Language::Cht ? "黑体" : "Arial";
}

FontSpec MainTextFont(std::string_view code) {
    const FontSpec::CharSet charSet =
        LanguageOf(code) == Language::Cht ? FontSpec::CharSet::Ansi : FontSpec::CharSet::Default;
    return {FontFace(code), kMainFontHeight, kNormalWeight, kSwissFamily, charSet};
}

FontSpec MainSecondFont(std::string_view code) {
    return {FontFace(code), kMainFontHeight, 0, kSwissFamily, FontSpec::CharSet::Default};
}

}  // namespace gx508
