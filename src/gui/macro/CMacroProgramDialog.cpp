// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/macro/CMacroProgramDialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>

#include <cerrno>
#include <utility>

#include "core/i18n/FontRule.h"
#include "core/i18n/MacroTexts.h"
#include "core/macro/MacroItem.h"
#include "core/macro/MacroItemEditing.h"
#include "core/macro/MacroNames.h"
#include "core/macro/MacroStore.h"
#include "gui/assign/DesktopKeySource.h"
#include "gui/macro/MacroManagerLayout.h"
#include "gui/macro/ManagerControls.h"
#include "gui/ui/CBitmapBtn.h"
#include "gui/ui/CExMenu.h"
#include "gui/ui/CLBEditorWnd.h"
#include "gui/ui/CSkinScrollWnd.h"
#include "gui/ui/FontMap.h"
#include "gui/ui/QtText.h"
#include "gui/ui/Skin.h"
#include "gui/ui/SkinFiles.h"

namespace gx508 {

namespace lm = layout::macro;

namespace {

constexpr const char* kLoadFailedCaption = "Macro Manager Dialog Load background image failed!!!";

}  // namespace

CMacroProgramDialog::CMacroProgramDialog(const Skin& skin, std::string_view languageCode,
                                         std::filesystem::path store, LogSink& log, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_skin(skin),
      m_language(LanguageOf(languageCode)),
      m_store(std::move(store)),
      m_log(log),
      m_keys(makeDesktopKeySource(*this)),
      m_recorder(*m_keys, m_clock, kMacroRecorderKind, log) {
    setModal(true);
    const QImage background = skin.image(kMacroManagerFile);
    if (background.isNull()) {
        return;
    }
    m_setUp = true;
    setFixedSize(background.size());
    setWindowTitle(text(MacroManagerText::Title));
    m_fontFace = qText(FontFace(languageCode));
    m_font = mappedFont(m_fontFace, lm::kFontHeight);
    setFont(m_font);
    createControls();
    m_lists = std::make_unique<ManagerLists>(*m_macroList, *m_eventList, *m_loopField);
    connectControls();

    const MacroStoreSnapshot snapshot = MacroStoreSnapshot::Load(m_store);
    m_lists->names = snapshot.names(MacroKind::Macro);
    m_lists->otherNames = snapshot.names(MacroKind::Gun);
    if (m_lists->names.empty()) {
        updateLoopField();
    } else {
        loadMacro(0);
    }
    m_lists->showNames();
}

CMacroProgramDialog::~CMacroProgramDialog() {
    // Hiding the window ends an open edit, and this window's lists are gone by then.
    if (m_editor) {
        disconnect(m_editor, nullptr, this, nullptr);
    }
}

void CMacroProgramDialog::run(const Skin& skin, std::string_view languageCode,
                              const std::filesystem::path& store, LogSink& log, QWidget* parent) {
    CMacroProgramDialog dialog(skin, languageCode, store, log, parent);
    if (!dialog.isSetUp()) {
        QMessageBox::information(parent, QString::fromUtf8(kLoadFailedCaption),
                                 QStringLiteral("error"));
        return;
    }
    dialog.exec();
}

QString CMacroProgramDialog::text(MacroManagerText id) const {
    return qText(MacroManagerTextOf(id, m_language));
}

CBitmapBtn* CMacroProgramDialog::makeButton(const QRect& rect, MacroManagerText label,
                                            const SkinFile& normal, const SkinFile& over) {
    auto* button = new CBitmapBtn(text(label), rect, this);
    const QPixmap normalLook = m_skin.loadBitmap(normal);
    const QPixmap overLook = m_skin.loadBitmap(over);
    button->setImages(QRect(QPoint(0, 0), rect.size()), normalLook, overLook, overLook, normalLook);
    button->setTextAlignment(ButtonTextAlignment::Centre);
    button->setFontHeight(lm::kFontHeight);
    button->setFontFace(m_fontFace);
    button->setFocusPolicy(Qt::NoFocus);
    for (const auto setColor : {&CBitmapBtn::setNormalTextColor, &CBitmapBtn::setHoverTextColor,
                                &CBitmapBtn::setPressedTextColor}) {
        (button->*setColor)(lm::kText);
    }
    return button;
}

void CMacroProgramDialog::createControls() {
    m_macroList =
        MakeManagerList(this, lm::kMacroList, m_font, false, lm::kText, lm::kListBackground);
    m_eventList =
        MakeManagerList(this, lm::kEventList, m_font, true, lm::kText, lm::kListBackground);
    const QPixmap cells = m_skin.loadBitmap(kScrollBarCellsFile);
    CSkinScrollWnd::skinWindowScroll(m_macroList, cells);
    CSkinScrollWnd::skinWindowScroll(m_eventList, cells);
    m_eventList->viewport()->installEventFilter(this);

    m_loopField = new QLineEdit(this);
    m_loopField->setGeometry(lm::kLoopField);
    m_loopField->setFrame(false);
    m_loopField->setAlignment(Qt::AlignCenter);
    m_loopField->setFont(m_font);
    m_loopField->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    QPalette palette = m_loopField->palette();
    palette.setColor(QPalette::Base, lm::kFieldBackground);
    palette.setColor(QPalette::Text, lm::kText);
    m_loopField->setPalette(palette);

    m_record = makeButton(lm::kRecordButton, MacroManagerText::StartRecording,
                          kMacroRecordNormalFile, kMacroRecordOverFile);
    const bool latin = m_language == Language::En || m_language == Language::De;
    m_record->setFontFace(latin ? QStringLiteral("Arial") : m_fontFace);
    m_record->setFontHeight(latin ? lm::kRecordLatinFontHeight : lm::kFontHeight);
    m_new =
        makeButton(lm::kNewButton, MacroManagerText::New, kMacroNewNormalFile, kMacroNewOverFile);
    m_delete = makeButton(lm::kDeleteButton, MacroManagerText::Delete, kMacroNewNormalFile,
                          kMacroNewOverFile);
    m_ok = makeButton(lm::kOkButton, MacroManagerText::Ok, kDialogButtonNormalFile,
                      kDialogButtonOverFile);
    m_cancel = makeButton(lm::kCancelButton, MacroManagerText::Cancel, kDialogButtonNormalFile,
                          kDialogButtonOverFile);
    m_close = new CBitmapBtn(QString(), lm::kCloseButton, this);
    m_close->setImages(
        QRect(QPoint(0, 0), lm::kCloseButton.size()), m_skin.loadBitmap(kMacroCloseNormalFile),
        m_skin.loadBitmap(kMacroCloseOverFile), m_skin.loadBitmap(kMacroCloseOverFile),
        m_skin.loadBitmap(kMacroCloseNormalFile));
    m_close->setFocusPolicy(Qt::NoFocus);
}

void CMacroProgramDialog::connectControls() {
    connect(m_macroList, &QListWidget::currentRowChanged, this,
            &CMacroProgramDialog::onMacroSelected);
    connect(m_macroList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { startRename(m_macroList->row(item)); });
    connect(m_eventList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { onEventItemClicked(m_eventList->row(item)); });
    connect(m_eventList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { onEventItemClicked(m_eventList->row(item)); });
    connect(m_loopField, &QLineEdit::textChanged, this, &CMacroProgramDialog::onLoopTextChanged);
    connect(m_record, &CBitmapBtn::clicked, this, &CMacroProgramDialog::onRecord);
    connect(m_new, &CBitmapBtn::clicked, this, &CMacroProgramDialog::onNew);
    connect(m_delete, &CBitmapBtn::clicked, this, &CMacroProgramDialog::onDelete);
    connect(m_ok, &CBitmapBtn::clicked, this, &CMacroProgramDialog::onOk);
    connect(m_cancel, &CBitmapBtn::clicked, this, &CMacroProgramDialog::onCancel);
    connect(m_close, &CBitmapBtn::clicked, this, &CMacroProgramDialog::onCancel);
    m_recorder.setListener({[this](const std::string& item) { m_lists->appendItem(item); },
                            [this] { onRecordingEnded(); }});
}

MacroRecord CMacroProgramDialog::selectedRecord() const {
    return m_lists->record(m_recorder.recordDelay());
}

void CMacroProgramDialog::loadMacro(int position) {
    m_log.Write("OnMacroNameListSelchange\n");
    m_log.Write(
        "OnMacroNameListSelchange m_cursel = " + std::to_string(m_lists->rememberedDelay()) +
        ",nIndex = " + std::to_string(position) + "\n");
    m_lists->position = position;
    const LoadedMacro loaded =
        LoadMacro(m_store, m_lists->names[static_cast<std::size_t>(position)]);
    m_lists->setLoopText(qText(loaded.loopText));
    onLoopTextChanged();
    m_lists->items = loaded.items;
    m_lists->showItems(-1);
    if (loaded.recordDelay) {
        m_recorder.setRecordDelay(*loaded.recordDelay);
    }
    m_loopOption = LoopCountOfText(m_loopField->text().toStdString()).value > 1;
    updateLoopField();
    update();
}

void CMacroProgramDialog::onLoopTextChanged() {
    const long count = m_lists->correctLoopField();
    if (m_lists->selected()) {
        saved(SaveLoopCount(m_store, selectedRecord().name, count));
    }
}

void CMacroProgramDialog::updateLoopField() {
    if (!m_lists->selected()) {
        m_lists->setLoopText(QString());
    }
    m_loopField->setEnabled(m_loopOption && m_lists->selected().has_value());
}

void CMacroProgramDialog::updateRecordLabel() {
    m_record->setText(text(m_recorder.recording() ? MacroManagerText::StopRecording
                                                  : MacroManagerText::StartRecording));
}

void CMacroProgramDialog::onMacroSelected(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= m_lists->names.size()) {
        return;
    }
    if (const std::optional<MacroRecord> log = m_recorder.Stop()) {
        updateLoopField();
        updateRecordLabel();
        saved(EditEndSave(m_store, MacroKind::Macro, m_lists->names, *log));
    }
    loadMacro(row);
}

void CMacroProgramDialog::onRecord() {
    if (m_recorder.recording()) {
        stopRecording();
        return;
    }
    if (!m_lists->selected()) {
        return;
    }
    m_lists->items.clear();
    m_lists->showItems(-1);
    const Status started = m_recorder.Start(selectedRecord());
    updateLoopField();
    if (!started) {
        showMessage(qText(started.message()), QString());
        return;
    }
    updateRecordLabel();
}

bool CMacroProgramDialog::stopRecording() {
    if (!m_recorder.Stop()) {
        return false;
    }
    onRecordingEnded();
    return true;
}

void CMacroProgramDialog::onRecordingEnded() {
    updateLoopField();
    fullSave();
    updateRecordLabel();
}

void CMacroProgramDialog::onNew() {
    stopRecording();
    fullSave();
    const std::optional<std::string> name = NewMacroName(
        m_lists->names, m_lists->otherNames, MacroTextOf(MacroText::NewMacroWord, m_language));
    if (!name) {
        showMessage(qText(MacroTextOf(MacroText::MacroLimitMessage, m_language)),
                    qText(MacroTextOf(MacroText::MacroLimitCaption, m_language)));
        return;
    }
    m_lists->names.push_back(*name);
    m_lists->position = static_cast<int>(m_lists->names.size()) - 1;
    m_lists->showNames();
    m_lists->items.clear();
    m_lists->showItems(-1);
    m_loopOption = false;
    m_lists->setLoopText(QStringLiteral("1"));
    onLoopTextChanged();
    updateLoopField();
    update();
}

void CMacroProgramDialog::onDelete() {
    stopRecording();
    const std::optional<int> position = m_lists->selected();
    if (!position) {
        return;
    }
    const MacroDeletion deletion =
        DeleteListedMacro(m_store, MacroKind::Macro, m_lists->names, *position);
    if (!deletion.deleted) {
        return;
    }
    saved(deletion.status);
    m_lists->items.clear();
    m_lists->showItems(-1);
    m_lists->position = deletion.selection;
    m_lists->showNames();
    if (m_lists->position >= 0) {
        loadMacro(m_lists->position);
    } else {
        m_loopOption = false;
        updateLoopField();
        update();
    }
}

void CMacroProgramDialog::onOk() {
    stopRecording();
    m_saveFailing = false;
    fullSave();
    if (!m_saveFailing) {
        accept();
    }
}

void CMacroProgramDialog::onCancel() {
    stopRecording();
    reject();
}

void CMacroProgramDialog::toggleLoopOption() {
    stopRecording();
    m_loopOption = !m_loopOption;
    updateLoopField();
    update(lm::kLoopBox);
}

void CMacroProgramDialog::toggleRecordDelay() {
    m_recorder.setRecordDelay(!m_recorder.recordDelay());
    update(lm::kRecordDelayBox);
}

void CMacroProgramDialog::openEventMenu(const QPoint& globalPosition) {
    CExMenu menu(m_font, this);
    menu.setItemWidth(lm::kMenuWidth);
    menu.appendItem(kDeleteItem, text(MacroManagerText::Delete));
    menu.appendItem(kInsertLeftButton, text(MacroManagerText::InsertLeftButton));
    menu.appendItem(kInsertMiddleButton, text(MacroManagerText::InsertMiddleButton));
    menu.appendItem(kInsertRightButton, text(MacroManagerText::InsertRightButton));
    menu.appendItem(kInsertDelay, text(MacroManagerText::InsertDelay));
    m_menu = &menu;
    const std::optional<int> command = menu.trackPopup(globalPosition);
    if (command) {
        runEventCommand(*command);
    }
}

void CMacroProgramDialog::runEventCommand(int command) {
    const int selected = m_eventList->currentRow();
    ItemEdit edit;
    switch (command) {
        case kDeleteItem:
            edit = DeleteMacroItem(m_lists->items, selected);
            break;
        case kInsertLeftButton:
            edit = InsertButtonPair(m_lists->items, selected, "L-Button");
            break;
        case kInsertMiddleButton:
            edit = InsertButtonPair(m_lists->items, selected, "M-Button");
            break;
        case kInsertRightButton:
            edit = InsertButtonPair(m_lists->items, selected, "R-Button");
            break;
        case kInsertDelay:
            edit = InsertMacroDelay(m_lists->items, selected);
            break;
        default:
            return;
    }
    if (edit.changed) {
        m_lists->showItems(edit.selection);
    }
    if (edit.save) {
        fullSave();
    }
}

void CMacroProgramDialog::startRename(int row) {
    if (m_editor || row != m_lists->position || !m_lists->selected()) {
        return;
    }
    // A recording would later be saved under the name it started with.
    stopRecording();
    m_editor = m_lists->startNameEdit(row, *this,
                                      [this](const std::string& previous, const QString& typed) {
                                          onRenameFinished(previous, typed);
                                      });
}

void CMacroProgramDialog::onRenameFinished(const std::string& previousName, const QString& typed) {
    m_log.Write("finish listbox editing,WM_LEBEDIT_END:pMsg->wParam=1,pMsg->lParam=" +
                std::to_string(m_lists->position) + "\n");
    const std::optional<NameEdit> edit = m_lists->rename(typed);
    if (!edit) {
        return;
    }
    editEndSave();
    // The old section goes only once the new one is written, and only when no other macro of
    // either kind still uses it.
    if (LeavesOldSection(previousName, edit->name, m_lists->names, m_lists->otherNames)) {
        saved(DeleteMacroSection(m_store, previousName));
    }
}

void CMacroProgramDialog::onEventItemClicked(int row) {
    if (m_editor || !m_lists->secondClickOnDelay(row)) {
        return;
    }
    m_editor = CLBEditorWnd::start(m_eventList, row, CLBEditorWnd::Mode::Delay);
    connect(m_editor, &CLBEditorWnd::finished, this,
            [this](int index, const QString& text, bool) { onDelayFinished(index, text); });
    fullSave();
}

void CMacroProgramDialog::onDelayFinished(int row, const QString& text) {
    m_log.Write("finish listbox editing,WM_LEBEDIT_END:pMsg->wParam=1,pMsg->lParam=" +
                std::to_string(row) + "\n");
    m_lists->setItem(row, text);
    editEndSave();
}

void CMacroProgramDialog::editEndSave() {
    if (m_lists->selected()) {
        saved(EditEndSave(m_store, MacroKind::Macro, m_lists->names, selectedRecord()));
    }
}

void CMacroProgramDialog::fullSave() {
    m_log.Write("OnWriteMacroToIni m_cursel=" + std::to_string(m_lists->rememberedDelay()) +
                ",m_cursel1=" + std::to_string(m_lists->position) + "\n");
    if (m_lists->selected()) {
        saved(FullSave(m_store, MacroKind::Macro, m_lists->names, selectedRecord()));
    }
}

void CMacroProgramDialog::saved(const Status& status) {
    if (status) {
        m_saveFailing = false;
        return;
    }
    m_log.Write("macro store: " + status.message() + "\n");
    // EINVAL refuses a name that cannot be a section of its own (only a hand-made file holds
    // one); the rest of the save went through.
    if (status.code() == EINVAL || m_saveFailing) {
        return;
    }
    m_saveFailing = true;
    showMessage(text(MacroManagerText::CannotSave),
                qText(MacroTextOf(MacroText::MacroLimitCaption, m_language)));
}

void CMacroProgramDialog::showMessage(const QString& message, const QString& caption) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, caption, message, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void CMacroProgramDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_skin.draw(painter, kMacroManagerFile, 0, 0);
    painter.setFont(m_font);
    painter.setPen(lm::kText);
    painter.drawText(lm::kTitle, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     text(MacroManagerText::Title));
    painter.drawText(lm::kMacroListHeading, Qt::AlignCenter,
                     text(MacroManagerText::MacroListHeading));
    painter.drawText(lm::kEventListHeading, Qt::AlignCenter,
                     text(MacroManagerText::EventListHeading));
    painter.drawText(lm::kOptionsHeading, Qt::AlignCenter, text(MacroManagerText::OptionsHeading));
    painter.drawText(lm::kRecordDelayLabel, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     text(MacroManagerText::RecordDelayOption));
    painter.drawText(lm::kLoopLabel, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     text(MacroManagerText::LoopLabel));
    auto tick = [&](const QRect& box, bool on) {
        m_skin.draw(painter, on ? kMacroTickOnFile : kMacroTickOffFile, box.left(), box.top());
    };
    tick(lm::kRecordDelayBox, m_recorder.recordDelay());
    tick(lm::kLoopBox, m_loopOption);
}

