// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ui/CLBEditorWnd.h"

#include "core/store/LeadingNumber.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QValidator>

#include <algorithm>
#include <optional>

namespace gx508 {

namespace {

bool isAsciiDigit(QChar character) {
    return character >= QLatin1Char('0') && character <= QLatin1Char('9');
}

// Lets a change of the edit's text through only when what it puts in is digits. An edit
// replaces one run of the text with what was typed, pasted or dropped and leaves the caret after
// it: the new text from the first character that differs from the text before the change, up to
// the caret, must be digits. Removing characters is always allowed.
class DigitInsertions : public QValidator {
  public:
    explicit DigitInsertions(QLineEdit* edit) : QValidator(edit), m_accepted(edit->text()) {
        connect(edit, &QLineEdit::textChanged, this,
                [this](const QString& text) { m_accepted = text; });
    }

    State validate(QString& input, int& position) const override {
        // What stood before the run that the change replaced, as far as the text after the
        // caret shows it.
        const qsizetype after = input.size() - position;
        const QStringView before =
            QStringView(m_accepted).left(std::max<qsizetype>(0, m_accepted.size() - after));
        qsizetype kept = 0;
        while (kept < position && kept < before.size() && input[kept] == before[kept]) {
            ++kept;
        }
        for (qsizetype at = kept; at < position; ++at) {
            if (!isAsciiDigit(input[at])) {
                return Invalid;
            }
        }
        return Acceptable;
    }

  private:
    QString m_accepted;
};

QString committedText(const QListWidget& list, CLBEditorWnd::Mode mode, const QString& typed,
                      const QString& startingText) {
    if (mode == CLBEditorWnd::Mode::Delay) {
        const int milliseconds =
            std::clamp(LeadingNumber(typed.toStdString()).value_or(0), 0, CLBEditorWnd::kMaxDelay);
        return QStringLiteral("%1 ms").arg(milliseconds);
    }
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->text() == typed) {
            return startingText;
        }
    }
    return typed;
}

// Enter and Tab commit, Esc cancels; other keys edit.
std::optional<bool> committingKey(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return true;
        case Qt::Key_Escape:
            return false;
        default:
            return std::nullopt;
    }
}

}  // namespace

CLBEditorWnd* CLBEditorWnd::start(QListWidget* list, int index, Mode mode) {
    if (list == nullptr || index < 0 || index >= list->count()) {
        return nullptr;
    }
    return new CLBEditorWnd(list, index, mode);
}

CLBEditorWnd::CLBEditorWnd(QListWidget* list, int index, Mode mode)
    : QLineEdit(list->viewport()),
      m_list(list),
      m_index(index),
      m_mode(mode),
      m_startingText(list->item(index)->text()) {
    setFrame(true);
    setFont(list->font());
    setContextMenuPolicy(Qt::NoContextMenu);
    setGeometry(list->visualItemRect(list->item(index)).adjusted(-1, -1, 1, 1));
    setText(m_startingText);
    if (mode == Mode::Delay) {
        setValidator(new DigitInsertions(this));
        setInputMethodHints(Qt::ImhDigitsOnly);
    }
    show();
    setFocus(Qt::OtherFocusReason);
    selectAll();
    qApp->installEventFilter(this);
}

// The editor holds the keyboard and the mouse: its own keys are taken before the window's
// shortcuts, default button, focus chain or key filters see them, and a left-button press
// anywhere else ends the edit and goes no further.
bool CLBEditorWnd::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (watched == this) {
                if (const auto commit = committingKey(*static_cast<QKeyEvent*>(event))) {
                    if (event->type() == QEvent::KeyPress) {
                        end(*commit);
                    }
                    event->accept();
                    return true;
                }
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            // Seen first by the window it lands in, before any widget takes the focus for it.
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint at = mapFromGlobal(mouse->globalPosition().toPoint());
            if (mouse->button() == Qt::LeftButton && !rect().contains(at)) {
                end(true);
                return true;
            }
            break;
        }
        default:
            break;
    }
    return QLineEdit::eventFilter(watched, event);
}

void CLBEditorWnd::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    end(true);
}

void CLBEditorWnd::end(bool commit) {
    if (m_finished) {
        return;
    }
    m_finished = true;
    qApp->removeEventFilter(this);
    QString text = m_startingText;
    if (commit && m_list != nullptr) {
        text = committedText(*m_list, m_mode, this->text(), m_startingText);
        if (QListWidgetItem* item = m_list->item(m_index)) {
            item->setText(text);
            m_list->setCurrentItem(item);
        }
    }
    QCoreApplication::removePostedEvents(this);
    if (hasFocus() && m_list != nullptr) {
        m_list->setFocus(Qt::OtherFocusReason);
    }
    hide();
    emit finished(m_index, text, commit);
    deleteLater();
}

}  // namespace gx508
