#include "dialogs/Dlg_EmbeddedDocumentOptions.h"

#include "dialogs/DVOkCancel.h"
#include "document/CReqDoc.h"
#include "document/CReqDocLink.h"
#include "platform/DVMessageBox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Dlg_EmbeddedDocumentOptions::Dlg_EmbeddedDocumentOptions(
    CReqDoc& doc, CReqDocLink& link, std::function<void(QWidget* parent)> projectProperties, QWidget* parent)
    : QDialog(parent),
      m_doc(doc),
      m_link(link),
      m_projectProperties(std::move(projectProperties)),
      m_path(new QLineEdit(this)),
      m_editManually(new QCheckBox(QStringLiteral("Edit path manually"), this)),
      m_search(new QPushButton(QStringLiteral("Search Document"), this)),
      m_unlink(new QPushButton(QStringLiteral("Unlink Document"), this)),
      m_properties(new QPushButton(QStringLiteral("Project Properties: Embedded Document"), this)) {
    setWindowTitle(QStringLiteral("Embedded Document Options"));
    auto* layout = new QVBoxLayout(this);

    auto* linked = new QGroupBox(QStringLiteral("Linked Document"), this);
    auto* linkedLayout = new QVBoxLayout(linked);
    auto* label = new QLabel(QStringLiteral("Link to an already created Project:"), linked);
    label->setBuddy(m_path);
    linkedLayout->addWidget(label);
    linkedLayout->addWidget(m_path);
    auto* row = new QHBoxLayout;
    row->addWidget(m_editManually);
    row->addStretch();
    row->addWidget(m_search);
    row->addWidget(m_unlink);
    linkedLayout->addLayout(row);
    layout->addWidget(linked);

    auto* other = new QGroupBox(QStringLiteral("Other Options"), this);
    auto* otherLayout = new QHBoxLayout(other);
    otherLayout->addWidget(m_properties);
    otherLayout->addStretch();
    layout->addWidget(other);
    layout->addWidget(OkCancelButtons(this));

    // Only OK closes the dialog on Enter.
    for (QPushButton* button : {m_search, m_unlink, m_properties}) {
        button->setAutoDefault(false);
    }
    m_path->setMinimumWidth(fontMetrics().averageCharWidth() * 60);

    connect(m_editManually, &QCheckBox::toggled, this, &Dlg_EmbeddedDocumentOptions::OnEditManually);
    connect(m_search, &QPushButton::clicked, this, [this] {
        m_link.LoadAndLink();
        UpdateControls();
    });
    connect(m_unlink, &QPushButton::clicked, this, [this] {
        m_link.Unlink();
        UpdateControls();
    });
    connect(m_properties, &QPushButton::clicked, this, [this] {
        if (m_projectProperties) {
            m_projectProperties(this);
        }
    });
    UpdateControls();
}

void Dlg_EmbeddedDocumentOptions::UpdateControls() {
    const bool linked = m_doc.m_bLinked;
    if (linked) {
        m_path->setText(m_doc.m_strLinkedPath);
    } else {
        m_path->clear();
    }
    m_path->setEnabled(linked);
    m_path->setReadOnly(!m_editManually->isChecked());
    m_search->setEnabled(!linked);
    m_unlink->setEnabled(linked);
    m_properties->setEnabled(linked);
}

void Dlg_EmbeddedDocumentOptions::OnEditManually(bool checked) {
    if (checked) {
        m_path->setEnabled(true);
    }
    m_path->setReadOnly(!checked);
}

void Dlg_EmbeddedDocumentOptions::accept() {
    const QString path = m_path->text();
    if (m_doc.m_bLinked) {
        if (path != m_doc.m_strLinkedPath) {
            const int answer = DVMessageBox(
                QStringLiteral(
                    "Are you sure that you want to link to another project?\nUnsaved data will be lost."),
                DV::MB_YESNO | DV::MB_ICONWARNING | DV::MB_DEFBUTTON2);
            if (answer != DV::IDYES) {
                return;
            }
            if (!m_link.LinkProject(path)) {
                // The old link is gone with the failed one.
                UpdateControls();
                return;
            }
        }
    } else if (!path.isEmpty() && !m_link.LinkProject(path)) {
        return;
    }
    QDialog::accept();
}
