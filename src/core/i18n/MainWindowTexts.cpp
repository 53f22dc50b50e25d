#include "core/i18n/MainWindowTexts.h"

#include <array>

namespace gx508 {

namespace {

constexpr std::array<TextRow, 4> kTexts{{
    {"Info", "Info", "Info", "Info"},
    {"Warning", "Warning", "Warning", "Warning"},
    {"Version:1.3", "Version:1.3", "Version:1.3", "Version:1.3"},
    {"确定", "確定", "OK", "OK"},
}};

}  // namespace

std::string_view MainWindowTextOf(MainWindowText text, Language language) {
    return TextIn(kTexts[static_cast<std::size_t>(text)], language);
}

}  // namespace gx508
