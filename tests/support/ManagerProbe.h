// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/IniFile.h"
#include "gui/ui/CExMenu.h"
#include "support/MenuProbe.h"

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

// Opens an event list's right-button menu over its first row and chooses `entry` with the left
// button; `menu` gives the menu while it is open. False when no menu opened or it had no such
// entry.
inline bool ChooseFromEventMenu(QListWidget& list, const std::function<CExMenu*()>& menu,
                                const QString& entry) {
    bool chosen = false;
    // A timer of this call's own: when no menu opens, it goes with the call unfired.
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        CExMenu* open = menu();
        if (open == nullptr) {
            return;
        }
        QAction* action = menuAction(open, entry);
        if (action != nullptr && QTest::qWaitForWindowExposed(open)) {
            clickMenuItem(open, action);
            chosen = true;
        }
        open->close();
    });
    timer.start(0);
    QTest::mousePress(list.viewport(), Qt::RightButton, {},
                      list.visualItemRect(list.item(0)).center());
    return chosen;
}

}  // namespace gx508::test
