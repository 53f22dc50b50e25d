// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/store/CConfigDialog.h"

#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStandardPaths>

#include <algorithm>
#include <filesystem>

#include "core/i18n/FontRule.h"
#include "core/store/ProfileOperations.h"
#include "gui/store/ConfigDialogLayout.h"
#include "gui/ui/CBitmapBtn.h"
#include "gui/ui/CExMenu.h"
#include "gui/ui/CLBEditorWnd.h"
#include "gui/ui/FontMap.h"
#include "gui/ui/QtText.h"
#include "gui/ui/Skin.h"
#include "gui/ui/SkinFiles.h"

namespace gx508 {

namespace {

constexpr int kMenuItemWidth = 100;
constexpr const char* kFileFilter = "Gaming Mouse Profile(*.bin)";

// A button's look: its part of the background with its glyph, lightened or darkened.
QPixmap buttonLook(const QImage& background, const QRect& button, const QImage& glyph,
                   const QPoint& glyphAt, const QColor& overlay) {
    QPixmap look(button.size());
    look.fill(layout::kProfileListBackground);
    QPainter painter(&look);
    painter.drawImage(QPoint(0, 0), background, button);
    painter.drawImage(glyphAt, glyph);
    painter.fillRect(look.rect(), overlay);
    return look;
}

}  // namespace

QString CConfigDialog::askOpenFile(QWidget* parent, const QString& caption, const QString& start,
                                   const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, start, filter);
}

QString CConfigDialog::askSaveFile(QWidget* parent, const QString& caption, const QString& start,
                                   const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, start, filter);
}

CConfigDialog::CConfigDialog(SharedState& state, const Skin& skin, QWidget* parent,
                             FileRequest openFile, FileRequest saveFile)
    : QWidget(parent),
      m_state(state),
      m_skin(skin),
      m_openFile(std::move(openFile)),
      m_saveFile(std::move(saveFile)),
      m_font(mappedFont(qText(FontFace(state.languageCode)), layout::kProfileFontHeight)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    const QImage background = skin.image(kProfileBackgroundFile);
    setGeometry(QRect(QPoint(0, 0),
                      background.isNull() ? kProfileBackgroundFile.size() : background.size()));
    createList();
    createButtons();
    createMenu();
    reload(state.currentProfile);
    m_remembered = selected();
}

// An edit still open when the manager goes away ends with it, unsaved.
CConfigDialog::~CConfigDialog() {
    delete m_editor;
}

QString CConfigDialog::text(ProfileText which) const {
    return qText(ProfileTextOf(which, m_state.texts.language()));
}

QString CConfigDialog::title() const {
    return text(ProfileText::Title);
}

void CConfigDialog::createList() {
    m_list = new QListWidget(this);
    m_list->setGeometry(layout::kProfileList);
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setFont(m_font);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QPalette colours = m_list->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::Base, layout::kProfileListBackground);
        colours.setColor(group, QPalette::Text, layout::kProfileListText);
        colours.setColor(group, QPalette::Highlight, CExMenu::kSelectedBackground);
        colours.setColor(group, QPalette::HighlightedText, layout::kProfileListText);
    }
    m_list->setPalette(colours);
    m_list->viewport()->installEventFilter(this);
    connect(m_list, &QListWidget::itemClicked, this, &CConfigDialog::onItemClicked);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CConfigDialog::onItemClicked);
}

