#include "core/i18n/MainWindowTexts.h"

#include <array>

namespace gx508 {

namespace {

// Columns: simplified Chinese, traditional Chinese, English, German.
using Row = std::array<std::string_view, 4>;

constexpr std::array<Row, 4> kTexts{{
    {"Info", "Info", "Info", "Info"},
    {"Warning", "Warning", "Warning", "Warning"},
    {"Version:1.3", "Version:1.3", "Version:1.3", "Version:1.3"},
    {"确定", "確定", "OK", "OK"},
}};

}  // namespace

std::string_view MainWindowTextOf(MainWindowText text, Language language) {
    const Row& row = kTexts[static_cast<std::size_t>(text)];
    switch (language) {
        case Language::Chs:
            return row[0];
        case Language::Cht:
            return row[1];
        case Language::En:
            return row[2];
        case Language::De:
            return row[3];
        case Language::None:
            break;
    }
    return {};
}

}  // namespace gx508
