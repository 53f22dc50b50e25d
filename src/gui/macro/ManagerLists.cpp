// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/macro/ManagerLists.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include <utility>

#include "core/macro/MacroItem.h"
#include "gui/ui/CLBEditorWnd.h"
#include "gui/ui/QtText.h"

namespace gx508 {

ManagerLists::ManagerLists(QListWidget& nameList, QListWidget& eventList, QLineEdit& loopField)
    : m_nameList(nameList), m_eventList(eventList), m_loopField(loopField) {}

std::optional<int> ManagerLists::selected() const {
    if (position < 0 || static_cast<std::size_t>(position) >= names.size()) {
        return std::nullopt;
    }
    return position;
}

MacroRecord ManagerLists::record(bool recordDelay) const {
    const std::optional<int> shown = selected();
    return {shown ? names[static_cast<std::size_t>(*shown)] : std::string(), recordDelay,
            m_loopField.text().toStdString(), items};
}

void ManagerLists::showNames() {
    const QSignalBlocker blocker(m_nameList);
    m_nameList.clear();
    for (const std::string& name : names) {
        m_nameList.addItem(qText(name));
    }
    m_nameList.setCurrentRow(selected().value_or(-1));
}

void ManagerLists::showItems(std::optional<int> selection) {
    m_rememberedDelay = -1;
    const QSignalBlocker blocker(m_eventList);
    const int keep = m_eventList.currentRow();
    m_eventList.clear();
    for (const std::string& item : items) {
        m_eventList.addItem(qText(item));
    }
    m_eventList.setCurrentRow(selection.value_or(keep));
}

void ManagerLists::appendItem(const std::string& item) {
    items.push_back(item);
    const QSignalBlocker blocker(m_eventList);
    m_eventList.addItem(qText(item));
    m_eventList.setCurrentRow(m_eventList.count() - 1);
}

void ManagerLists::setLoopText(const QString& loopText) {
    const QSignalBlocker blocker(m_loopField);
    m_loopField.setText(loopText);
}

long ManagerLists::correctLoopField() {
    const LoopCount loop = LoopCountOfText(m_loopField.text().toStdString());
    if (qText(loop.text) != m_loopField.text()) {
        const QSignalBlocker blocker(m_loopField);
        m_loopField.setText(qText(loop.text));
    }
    return loop.value;
}

CLBEditorWnd* ManagerLists::startNameEdit(int row, QObject& receiver, NameEditEnd finished) {
    if (row != position || !selected()) {
        return nullptr;
    }
    CLBEditorWnd* editor = CLBEditorWnd::start(&m_nameList, row, CLBEditorWnd::Mode::Name);
    QObject::connect(
        editor, &CLBEditorWnd::finished, &receiver,
        [finished = std::move(finished), previous = names[static_cast<std::size_t>(row)]](
            int, const QString& typed, bool) { finished(previous, typed); });
    return editor;
}

std::optional<NameEdit> ManagerLists::rename(const QString& typed) {
    const std::optional<int> shown = selected();
    if (!shown) {
        return std::nullopt;
    }
    const NameEdit edit = NameAfterEdit(names, *shown, typed.toStdString(), otherNames);
    names[static_cast<std::size_t>(*shown)] = edit.name;
    m_nameList.item(*shown)->setText(qText(edit.name));
    return edit;
}

bool ManagerLists::secondClickOnDelay(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= items.size() ||
        !ItemContains(items[static_cast<std::size_t>(row)], " ms")) {
        return false;
    }
    if (row != m_rememberedDelay) {
        m_rememberedDelay = row;
        return false;
    }
    return true;
}

void ManagerLists::setItem(int row, const QString& text) {
    if (row >= 0 && static_cast<std::size_t>(row) < items.size()) {
        items[static_cast<std::size_t>(row)] = text.toStdString();
    }
}

}  // namespace gx508
