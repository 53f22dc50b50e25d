// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QString>

class QListWidget;

namespace gx508 {

// The edit field laid over one item of a list so that its text can be typed in place. It ends
// once, in one of two ways:
//   commit  Enter, Tab, a left-button press anywhere outside the field (the press is used up,
//           as a mouse capture would), or the field losing the keyboard focus;
//   cancel  Esc.
// A commit puts the new text in the item and selects it; a cancel leaves the item as it was.
// Either way finished() follows, so that the owner saves, and the field deletes itself.
class CLBEditorWnd : public QLineEdit {
    Q_OBJECT

  public:
    enum class Mode {
        Name,   // a name: one that another item of the list already has gives the old text back
        Delay,  // a delay: only digits can be typed; the item becomes "<n> ms", n at most kMaxDelay
    };

    static constexpr int kMaxDelay = 65535;

    // Opens the editor over item `index` of `list`, showing the item's text all selected, with
    // the keyboard focus; nothing when the index is outside the list.
    static CLBEditorWnd* start(QListWidget* list, int index, Mode mode);

    int itemIndex() const { return m_index; }
    Mode mode() const { return m_mode; }

  signals:
    // The edit ended; `text` is what the item holds now.
    void finished(int itemIndex, const QString& text, bool committed);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    CLBEditorWnd(QListWidget* list, int index, Mode mode);

    void end(bool commit);

    QPointer<QListWidget> m_list;
    int m_index = 0;
    Mode m_mode = Mode::Name;
    QString m_startingText;
    bool m_finished = false;
};

}  // namespace gx508
