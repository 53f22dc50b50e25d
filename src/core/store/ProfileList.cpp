// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/ProfileList.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

#include "core/store/LeadingNumber.h"

namespace gx508 {

namespace {

constexpr const char* kSection = "Profile";

std::string ItemKey(int position) {
    return "Item" + std::to_string(position);
}

std::string Quoted(std::string_view name) {
    std::string quoted;
    quoted.reserve(name.size() + 2);
    quoted += '"';
    quoted += name;
    quoted += '"';
    return quoted;
}

// The number a name holds: the decimal digits right after its first space.
int NameNumber(std::string_view name) {
    const std::size_t space = name.find(' ');
    if (space == std::string_view::npos) {
        return 0;
    }
    const std::string_view rest = name.substr(space + 1);
    if (rest.empty() || rest[0] < '0' || rest[0] > '9') {
        return 0;
    }
    return LeadingNumber(rest).value_or(0);
}

}  // namespace

ProfileList::ProfileList(std::vector<std::string> names, int current)
    : m_names(std::move(names)),
      m_current(m_names.empty() ? 0 : std::clamp(current, 0, size() - 1)) {}

Result<ProfileList> ProfileList::FromIni(const IniDocument& doc, int current) {
    if (!doc.Get(kSection, "ItemCount")) {
        return ProfileList();
    }
    const auto count = LeadingNumber(IniString(doc, kSection, "ItemCount"));
    if (!count || *count < 1 || *count > kMaxProfiles) {
        return Result<ProfileList>::Error(
            "the profile list of str.ini holds ItemCount=" + IniString(doc, kSection, "ItemCount") +
            ", not a count of 1 to 6");
    }
    std::vector<std::string> names;
    for (int position = 0; position < *count; ++position) {
        names.push_back(IniString(doc, kSection, ItemKey(position)));
    }
    return ProfileList(std::move(names), current);
}

Status ProfileList::WriteTo(IniDocument& doc) const {
    Status written = doc.Set(kSection, "CurProfileName", empty() ? "" : m_names[m_current]);
    if (empty()) {
        doc.RemoveKey(kSection, "ItemCount");
    } else if (written) {
        written = doc.Set(kSection, "ItemCount", std::to_string(size()));
    }
    for (int position = 0; position < size() && written; ++position) {
        written = doc.Set(kSection, ItemKey(position), m_names[position]);
    }
    for (int position = size(); position < kMaxProfiles && written; ++position) {
        doc.RemoveKey(kSection, ItemKey(position));
    }
    return written;
}

std::string ProfileList::nextName(std::string_view word) const {
    int highest = 0;
    for (const std::string& name : m_names) {
        highest = std::max(highest, NameNumber(name));
    }
    // A name that holds the largest number gets the largest one again: it cannot grow.
    const int next = highest == std::numeric_limits<std::int32_t>::max() ? highest : highest + 1;
    return std::string(word) + " " + std::to_string(next);
}

Status ProfileList::add(std::string name) {
    if (full()) {
        return Status::Error("there are already " + std::to_string(kMaxProfiles) +
                             " profiles, the most there can be");
    }
    if (Status usable = checkName(name); !usable) {
        return usable;
    }
    m_names.push_back(std::move(name));
    return Status::Ok();
}

Status ProfileList::rename(int position, std::string name) {
    if (Status changeable = checkChangeable(position, "renamed"); !changeable) {
        return changeable;
    }
    if (Status usable = checkName(name, position); !usable) {
        return usable;
    }
    m_names[position] = std::move(name);
    return Status::Ok();
}

Status ProfileList::remove(int position) {
    if (Status changeable = checkChangeable(position, "deleted"); !changeable) {
        return changeable;
    }
    m_names.erase(m_names.begin() + position);
    if (m_current > position || m_current >= size()) {
        m_current = m_current > position ? m_current - 1 : size() - 1;
    }
    return Status::Ok();
}

Status ProfileList::select(int position) {
    if (Status held = checkPosition(position); !held) {
        return held;
    }
    m_current = position;
    return Status::Ok();
}

Status ProfileList::checkPosition(int position) const {
    if (holds(position)) {
        return Status::Ok();
    }
    if (empty()) {
        return Status::Error("there is no profile " + std::to_string(position) +
                             ": the profile list is empty");
    }
    return Status::Error("there is no profile " + std::to_string(position) +
                         ": positions are 0 to " + std::to_string(size() - 1));
}

Status ProfileList::checkName(std::string_view name, int keep) const {
    if (TrimIniBlanks(name).empty()) {
        return Status::Error("a profile needs a name");
    }
    IniDocument probe;
    if (Status set = probe.Set(kSection, "Item0", name); !set) {
        return Status::Error("the profile name " + Quoted(name) +
                             " cannot be stored: " + set.message());
    }
    if (IniString(probe, kSection, "Item0") != name) {
        return Status::Error("the profile name " + Quoted(name) +
                             " would not read back the same (blanks or quotes around it, or "
                             "longer than 1023 characters)");
    }
    for (int position = 0; position < size(); ++position) {
        if (position != keep && m_names[position] == name) {
            return Status::Error("profile " + std::to_string(position) + " is already named " +
                                 Quoted(name));
        }
    }
    return Status::Ok();
}

Status ProfileList::checkChangeable(int position, const char* what) const {
    if (Status held = checkPosition(position); !held) {
        return held;
    }
    if (Fixed(position)) {
        return Status::Error("profile " + std::to_string(position) + " (" +
                             Quoted(m_names[position]) + ") cannot be " + what +
                             ": profiles 0 and 1 are fixed");
    }
    return Status::Ok();
}

}  // namespace gx508
