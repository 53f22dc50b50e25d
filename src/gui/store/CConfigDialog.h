// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

#include "core/i18n/ProfileTexts.h"
#include "core/store/ProfileList.h"
#include "core/store/SharedState.h"
#include "gui/ui/CLBEditorWnd.h"

class QListWidget;
class QListWidgetItem;

namespace gx508 {

class CBitmapBtn;
class CExMenu;
class Skin;

// The profile manager: a panel laid over the main window's left column with the list of
// profiles, New and Delete, a right-button menu (Delete, Edit, Copy, Load, Save) and a close
// button that makes the selected profile the current one. Every change goes through the profile
// operations, which keep each name with its own files and write str.ini at once; the list then
// shows the names as str.ini holds them.
//
// A click on the selected profile (position 2 or later) opens the in-place editor to rename
// it. Load reads an exported settings file and its ini into memory; closing then saves them as
// the selected profile's. Save exports the selected profile as such a pair of files.
class CConfigDialog : public QWidget {
    Q_OBJECT

  public:
    enum class Command { Delete = 1, Edit, Copy, Load, Save };

    // Asks the user for a file with a dialog over `parent`: its caption, the file it starts at
    // and its name filter. Empty when the user cancels.
    using FileRequest = std::function<QString(QWidget* parent, const QString& caption,
                                              const QString& start, const QString& filter)>;

    // The desktop's own open and save dialogs (the save dialog asks before replacing a file).
    static QString askOpenFile(QWidget* parent, const QString& caption, const QString& start,
                               const QString& filter);
    static QString askSaveFile(QWidget* parent, const QString& caption, const QString& start,
                               const QString& filter);

    // Shown at the parent's origin, sized to the background.
    CConfigDialog(SharedState& state, const Skin& skin, QWidget* parent,
                  FileRequest openFile = askOpenFile, FileRequest saveFile = askSaveFile);
    ~CConfigDialog() override;

    QListWidget* list() const { return m_list; }
    CBitmapBtn* newButton() const { return m_new; }
    CBitmapBtn* deleteButton() const { return m_delete; }
    CBitmapBtn* closeButton() const { return m_close; }
    CExMenu* menu() const { return m_menu; }
    // The in-place editor while a name is being edited.
    CLBEditorWnd* editor() const { return m_editor; }
    QString title() const;

    void newProfile();
    void deleteProfile();
    void copyProfile();
    // Opens the editor on the selected profile (position 2 or later).
    void editProfile();
    void importProfile();
    void exportProfile();
    // Makes the selected profile (the first when none is) the current one and closes.
    void choose();

  signals:
    // The settings in memory were replaced (an import, or the current profile deleted): the
    // window shows them again.
    void settingsReplaced();
    // The manager chose a profile and closed; `loaded` when the settings in memory changed.
    void finished(bool loaded);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createList();
    void createButtons();
    void createMenu();
    // Reads the list from str.ini and selects `position` (the current profile when it holds
    // none).
    void reload(int position);
    int selected() const;
    void onItemClicked(QListWidgetItem* item);
    void onEditorFinished(int position, const QString& text, bool committed);
    void onCommand(int command);
    // The text in the program's language.
    QString text(ProfileText which) const;
    // Tells the user why an operation failed.
    void warn(const QString& message);

    SharedState& m_state;
    const Skin& m_skin;
    FileRequest m_openFile;
    FileRequest m_saveFile;
    QFont m_font;
    ProfileList m_profiles;
    QListWidget* m_list = nullptr;
    CBitmapBtn* m_new = nullptr;
    CBitmapBtn* m_delete = nullptr;
    CBitmapBtn* m_close = nullptr;
    CExMenu* m_menu = nullptr;
    QPointer<CLBEditorWnd> m_editor;
    int m_remembered = -1;  // the profile clicked last: a second click on it renames it
    bool m_importPending = false;
};

}  // namespace gx508