void CConfigDialog::createButtons() {
    const QImage background = m_skin.image(kProfileBackgroundFile);
    const auto makeButton = [&](const QRect& rect, ProfileText label, const SkinFile& glyphFile,
                                const QPoint& glyphAt) {
        const QImage glyph = m_skin.image(glyphFile);
        const auto look = [&](const QColor& overlay) {
            return buttonLook(background, rect, glyph, glyphAt, overlay);
        };
        auto* button = new CBitmapBtn(text(label), rect, this);
        const QPixmap normal = look(Qt::transparent);
        button->setImages(QRect(QPoint(0, 0), rect.size()), normal, look(QColor(255, 255, 255, 28)),
                          look(QColor(0, 0, 0, 60)), normal);
        button->setTextAlignment(ButtonTextAlignment::Left);
        button->setIndent(layout::kProfileButtonTextLeft - CBitmapBtn::kTextLeftMargin);
        button->setFontHeight(layout::kProfileFontHeight);
        button->setFontFace(qText(FontFace(m_state.languageCode)));
        return button;
    };
    m_new = makeButton(layout::kProfileNewButton, ProfileText::New, kProfileNewFile,
                       layout::kProfileNewGlyph);
    m_delete = makeButton(layout::kProfileDeleteButton, ProfileText::Delete, kProfileDeleteFile,
                          layout::kProfileDeleteGlyph);

    m_close = new CBitmapBtn(QString(), layout::kProfileCloseButton, this);
    const QPixmap closeNormal = m_skin.loadBitmap(kCloseNormalFile);
    const QPixmap closeOver = m_skin.loadBitmap(kCloseOverFile);
    m_close->setImages(QRect(QPoint(0, 0), layout::kProfileCloseButton.size()), closeNormal,
                       closeOver, closeOver, closeNormal);

    connect(m_new, &CBitmapBtn::clicked, this, &CConfigDialog::newProfile);
    connect(m_delete, &CBitmapBtn::clicked, this, &CConfigDialog::deleteProfile);
    connect(m_close, &CBitmapBtn::clicked, this, &CConfigDialog::choose);
}

void CConfigDialog::createMenu() {
    m_menu = new CExMenu(m_font, this);
    m_menu->setObjectName(QStringLiteral("ProfileList"));
    m_menu->setItemWidth(kMenuItemWidth);
    const std::pair<Command, ProfileText> items[] = {{Command::Delete, ProfileText::Delete},
                                                     {Command::Edit, ProfileText::Edit},
                                                     {Command::Copy, ProfileText::Copy},
                                                     {Command::Load, ProfileText::Load},
                                                     {Command::Save, ProfileText::Save}};
    for (const auto& [command, label] : items) {
        m_menu->appendItem(static_cast<int>(command), text(label));
    }
    connect(m_menu, &CExMenu::commandChosen, this, &CConfigDialog::onCommand);
}

void CConfigDialog::reload(int position) {
    Result<ProfileList> read = ReadProfileList(m_state);
    if (!read) {
        m_state.log.Write("The profile list cannot be read: " + read.message() + "\n");
    }
    m_profiles = read ? std::move(*read) : ProfileList();
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    for (const std::string& name : m_profiles.names()) {
        auto* item = new QListWidgetItem(qText(name), m_list);
        item->setSizeHint(QSize(layout::kProfileList.width(), layout::kProfileRowHeight));
    }
    if (!m_profiles.empty()) {
        m_list->setCurrentRow(std::clamp(position, 0, m_profiles.size() - 1));
    }
}

int CConfigDialog::selected() const {
    const QListWidgetItem* item = m_list->currentItem();
    return item != nullptr && item->isSelected() ? m_list->row(item) : -1;
}

void CConfigDialog::newProfile() {
    if (m_profiles.full()) {
        auto* box = new QMessageBox(QMessageBox::NoIcon, text(ProfileText::LimitCaption),
                                    text(ProfileText::LimitMessage), QMessageBox::Ok, window());
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setObjectName(QStringLiteral("profileLimit"));
        box->open();
        return;
    }
    const Result<int> added = NewProfile(m_state);
    if (!added) {
        warn(qText(added.message()));
        return;
    }
    reload(*added);
}

void CConfigDialog::deleteProfile() {
    const int position = selected();
    if (m_profiles.size() <= 1 || position < kFixedProfiles) {
        return;
    }
    const bool wasCurrent = position == m_state.currentProfile;
    const Status deleted = DeleteProfile(m_state, position);
    if (!deleted) {
        warn(qText(deleted.message()));
    }
    reload(position);
    if (deleted && wasCurrent) {
        emit settingsReplaced();
    }
}

void CConfigDialog::copyProfile() {
    const int position = selected();
    if (m_profiles.full() || !m_profiles.holds(position)) {
        return;
    }
    const Result<int> added = CopyProfile(m_state, position);
    if (!added) {
        warn(qText(added.message()));
        return;
    }
    reload(*added);
}

