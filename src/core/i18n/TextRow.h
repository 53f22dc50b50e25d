// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "core/i18n/Language.h"

namespace gx508 {

// One text in the four languages. Every text table of the program lists its columns in this
// order: English, simplified Chinese, traditional Chinese, German. An empty column is a text
// the language does not define.
struct TextRow {
    std::string_view en;
    std::string_view chs;
    std::string_view cht;
    std::string_view de;
};

// The column of `language`; empty for `Language::None`.
std::string_view TextIn(const TextRow& row, Language language);

// A row of a table whose texts are named by the values of the enumeration `Id`, numbered from 0.
template <typename Id>
struct NamedTextRow {
    Id id;
    TextRow texts;
};

// True when row i is named by the `Id` of value i, so that the table can be indexed by `Id`.
template <typename Id, std::size_t N>
constexpr bool FollowsIdOrder(const std::array<NamedTextRow<Id>, N>& rows) {
    for (std::size_t i = 0; i < N; ++i) {
        if (rows[i].id != static_cast<Id>(i)) {
            return false;
        }
    }
    return true;
}

}  // namespace gx508
