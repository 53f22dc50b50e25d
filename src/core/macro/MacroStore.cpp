// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/macro/MacroStore.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <functional>
#include <utility>

#include "core/macro/MacroNames.h"
#include "core/store/LeadingNumber.h"
#include "core/store/TextEncoding.h"

namespace gx508 {

namespace {

constexpr std::size_t kValueCapacity = 1024;  // values are cut to 1023 UTF-16 units

constexpr std::string_view kCountKey = "MacroCount";
constexpr std::string_view kDelayFlagKey = "DelayTimeSelStatus";
constexpr std::string_view kLoopKey = "MacroLoopTimes";
constexpr std::string_view kItemCountKey = "ItemCount";

std::string ItemKey(std::size_t index) {
    return "Item" + std::to_string(index);
}

// Section names a macro may not write: empty ones and the two lists.
bool IsWritableMacroSection(std::string_view name) {
    return !SameSection(name, "") && !IsListSectionName(name);
}

Status RefusedName(std::string_view name) {
    return Status::Error("the macro name \"" + std::string(name) + "\" cannot name a section",
                         EINVAL);
}

// Edits the store in one read and, when anything changed, one atomic write. A store given
// without a name is refused.
Status Edit(const std::filesystem::path& store, const std::function<Status(IniDocument&)>& edit) {
    if (store.empty()) {
        return Status::Error("no macro store file given", EINVAL);
    }
    return EditIniFile(store, edit);
}

// Writes the macro's keys into a section that was removed before.
Status PutMacroKeys(IniDocument& document, const MacroRecord& macro, bool withFlag) {
    Status status = Status::Ok();
    if (withFlag) {
        status = document.Set(macro.name, kDelayFlagKey, macro.recordDelay ? "1" : "0");
    }
    if (status) {
        status = document.Set(macro.name, kLoopKey, macro.loopText);
    }
    if (status) {
        status = document.Set(macro.name, kItemCountKey, std::to_string(macro.items.size()));
    }
    for (std::size_t i = 0; status && i < macro.items.size(); ++i) {
        status = document.Set(macro.name, ItemKey(i), macro.items[i]);
    }
    return status;
}

Status PutMacro(IniDocument& document, const MacroRecord& macro) {
    if (!IsWritableMacroSection(macro.name)) {
        return RefusedName(macro.name);
    }
    document.RemoveSection(macro.name);
    return macro.items.empty() ? Status::Ok() : PutMacroKeys(document, macro, true);
}

}  // namespace

std::string_view ListSectionOf(MacroKind kind) {
    return kind == MacroKind::Gun ? "GunMacroName" : "MacroName";
}

MacroStoreSnapshot MacroStoreSnapshot::Load(const std::filesystem::path& store) {
    MacroStoreSnapshot snapshot;
    snapshot.m_document = IniDocument::Load(store);
    return snapshot;
}

MacroStoreSnapshot MacroStoreSnapshot::Of(IniDocument document) {
    MacroStoreSnapshot snapshot;
    snapshot.m_document = std::move(document);
    return snapshot;
}

std::string MacroStoreSnapshot::read(std::string_view section, std::string_view key) const {
    const std::optional<std::string> value = m_document.Get(section, key);
    return value ? std::string(text::PrefixOfUtf16Length(*value, kValueCapacity - 1)) : "";
}

std::vector<std::string> MacroStoreSnapshot::names(MacroKind kind) const {
    const std::string_view section = ListSectionOf(kind);
    const std::int32_t count =
        std::clamp(LeadingNumber(read(section, kCountKey)).value_or(0), 0, kMaxListedNames);
    std::vector<std::string> names;
    std::size_t held = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        const std::optional<std::string> name = m_document.Get(section, std::to_string(i));
        names.push_back(name ? read(section, std::to_string(i)) : "");
        if (name) {
            held = names.size();
        }
    }
    names.resize(held);
    return names;
}

