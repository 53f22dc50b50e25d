// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/macro/MacroNames.h"
#include "core/macro/MacroStore.h"

class QLineEdit;
class QObject;
class QListWidget;

namespace gx508 {

class CLBEditorWnd;

// What the macro manager and the gun macro manager hold alike: the names of their list, the
// events of the macro they show, its loop-count field, and the two lists that show them.
class ManagerLists {
  public:
    ManagerLists(QListWidget& nameList, QListWidget& eventList, QLineEdit& loopField);

    std::vector<std::string> names;       // in list order
    std::vector<std::string> otherNames;  // the other kind's: they share the file's sections
    std::vector<std::string> items;       // the events of the macro shown
    int position = -1;                    // the macro whose events are shown

    // The position of the macro shown, when it is one of the list.
    std::optional<int> selected() const;
    // The macro shown as the store writes it (an empty name when none is shown).
    MacroRecord record(bool recordDelay) const;

    void showNames();
    // Shows the items with `selection` selected (nothing: the row selected before). A delay
    // remembered for editing is forgotten.
    void showItems(std::optional<int> selection);
    // A recorded item: appended and selected.
    void appendItem(const std::string& item);

    // Puts a loop text in the field without the field's signal.
    void setLoopText(const QString& loopText);
    // The field after the user changed it: corrected as LoopCountOfText reads it. Gives the
    // count.
    long correctLoopField();

    // Opens the in-place name editor on `row` when it is the macro shown; at the end of the
    // edit `finished` gets the name the macro had and the text typed, while `receiver` lives
    // and stays connected to the editor. Nothing (and no editor) for another row.
    using NameEditEnd = std::function<void(const std::string& previous, const QString& typed)>;
    CLBEditorWnd* startNameEdit(int row, QObject& receiver, NameEditEnd finished);

    // The end of an in-place name edit of the macro shown: the typed name or the old one, as
    // NameAfterEdit decides, goes into the names and the list. Nothing when none is shown.
    std::optional<NameEdit> rename(const QString& typed);

    // A click on event `row`: true when it is the second click in a row on the same delay
    // item, which opens its in-place editor.
    bool secondClickOnDelay(int row);
    // The delay item clicked last, -1 when none.
    int rememberedDelay() const { return m_rememberedDelay; }
    // The text the in-place delay editor left in `row`.
    void setItem(int row, const QString& text);

  private:
    QListWidget& m_nameList;
    QListWidget& m_eventList;
    QLineEdit& m_loopField;
    int m_rememberedDelay = -1;  // the delay item clicked last
};

}  // namespace gx508
