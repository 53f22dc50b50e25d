// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/i18n/TextRow.h"

namespace gx508 {

std::string_view TextIn(const TextRow& row, Language language) {
    switch (language) {
        case Language::En:
            return row.en;
        case Language::Chs:
            return row.chs;
        case Language::Cht:
            return row.cht;
        case Language::De:
            return row.de;
        case Language::None:
            break;
    }
    return {};
}

}  // namespace gx508
