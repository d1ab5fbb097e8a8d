#pragma once

#include <QDialog>

// The about box: name, splash picture and version.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    // Control id of the version label in the dialog's original layout; its object name is "version".
    static constexpr int kVersionControlId = 1109;

    explicit CAboutDlg(QWidget* parent = nullptr);
};
