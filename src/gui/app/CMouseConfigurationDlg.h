// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QIcon>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <optional>

#include "core/device/DeviceNotice.h"
#include "core/store/SharedState.h"

namespace gx508 {

class CBitmapBtn;
class CConfigDialog;
class BusyOverlay;
class ButtonAssignmentMenu;
class CDlgadvance;
class CExMenu;
class MouseView;
class LeftColumn;
class MouseSession;
class Skin;
class TrayNotifier;
class WindowAssignmentDialogs;

// The program's window: a fixed-size, borderless picture with the mouse view, the left column's
// sections, the command buttons and the notification-area icon. It edits the settings block in
// memory and hands Apply and Restore defaults to the mouse session; it never closes itself,
// it hides (or, without a notification area, minimises) and comes back from the icon.
class CMouseConfigurationDlg : public QWidget {
    Q_OBJECT

  public:
    // Not shown, but it names the window for the desktop.
    static constexpr const char* kTitle = "VelmoraGX508鼠标";

    // The axes of the sensitivity sliders.
    enum class Axis { X, Y };

    // Builds every control from the loaded state; with the mouse connected the icon shows and
    // the sliders and labels take the block's values, otherwise the icon goes away again.
    CMouseConfigurationDlg(SharedState& state, MouseSession& session, TrayNotifier& tray,
                           const Skin& skin);
    ~CMouseConfigurationDlg() override;

    // The window and notification-area icon at the sizes the skin has.
    static QIcon programIcon(const Skin& skin);

    // While the mouse is away, each of the first two attempts to show the window hides it
    // instead: a start without the mouse stays invisible until the mouse arrives.
    void setVisible(bool visible) override;
    int earlyHideCount() const { return m_earlyHide; }

    MouseView& mouseView() const { return *m_mouseView; }
    LeftColumn& leftColumn() const { return *m_leftColumn; }
    CDlgadvance& settingsPanel() const { return *m_panel; }
    CBitmapBtn* applyButton() const { return m_apply; }
    CBitmapBtn* cancelButton() const { return m_cancel; }
    CBitmapBtn* resetButton() const { return m_reset; }
    CBitmapBtn* closeButton() const { return m_close; }
    CBitmapBtn* helpButton() const { return m_help; }
    CBitmapBtn* profileButton() const { return m_profile; }
    // The profile manager while it is open.
    CConfigDialog* profileManager() const;
    BusyOverlay* busyOverlay() const { return m_busy; }
    CExMenu* helpMenu() const { return m_helpMenu; }
    ButtonAssignmentMenu& assignmentMenu() const { return *m_assignmentMenu; }

    // A sensitivity slider let go at `position`: the X slider's goes into the block's X
    // sensitivity byte, the Y slider's into the Y byte.
    void sensitivityReleased(Axis axis, int position);

    // Shows the balloon of a status notice, if the notice has one.
    void showStatusNotice(DeviceNotice notice);

    // Lays the profile manager over the left column, hiding its headers, sliders and selectors,
    // and disables Reset, Cancel and Apply until the manager has chosen a profile. Nothing when
    // it is open already.
    void openProfileManager();

    // Brings the window back from the notification area: centred, refreshed from the block, both
    // sections closed. Only while the mouse is connected.
    void restoreFromTray();

    // Hides to the notification area, or minimises where the desktop has none.
    void hideToTray();

    // Raises the window above the others when it is in view; a hidden or minimised window stays
    // as it is.
    void bringToFront();

  signals:
    // The icon menu's "Exit" (delayed until a running device sequence has ended).
    void exitRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createCommandButtons(const QString& fontFace);
    void createHelpMenu();
    void connectSession();
    void refreshFromBlock();
    void collapseSections();
    void centreOnScreen();

    void onApply();
    void onCancel();
    void onReset();
    void onHelp();
    void onHelpCommand(int command);
    void onMouseArrived();
    void onMouseGone(bool lost);
    void warnApplyFailed();
    void warnInaccessible();
    void onBusyChanged(bool busy);
    void onDefaultsRestored();
    void onExitRequested();
    void runMacroManager();
    void runGunManager();
    void toggleButtonList();
    void toggleAxisPanel();
    void closeOwnDialogs();
    void onProfileChosen(bool loaded);
    void setProfileManagerShown(bool shown);

    SharedState& m_state;
    MouseSession& m_session;
    TrayNotifier& m_tray;
    const Skin& m_skin;
    QFont m_font;
    MouseView* m_mouseView = nullptr;
    std::unique_ptr<WindowAssignmentDialogs> m_assignmentDialogs;
    ButtonAssignmentMenu* m_assignmentMenu = nullptr;
    LeftColumn* m_leftColumn = nullptr;
    CDlgadvance* m_panel = nullptr;
    CBitmapBtn* m_help = nullptr;
    CBitmapBtn* m_minimise = nullptr;
    CBitmapBtn* m_close = nullptr;
    CBitmapBtn* m_profile = nullptr;
    CBitmapBtn* m_reset = nullptr;
    CBitmapBtn* m_cancel = nullptr;
    CBitmapBtn* m_apply = nullptr;
    CExMenu* m_helpMenu = nullptr;
    QPointer<CConfigDialog> m_profileManager;
    BusyOverlay* m_busy = nullptr;
    int m_earlyHide = 2;
    bool m_exitWhenIdle = false;
    std::optional<QPoint> m_dragOffset;  // while the window follows the pointer itself
};

}  // namespace gx508
