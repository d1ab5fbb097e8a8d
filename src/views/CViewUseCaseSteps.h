#pragma once

#include "views/CViewDVTreeList.h"

class CUseCase;

// The matrix view of the steps of one use case: prepared step structures, step numbering in tree order,
// and the step links through the quick selection. Without a use case it shows nothing and creates nothing.
class CViewUseCaseSteps : public CViewDVTreeList {
    Q_OBJECT
public:
    CViewUseCaseSteps(CReqDoc* doc, CUseCase* useCase, QWidget* parent = nullptr);

    CUseCase* GetUseCase() const { return m_pUseCase; }
    DVFamily FamilyKind() const override { return DVFamily::Step; }
    void GetViewTitle(QString& title, const CReqDoc* doc) const override;
    void OnInitialUpdate() override;
    void RenumberSteps() override;
    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CDVCommandState& state) override;

    CDVData* GetObjectAt(int position) const override;
    int GetFamilyListHead() const override;
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
    bool SharesRowsWith(const CViewDVTreeList& other) const override;
    int QuickSelectMode(CDVData* object, int fieldId) override;
    void BuildContextMenu(QMenu* menu) override;
    CDVData* StructureOwner() const override;

private:
    bool ShowsLiveUseCase() const;
    void InsertStructure(int id);

    CUseCase* m_pUseCase;
};
