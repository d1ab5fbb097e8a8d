#include "dialogs/Dlg_Project_General.h"

#include "document/CReqDoc.h"
#include "platform/DVMessageBox.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QLineEdit* NumberPlaceholder(QWidget* parent) {
    auto* edit = new QLineEdit(QStringLiteral("<Number>"), parent);
    edit->setReadOnly(true);
    return edit;
}

QSpinBox* VersionSpin(int minimum, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(minimum, 10000);
    return spin;
}

}  // namespace

Dlg_Project_General::Dlg_Project_General(CReqDoc* doc, QWidget* parent)
    : CDVPropertyPage(doc, QStringLiteral("General Project Properties"), parent),
      m_name(new QLineEdit(this)),
      m_threeDigit(new QRadioButton(QStringLiteral("3 Digit Version Number, e.g. 2.1.15:"), this)),
      m_userDefined(
          new QRadioButton(QStringLiteral("User-Defined Version Specification, e.g. A.B.15 or 2.15:"), this)),
      m_major(VersionSpin(1, this)),
      m_minor(VersionSpin(0, this)),
      m_numberAfterMinor(NumberPlaceholder(this)),
      m_prefix(new QLineEdit(this)),
      m_numberAfterPrefix(NumberPlaceholder(this)) {
    auto* layout = new QVBoxLayout(this);
    auto* nameRow = new QGridLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("Project Name:"), this), 0, 0);
    nameRow->addWidget(m_name, 0, 1);
    layout->addLayout(nameRow);

    auto* version = new QGroupBox(this);
    auto* grid = new QGridLayout(version);
    grid->addWidget(m_threeDigit, 0, 0, 1, 4);
    grid->addWidget(m_major, 1, 0);
    grid->addWidget(m_minor, 1, 1);
    grid->addWidget(m_numberAfterMinor, 1, 2);
    grid->addWidget(m_userDefined, 2, 0, 1, 4);
    grid->addWidget(m_prefix, 3, 0, 1, 2);
    grid->addWidget(m_numberAfterPrefix, 3, 2);
    layout->addWidget(version);

    auto* explanations = new QGroupBox(QStringLiteral("Explanations:"), this);
    auto* text = new QVBoxLayout(explanations);
    for (const QString& line :
         {QStringLiteral(
              "A) Every modification of an object (requirement, use case, etc.) will increase the right "
              "most number by one, e.g. from 2.0.14 to 2.0.15."),
          QStringLiteral(
              "B) An object aquires a new Version Number only after a modification of itself. As an "
              "example, user modifies the version from 2.0 to 2.1. After a while, the user changes the "
              "description of a"),
          QStringLiteral(
              "requirement which has the version 2.0.15. The new version of this requirement becomes "
              "2.1.1.")}) {
        auto* label = new QLabel(line, explanations);
        label->setWordWrap(true);
        text->addWidget(label);
    }
    layout->addWidget(explanations);
    layout->addStretch();

    connect(m_threeDigit, &QRadioButton::toggled, this, &Dlg_Project_General::UpdateEnabling);
}

void Dlg_Project_General::OnInitPage() {
    const VersionNumber& version = m_pDocument->m_version;
    m_name->setText(m_pDocument->m_strProjectName);
    if (version.bThreeDigit) {
        m_major->setValue(version.nMajor);
        m_minor->setValue(version.nMinor);
        m_threeDigit->setChecked(true);
    } else {
        m_prefix->setText(version.strPrefix);
        m_major->setValue(1);
        m_minor->setValue(0);
        m_userDefined->setChecked(true);
    }
    UpdateEnabling();
}

void Dlg_Project_General::UpdateEnabling() {
    const bool threeDigit = m_threeDigit->isChecked();
    m_major->setEnabled(threeDigit);
    m_minor->setEnabled(threeDigit);
    m_numberAfterMinor->setEnabled(threeDigit);
    m_prefix->setEnabled(!threeDigit);
    m_numberAfterPrefix->setEnabled(!threeDigit);
}

bool Dlg_Project_General::ApplyPage() {
    VersionNumber& version = m_pDocument->m_version;
    const bool threeDigit = m_threeDigit->isChecked();
    const int major = m_major->value();
    const int minor = m_minor->value();
    if (threeDigit && (major < version.nMajor || (major == version.nMajor && minor < version.nMinor))) {
        const QString question = QStringLiteral(
                                     "New Version Number %1.%2 would be lower than actual Version Number "
                                     "%3.%4!\nAre you sure that you "
                                     "want this new Version Number?")
                                     .arg(major)
                                     .arg(minor)
                                     .arg(version.nMajor)
                                     .arg(version.nMinor);
        if (DVMessageBox(question, DV::MB_YESNO | DV::MB_ICONWARNING | DV::MB_DEFBUTTON2) != DV::IDYES) {
            return false;
        }
    }
    const QString name = m_name->text();
    const QString prefix = m_prefix->text();
    const bool changed =
        name != m_pDocument->m_strProjectName || threeDigit != version.bThreeDigit ||
        (threeDigit ? major != version.nMajor || minor != version.nMinor : prefix != version.strPrefix);
    if (!changed) {
        return false;
    }
    m_pDocument->m_strProjectName = name;
    version.bThreeDigit = threeDigit;
    if (threeDigit) {
        version.nMajor = major;
        version.nMinor = minor;
    } else {
        version.strPrefix = prefix;
    }
    return true;
}
