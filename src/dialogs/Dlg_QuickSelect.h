#pragma once

#include "model/CDVVerificationData.h"

#include <QDialog>
#include <QStringList>

class CDVData;
class CReqDoc;
class CStep;
class CUseCase;
class QTreeWidget;
class QTreeWidgetItem;
class Requirement;

// "Quick Select": the requirements, actors or use cases that one link list of one object shall hold. Both
// sides of a link change unless the dialog is deferred (an edit sheet then updates the partners at its own
// OK); the edited object's version is the caller's business.
class Dlg_QuickSelect : public QDialog {
    Q_OBJECT
public:
    // Modes by the list they edit.
    enum Mode {
        StepRequirements = 0,
        StepInputValues = 1,
        StepOutputValues = 2,
        StepActor = 3,
        StepActsOn = 4,
        StepCallingFunctions = 5,
        CreatedRequirements = 6,
        DerivedFromRequirements = 7,
        CreatedUseCases = 8,
        DerivedFromUseCases = 9,
        UseCaseDerivedFrom = 10,
        UseCaseRequirements = 11,
        ModeCount = 12
    };
    // Marker of the leaves in modes 1, 2 and 5 (item data).
    enum Marker { NoMarker = 0, NotSelected = 1, Selected = 2 };
    static constexpr int IdRole = Qt::UserRole;
    static constexpr int MarkerRole = Qt::UserRole + 1;

    explicit Dlg_QuickSelect(QWidget* parent = nullptr);

    void SetDocument(CReqDoc* doc) { m_pDocument = doc; }
    // The edited object goes to the member of its kind; a step needs its use case.
    void SetObject(CDVData* object, CUseCase* stepUseCase = nullptr);
    void SetMode(int mode) { m_nMode = mode; }
    void SetDeferred(bool deferred) { m_bDeferred = deferred; }

    // Builds the tree; runs on the first show and does nothing without document or object.
    void InitDialog();
    // After OK: whether the edited list changed.
    bool Changed() const { return m_bChanged; }
    const DVIdArray& Selection() const { return m_selection; }
    QTreeWidget* Tree() const { return m_tree; }
    // The item of the object (or parameter or function) with that identifier, null when none.
    QTreeWidgetItem* FindItem(quint32 id) const;

    void accept() override;

    // The partner updates of the links a deferred selection added and removed, for the edit sheet that
    // carries them out at its OK. The user confirmed the removals when making them.
    void UpdatePartners(const DVIdArray& added, const DVIdArray& removed);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Tree (Dlg_QuickSelect.cpp).
    void SetReference();
    template <typename List>
    void AddFamily(const List& list);
    QTreeWidgetItem* AddItem(QTreeWidgetItem* parent, const CDVData& object);
    void AddActorLeaves(QTreeWidgetItem* item, quint32 actorId);
    void AddLeaf(QTreeWidgetItem* parent, quint32 id, const QString& text, bool selected);
    bool IsInEditedList(quint32 id) const;
    void ToggleMarker(QTreeWidgetItem* item);
    bool UsesMarkers() const;

    // OK (Dlg_QuickSelectApply.cpp).
    void CollectSelection();
    bool UserWantsToReedit();
    bool ApplyParameterValues();
    void ApplyActor();
    void ApplyIdList();
    void AddPartner(quint32 id);
    void RemovePartner(quint32 id);
    bool ConfirmStepRequirementRemoval(quint32 id);
    bool ConfirmUseCaseRequirementRemoval(quint32 id);
    DVIdArray* EditedList() const;
    const DVIdArray* UseCaseDerivedFromList() const;
    bool IsFunctionalRequirement(quint32 id) const;

    CReqDoc* m_pDocument = nullptr;
    Requirement* m_pRequirement = nullptr;
    CUseCase* m_pUseCase = nullptr;
    CStep* m_pStep = nullptr;
    CUseCase* m_pStepUseCase = nullptr;
    int m_nMode = StepRequirements;
    bool m_bDeferred = false;
    bool m_bChanged = false;
    bool m_bInitialised = false;
    bool m_bRemovalsConfirmed = false;

    DVIdArray m_selection;
    QStringList m_aboveList;
    QStringList m_belowList;
    bool m_bCheckAbove = false;
    bool m_bCheckBelow = false;
    bool m_bReferenceCheckOff = true;
    quint32 m_nReferenceId = 0;
    QString m_strReferenceName;

    QTreeWidget* m_tree;
};
