// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/gun/CDlgMacroGunMan.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

#include <cerrno>
#include <utility>

#include "core/device/MacroImage.h"
#include "core/gun/BuiltInGunMacros.h"
#include "core/gun/GunItemEditing.h"
#include "core/macro/MacroItem.h"
#include "core/macro/MacroNames.h"
#include "gui/assign/DesktopKeySource.h"
#include "gui/gun/CDlgMacroGunInsertKB.h"
#include "gui/gun/CDlgMacroGunInsertMouseEvent.h"
#include "gui/gun/CDlgMacroGunMInsertCoor.h"
#include "gui/gun/GunManagerLayout.h"
#include "gui/macro/ManagerControls.h"
#include "gui/ui/CBitmapBtn.h"
#include "gui/ui/CSkinScrollWnd.h"
#include "gui/ui/QtText.h"
#include "gui/ui/Skin.h"
#include "gui/ui/SkinFiles.h"

namespace gx508 {

namespace lg = layout::gun;

CDlgMacroGunMan::CDlgMacroGunMan(const Skin& skin, std::string_view languageCode,
                                 std::filesystem::path store, const SettingsBlock& bound,
                                 LogSink& log, QWidget* parent)
    : GunStepDialog(skin, kGunManagerFile, languageCode, parent),
      m_store(std::move(store)),
      m_bound(bound),
      m_log(log),
      m_keys(makeDesktopKeySource(*this)),
      m_recorder(*m_keys, m_clock, kGunRecorderKind, log),
      m_languageCode(languageCode) {
    setObjectName(QStringLiteral("gunManager"));
    if (skin.image(kGunManagerFile).isNull()) {
        return;
    }
    m_setUp = true;
    setWindowTitle(text(GunManagerText::Title));
    createControls();
    m_lists = std::make_unique<ManagerLists>(*m_nameList, *m_eventList, *m_loopField);
    connectControls();

    m_opened = CaptureMacroList(m_store, MacroKind::Gun);
    const MacroStoreSnapshot snapshot = MacroStoreSnapshot::Load(m_store);
    m_lists->names = snapshot.names(MacroKind::Gun);
    m_lists->otherNames = snapshot.names(MacroKind::Macro);
    if (!m_lists->names.empty()) {
        loadMacro(0);
    }
    m_lists->showNames();
    updateControls();
}

CDlgMacroGunMan::~CDlgMacroGunMan() {
    // Hiding the window ends an open edit, and this window's lists are gone by then.
    if (m_editor) {
        disconnect(m_editor, nullptr, this, nullptr);
    }
}

void CDlgMacroGunMan::run(const Skin& skin, std::string_view languageCode,
                          const std::filesystem::path& store, const SettingsBlock& bound,
                          LogSink& log, QWidget* parent) {
    CDlgMacroGunMan dialog(skin, languageCode, store, bound, log, parent);
    if (!dialog.refuseWithoutBackground()) {
        dialog.exec();
    }
}

QString CDlgMacroGunMan::text(GunManagerText id) const {
    return qText(GunManagerTextOf(id, m_language));
}

CBitmapBtn* CDlgMacroGunMan::makeButton(const QRect& rect, GunManagerText label,
                                        const SkinFile& normal, const SkinFile& over,
                                        const SkinFile& down) {
    CBitmapBtn* button = addButton(rect, GunManagerTextOf(label, m_language), normal, over);
    const QPixmap normalLook = m_skin.loadBitmap(normal);
    button->setImages(QRect(QPoint(0, 0), rect.size()), normalLook, m_skin.loadBitmap(over),
                      m_skin.loadBitmap(down), normalLook);
    button->setFocusPolicy(Qt::NoFocus);
    for (const auto setColor : {&CBitmapBtn::setNormalTextColor, &CBitmapBtn::setHoverTextColor,
                                &CBitmapBtn::setPressedTextColor}) {
        (button->*setColor)(lg::kText);
    }
    button->setDisabledTextColor(lg::kDisabledText);
    return button;
}

void CDlgMacroGunMan::createControls() {
    m_nameList =
        MakeManagerList(this, lg::kNameList, m_font, false, lg::kText, lg::kListBackground);
    m_eventList =
        MakeManagerList(this, lg::kEventList, m_font, true, lg::kText, lg::kListBackground);
    const QPixmap cells = m_skin.loadBitmap(kScrollBarCellsFile);
    CSkinScrollWnd::skinWindowScroll(m_nameList, cells);
    CSkinScrollWnd::skinWindowScroll(m_eventList, cells);
    m_eventList->viewport()->installEventFilter(this);

    m_loopField = new QLineEdit(QStringLiteral("1"), this);
    m_loopField->setGeometry(lg::kLoopField);
    m_loopField->setFrame(false);
    m_loopField->setAlignment(Qt::AlignCenter);
    m_loopField->setFont(m_font);
    m_loopField->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    QPalette palette = m_loopField->palette();
    palette.setColor(QPalette::Base, lg::kFieldBackground);
    palette.setColor(QPalette::Text, lg::kText);
    m_loopField->setPalette(palette);

    const auto command = [this](const QRect& rect, GunManagerText label) {
        return makeButton(rect, label, kGunRecordNormalFile, kGunRecordOverFile,
                          kGunRecordDownFile);
    };
    m_record = command(lg::kRecordButton, GunManagerText::StartRecording);
    m_insertKey = command(lg::kInsertKeyButton, GunManagerText::InsertKeyboard);
    m_insertMouse = command(lg::kInsertMouseButton, GunManagerText::InsertMouse);
    m_insertDisplacement =
        command(lg::kInsertDisplacementButton, GunManagerText::InsertDisplacement);
    m_insertDelay = command(lg::kInsertDelayButton, GunManagerText::InsertDelay);
    // A label too long for one line in the dialog's font takes two lines of a smaller one.
    for (CBitmapBtn* button : {m_insertKey, m_insertMouse, m_insertDisplacement}) {
        const int room =
            button->width() - CBitmapBtn::kTextLeftMargin - CBitmapBtn::kTextRightMargin;
        if (QFontMetrics(m_font).horizontalAdvance(button->text()) > room) {
            button->setFontHeight(lg::kTwoLineFontHeight);
            button->setMultiLine(true);
        }
    }
    const auto small = [this](const QRect& rect, GunManagerText label) {
        return makeButton(rect, label, kGunButtonNormalFile, kGunButtonDownFile,
                          kGunButtonDownFile);
    };
    m_new = small(lg::kNewButton, GunManagerText::New);
    m_delete = small(lg::kDeleteButton, GunManagerText::Delete);
    m_ok = small(lg::kOkButton, GunManagerText::Ok);
    m_cancel = small(lg::kCancelButton, GunManagerText::Cancel);
}

void CDlgMacroGunMan::connectControls() {
    connect(m_nameList, &QListWidget::currentRowChanged, this, &CDlgMacroGunMan::onMacroSelected);
    connect(m_nameList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { startRename(m_nameList->row(item)); });
    connect(m_eventList, &QListWidget::currentRowChanged, this, &CDlgMacroGunMan::eventSelected);
    connect(m_eventList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { onEventItemClicked(m_eventList->row(item)); });
    connect(m_eventList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { onEventItemClicked(m_eventList->row(item)); });
    connect(m_loopField, &QLineEdit::textChanged, this, &CDlgMacroGunMan::onLoopTextChanged);
    connect(m_record, &CBitmapBtn::clicked, this, &CDlgMacroGunMan::onRecord);
    connect(m_insertKey, &CBitmapBtn::clicked, this, &CDlgMacroGunMan::insertKey);
    connect(m_insertMouse, &CBitmapBtn::clicked, this, &CDlgMacroGunMan::insertMouseEvent);
    connect(m_insertDisplacement, &CBitmapBtn::clicked, this, &CDlgMacroGunMan::insertDisplacement);
    connect(m_insertDelay, &CBitmapBtn::clicked, this, &CDlgMacroGunMan::insertDelay);
    connect(m_new, &CBitmapBtn::clicked, this, &CDlgMacroGunMan::onNew);
    connect(m_delete, &CBitmapBtn::clicked, this, &CDlgMacroGunMan::onDelete);
    connect(m_ok, &CBitmapBtn::clicked, this, &CDlgMacroGunMan::onOk);
    connect(m_cancel, &CBitmapBtn::clicked, this, &CDlgMacroGunMan::onCancel);
    m_recorder.setListener({[this](const std::string& item) { m_lists->appendItem(item); },
                            [this] { onRecordingEnded(); }});
}

bool CDlgMacroGunMan::editable() const {
    return m_lists->selected().has_value() && !IsBuiltInGunMacro(m_lists->position);
}

MacroRecord CDlgMacroGunMan::selectedRecord() const {
    return m_lists->record(m_recorder.recordDelay());
}

void CDlgMacroGunMan::loadMacro(int position) {
    m_log.Write("OnGunMacroNameListSelchange nIndex = " + std::to_string(position) + "\n");
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
    const bool pastFirst = m_eventList->currentRow() >= 1;
    m_insertDisplacement->setEnabled(pastFirst || m_lists->items.empty());
    m_insertDelay->setEnabled(pastFirst);
    updateControls();
}

void CDlgMacroGunMan::onLoopTextChanged() {
    const long count = m_lists->correctLoopField();
    if (editable()) {
        saved(SaveLoopCount(m_store, selectedRecord().name, count));
    }
}

// The built-in gun macros are shown as they are: every control that would change their events
// or options is off while one is selected.
void CDlgMacroGunMan::updateControls() {
    const bool canEdit = editable();
    for (CBitmapBtn* button : {m_delete, m_record, m_insertKey, m_insertMouse}) {
        button->setEnabled(canEdit);
    }
    if (!canEdit) {
        m_insertDisplacement->setEnabled(false);
        m_insertDelay->setEnabled(false);
    }
    if (!m_lists->selected()) {
        m_lists->setLoopText(QString());
    }
    m_loopField->setEnabled(canEdit && m_loopOption);
    update();
}

void CDlgMacroGunMan::updateRecordLabel() {
    m_record->setText(text(m_recorder.recording() ? GunManagerText::StopRecording
                                                  : GunManagerText::StartRecording));
}

void CDlgMacroGunMan::eventSelected(int row) {
    if (!editable()) {
        return;
    }
    m_insertDisplacement->setEnabled(true);
    m_insertDelay->setEnabled(row > 0);
}

void CDlgMacroGunMan::onMacroSelected(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= m_lists->names.size()) {
        return;
    }
    if (const std::optional<MacroRecord> log = m_recorder.Stop()) {
        updateRecordLabel();
        saved(EditEndSave(m_store, MacroKind::Gun, m_lists->names, *log));
    }
    loadMacro(row);
}

