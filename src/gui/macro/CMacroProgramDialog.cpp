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
#include <QSignalBlocker>

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

std::string Utf8(const QString& text) {
    return text.toStdString();
}

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
    connectControls();

    const MacroStoreSnapshot snapshot = MacroStoreSnapshot::Load(m_store);
    m_names = snapshot.names(MacroKind::Macro);
    m_gunNames = snapshot.names(MacroKind::Gun);
    if (m_names.empty()) {
        updateLoopField();
    } else {
        loadMacro(0);
    }
    showNames();
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
    m_recorder.setListener({[this](const std::string& item) { onItemRecorded(item); },
                            [this] { onRecordingEnded(); }});
}

std::optional<int> CMacroProgramDialog::selectedMacro() const {
    if (m_position < 0 || static_cast<std::size_t>(m_position) >= m_names.size()) {
        return std::nullopt;
    }
    return m_position;
}

MacroRecord CMacroProgramDialog::selectedRecord() const {
    const std::optional<int> position = selectedMacro();
    return {position ? m_names[static_cast<std::size_t>(*position)] : std::string(),
            m_recorder.recordDelay(), Utf8(m_loopField->text()), m_items};
}

void CMacroProgramDialog::showNames() {
    const QSignalBlocker blocker(m_macroList);
    m_macroList->clear();
    for (const std::string& name : m_names) {
        m_macroList->addItem(qText(name));
    }
    m_macroList->setCurrentRow(selectedMacro().value_or(-1));
}

void CMacroProgramDialog::showItems(std::optional<int> selection) {
    m_rememberedDelay = -1;
    const QSignalBlocker blocker(m_eventList);
    const int keep = m_eventList->currentRow();
    m_eventList->clear();
    for (const std::string& item : m_items) {
        m_eventList->addItem(qText(item));
    }
    m_eventList->setCurrentRow(selection.value_or(keep));
}

void CMacroProgramDialog::loadMacro(int position) {
    m_log.Write("OnMacroNameListSelchange\n");
    m_log.Write("OnMacroNameListSelchange m_cursel = " + std::to_string(m_rememberedDelay) +
                ",nIndex = " + std::to_string(position) + "\n");
    m_position = position;
    const LoadedMacro loaded = LoadMacro(m_store, m_names[static_cast<std::size_t>(position)]);
    setLoopText(qText(loaded.loopText));
    m_items = loaded.items;
    showItems(-1);
    if (loaded.recordDelay) {
        m_recorder.setRecordDelay(*loaded.recordDelay);
    }
    m_loopOption = LoopCountOfText(Utf8(m_loopField->text())).value > 1;
    updateLoopField();
    update();
}

void CMacroProgramDialog::setLoopText(const QString& loopText) {
    {
        const QSignalBlocker blocker(m_loopField);
        m_loopField->setText(loopText);
    }
    onLoopTextChanged();
}

void CMacroProgramDialog::onLoopTextChanged() {
    const LoopCount loop = LoopCountOfText(Utf8(m_loopField->text()));
    if (qText(loop.text) != m_loopField->text()) {
        const QSignalBlocker blocker(m_loopField);
        m_loopField->setText(qText(loop.text));
    }
    if (const std::optional<int> position = selectedMacro()) {
        saved(SaveLoopCount(m_store, m_names[static_cast<std::size_t>(*position)], loop.value));
    }
}

void CMacroProgramDialog::updateLoopField() {
    if (!selectedMacro()) {
        const QSignalBlocker blocker(m_loopField);
        m_loopField->clear();
    }
    m_loopField->setEnabled(m_loopOption && selectedMacro().has_value());
}

void CMacroProgramDialog::updateRecordLabel() {
    m_record->setText(text(m_recorder.recording() ? MacroManagerText::StopRecording
                                                  : MacroManagerText::StartRecording));
}

void CMacroProgramDialog::onMacroSelected(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= m_names.size()) {
        return;
    }
    if (const std::optional<MacroRecord> log = m_recorder.Stop()) {
        updateLoopField();
        updateRecordLabel();
        saved(EditEndSave(m_store, MacroKind::Macro, m_names, *log));
    }
    loadMacro(row);
}

