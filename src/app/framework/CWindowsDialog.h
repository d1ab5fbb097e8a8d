#pragma once

#include <QDialog>

class QListWidget;
class QMdiArea;

// "Windows...": lists the document windows to activate or close them.
class CWindowsDialog : public QDialog {
    Q_OBJECT
public:
    CWindowsDialog(QMdiArea* area, QWidget* parent = nullptr);

private:
    void Fill();
    void ActivateSelected();
    void CloseSelected();

    QMdiArea* m_area;
    QListWidget* m_list;
};