void CDlgMacroGunMan::onRecord() {
    if (m_recorder.recording()) {
        stopRecording();
        return;
    }
    if (!editable()) {
        return;
    }
    m_lists->items.clear();
    m_lists->showItems(-1);
    const Status started = m_recorder.Start(selectedRecord());
    if (!started) {
        auto* box = new QMessageBox(QMessageBox::NoIcon, QString(), qText(started.message()),
                                    QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
        return;
    }
    updateRecordLabel();
}

void CDlgMacroGunMan::stopRecording() {
    if (m_recorder.Stop()) {
        onRecordingEnded();
    }
}

void CDlgMacroGunMan::onRecordingEnded() {
    fullSave();
    updateRecordLabel();
}

void CDlgMacroGunMan::onNew() {
    if (m_lists->names.size() >= static_cast<std::size_t>(kMaxMacros)) {
        return;
    }
    stopRecording();
    fullSave();
    const std::optional<std::string> name =
        NewMacroName(m_lists->names, m_lists->otherNames,
                     GunManagerTextOf(GunManagerText::NewNameWord, m_language));
    if (!name) {
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
    m_insertDisplacement->setEnabled(true);
    m_insertDelay->setEnabled(false);
    updateControls();
}

void CDlgMacroGunMan::onDelete() {
    const std::optional<int> position = m_lists->selected();
    if (!position || !editable()) {
        return;
    }
    stopRecording();
    const MacroDeletion deletion =
        DeleteListedMacro(m_store, MacroKind::Gun, m_lists->names, *position);
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
        updateControls();
    }
}

void CDlgMacroGunMan::onOk() {
    stopRecording();
    m_saveFailing = false;
    fullSave();
    if (m_saveFailing) {
        return;
    }
    // Apply builds the gun macros bound now from the file just saved: say so now if it would
    // have to cut one short.
    const auto trial = std::make_unique<SettingsBlock>(m_bound);
    NullLog quiet;
    for (const CutMacro& cut : BuildMacroImage(*trial, m_store, quiet)) {
        if (cut.slot >= kFirstGunSlot) {
            warnCutShort(cut.name);
            return;
        }
    }
    accept();
}

void CDlgMacroGunMan::warnCutShort(const std::string& name) {
    m_log.Write("gun macro " + name + " would be cut short\n");
    auto* box =
        new QMessageBox(QMessageBox::Warning, text(GunManagerText::CutShortCaption),
                        qText(GunCutShortText(name, m_language)), QMessageBox::NoButton, this);
    box->setObjectName(QStringLiteral("gunCutShortWarning"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* keep = box->addButton(text(GunManagerText::KeepEditing), QMessageBox::RejectRole);
    QPushButton* close = box->addButton(text(GunManagerText::CloseAnyway), QMessageBox::AcceptRole);
    keep->setObjectName(QStringLiteral("keepEditing"));
    close->setObjectName(QStringLiteral("closeAnyway"));
    box->setDefaultButton(keep);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    m_cutShortWarning = box;
    box->open();
}

void CDlgMacroGunMan::onCancel() {
    // A recording is dropped with the rest.
    if (m_recorder.Stop()) {
        updateRecordLabel();
    }
    if (const Status restored = RestoreMacroList(m_store, MacroKind::Gun, m_opened); !restored) {
        m_log.Write("macro store: " + restored.message() + "\n");
    }
    reject();
}

bool CDlgMacroGunMan::stepAllowed() {
    stopRecording();
    const int selected = m_eventList->currentRow();
    const std::vector<std::string>& items = m_lists->items;
    const bool onX = selected >= 0 && static_cast<std::size_t>(selected) < items.size() &&
                     ItemContains(items[static_cast<std::size_t>(selected)], "X:");
    return editable() && !onX && items.size() < static_cast<std::size_t>(kGunInsertLimit);
}

void CDlgMacroGunMan::insertKey() {
    if (!stepAllowed()) {
        return;
    }
    CDlgMacroGunInsertKB dialog(m_skin, m_languageCode, this);
    const std::optional<std::string> key = dialog.ask();
    if (key && !key->empty()) {
        applyEdit(InsertGunKeyPair(m_lists->items, m_eventList->currentRow(), *key));
    }
}

void CDlgMacroGunMan::insertMouseEvent() {
    if (!stepAllowed()) {
        return;
    }
    CDlgMacroGunInsertMouseEvent dialog(m_skin, m_languageCode, this);
    if (const std::optional<int> event = dialog.ask()) {
        applyEdit(InsertGunButtonPair(m_lists->items, m_eventList->currentRow(), *event));
    }
}

void CDlgMacroGunMan::insertDisplacement() {
    if (!stepAllowed()) {
        return;
    }
    CDlgMacroGunMInsertCoor dialog(m_skin, m_languageCode, this);
    if (const auto displacement = dialog.ask()) {
        applyEdit(InsertDisplacement(m_lists->items, m_eventList->currentRow(),
                                     std::to_string(displacement->x),
                                     std::to_string(displacement->y)));
    }
}

void CDlgMacroGunMan::insertDelay() {
    stopRecording();
    if (!editable() || m_eventList->currentRow() < 0 ||
        m_lists->items.size() >= static_cast<std::size_t>(kGunInsertLimit)) {
        return;
    }
    applyEdit(InsertGunDelay(m_lists->items, m_eventList->currentRow()));
}

void CDlgMacroGunMan::applyEdit(const ItemEdit& edit) {
    if (edit.changed) {
        m_lists->showItems(edit.selection);
    } else if (edit.selection) {
        const QSignalBlocker blocker(m_eventList);
        m_eventList->setCurrentRow(*edit.selection);
    }
    if (edit.changed || edit.selection) {
        eventSelected(m_eventList->currentRow());
    }
    // A change is saved even where the list was empty, so that choosing another gun macro
    // cannot lose it.
    if (edit.save || edit.changed) {
        fullSave();
    }
}

void CDlgMacroGunMan::runEventCommand(int command) {
    if (command == kDeleteItem && editable()) {
        applyEdit(DeleteGunItem(m_lists->items, m_eventList->currentRow()));
    }
}

void CDlgMacroGunMan::toggleLoopOption() {
    stopRecording();
    if (!editable()) {
        return;
    }
    m_loopOption = !m_loopOption;
    updateControls();
}

void CDlgMacroGunMan::toggleRecordDelay() {
    stopRecording();
    if (!editable()) {
        return;
    }
    m_recorder.setRecordDelay(!m_recorder.recordDelay());
    update(lg::kRecordDelayBox);
}

void CDlgMacroGunMan::openEventMenu(const QPoint& globalPosition) {
    CExMenu menu(m_font, this);
    menu.setItemWidth(lg::kMenuWidth);
    menu.appendItem(kDeleteItem, text(GunManagerText::Delete));
    m_menu = &menu;
    const std::optional<int> command = menu.trackPopup(globalPosition);
    if (command) {
        runEventCommand(*command);
    }
}

void CDlgMacroGunMan::startRename(int row) {
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

void CDlgMacroGunMan::onRenameFinished(const std::string& previousName, const QString& typed) {
    m_log.Write("finish listbox editing,WM_LEBEDIT_END:pMsg->wParam=1,pMsg->lParam=" +
                std::to_string(m_lists->position) + "\n");
    const std::optional<NameEdit> edit = m_lists->rename(typed);
    if (!edit) {
        return;
    }
    // The built-in gun macros keep what their sections hold, items or not.
    if (IsBuiltInGunMacro(m_lists->position)) {
        saved(EditEndSave(m_store, MacroKind::Gun, m_lists->names, selectedRecord()));
    } else {
        fullSave();
    }
    // The old section goes only once the new one is written.
    if (LeavesOldSection(previousName, edit->name, m_lists->names, m_lists->otherNames)) {
        saved(DeleteMacroSection(m_store, previousName));
    }
}

void CDlgMacroGunMan::onEventItemClicked(int row) {
    if (m_editor || !editable() || !m_lists->secondClickOnDelay(row)) {
        return;
    }
    m_editor = CLBEditorWnd::start(m_eventList, row, CLBEditorWnd::Mode::Delay);
    connect(m_editor, &CLBEditorWnd::finished, this,
            [this](int index, const QString& text, bool) { onDelayFinished(index, text); });
    fullSave();
}

void CDlgMacroGunMan::onDelayFinished(int row, const QString& text) {
    m_log.Write("finish listbox editing,WM_LEBEDIT_END:pMsg->wParam=1,pMsg->lParam=" +
                std::to_string(row) + "\n");
    m_lists->setItem(row, text);
    fullSave();
}

void CDlgMacroGunMan::fullSave() {
    if (editable()) {
        saved(FullSave(m_store, MacroKind::Gun, m_lists->names, selectedRecord()));
    } else if (m_lists->selected()) {
        saved(SaveNameList(m_store, MacroKind::Gun, m_lists->names));
    }
}

void CDlgMacroGunMan::saved(const Status& status) {
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
    auto* box = new QMessageBox(QMessageBox::NoIcon, text(GunManagerText::Title),
                                text(GunManagerText::CannotSave), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void CDlgMacroGunMan::paintOver(QPainter& painter) {
    if (!m_setUp) {
        return;
    }
    drawText(painter, lg::kTitle, GunManagerTextOf(GunManagerText::Title, m_language));
    const int centred = Qt::AlignCenter | Qt::TextSingleLine;
    drawText(painter, lg::kNameListHeading, centred,
             GunManagerTextOf(GunManagerText::NameListHeading, m_language));
    drawText(painter, lg::kEventListHeading, centred,
             GunManagerTextOf(GunManagerText::EventListHeading, m_language));
    drawText(painter, lg::kOptionsHeading, centred,
             GunManagerTextOf(GunManagerText::OptionsHeading, m_language));
    drawText(painter, lg::kRecordDelayLabel,
             GunManagerTextOf(GunManagerText::RecordDelayOption, m_language));
    drawText(painter, lg::kLoopLabel, GunManagerTextOf(GunManagerText::LoopOption, m_language));
    const auto tick = [&](const QRect& box, bool on) {
        m_skin.draw(painter, on ? kGunTickOnFile : kGunTickOffFile, box.left(), box.top());
    };
    tick(lg::kRecordDelayBox, m_recorder.recordDelay());
    tick(lg::kLoopBox, m_loopOption);
}

void CDlgMacroGunMan::mousePressEvent(QMouseEvent* event) {
    if (m_setUp && event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        if (lg::kRecordDelayBox.contains(at)) {
            toggleRecordDelay();
            return;
        }
        if (lg::kLoopBox.contains(at)) {
            toggleLoopOption();
            return;
        }
    }
    GunStepDialog::mousePressEvent(event);
}

void CDlgMacroGunMan::keyPressEvent(QKeyEvent* event) {
    if (IsSwallowedManagerKey(event->key())) {
        event->accept();
        return;
    }
    GunStepDialog::keyPressEvent(event);
}

void CDlgMacroGunMan::closeEvent(QCloseEvent* event) {
    // A recording is dropped, and the keys are let go at once.
    if (m_recorder.Stop()) {
        updateRecordLabel();
    }
    GunStepDialog::closeEvent(event);
}

bool CDlgMacroGunMan::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_eventList->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            if (m_eventList->currentRow() >= 0 && editable()) {
                stopRecording();
                openEventMenu(mouse->globalPosition().toPoint());
            }
            return true;
        }
    }
    return GunStepDialog::eventFilter(watched, event);
}

}  // namespace gx508
