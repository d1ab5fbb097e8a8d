#pragma once

#include <QString>

#include <initializer_list>

class CDVData;
class QFormLayout;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

// The fields every object's description page shows: title, ID, description and comment above the
// page's type rows, version and last modification below them.
class DVObjectTextFields {
public:
    explicit DVObjectTextFields(QWidget* parent);

    void AddUpperRows(QFormLayout* form, const QString& titleLabel) const;
    void AddLowerRows(QFormLayout* form) const;
    // Tab goes through the rows in the order they are shown, the page's type rows in between.
    void SetTabOrder(std::initializer_list<QWidget*> typeRows) const;

    void Show(const CDVData& object) const;
    // Whether title, description or comment differ from the object's (exactly).
    bool Differ(const CDVData& object) const;
    void Write(CDVData& object) const;

    QLineEdit* title;
    QLineEdit* id;
    QPlainTextEdit* description;
    QPlainTextEdit* comment;
    QLineEdit* version;
    QLineEdit* modified;
};
