#include "dialogs/DVObjectTextFields.h"

#include "dialogs/DVPageWidgets.h"
#include "model/CDVData.h"
#include "model/CReqProject.h"
#include "platform/DVFormat.h"

#include <QFormLayout>

DVObjectTextFields::DVObjectTextFields(QWidget* parent)
    : title(new QLineEdit(parent)),
      id(ReadOnlyLine(parent)),
      description(MultiLineEdit(parent)),
      comment(MultiLineEdit(parent)),
      version(ReadOnlyLine(parent)),
      modified(ReadOnlyLine(parent)) {}

void DVObjectTextFields::AddUpperRows(QFormLayout* form, const QString& titleLabel) const {
    form->addRow(titleLabel, title);
    form->addRow(QStringLiteral("ID-Number:"), id);
    form->addRow(QStringLiteral("Description:"), description);
    form->addRow(QStringLiteral("Comment:"), comment);
}

void DVObjectTextFields::AddLowerRows(QFormLayout* form) const {
    form->addRow(QStringLiteral("Version:"), version);
    form->addRow(QStringLiteral("Last Modified:"), modified);
}

void DVObjectTextFields::SetTabOrder(std::initializer_list<QWidget*> typeRows) const {
    QWidget* previous = comment;
    for (QWidget* next : typeRows) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
    QWidget::setTabOrder(previous, version);
    QWidget::setTabOrder(version, modified);
}

void DVObjectTextFields::Show(const CDVData& object) const {
    title->setText(object.m_strTitle);
    id->setText(QString::number(object.m_nId));
    description->setPlainText(object.m_strDescription);
    comment->setPlainText(object.m_strComment);
    version->setText(CReqProject::FormatVersion(object.m_version));
    modified->setText(FormatTime(object.m_timeModified));
}

bool DVObjectTextFields::Differ(const CDVData& object) const {
    return title->text() != object.m_strTitle ||
           EditedText(description, object.m_strDescription) != object.m_strDescription ||
           EditedText(comment, object.m_strComment) != object.m_strComment;
}

void DVObjectTextFields::Write(CDVData& object) const {
    object.m_strTitle = title->text();
    object.m_strDescription = EditedText(description, object.m_strDescription);
    object.m_strComment = EditedText(comment, object.m_strComment);
}