void CMacroProgramDialog::mousePressEvent(QMouseEvent* event) {
    if (!m_setUp || event->button() != Qt::LeftButton) {
        QDialog::mousePressEvent(event);
        return;
    }
    m_log.Write("OnLButtonDown\n");
    const QPoint at = event->position().toPoint();
    if (lm::kRecordDelayBox.contains(at)) {
        toggleRecordDelay();
    } else if (lm::kLoopBox.contains(at)) {
        toggleLoopOption();
    }
    m_dragOffset = event->globalPosition().toPoint() - pos();
    event->accept();
}

void CMacroProgramDialog::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragOffset && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - *m_dragOffset);
    }
    event->accept();
}

void CMacroProgramDialog::mouseReleaseEvent(QMouseEvent* event) {
    m_dragOffset.reset();
    event->accept();
}

void CMacroProgramDialog::keyPressEvent(QKeyEvent* event) {
    if (IsSwallowedManagerKey(event->key())) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CMacroProgramDialog::closeEvent(QCloseEvent* event) {
    stopRecording();
    QDialog::closeEvent(event);
}

bool CMacroProgramDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_eventList->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            if (m_eventList->currentRow() >= 0) {
                stopRecording();
                openEventMenu(mouse->globalPosition().toPoint());
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace gx508
