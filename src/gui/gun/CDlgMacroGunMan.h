// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QPointer>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/LogSink.h"
#include "core/assign/KeySource.h"
#include "core/i18n/GunManagerTexts.h"
#include "core/macro/MacroItemEditing.h"
#include "core/macro/MacroRecorder.h"
#include "core/macro/MacroStore.h"
#include "core/macro/RecorderClock.h"
#include "core/store/SettingsBlock.h"
#include "gui/gun/GunStepDialog.h"
#include "gui/macro/ManagerLists.h"
#include "gui/ui/CExMenu.h"
#include "gui/ui/CLBEditorWnd.h"

class QLineEdit;
class QListWidget;

namespace gx508 {

// The gun macro manager: the list of gun macros, the selected one's events, its loop and
// record-delay options, the record button and the buttons that insert a key, a mouse button,
// a cursor displacement or a delay. The first three gun macros are built in: they are shown,
// and can be renamed, but their events and options stay as they are.
//
// Every edit goes to the macro file as it is made. OK saves once more and closes; Cancel puts
// the file's gun macros back as they were when the window opened. A window closed otherwise (by
// the desktop, or by the program when the mouse goes or the program ends) leaves the file as
// the edits left it, so that no work is lost to a close the user did not choose. At OK the window
// also checks that the gun macros bound to buttons still fit the mouse as Apply would send them,
// and says so when one would be cut short.
class CDlgMacroGunMan final : public GunStepDialog {
    Q_OBJECT

  public:
    // The command of the event list's right-button menu.
    static constexpr int kDeleteItem = 32771;

    // `bound` is the settings block whose slot table tells which gun macros are bound to
    // buttons. The keys are recorded from the desktop's key capture for this window.
    CDlgMacroGunMan(const Skin& skin, std::string_view languageCode, std::filesystem::path store,
                    const SettingsBlock& bound, LogSink& log, QWidget* parent = nullptr);
    ~CDlgMacroGunMan() override;

    // Opens the manager modally over `parent`; without its background picture it says so and
    // does not open.
    static void run(const Skin& skin, std::string_view languageCode,
                    const std::filesystem::path& store, const SettingsBlock& bound, LogSink& log,
                    QWidget* parent);

    // Without its background picture the window has no controls.
    bool isSetUp() const { return m_setUp; }

    QListWidget* nameList() const { return m_nameList; }
    QListWidget* eventList() const { return m_eventList; }
    QLineEdit* loopField() const { return m_loopField; }
    CBitmapBtn* recordButton() const { return m_record; }
    CBitmapBtn* insertKeyButton() const { return m_insertKey; }
    CBitmapBtn* insertMouseButton() const { return m_insertMouse; }
    CBitmapBtn* insertDisplacementButton() const { return m_insertDisplacement; }
    CBitmapBtn* insertDelayButton() const { return m_insertDelay; }
    CBitmapBtn* newButton() const { return m_new; }
    CBitmapBtn* deleteButton() const { return m_delete; }
    CBitmapBtn* okButton() const { return m_ok; }
    CBitmapBtn* cancelButton() const { return m_cancel; }
    // The event list's right-button menu while it is open.
    CExMenu* eventMenu() const { return m_menu; }
    // The in-place editor while a name or a delay is being edited.
    CLBEditorWnd* editor() const { return m_editor; }
    // The warning that a bound gun macro no longer fits the mouse, while it is shown.
    QMessageBox* cutShortWarning() const { return m_cutShortWarning; }

    const KeySource& keySource() const { return *m_keys; }
    bool recording() const { return m_recorder.recording(); }
    bool loopOption() const { return m_loopOption; }
    bool recordDelay() const { return m_recorder.recordDelay(); }

    // The menu command on the selected item, as if chosen from the event list's menu.
    void runEventCommand(int command);

  protected:
    void paintOver(QPainter& painter) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString text(GunManagerText id) const;
    void createControls();
    CBitmapBtn* makeButton(const QRect& rect, GunManagerText label, const SkinFile& normal,
                           const SkinFile& over, const SkinFile& down);
    void connectControls();

    bool editable() const;
    MacroRecord selectedRecord() const;
    void loadMacro(int position);
    void onLoopTextChanged();
    void updateControls();
    void updateRecordLabel();
    void eventSelected(int row);

    void onMacroSelected(int row);
    void onRecord();
    void stopRecording();
    void onRecordingEnded();
    void onNew();
    void onDelete();
    void onOk();
    void onCancel();
    bool stepAllowed();
    void insertKey();
    void insertMouseEvent();
    void insertDisplacement();
    void insertDelay();
    void applyEdit(const ItemEdit& edit);
    void toggleLoopOption();
    void toggleRecordDelay();
    void openEventMenu(const QPoint& globalPosition);
    void startRename(int row);
    void onRenameFinished(const std::string& previousName, const QString& typed);
    void onEventItemClicked(int row);
    void onDelayFinished(int row, const QString& text);
    void warnCutShort(const std::string& name);

    void fullSave();
    void saved(const Status& status);

    std::filesystem::path m_store;
    const SettingsBlock& m_bound;
    LogSink& m_log;
    SteadyRecorderClock m_clock;
    std::unique_ptr<KeySource> m_keys;
    MacroRecorder m_recorder;
    std::string m_languageCode;
    MacroListCapture m_opened;  // the gun macros as they were when the window opened
    bool m_setUp = false;

    QListWidget* m_nameList = nullptr;
    QListWidget* m_eventList = nullptr;
    QLineEdit* m_loopField = nullptr;
    CBitmapBtn* m_record = nullptr;
    CBitmapBtn* m_insertKey = nullptr;
    CBitmapBtn* m_insertMouse = nullptr;
    CBitmapBtn* m_insertDisplacement = nullptr;
    CBitmapBtn* m_insertDelay = nullptr;
    CBitmapBtn* m_new = nullptr;
    CBitmapBtn* m_delete = nullptr;
    CBitmapBtn* m_ok = nullptr;
    CBitmapBtn* m_cancel = nullptr;
    QPointer<CExMenu> m_menu;
    QPointer<CLBEditorWnd> m_editor;
    QPointer<QMessageBox> m_cutShortWarning;

    std::unique_ptr<ManagerLists> m_lists;
    bool m_loopOption = false;
    bool m_saveFailing = false;  // the last save failed and the user was told
};

}  // namespace gx508