std::string MacroStoreSnapshot::nameAt(MacroKind kind, int position) const {
    return read(ListSectionOf(kind), std::to_string(position));
}

LoadedMacro MacroStoreSnapshot::macro(std::string_view name) const {
    LoadedMacro loaded;
    if (SameSection(name, "")) {
        loaded.recordDelay = false;
        return loaded;
    }
    loaded.loopText = read(name, kLoopKey);
    const std::int32_t count = std::clamp(itemCount(name), 0, kMaxMacroItems);
    std::size_t held = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        const std::string key = ItemKey(static_cast<std::size_t>(i));
        const std::optional<std::string> item = m_document.Get(name, key);
        loaded.items.push_back(item ? read(name, key) : "");
        if (item) {
            held = loaded.items.size();
        }
    }
    loaded.items.resize(held);
    const std::int32_t flag = LeadingNumber(read(name, kDelayFlagKey)).value_or(0);
    if (flag == 0 || flag == 1) {
        loaded.recordDelay = flag == 1;
    }
    return loaded;
}

std::int32_t MacroStoreSnapshot::itemCount(std::string_view name) const {
    if (SameSection(name, "")) {
        return 0;
    }
    return LeadingNumber(read(name, kItemCountKey)).value_or(0);
}

bool MacroStoreSnapshot::hasSection(std::string_view name) const {
    return !SameSection(name, "") &&
           std::ranges::any_of(
               std::array{kDelayFlagKey, kLoopKey, kItemCountKey},
               [&](std::string_view key) { return m_document.Get(name, key).has_value(); });
}

bool MacroStoreSnapshot::hasList(MacroKind kind) const {
    const std::string_view section = ListSectionOf(kind);
    return m_document.Get(section, kCountKey).has_value() ||
           m_document.Get(section, "0").has_value();
}

Status PutNameList(IniDocument& document, MacroKind kind, std::span<const std::string> names) {
    const std::string_view section = ListSectionOf(kind);
    document.RemoveSection(section);
    Status status = document.Set(section, kCountKey, std::to_string(names.size()));
    if (names.empty()) {
        return status ? document.Set(section, "0", "") : status;
    }
    for (std::size_t i = 0; status && i < names.size(); ++i) {
        status = document.Set(section, std::to_string(i), names[i]);
    }
    return status;
}

std::vector<std::string> ListMacroNames(const std::filesystem::path& store, MacroKind kind) {
    return MacroStoreSnapshot::Load(store).names(kind);
}

LoadedMacro LoadMacro(const std::filesystem::path& store, std::string_view name) {
    return MacroStoreSnapshot::Load(store).macro(name);
}

Status SaveNameList(const std::filesystem::path& store, MacroKind kind,
                    std::span<const std::string> names) {
    return Edit(store, [&](IniDocument& document) { return PutNameList(document, kind, names); });
}

Status SaveMacro(const std::filesystem::path& store, const MacroRecord& macro) {
    return Edit(store, [&](IniDocument& document) { return PutMacro(document, macro); });
}

Status FullSave(const std::filesystem::path& store, MacroKind kind,
                std::span<const std::string> names, const MacroRecord& selected) {
    if (!FileExists(store) || names.empty()) {
        return Status::Ok();
    }
    const bool writable = IsWritableMacroSection(selected.name);
    const Status saved = Edit(store, [&](IniDocument& document) {
        Status status = PutNameList(document, kind, names);
        return status && writable ? PutMacro(document, selected) : status;
    });
    return saved && !writable ? RefusedName(selected.name) : saved;
}

Status EditEndSave(const std::filesystem::path& store, MacroKind kind,
                   std::span<const std::string> names, const MacroRecord& macro) {
    if (!FileExists(store) || names.empty()) {
        return Status::Ok();
    }
    const bool writable = IsWritableMacroSection(macro.name);
    const Status saved = Edit(store, [&](IniDocument& document) {
        Status status = PutNameList(document, kind, names);
        if (!status || !writable) {
            return status;
        }
        document.RemoveSection(macro.name);
        return PutMacroKeys(document, macro, true);
    });
    return saved && !writable ? RefusedName(macro.name) : saved;
}

