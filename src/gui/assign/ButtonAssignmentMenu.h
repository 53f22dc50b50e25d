// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>

#include "core/assign/AssignmentDialogs.h"
#include "core/assign/AssignmentMenu.h"
#include "core/store/SharedState.h"
#include "gui/ui/CExMenu.h"

class QWidget;

namespace gx508 {

class MouseView;

// The menu model as the owner-drawn menu takes it.
ExMenuModel ExMenuModelOf(const Menu& menu);

// The assignment menu of the main window. A click on a button's selector opens the button's
// menu beside the selector (the left-click rule may show its message instead); when the menu
// closes the mark of the selector and of the picture goes, and a chosen command goes to the
// dispatcher, after which the selector shows the button's new label.
class ButtonAssignmentMenu : public QObject {
    Q_OBJECT

  public:
    // Where the menu opens: five pixels right of the selector's right edge, level with its top.
    static constexpr int kMenuGap = 5;

    ButtonAssignmentMenu(SharedState& state, MouseView& view, AssignmentDialogs& dialogs,
                         const QFont& font, QWidget& window);

    // OpenAssignmentMenu for button index `button`.
    void open(int button);

    // The menu while it is open.
    CExMenu* openMenu() const { return m_menu; }

  signals:
    // The dispatcher finished a command for `button`; its label holds the new text.
    void assigned(int button);

  private:
    void dispatch(int button, int command);

    SharedState& m_state;
    MouseView& m_view;
    AssignmentDialogs& m_dialogs;
    QFont m_font;
    QWidget& m_window;
    QPointer<CExMenu> m_menu;
};

}  // namespace gx508
