// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QFont>
#include <QPoint>
#include <QPointer>
#include <QString>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/LogSink.h"
#include "core/assign/KeySource.h"
#include "core/i18n/Language.h"
#include "core/i18n/MacroManagerTexts.h"
#include "core/macro/MacroRecorder.h"
#include "core/macro/RecorderClock.h"
#include "gui/macro/ManagerLists.h"
#include "gui/ui/CExMenu.h"
#include "gui/ui/CLBEditorWnd.h"

class QLineEdit;
class QListWidget;

namespace gx508 {

class CBitmapBtn;
class Skin;
struct SkinFile;

// The macro manager: the list of macro names, the selected macro's events, its loop and
// record-delay options and the record button. Every edit goes to the macro file as it is
// made; OK saves once more and closes, Cancel and the close button just close.
//
// A save that fails (the file is there but cannot be read, or cannot be written) changes
// nothing on disk: the window warns once and keeps the edits in its lists, and OK stays open.
class CMacroProgramDialog : public QDialog {
    Q_OBJECT

  public:
    // The commands of the event list's right-button menu.
    enum Command {
        kDeleteItem = 32771,
        kInsertLeftButton = 32772,
        kInsertMiddleButton = 32773,
        kInsertRightButton = 32774,
        kInsertDelay = 32786,
    };

    // The keys are recorded from the desktop's key capture for this window.
    CMacroProgramDialog(const Skin& skin, std::string_view languageCode,
                        std::filesystem::path store, LogSink& log, QWidget* parent = nullptr);
    ~CMacroProgramDialog() override;

    // Opens the manager modally over `parent`; without its background picture it says so and
    // does not open.
    static void run(const Skin& skin, std::string_view languageCode,
                    const std::filesystem::path& store, LogSink& log, QWidget* parent);

    // False when the background picture could not be loaded: the window has no controls.
    bool isSetUp() const { return m_setUp; }

    QListWidget* macroList() const { return m_macroList; }
    QListWidget* eventList() const { return m_eventList; }
    QLineEdit* loopField() const { return m_loopField; }
    CBitmapBtn* recordButton() const { return m_record; }
    CBitmapBtn* newButton() const { return m_new; }
    CBitmapBtn* deleteButton() const { return m_delete; }
    CBitmapBtn* okButton() const { return m_ok; }
    CBitmapBtn* cancelButton() const { return m_cancel; }
    CBitmapBtn* closeButton() const { return m_close; }
    // The event list's right-button menu while it is open.
    CExMenu* eventMenu() const { return m_menu; }
    // The in-place editor while a name or a delay is being edited.
    CLBEditorWnd* editor() const { return m_editor; }

    const KeySource& keySource() const { return *m_keys; }
    bool recording() const { return m_recorder.recording(); }
    bool loopOption() const { return m_loopOption; }
    bool recordDelay() const { return m_recorder.recordDelay(); }

    // A command of the event list's menu on the selected item, as if chosen from the menu.
    void runEventCommand(int command);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString text(MacroManagerText id) const;
    void createControls();
    CBitmapBtn* makeButton(const QRect& rect, MacroManagerText label, const SkinFile& normal,
                           const SkinFile& over);
    void connectControls();

    MacroRecord selectedRecord() const;
    void loadMacro(int position);
    void onLoopTextChanged();
    void updateLoopField();
    void updateRecordLabel();

    void onMacroSelected(int row);
    void onRecord();
    bool stopRecording();
    void onRecordingEnded();
    void onNew();
    void onDelete();
    void onOk();
    void onCancel();
    void toggleLoopOption();
    void toggleRecordDelay();
    void openEventMenu(const QPoint& globalPosition);
    void startRename(int row);
    void onRenameFinished(const std::string& previousName, const QString& typed);
    void onEventItemClicked(int row);
    void onDelayFinished(int row, const QString& text);
    void editEndSave();

    void fullSave();
    void saved(const Status& status);
    void showMessage(const QString& message, const QString& caption);

    const Skin& m_skin;
    Language m_language;
    std::filesystem::path m_store;
    LogSink& m_log;
    SteadyRecorderClock m_clock;
    std::unique_ptr<KeySource> m_keys;
    MacroRecorder m_recorder;
    QString m_fontFace;
    QFont m_font;
    bool m_setUp = false;

    QListWidget* m_macroList = nullptr;
    QListWidget* m_eventList = nullptr;
    QLineEdit* m_loopField = nullptr;
    CBitmapBtn* m_record = nullptr;
    CBitmapBtn* m_new = nullptr;
    CBitmapBtn* m_delete = nullptr;
    CBitmapBtn* m_ok = nullptr;
    CBitmapBtn* m_cancel = nullptr;
    CBitmapBtn* m_close = nullptr;
    QPointer<CExMenu> m_menu;
    QPointer<CLBEditorWnd> m_editor;

    std::unique_ptr<ManagerLists> m_lists;
    bool m_loopOption = false;
    bool m_saveFailing = false;  // the last save failed and the user was told
    std::optional<QPoint> m_dragOffset;
};

}  // namespace gx508