Status SaveLoopCount(const std::filesystem::path& store, std::string_view name, long value) {
    if (!IsWritableMacroSection(name)) {
        return RefusedName(name);
    }
    return WriteIniString(store, name, kLoopKey, std::to_string(value));
}

Status DeleteMacroSection(const std::filesystem::path& store, std::string_view name) {
    if (!IsWritableMacroSection(name)) {
        return RefusedName(name);
    }
    return DeleteIniSection(store, name);
}

LoopCount LoopCountOfText(std::string_view text) {
    const std::int32_t value = LeadingNumber(text).value_or(0);
    if (value < 1 || value > 65535) {
        return {"1", 1};
    }
    return {std::string(text), value};
}

MacroDeletion DeleteListedMacro(const std::filesystem::path& store, MacroKind kind,
                                std::vector<std::string>& names, int selected) {
    MacroDeletion result;
    result.selection = selected;
    if (selected < 0 || static_cast<std::size_t>(selected) >= names.size()) {
        return result;
    }
    const std::string name = names[static_cast<std::size_t>(selected)];
    names.erase(names.begin() + selected);
    result.deleted = true;
    result.selection = std::min(selected, static_cast<int>(names.size()) - 1);
    const bool shared = std::any_of(names.begin(), names.end(), [&](const std::string& other) {
        return SameSection(name, other);
    });
    result.status = Edit(store, [&](IniDocument& document) {
        Status status = PutNameList(document, kind, names);
        if (status && !shared && IsWritableMacroSection(name)) {
            document.RemoveSection(name);
        }
        return status;
    });
    return result;
}

MacroListCapture CaptureMacroList(const std::filesystem::path& store, MacroKind kind) {
    MacroListCapture capture;
    capture.fileExisted = FileExists(store);
    const MacroStoreSnapshot snapshot = MacroStoreSnapshot::Load(store);
    capture.listExisted = snapshot.hasList(kind);
    capture.names = snapshot.names(kind);
    for (const std::string& name : capture.names) {
        const LoadedMacro loaded = snapshot.macro(name);
        capture.entries.push_back(
            {{name, loaded.recordDelay.value_or(false), loaded.loopText, loaded.items},
             snapshot.hasSection(name)});
    }
    return capture;
}

Status RestoreMacroList(const std::filesystem::path& store, MacroKind kind,
                        const MacroListCapture& capture) {
    if (!capture.fileExisted) {
        return Status::Ok();
    }
    return Edit(store, [&](IniDocument& document) {
        const MacroStoreSnapshot now = MacroStoreSnapshot::Of(document);
        const MacroKind other = kind == MacroKind::Gun ? MacroKind::Macro : MacroKind::Gun;
        const std::vector<std::string> otherNames = now.names(other);
        const auto ownSection = [&](const std::string& name) {
            return IsWritableMacroSection(name) &&
                   std::ranges::none_of(otherNames,
                                        [&](const std::string& o) { return SameSection(o, name); });
        };
        for (const std::vector<std::string>& names : {now.names(kind), capture.names}) {
            for (const std::string& name : names) {
                if (ownSection(name)) {
                    document.RemoveSection(name);
                }
            }
        }
        Status status = Status::Ok();
        if (capture.listExisted) {
            status = PutNameList(document, kind, capture.names);
        } else {
            document.RemoveSection(ListSectionOf(kind));
        }
        for (const MacroListCapture::Entry& entry : capture.entries) {
            if (status && entry.hadSection && ownSection(entry.macro.name)) {
                document.RemoveSection(entry.macro.name);
                status = PutMacroKeys(document, entry.macro, true);
            }
        }
        return status;
    });
}

}  // namespace gx508
