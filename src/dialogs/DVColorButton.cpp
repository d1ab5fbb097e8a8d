#include "dialogs/DVColorButton.h"

#include "controls/treelist/TreeListColors.h"

#include <QColorDialog>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

using TreeListColors::ToColorRef;
using TreeListColors::ToQColor;

namespace {

constexpr int PaletteColumns = 10;

// Light tones first: the colours are row backgrounds behind black text.
constexpr quint32 PaletteRgb[] = {
    0xFFFFFF, 0xFBFBFB, 0xF0F0F0, 0xFFF1FF, 0xFFFFC9, 0xF1FFFF, 0xE8F5E9, 0xFFF3E0, 0xFCE4EC, 0xE3F2FD,
    0xE0E0E0, 0xD6EAF8, 0xD5F5E3, 0xFCF3CF, 0xFADBD8, 0xE8DAEF, 0xD1F2EB, 0xFDEBD0, 0xEBDEF0, 0xD4E6F1,
    0xC0C0C0, 0xAED6F1, 0xABEBC6, 0xF9E79F, 0xF5B7B1, 0xD2B4DE, 0xA3E4D7, 0xFAD7A0, 0xA9CCE3, 0xCCD1D1,
    0x808080, 0x5DADE2, 0x58D68D, 0xF4D03F, 0xEC7063, 0xA569BD, 0x48C9B0, 0xEB984E, 0x5499C7, 0x000000,
};

QIcon Swatch(const QColor& colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    QPainter painter(&pixmap);
    painter.setPen(Qt::gray);
    painter.drawRect(0, 0, 15, 15);
    return QIcon(pixmap);
}

qint32 FromRgb(quint32 rgb) {
    return qint32(ToColorRef(QColor::fromRgb(QRgb(rgb))));
}

}  // namespace

DVColorButton::DVColorButton(QWidget* parent) : QToolButton(parent) {
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setMinimumWidth(170);
    setArrowType(Qt::NoArrow);
    UpdateFace();
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QToolButton::clicked, this, &DVColorButton::ShowPopup);
}

void DVColorButton::SetAutomatic(const QString& text, qint32 value, quint32 shownColour) {
    m_automaticText = text;
    m_nAutomaticValue = value;
    m_nAutomaticShown = shownColour;
    UpdateFace();
}

void DVColorButton::SetColour(qint32 value) {
    m_bAutomatic = value == m_nAutomaticValue;
    if (!m_bAutomatic) {
        m_nColour = value;
    }
    UpdateFace();
}

void DVColorButton::UpdateFace() {
    const COLORREF shown = m_bAutomatic ? COLORREF(m_nAutomaticShown) : COLORREF(m_nColour);
    setIcon(Swatch(ToQColor(shown)));
    setText(m_bAutomatic ? m_automaticText : ToQColor(shown).name().toUpper());
}

void DVColorButton::ShowPopup() {
    delete m_popup;
    m_popup = new QFrame(this, Qt::Popup);
    m_popup->setAttribute(Qt::WA_DeleteOnClose);
    m_popup->setFrameShape(QFrame::StyledPanel);
    // Flat swatches show no focus of their own; the keyboard user must see where it is.
    m_popup->setStyleSheet(QStringLiteral("QPushButton:focus { border: 2px solid palette(highlight); }"));
    auto* grid = new QGridLayout(m_popup);
    grid->setSpacing(2);

    auto* automatic =
        new QPushButton(Swatch(ToQColor(COLORREF(m_nAutomaticShown))), m_automaticText, m_popup);
    connect(automatic, &QPushButton::clicked, this, [this] { Choose(true, m_nColour); });
    grid->addWidget(automatic, 0, 0, 1, PaletteColumns);
    int index = 0;
    for (quint32 rgb : PaletteRgb) {
        const qint32 colour = FromRgb(rgb);
        auto* swatch = new QPushButton(Swatch(ToQColor(COLORREF(colour))), QString(), m_popup);
        swatch->setFlat(true);
        swatch->setFixedSize(24, 24);
        swatch->setToolTip(ToQColor(COLORREF(colour)).name().toUpper());
        connect(swatch, &QPushButton::clicked, this, [this, colour] { Choose(false, colour); });
        grid->addWidget(swatch, 1 + index / PaletteColumns, index % PaletteColumns);
        ++index;
    }
    auto* other = new QPushButton(QStringLiteral("Other"), m_popup);
    connect(other, &QPushButton::clicked, this, &DVColorButton::ChooseOther);
    grid->addWidget(other, 2 + (index - 1) / PaletteColumns, 0, 1, PaletteColumns);
    for (QPushButton* entry : m_popup->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
        entry->installEventFilter(this);
    }

    m_popup->adjustSize();
    m_popup->move(mapToGlobal(QPoint(0, height())));
    m_popup->show();
    automatic->setFocus();
}

bool DVColorButton::eventFilter(QObject* watched, QEvent* event) {
    // Arrow keys walk the palette: across by one, up and down by a row.
    if (m_popup != nullptr && event->type() == QEvent::KeyPress &&
        (watched == m_popup || m_popup->isAncestorOf(qobject_cast<QWidget*>(watched)))) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Enter picks the entry, as Space does.
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (auto* entry = qobject_cast<QPushButton*>(watched)) {
                entry->click();
                return true;
            }
        }
        const int step = key == Qt::Key_Right  ? 1
                         : key == Qt::Key_Left ? -1
                         : key == Qt::Key_Down ? PaletteColumns
                         : key == Qt::Key_Up   ? -PaletteColumns
                                               : 0;
        if (step != 0) {
            // The automatic entry, the palette and "Other", in the order they were created.
            const QList<QPushButton*> entries =
                m_popup->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
            const int at = int(entries.indexOf(qobject_cast<QPushButton*>(m_popup->focusWidget())));
            // The automatic entry spans the row above the palette, "Other" the row below it.
            int next = at < 0 ? 0 : at + step;
            if (at == 0 && step > 0) {
                next = 1;
            } else if (at >= 1 && at <= PaletteColumns && step < -1) {
                next = 0;
            }
            next = std::clamp(next, 0, int(entries.size()) - 1);
            entries[next]->setFocus();
            return true;
        }
    }
    return QToolButton::eventFilter(watched, event);
}

void DVColorButton::Choose(bool automatic, qint32 colour) {
    m_bAutomatic = automatic;
    m_nColour = colour;
    if (m_popup != nullptr) {
        m_popup->close();
        m_popup = nullptr;
    }
    UpdateFace();
    Q_EMIT colourChosen();
}

void DVColorButton::ChooseOther() {
    const COLORREF current = m_bAutomatic ? COLORREF(m_nAutomaticShown) : COLORREF(m_nColour);
    if (m_popup != nullptr) {
        m_popup->close();
        m_popup = nullptr;
    }
    const QColor chosen = QColorDialog::getColor(ToQColor(current), this);
    if (chosen.isValid()) {
        Choose(false, qint32(ToColorRef(chosen)));
    }
}
