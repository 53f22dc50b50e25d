// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>
#include <QStringList>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/IniFile.h"

// What the tests of the two macro managers read back: the texts their lists show and the
// names and items their store file holds.
namespace gx508::test {

using Lines = std::vector<std::string>;

inline QStringList Texts(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) {
        texts << list.item(i)->text();
    }
    return texts;
}

inline QStringList Q(const Lines& lines) {
    QStringList texts;
    for (const std::string& line : lines) {
        texts << QString::fromStdString(line);
    }
    return texts;
}

// The items of a macro's section as stored, "?" for a missing one.
inline Lines StoredItems(const std::filesystem::path& store, std::string_view section) {
    const IniDocument document = IniDocument::Load(store);
    Lines lines;
    const int count = std::stoi(document.Get(section, "ItemCount").value_or("0"));
    for (int i = 0; i < count; ++i) {
        lines.push_back(document.Get(section, "Item" + std::to_string(i)).value_or("?"));
    }
    return lines;
}

// The names of a list section ("MacroName", "GunMacroName") as stored, "?" for a missing one.
inline Lines StoredNames(const std::filesystem::path& store, std::string_view list) {
    const IniDocument document = IniDocument::Load(store);
    Lines lines;
    const int count = std::stoi(document.Get(list, "MacroCount").value_or("0"));
    for (int i = 0; i < count; ++i) {
        lines.push_back(document.Get(list, std::to_string(i)).value_or("?"));
    }
    return lines;
}

}  // namespace gx508::test
