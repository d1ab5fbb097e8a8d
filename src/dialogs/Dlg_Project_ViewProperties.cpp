#include "dialogs/Dlg_Project_ViewProperties.h"

#include "dialogs/DVColorButton.h"
#include "document/CReqDoc.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace {

// The families' default colours, 0x00BBGGRR.
constexpr std::array<qint32, 4> FamilyDefaults = {0x00FBFBFB, 0x00FFF1FF, 0x00C9FFFF, 0x00FFFFF1};

}  // namespace

Dlg_Project_ViewProperties::Dlg_Project_ViewProperties(CReqDoc* doc, QWidget* parent)
    : CDVPropertyPage(doc, QStringLiteral("Matrix Properties"), parent),
      m_gridLines(
          new QCheckBox(QStringLiteral("Draw lines between rows and between columns in a matrix."), this)),
      m_gridLinesLinked(
          new QCheckBox(QStringLiteral("Draw lines between rows and between columns in a matrix."), this)) {
    const std::array<QString, 5> labels = {
        QStringLiteral("Alternate color of REQUIREMENT rows:"),
        QStringLiteral("Alternate color of ACTOR rows:"), QStringLiteral("Alternate color of USE CASE rows:"),
        QStringLiteral("Alternate color of USE-CASE STEP rows:"), QStringLiteral("Alternate color of rows:")};
    for (size_t row = 0; row < labels.size(); ++row) {
        m_alternate[row] = new QCheckBox(labels[row], this);
        m_colour[row] = new DVColorButton(this);
        QCheckBox* check = m_alternate[row];
        DVColorButton* button = m_colour[row];
        connect(check, &QCheckBox::toggled, button, &QWidget::setEnabled);
    }

    auto* layout = new QVBoxLayout(this);
    auto* drawing = new QGroupBox(QStringLiteral("Drawing Properties for al Objects"), this);
    auto* drawingLayout = new QVBoxLayout(drawing);
    drawingLayout->addWidget(m_gridLines);
    layout->addWidget(drawing);

    auto* colours = new QGroupBox(QStringLiteral("Alternate Color of Rows in a matrix"), this);
    auto* coloursLayout = new QGridLayout(colours);
    for (int row = Requirement; row <= Step; ++row) {
        coloursLayout->addWidget(m_alternate[size_t(row)], row, 0);
        coloursLayout->addWidget(m_colour[size_t(row)], row, 1);
    }
    coloursLayout->setColumnStretch(2, 1);
    layout->addWidget(colours);

    auto* linked = new QGroupBox(QStringLiteral("Properties for the Linked Document"), this);
    auto* linkedLayout = new QGridLayout(linked);
    linkedLayout->addWidget(m_gridLinesLinked, 0, 0, 1, 3);
    linkedLayout->addWidget(m_alternate[Linked], 1, 0);
    linkedLayout->addWidget(m_colour[Linked], 1, 1);
    linkedLayout->setColumnStretch(2, 1);
    layout->addWidget(linked);
    layout->addStretch();
}

qint32& Dlg_Project_ViewProperties::Member(ColourRow row) const {
    switch (row) {
        case Requirement:
            return m_pDocument->m_clrAltRequirement;
        case Actor:
            return m_pDocument->m_clrAltActor;
        case UseCase:
            return m_pDocument->m_clrAltUseCase;
        case Step:
            return m_pDocument->m_clrAltStep;
        default:
            return m_pDocument->m_clrAltLinked;
    }
}

void Dlg_Project_ViewProperties::OnInitPage() {
    if (m_pDocument == nullptr) {
        return;
    }
    for (int row = Requirement; row <= Linked; ++row) {
        DVColorButton* button = m_colour[size_t(row)];
        if (row == Linked) {
            button->SetAutomatic(QStringLiteral("Default Color of Objects"), ProjectColours,
                                 quint32(FamilyDefaults[Requirement]));
        } else {
            const qint32 family = FamilyDefaults[size_t(row)];
            button->SetAutomatic(QStringLiteral("Default Color"), family, quint32(family));
        }
        const qint32 value = Member(ColourRow(row));
        const bool alternates = value != NoAlternation;
        if (alternates) {
            button->SetColour(value);
        }
        m_alternate[size_t(row)]->setChecked(alternates);
        button->setEnabled(alternates);
    }
    m_gridLines->setChecked(m_pDocument->m_bGridLines);
    m_gridLinesLinked->setChecked(m_pDocument->m_bGridLinesLinked);

    // Only the settings of the data shown apply: the project's own, or the linked document's.
    const bool linked = m_pDocument->m_bLinked;
    m_gridLines->setEnabled(!linked);
    m_gridLinesLinked->setEnabled(linked);
    for (int row = Requirement; row <= Linked; ++row) {
        const bool active = (row == Linked) == linked;
        m_alternate[size_t(row)]->setEnabled(active);
        m_colour[size_t(row)]->setEnabled(active && m_alternate[size_t(row)]->isChecked());
    }
}

qint32 Dlg_Project_ViewProperties::ChosenValue(ColourRow row) const {
    return m_alternate[size_t(row)]->isChecked() ? m_colour[size_t(row)]->Colour() : NoAlternation;
}

bool Dlg_Project_ViewProperties::ApplyPage() {
    if (m_pDocument == nullptr) {
        return false;
    }
    bool changed = false;
    const auto store = [&changed](auto& member, auto value) {
        if (member != value) {
            member = value;
            changed = true;
        }
    };
    if (m_pDocument->m_bLinked) {
        store(m_pDocument->m_bGridLinesLinked, m_gridLinesLinked->isChecked());
        store(Member(Linked), ChosenValue(Linked));
    } else {
        store(m_pDocument->m_bGridLines, m_gridLines->isChecked());
        for (int row = Requirement; row <= Step; ++row) {
            store(Member(ColourRow(row)), ChosenValue(ColourRow(row)));
        }
    }
    return changed;
}
