#pragma once

#include "views/CViewDVTreeList.h"

// The matrix view of the actors: folder switch, the actor sheet on the parameter and function cells, and
// deletion that removes the actor, its parameters and functions from every step.
class CViewActors : public CViewDVTreeList {
    Q_OBJECT
public:
    explicit CViewActors(CReqDoc* doc, QWidget* parent = nullptr);

    DVFamily FamilyKind() const override { return DVFamily::Actor; }
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
    qintptr OnEnterInCell() override;
    void BuildContextMenu(QMenu* menu) override;

private:
    void SetKind(int kind);
};
