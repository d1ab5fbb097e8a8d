#pragma once

#include "views/CViewDVTreeList.h"

// The matrix view of the use cases: folder switch, the requirement links through the quick selection,
// the steps of a use case in a window of their own, and deletion that removes the use case's links.
class CViewUseCaseList : public CViewDVTreeList {
    Q_OBJECT
public:
    explicit CViewUseCaseList(CReqDoc* doc, QWidget* parent = nullptr);

    DVFamily FamilyKind() const override { return DVFamily::UseCase; }
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
    void SetKind(int kind);
    void EditSteps();
};