void CConfigDialog::editProfile() {
    const int position = selected();
    if (m_editor != nullptr || position < kFixedProfiles) {
        return;
    }
    m_remembered = position;
    m_editor = CLBEditorWnd::start(m_list, position, CLBEditorWnd::Mode::Name);
    connect(m_editor, &CLBEditorWnd::finished, this, &CConfigDialog::onEditorFinished);
}

void CConfigDialog::onItemClicked(QListWidgetItem* item) {
    const int position = m_list->row(item);
    if (m_editor != nullptr) {
        return;
    }
    if (position == m_remembered) {
        editProfile();
    } else {
        m_remembered = position;
    }
}

void CConfigDialog::onEditorFinished(int position, const QString& name, bool committed) {
    if (!committed || !m_profiles.holds(position) ||
        name.toStdString() == m_profiles.names()[position]) {
        return;
    }
    const Status renamed = RenameProfile(m_state, position, name.toStdString());
    if (!renamed) {
        warn(qText(renamed.message()));
    }
    reload(position);
}

void CConfigDialog::importProfile() {
    const QString start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path =
        m_openFile(this, text(ProfileText::Load), start, QString::fromLatin1(kFileFilter));
    if (path.isEmpty()) {
        return;
    }
    const Status imported = ImportProfile(m_state, path.toStdString());
    if (!imported) {
        warn(qText(imported.message()));
        return;
    }
    m_importPending = true;
    emit settingsReplaced();
}

void CConfigDialog::exportProfile() {
    const int position = selected();
    if (!m_profiles.holds(position)) {
        return;
    }
    QString name = qText(m_profiles.names()[position]);
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    const QString start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                          QLatin1Char('/') + name + QStringLiteral(".bin");
    const QString path =
        m_saveFile(this, text(ProfileText::Save), start, QString::fromLatin1(kFileFilter));
    if (path.isEmpty()) {
        return;
    }
    const Result<std::filesystem::path> written =
        ExportProfile(m_state, position, path.toStdString());
    if (!written) {
        warn(qText(written.message()));
        return;
    }
    m_state.log.Write("Profile exported to " + written->string() + " and " +
                      CompanionIni(*written).string() + "\n");
}

void CConfigDialog::choose() {
    if (m_profiles.empty()) {
        emit finished(false);
        return;
    }
    const Result<ProfileChoice> chosen =
        ChooseProfile(m_state, std::max(selected(), 0), m_importPending);
    if (!chosen) {
        warn(qText(chosen.message()));
    }
    emit finished(chosen && *chosen != ProfileChoice::Unchanged);
}

void CConfigDialog::onCommand(int command) {
    switch (static_cast<Command>(command)) {
        case Command::Delete:
            deleteProfile();
            break;
        case Command::Edit:
            editProfile();
            break;
        case Command::Copy:
            copyProfile();
            break;
        case Command::Load:
            importProfile();
            break;
        case Command::Save:
            exportProfile();
            break;
    }
}

// The box belongs to the main window, so that it stays when the manager closes.
void CConfigDialog::warn(const QString& message) {
    m_state.log.Write(message.toStdString() + "\n");
    auto* box = new QMessageBox(QMessageBox::Warning, text(ProfileText::LimitCaption), message,
                                QMessageBox::Ok, window());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName(QStringLiteral("profileWarning"));
    box->open();
}

void CConfigDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), layout::kProfileListBackground);
    m_skin.draw(painter, kProfileBackgroundFile, 0, 0);
    painter.setPen(Qt::white);
    painter.setFont(m_font);
    painter.drawText(layout::kProfileTitle, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     title());
}

// A right-button press over the list opens the menu at the pointer, and a press below the last
// name does nothing: either way the selection, which the close button chooses, stays.
bool CConfigDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_list->viewport() || (event->type() != QEvent::MouseButtonPress &&
                                          event->type() != QEvent::MouseButtonDblClick)) {
        return QWidget::eventFilter(watched, event);
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::RightButton) {
        m_menu->popup(mouse->globalPosition().toPoint());
        return true;
    }
    return !m_list->indexAt(mouse->position().toPoint()).isValid();
}

}  // namespace gx508