void CMacroProgramDialog::onRecord() {
    if (m_recorder.recording()) {
        stopRecording();
        return;
    }
    if (!selectedMacro()) {
        return;
    }
    m_items.clear();
    showItems(-1);
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

void CMacroProgramDialog::onItemRecorded(const std::string& item) {
    m_items.push_back(item);
    const QSignalBlocker blocker(m_eventList);
    m_eventList->addItem(qText(item));
    m_eventList->setCurrentRow(m_eventList->count() - 1);
}

void CMacroProgramDialog::onNew() {
    stopRecording();
    fullSave();
    const std::optional<std::string> name =
        NewMacroName(m_names, m_gunNames, MacroTextOf(MacroText::NewMacroWord, m_language));
    if (!name) {
        showMessage(qText(MacroTextOf(MacroText::MacroLimitMessage, m_language)),
                    qText(MacroTextOf(MacroText::MacroLimitCaption, m_language)));
        return;
    }
    m_names.push_back(*name);
    m_position = static_cast<int>(m_names.size()) - 1;
    showNames();
    m_items.clear();
    showItems(-1);
    m_loopOption = false;
    setLoopText(QStringLiteral("1"));
    updateLoopField();
    update();
}

void CMacroProgramDialog::onDelete() {
    stopRecording();
    const std::optional<int> position = selectedMacro();
    if (!position) {
        return;
    }
    const MacroDeletion deletion = DeleteListedMacro(m_store, MacroKind::Macro, m_names, *position);
    if (!deletion.deleted) {
        return;
    }
    saved(deletion.status);
    m_items.clear();
    showItems(-1);
    m_position = deletion.selection;
    showNames();
    if (m_position >= 0) {
        loadMacro(m_position);
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
            edit = DeleteMacroItem(m_items, selected);
            break;
        case kInsertLeftButton:
            edit = InsertButtonPair(m_items, selected, "L-Button");
            break;
        case kInsertMiddleButton:
            edit = InsertButtonPair(m_items, selected, "M-Button");
            break;
        case kInsertRightButton:
            edit = InsertButtonPair(m_items, selected, "R-Button");
            break;
        case kInsertDelay:
            edit = InsertMacroDelay(m_items, selected);
            break;
        default:
            return;
    }
    if (edit.changed) {
        showItems(edit.selection);
    }
    if (edit.save) {
        fullSave();
    }
}

void CMacroProgramDialog::startRename(int row) {
    if (m_editor || row != m_position || !selectedMacro()) {
        return;
    }
    // A recording would later be saved under the name it started with.
    stopRecording();
    m_editor = CLBEditorWnd::start(m_macroList, row, CLBEditorWnd::Mode::Name);
    const std::string previousName = m_names[static_cast<std::size_t>(row)];
    connect(m_editor, &CLBEditorWnd::finished, this,
            [this, previousName](int, const QString& typed, bool) {
                onRenameFinished(previousName, typed);
            });
}

void CMacroProgramDialog::onRenameFinished(const std::string& previousName, const QString& typed) {
    const std::optional<int> position = selectedMacro();
    m_log.Write("finish listbox editing,WM_LEBEDIT_END:pMsg->wParam=1,pMsg->lParam=" +
                std::to_string(m_position) + "\n");
    if (!position) {
        return;
    }
    const auto index = static_cast<std::size_t>(*position);
    const NameEdit edit = NameAfterEdit(m_names, *position, Utf8(typed), m_gunNames);
    m_names[index] = edit.name;
    m_macroList->item(*position)->setText(qText(edit.name));
    editEndSave();
    // The old section goes only once the new one is written, and only when no other macro of
    // either kind still uses it.
    if (LeavesOldSection(previousName, edit.name, m_names, m_gunNames)) {
        saved(DeleteMacroSection(m_store, previousName));
    }
}

void CMacroProgramDialog::onEventItemClicked(int row) {
    if (m_editor || row < 0 || static_cast<std::size_t>(row) >= m_items.size() ||
        !ItemContains(m_items[static_cast<std::size_t>(row)], " ms")) {
        return;
    }
    if (row != m_rememberedDelay) {
        m_rememberedDelay = row;
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
    if (row >= 0 && static_cast<std::size_t>(row) < m_items.size()) {
        m_items[static_cast<std::size_t>(row)] = Utf8(text);
    }
    editEndSave();
}

void CMacroProgramDialog::editEndSave() {
    if (selectedMacro()) {
        saved(EditEndSave(m_store, MacroKind::Macro, m_names, selectedRecord()));
    }
}

void CMacroProgramDialog::fullSave() {
    m_log.Write("OnWriteMacroToIni m_cursel=" + std::to_string(m_rememberedDelay) +
                ",m_cursel1=" + std::to_string(m_position) + "\n");
    if (selectedMacro()) {
        saved(FullSave(m_store, MacroKind::Macro, m_names, selectedRecord()));
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
