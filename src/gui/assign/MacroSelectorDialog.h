// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QFont>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <filesystem>
#include <optional>

#include "core/assign/AssignmentDialogs.h"
#include "core/i18n/Language.h"
#include "core/i18n/SelectorTexts.h"
#include "core/macro/MacroStore.h"

class QLabel;
class QListWidget;

namespace gx508 {

class Skin;

// What the two selectors share: a borderless modal dialog on its skin background, a name
// field that opens the list of the stored names (read from the macro store when it opens; the
// dialog writes nothing), three play mode boxes, and OK, Cancel and close. Presses act at once;
// a press anywhere else closes an open list, and one on the bare background moves the dialog.
// Enter, Escape, Space and F1 are swallowed, so only the buttons and the window's close command
// end it (closing is Cancel).
class MacroSelectorDialog : public QDialog {
    Q_OBJECT

  public:
    // The parts that answer the pointer.
    enum class Element { None, Close, Ok, Cancel, DropDown, Mode0, Mode1, Mode2 };

    // OK or Cancel as closed, with the chosen name, its position in the list (−1 when none)
    // and the play mode.
    MacroChoice choice() const;

    int selectedPosition() const { return m_position; }
    QString selectedName() const;
    std::uint8_t playMode() const { return m_mode; }
    bool listOpen() const { return m_list != nullptr; }
    // The open list; nullptr while it is closed.
    QListWidget* list() const { return m_list; }
    Element hovered() const { return m_hover; }

    // The element at a point of the dialog; the list is none of them.
    static Element elementAt(const QPoint& point);

  protected:
    struct Setup {
        MacroKind kind;
        SelectorText hint;
        std::uint8_t initialMode;
        // How each play mode's description sits in its band (always vertically centred and
        // wrapped at words).
        Qt::Alignment modeAlignment;
    };

    // A missing background is reported in a message box; the dialog then keeps its listed
    // size and works without it.
    MacroSelectorDialog(const Skin& skin, Language language, std::filesystem::path macroStore,
                        const Setup& setup, QWidget* parent);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The swallowed keys never reach the list either.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void openList();
    void closeList();
    void chooseFromList();
    void setHover(Element element);
    QString text(SelectorText id) const;

    const Skin& m_skin;
    Language m_language;
    std::filesystem::path m_macroStore;
    Setup m_setup;
    QFont m_font;
    QLabel* m_name = nullptr;
    QListWidget* m_list = nullptr;
    QWidget* m_listFrame = nullptr;  // the list in its skinned scroll frame
    QString m_chosenName;
    int m_position = -1;
    std::uint8_t m_mode = 0;
    Element m_hover = Element::None;
    std::optional<QPoint> m_dragOffset;
};

}  // namespace gx508
