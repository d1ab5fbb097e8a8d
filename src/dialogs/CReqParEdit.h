#pragma once

#include <QDialog>

class DVParameter;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// The editor of one parameter definition (text, number or list). OK writes the name, the type and the
// fields of the chosen type into the definition; the fields of the other types keep their values, so a
// list that was switched to text and back still has its items. The caller issues the identifier.
class CReqParEdit : public QDialog {
    Q_OBJECT
public:
    explicit CReqParEdit(DVParameter* definition, QWidget* parent = nullptr);

    // Item buttons, also for the keyboard and the tests.
    void AddItem();
    void EditItem();
    void ToggleDefaultItem();
    void DeleteItem();
    int DefaultItem() const { return m_nDefaultItem; }

    QLineEdit* NameEdit() const { return m_name; }
    QLineEdit* IdEdit() const { return m_id; }
    QComboBox* TypeCombo() const { return m_type; }
    QCheckBox* MaxLengthCheck() const { return m_maxLengthCheck; }
    QLineEdit* MaxLengthEdit() const { return m_maxLength; }
    QCheckBox* MinimumCheck() const { return m_minCheck; }
    QLineEdit* MinimumEdit() const { return m_min; }
    QCheckBox* MaximumCheck() const { return m_maxCheck; }
    QLineEdit* MaximumEdit() const { return m_max; }
    QTreeWidget* ItemList() const { return m_items; }

    void accept() override;

private:
    void EnableByType();
    void ShowDefaultIcons();

    DVParameter* m_pDefinition;
    int m_nDefaultItem;

    QLineEdit* m_name;
    QLineEdit* m_id;
    QComboBox* m_type;
    QCheckBox* m_maxLengthCheck;
    QLineEdit* m_maxLength;
    QCheckBox* m_minCheck;
    QLineEdit* m_min;
    QCheckBox* m_maxCheck;
    QLineEdit* m_max;
    QTreeWidget* m_items;
    QPushButton* m_addItem;
    QPushButton* m_editItem;
    QPushButton* m_toggleDefault;
    QPushButton* m_deleteItem;
};
