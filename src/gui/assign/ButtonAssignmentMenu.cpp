// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/assign/ButtonAssignmentMenu.h"

#include <QWidget>

#include "core/assign/AssignmentDispatch.h"
#include "gui/assign/MouseView.h"
#include "gui/ui/CBitmapBtn.h"
#include "gui/ui/QtText.h"

namespace gx508 {

ExMenuModel ExMenuModelOf(const Menu& menu) {
    ExMenuModel model{menu.itemWidth, {}};
    for (const MenuItem& item : menu.items) {
        model.items.push_back(
            ExMenuItem{qText(item.text), item.command, item.inert,
                       item.submenu ? std::optional<ExMenuModel>(ExMenuModelOf(*item.submenu))
                                    : std::nullopt});
    }
    return model;
}

ButtonAssignmentMenu::ButtonAssignmentMenu(SharedState& state, MouseView& view,
                                           AssignmentDialogs& dialogs, const QFont& font,
                                           QWidget& window)
    : QObject(&window),
      m_state(state),
      m_view(view),
      m_dialogs(dialogs),
      m_font(font),
      m_window(window) {
    connect(&m_view, &MouseView::selectorClicked, this, &ButtonAssignmentMenu::open);
}

void ButtonAssignmentMenu::open(int button) {
    const std::optional<Menu> model = OpenAssignmentMenu(m_state, button, m_dialogs);
    if (!model) {
        m_view.ClearHighlight();
        return;
    }
    auto* menu = new CExMenu(ExMenuModelOf(*model), m_font, &m_window);
    menu->setObjectName(QStringLiteral("assignmentMenu"));
    // Closing comes first: the marks go before the chosen command runs.
    connect(menu, &QMenu::aboutToHide, this, [this] { m_view.ClearHighlight(); });
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    // The command runs once the menu has closed and its handler returned: a dialog it opens runs
    // its own event loop, in which the menu goes away, and needs the keyboard and pointer the
    // menu held.
    connect(
        menu, &CExMenu::commandChosen, this,
        [this, button](int command) { dispatch(button, command); }, Qt::QueuedConnection);
    m_menu = menu;
    const CBitmapBtn* selector = m_view.label(button);
    menu->popup(selector->mapToGlobal(QPoint(selector->width() + kMenuGap, 0)));
}

void ButtonAssignmentMenu::dispatch(int button, int command) {
    if (const std::optional<int> finished =
            DispatchAssignment(m_state, button, command, m_dialogs)) {
        m_view.setLabelTexts(m_state.labels);
        emit assigned(*finished);
    }
}

}  // namespace gx508
