#pragma once

#include "views/CViewDVTreeList.h"

// The matrix view of the requirements: type changes from the context menu, the link columns through the
// quick selection, and deletion that removes every link other objects hold to the requirement.
class CViewTreelist : public CViewDVTreeList {
    Q_OBJECT
public:
    explicit CViewTreelist(CReqDoc* doc, QWidget* parent = nullptr);

    DVFamily FamilyKind() const override { return DVFamily::Requirement; }
    void GetViewTitle(QString& title, const CReqDoc* doc) const override;
    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CDVCommandState& state) override;

    CDVData* GetObjectAt(int position) const override;
    void ClearFamilyList() override;
    bool AppendToFamilyList(CDVData* object) override;
    CDVData* CreateCopy(CDVData* source) override;
    CDVData* CreateObject() override;
    bool DeleteItemBranch(HTREEITEM item) override;
    qint32 GetStoredTopObjectId() const override;
    void SetStoredTopObjectId(qint32 id) override;
    qint32 GetFamilyRowColour() const override;
    bool IsFamilyObject(const CDVData* object) const override;
    QString GetTitleColumnHeader() const override;
    CDVColumn* FamilyColumnSet() const override;

protected:
    int QuickSelectMode(CDVData* object, int fieldId) override;
    void BuildContextMenu(QMenu* menu) override;

private:
    void ChangeType(int type);
};
