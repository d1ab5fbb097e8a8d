#include "dialogs/DVPageWidgets.h"

#include "model/CReqProject.h"
#include "views/CDVViewHost.h"

QLineEdit* ReadOnlyLine(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    return edit;
}

QPlainTextEdit* MultiLineEdit(QWidget* parent) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setTabChangesFocus(true);
    return edit;
}

QString EditedText(const QPlainTextEdit* edit, const QString& original) {
    const QString text = edit->toPlainText();
    QString shown = original;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text == shown ? original : text;
}

QIcon ImageListIcon(int index) {
    const QList<QIcon>& icons = CDVViewHost::Instance().imageList;
    return index >= 0 && index < icons.size() ? icons[index] : QIcon();
}

void FillValueNameCombo(QComboBox* combo, const CReqProject* doc, int first, int last, int firstIcon) {
    for (int id = first; id <= last; ++id) {
        combo->addItem(ImageListIcon(firstIcon + id - first), doc->GetValueName(id));
    }
}
