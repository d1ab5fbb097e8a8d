#pragma once

#include <QDialog>

#include <functional>

class CReqDoc;
class CReqDocLink;
class QCheckBox;
class QLineEdit;
class QPushButton;

// "Embedded Document Options": the project file the embedded project is linked to, and the way to
// the project properties used while it is linked.
class Dlg_EmbeddedDocumentOptions : public QDialog {
    Q_OBJECT
public:
    // projectProperties opens the options sheet on its "Matrix Properties" page.
    Dlg_EmbeddedDocumentOptions(CReqDoc& doc, CReqDocLink& link,
                                std::function<void(QWidget* parent)> projectProperties,
                                QWidget* parent = nullptr);

    // Controls by their dialog ids, for tests.
    QLineEdit* PathEdit() const { return m_path; }
    QCheckBox* EditManuallyCheck() const { return m_editManually; }
    QPushButton* SearchButton() const { return m_search; }
    QPushButton* UnlinkButton() const { return m_unlink; }
    QPushButton* PropertiesButton() const { return m_properties; }

    void accept() override;

private:
    // The controls follow the link state of the document.
    void UpdateControls();
    // Ticked, the path can be typed in; cleared, it is read-only.
    void OnEditManually(bool checked);

    CReqDoc& m_doc;
    CReqDocLink& m_link;
    std::function<void(QWidget* parent)> m_projectProperties;
    QLineEdit* m_path;
    QCheckBox* m_editManually;
    QPushButton* m_search;
    QPushButton* m_unlink;
    QPushButton* m_properties;
};
