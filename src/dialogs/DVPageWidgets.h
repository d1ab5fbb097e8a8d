#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

class CReqProject;

// Controls the object pages share.

// A read-only one-line field.
QLineEdit* ReadOnlyLine(QWidget* parent);
// A multi-line text field; Tab moves on to the next control rather than typing a tab.
QPlainTextEdit* MultiLineEdit(QWidget* parent);
// The field's text, or the original when they differ only in the form of their line breaks (stored
// texts may break lines with CR LF, the field shows LF), so that showing a text does not change it.
QString EditedText(const QPlainTextEdit* edit, const QString& original);
// The icon of the matrix views' image list, a null icon where it has none.
QIcon ImageListIcon(int index);
// Appends the value names of the ids first..last with the icons of the matrix views' image list from
// firstIcon on.
void FillValueNameCombo(QComboBox* combo, const CReqProject* doc, int first, int last, int firstIcon);
