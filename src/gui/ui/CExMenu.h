// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QMenu>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

namespace gx508 {

struct ExMenuItem;

// A popup menu as data, as the menu builders produce it.
struct ExMenuModel {
    int itemWidth = 0;  // pixels; every item of this menu is at least this wide
    std::vector<ExMenuItem> items;
};

// One item: a command, or (with a submenu) the title of a submenu, whose text ends in " +".
struct ExMenuItem {
    QString text;
    int command = 0;
    bool inert = false;  // shown like a command; choosing it closes the menu and yields nothing
    std::optional<ExMenuModel> submenu;
};

// The program's popup menu, drawn in the skin: flat 20-pixel rows of white text on dark red, a
// lighter red under the pointer, a three-pixel red frame and no submenu arrows. A checkable
// action shows a small white box at the row's right end, filled while it is checked.
class CExMenu : public QMenu {
    Q_OBJECT

  public:
    static constexpr int kItemHeight = 20;
    static constexpr int kFrameWidth = 3;
    static constexpr int kTextIndent = 2;
    static constexpr int kCheckBoxSize = 10;
    static constexpr int kCheckBoxMargin = 5;  // on both sides of the box
    static constexpr QColor kNormalBackground{111, 41, 41};
    static constexpr QColor kSelectedBackground{143, 32, 32};
    static constexpr QColor kNormalText{255, 255, 255};
    static constexpr QColor kSelectedText{255, 255, 255};
    static constexpr QColor kOuterFrame{143, 32, 32};
    static constexpr QColor kInnerFrame{111, 41, 41};

    explicit CExMenu(const QFont& font, QWidget* parent = nullptr);
    CExMenu(const ExMenuModel& model, const QFont& font, QWidget* parent = nullptr);

    // The width every item is measured with. An item whose text would not fit is widened to
    // fit it (the whole menu with it), so no text is ever cut.
    void setItemWidth(int pixels);
    int itemWidth() const { return m_itemWidth; }

    // AppendItem: a command item, shown with the text as it is (an ampersand is no mnemonic).
    QAction* appendItem(int command, const QString& text, bool inert = false);
    // AppendItem with a submenu: the new, empty submenu, owned by this menu, in this font.
    CExMenu* appendSubmenu(const QString& text, int itemWidth);

    // The command of an item of this menu or of its submenus; nothing for an inert item or an
    // action that is not one of ours.
    std::optional<int> commandOf(const QAction* action) const;

    // TrackPopupMenu: shows the menu at a screen point and waits; the chosen command, or nothing
    // when the menu was dismissed or an inert item was chosen.
    std::optional<int> trackPopup(const QPoint& globalPosition);

    // The text drawn for an action of this menu (empty for others).
    QString itemText(const QAction* action) const;

  signals:
    // An item with a command was chosen here or in a submenu.
    void commandChosen(int command);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Item {
        const QAction* action = nullptr;
        QString text;
        int command = 0;
        bool inert = false;
        CExMenu* submenu = nullptr;
    };

    void appendModel(const ExMenuModel& model);
    static void paintCheckBox(QPainter& painter, const QRect& row, bool checked, bool selected);
    const Item* findItem(const QAction* action) const;

    int m_itemWidth = 0;
    std::vector<Item> m_items;
};

}  // namespace gx508
