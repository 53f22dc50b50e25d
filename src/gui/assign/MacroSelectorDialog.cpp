// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/assign/MacroSelectorDialog.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <utility>

#include "core/i18n/FontRule.h"
#include "gui/assign/MacroSelectorLayout.h"
#include "gui/ui/CSkinScrollWnd.h"
#include "gui/ui/FontMap.h"
#include "gui/ui/QtText.h"
#include "gui/ui/Skin.h"
#include "gui/ui/SkinFiles.h"

namespace gx508 {

namespace {

// Left-aligned mode descriptions keep clear of their boxes.
constexpr int kModeTextIndent = 4;

// The list box's border, inside its rectangle.
constexpr int kListBorder = 1;

bool IsButton(MacroSelectorDialog::Element element) {
    using Element = MacroSelectorDialog::Element;
    return element == Element::Close || element == Element::Ok || element == Element::Cancel;
}

// Enter, Escape, Space and F1 would close the dialog or act on a control.
bool IsSwallowedKey(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Space:
        case Qt::Key_F1:
            return true;
        default:
            return false;
    }
}

void SetFieldColours(QWidget& widget) {
    QPalette palette = widget.palette();
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base}) {
        palette.setColor(role, layout::kSelectorFieldColor);
    }
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text}) {
        palette.setColor(role, Qt::white);
    }
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

}  // namespace

MacroSelectorDialog::MacroSelectorDialog(const Skin& skin, Language language,
                                         std::filesystem::path macroStore, const Setup& setup,
                                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_skin(skin),
      m_language(language),
      m_macroStore(std::move(macroStore)),
      m_setup(setup),
      m_font(mappedFont(qText(FontFace(CodeOf(language))), layout::kSelectorFontHeight)),
      m_mode(setup.initialMode) {
    setModal(true);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_font.setWeight(QFont::Normal);
    setFont(m_font);
    const QImage background = skin.image(kMacroSelectorFile);
    if (background.isNull()) {
        QMessageBox::information(parent,
                                 QStringLiteral("Macro Key Dialog Load background image failed!!!"),
                                 QStringLiteral("error"));
    }
    setFixedSize(background.isNull() ? kMacroSelectorFile.size() : background.size());

    m_name = new QLabel(this);
    m_name->setObjectName(QStringLiteral("selectedName"));
    m_name->setGeometry(layout::kSelectorName);
    m_name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // A press on the name is a press on the drop-down box.
    m_name->setAttribute(Qt::WA_TransparentForMouseEvents);
    SetFieldColours(*m_name);
}

MacroChoice MacroSelectorDialog::choice() const {
    return MacroChoice{result() == QDialog::Accepted, m_chosenName.toStdString(), m_position,
                       m_mode};
}

QString MacroSelectorDialog::selectedName() const {
    return m_chosenName;
}

MacroSelectorDialog::Element MacroSelectorDialog::elementAt(const QPoint& point) {
    const std::pair<QRect, Element> elements[] = {
        {layout::kSelectorClose, Element::Close},
        {layout::kSelectorOk, Element::Ok},
        {layout::kSelectorCancel, Element::Cancel},
        {layout::kSelectorDropDown, Element::DropDown},
        {layout::kSelectorModeBoxes[0], Element::Mode0},
        {layout::kSelectorModeBoxes[1], Element::Mode1},
        {layout::kSelectorModeBoxes[2], Element::Mode2},
    };
    for (const auto& [rect, element] : elements) {
        if (rect.contains(point)) {
            return element;
        }
    }
    return Element::None;
}

QString MacroSelectorDialog::text(SelectorText id) const {
    return qText(SelectorTextOf(id, m_language));
}

void MacroSelectorDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    m_skin.draw(painter, kMacroSelectorFile, 0, 0);
    for (std::uint8_t k = 0; k < kPlayModeCount; ++k) {
        const QRect box = layout::kSelectorModeBoxes[k];
        m_skin.draw(painter, k == m_mode ? kModeBoxTickedFile : kModeBoxFile, box.left(),
                    box.top());
    }
    const QPoint close = layout::kSelectorClose.topLeft();
    m_skin.draw(painter, m_hover == Element::Close ? kCloseOverFile : kCloseNormalFile, close.x(),
                close.y());
    const std::pair<QRect, Element> buttons[] = {{layout::kSelectorOk, Element::Ok},
                                                 {layout::kSelectorCancel, Element::Cancel}};
    for (const auto& [area, element] : buttons) {
        m_skin.draw(painter, m_hover == element ? kMacroNewOverFile : kMacroNewNormalFile,
                    area.left(), area.top());
    }

    painter.setFont(m_font);
    painter.setPen(Qt::white);
    painter.drawText(layout::kSelectorOk, Qt::AlignCenter | Qt::TextSingleLine,
                     text(SelectorText::Ok));
    painter.drawText(layout::kSelectorCancel, Qt::AlignCenter | Qt::TextSingleLine,
                     text(SelectorText::Cancel));
    painter.drawText(layout::kSelectorHint, Qt::AlignCenter | Qt::TextWordWrap, text(m_setup.hint));
    for (std::uint8_t k = 0; k < kPlayModeCount; ++k) {
        QRect band = layout::kSelectorModeTexts[k];
        if (m_setup.modeAlignment & Qt::AlignLeft) {
            band.setLeft(band.left() + kModeTextIndent);
        }
        painter.drawText(
            band, static_cast<int>(m_setup.modeAlignment | Qt::AlignVCenter) | Qt::TextWordWrap,
            qText(PlayModeText(k, m_language)));
    }
}

void MacroSelectorDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint point = event->position().toPoint();
    const Element element = elementAt(point);
    if (m_list != nullptr && element != Element::DropDown) {
        closeList();
    }
    switch (element) {
        case Element::Ok:
            accept();
            return;
        case Element::Cancel:
        case Element::Close:
            reject();
            return;
        case Element::DropDown:
            if (m_list != nullptr) {
                closeList();
            } else {
                openList();
            }
            return;
        case Element::Mode0:
        case Element::Mode1:
        case Element::Mode2:
            m_mode = static_cast<std::uint8_t>(static_cast<int>(element) -
                                               static_cast<int>(Element::Mode0));
            update();
            return;
        case Element::None:
            break;
    }
    // The bare background moves the dialog: the desktop does it where it can (always on
    // Wayland), otherwise it follows the pointer here.
    if (windowHandle() != nullptr && windowHandle()->startSystemMove()) {
        return;
    }
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void MacroSelectorDialog::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragOffset && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - *m_dragOffset);
        return;
    }
    const Element element = elementAt(event->position().toPoint());
    setHover(IsButton(element) ? element : Element::None);
}

void MacroSelectorDialog::mouseReleaseEvent(QMouseEvent*) {
    m_dragOffset.reset();
}

void MacroSelectorDialog::leaveEvent(QEvent*) {
    setHover(Element::None);
}

void MacroSelectorDialog::keyPressEvent(QKeyEvent* event) {
    if (IsSwallowedKey(*event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool MacroSelectorDialog::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
        IsSwallowedKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void MacroSelectorDialog::setHover(Element element) {
    if (element != m_hover) {
        m_hover = element;
        update();
    }
}

void MacroSelectorDialog::openList() {
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("nameList"));
    m_list->setFont(m_font);
    m_list->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_list->setLineWidth(kListBorder);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setTextElideMode(Qt::ElideRight);
    SetFieldColours(*m_list);
    m_list->installEventFilter(this);
    m_list->setGeometry(layout::kSelectorList);
    for (const std::string& name : ListMacroNames(m_macroStore, m_setup.kind)) {
        m_list->addItem(qText(name));
    }
    CSkinScrollWnd* frame =
        CSkinScrollWnd::skinWindowScroll(m_list, m_skin.loadBitmap(kScrollBarCellsFile));
    SetFieldColours(*frame);
    m_listFrame = frame;
    connect(m_list, &QListWidget::itemSelectionChanged, this, &MacroSelectorDialog::chooseFromList);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &MacroSelectorDialog::chooseFromList);
    m_listFrame->show();
    m_list->setFocus();
}

void MacroSelectorDialog::closeList() {
    if (m_list == nullptr) {
        return;
    }
    // The list may be the sender of the signal being handled: it goes when control returns to
    // the event loop.
    m_list->disconnect(this);
    m_listFrame->hide();
    m_listFrame->deleteLater();
    m_list = nullptr;
    m_listFrame = nullptr;
}

void MacroSelectorDialog::chooseFromList() {
    const int row = m_list->currentRow();
    if (row < 0) {
        return;
    }
    m_chosenName = m_list->item(row)->text();
    m_position = row;
    m_name->setText(QFontMetrics(m_font).elidedText(m_chosenName, Qt::ElideRight,
                                                    layout::kSelectorName.width()));
    closeList();
}

}  // namespace gx508
