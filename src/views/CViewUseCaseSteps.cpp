#include "views/CViewUseCaseSteps.h"

#include "document/CReqDoc.h"
#include "document/DVUndoScope.h"
#include "model/StringIds.h"
#include "views/DVCommandIds.h"

#include <QCursor>
#include <QMenu>

namespace {

// Value names of the fork node's and join node's descriptions.
constexpr int ValueSplitThreads = 528;
constexpr int ValueJoinThreads = 529;

bool IsStructureCommand(int id) {
    return (id >= DVCmd::StepSimple && id <= DVCmd::StepFork) || id == DVCmd::StepSuccessfulEnd ||
           id == DVCmd::StepUnsuccessfulEnd || id == DVCmd::StepGoto || id == DVCmd::StepForkThread;
}

}  // namespace

CViewUseCaseSteps::CViewUseCaseSteps(CReqDoc* doc, CUseCase* useCase, QWidget* parent)
    : CViewDVTreeList(doc, CReqDoc::ViewSteps, parent), m_pUseCase(useCase) {}

void CViewUseCaseSteps::GetViewTitle(QString& title, const CReqDoc* doc) const {
    title =
        m_pUseCase != nullptr
            ? QStringLiteral("Steps of Use Case %1 - %2").arg(m_pUseCase->m_strTitle, doc->m_strProjectName)
            : QStringLiteral("Steps - %1").arg(doc->m_strProjectName);
}

void CViewUseCaseSteps::OnInitialUpdate() {
    CViewDVTreeList::OnInitialUpdate();
    RenumberSteps();
}

bool CViewUseCaseSteps::ShowsLiveUseCase() const {
    return m_pUseCase != nullptr && m_pDocument->ContainsUseCase(m_pUseCase);
}

CDVData* CViewUseCaseSteps::GetObjectAt(int position) const {
    if (m_pUseCase == nullptr) {
        return nullptr;
    }
    const auto& list = m_pUseCase->m_steps;
    return position >= 0 && position < list.size() ? list.at(position) : nullptr;
}

int CViewUseCaseSteps::GetFamilyListHead() const {
    return ShowsLiveUseCase() ? CViewDVTreeList::GetFamilyListHead() : -1;
}

void CViewUseCaseSteps::ClearFamilyList() {
    if (m_pUseCase != nullptr) {
        m_pUseCase->m_steps.Clear();
    }
}

bool CViewUseCaseSteps::AppendToFamilyList(CDVData* object) {
    return m_pUseCase != nullptr && m_pUseCase->m_steps.Append(AsMember<CStep>(object));
}

CDVData* CViewUseCaseSteps::CreateCopy(CDVData* source) {
    if (m_pUseCase == nullptr || source->Family() != DVFamily::Step) {
        return nullptr;
    }
    return m_pUseCase->m_steps.Append(m_pDocument->CopyStep(*m_pUseCase, *static_cast<CStep*>(source)));
}

CDVData* CViewUseCaseSteps::CreateObject() {
    return m_pUseCase != nullptr ? m_pUseCase->m_steps.Append(m_pDocument->NewStep(*m_pUseCase)) : nullptr;
}

qint32 CViewUseCaseSteps::GetStoredTopObjectId() const {
    return ShowsLiveUseCase() ? m_pUseCase->m_nTopStepId : 0;
}

void CViewUseCaseSteps::SetStoredTopObjectId(qint32 id) {
    if (m_pUseCase != nullptr) {
        m_pUseCase->m_nTopStepId = id;
    }
}

qint32 CViewUseCaseSteps::GetFamilyRowColour() const {
    return m_pDocument->m_clrAltStep;
}

bool CViewUseCaseSteps::IsFamilyObject(const CDVData* object) const {
    return m_pUseCase != nullptr && m_pUseCase->m_steps.Contains(AsMember<CStep>(object));
}

QString CViewUseCaseSteps::GetTitleColumnHeader() const {
    return m_pDocument->GetHeaderText(468);
}

CDVColumn* CViewUseCaseSteps::FamilyColumnSet() const {
    return &m_pDocument->m_colsSteps;
}

bool CViewUseCaseSteps::SharesRowsWith(const CViewDVTreeList& other) const {
    const auto* steps = dynamic_cast<const CViewUseCaseSteps*>(&other);
    return steps != nullptr && steps->m_pUseCase == m_pUseCase;
}

int CViewUseCaseSteps::QuickSelectMode(CDVData* object, int fieldId) {
    Q_UNUSED(object);
    switch (fieldId) {
        case FIELD_STEP_REQUIREMENTS:
            return 0;
        case FIELD_INPUT_VALUES:
            return 1;
        case FIELD_OUTPUT_VALUES:
            return 2;
        case FIELD_ACTOR:
            return 3;
        case FIELD_ACTS_ON:
            return 4;
        case FIELD_CALLING_FUNCTIONS:
            return 5;
        default:
            return NoLink;
    }
}

void CViewUseCaseSteps::RenumberSteps() {
    CTreeListCtrl* grid = GetGrid();
    if (grid == nullptr) {
        return;
    }
    int number = 0;
    for (HTREEITEM row = grid->GetNextItem(0, TVGN_ROOT); row != 0; row = NextInPreOrder(row)) {
        if (auto* step = static_cast<CStep*>(FamilyObjectOf(row))) {
            const QString text = QString::number(++number);
            if (step->m_strNumber != text) {
                m_pDocument->BeforeChange(step);
                step->m_strNumber = text;
            }
            FillRow(row, step, false);
        }
    }
    grid->viewport()->update();
}

bool CViewUseCaseSteps::OnCommand(int id) {
    if (IsStructureCommand(id)) {
        DVUndoScope step(*m_pDocument, QStringLiteral("Insert New Step"));
        step.Capture(m_pUseCase);
        InsertStructure(id);
        return true;
    }
    switch (id) {
        case DVCmd::StepMenu:
            ShowContextMenu(QCursor::pos());
            return true;
        case DVCmd::InsertNewChild:
        case DVCmd::ChangeStepType:
            return false;
        default:
            return CViewDVTreeList::OnCommand(id);
    }
}

bool CViewUseCaseSteps::OnUpdateCommand(int id, CDVCommandState& state) {
    if (IsStructureCommand(id) || id == DVCmd::StepMenu) {
        state.enabled = true;
        return true;
    }
    if (id == DVCmd::InsertNewChild || id == DVCmd::ChangeStepType) {
        return false;
    }
    return CViewDVTreeList::OnUpdateCommand(id, state);
}

void CViewUseCaseSteps::InsertStructure(int id) {
    if (m_pUseCase == nullptr) {
        return;
    }
    m_pDocument->MarkModified(m_pUseCase);
    CTreeListCtrl* grid = GetGrid();
    auto name = [this](int valueId) { return m_pDocument->GetValueName(valueId); };
    auto after = [this](int type, const QString& title = QString(), const QString& description = QString(),
                        bool edit = false) { return InsertNewObject(false, edit, title, description, type); };
    auto child = [this](bool edit) {
        return InsertNewObject(true, edit, QString(), QString(), CStep::Simple);
    };
    auto select = [grid](HTREEITEM row) { grid->SelectItem(row, TVGN_CARET); };
    switch (id) {
        case DVCmd::StepSimple:
            after(CStep::Simple, QString(), QString(), true);
            break;
        case DVCmd::StepIf: {
            const HTREEITEM ifRow = after(CStep::If, name(VALUE_IF));
            select(ifRow);
            after(CStep::EndIf, name(VALUE_ENDIF));
            select(ifRow);
            select(after(CStep::Else, name(VALUE_ELSE)));
            child(false);
            select(ifRow);
            child(true);
            break;
        }
        case DVCmd::StepElseIf:
            after(CStep::ElseIf, name(VALUE_ELSE_IF));
            break;
        case DVCmd::StepElse:
            after(CStep::Else, name(VALUE_ELSE));
            break;
        case DVCmd::StepFork: {
            const QString conjunction = name(VALUE_AND).toLower();
            const HTREEITEM fork =
                after(CStep::Fork, name(VALUE_FORK_NODE),
                      QStringLiteral("%1 A %2 B").arg(name(ValueSplitThreads), conjunction));
            select(fork);
            after(CStep::Join, name(VALUE_JOIN_NODE),
                  QStringLiteral("%1 A %2 B").arg(name(ValueJoinThreads), conjunction));
            select(fork);
            const HTREEITEM threadA = InsertNewObject(
                true, false, name(VALUE_FORK_THREAD) + QStringLiteral(" A"), QString(), CStep::Fork);
            select(fork);
            select(InsertNewObject(true, false, name(VALUE_FORK_THREAD) + QStringLiteral(" B"), QString(),
                                   CStep::Fork));
            child(false);
            select(threadA);
            child(true);
            break;
        }
        case DVCmd::StepForkThread:
            select(after(CStep::Fork, name(VALUE_FORK_THREAD) + QStringLiteral(" X")));
            child(true);
            break;
        case DVCmd::StepGoto:
            after(CStep::Goto, name(VALUE_GOTO), QString(), true);
            break;
        case DVCmd::StepSuccessfulEnd:
            after(CStep::SuccessfulEnd, name(VALUE_SUCCESSFUL_END));
            break;
        case DVCmd::StepUnsuccessfulEnd:
            after(CStep::UnsuccessfulEnd, name(VALUE_UNSUCCESSFUL_END));
            break;
        default:
            break;
    }
}

bool CViewUseCaseSteps::DeleteItemBranch(HTREEITEM item) {
    CDVData* object = FamilyObjectOf(item);
    if (object == nullptr || m_pUseCase == nullptr) {
        return false;
    }
    // The step leaves the project; the document keeps the object until it is emptied (see there).
    m_pDocument->m_removedSteps.push_back(m_pUseCase->m_steps.Take(static_cast<CStep*>(object)));
    m_pDocument->MarkModified(m_pUseCase);
    return DeleteChildRowsAndRow(item);
}

CDVData* CViewUseCaseSteps::StructureOwner() const {
    return m_pUseCase;
}

void CViewUseCaseSteps::BuildContextMenu(QMenu* menu) {
    AddEditCommands(menu, QStringLiteral("Step"), false);
    AddCommand(menu, DVCmd::ChangeStepType, QStringLiteral("Change Step Type To"));
    AddClipboardCommands(menu, QStringLiteral("Step"));
    QMenu* insert = menu->addMenu(QStringLiteral("Insert New Step"));
    AddCommand(insert, DVCmd::StepSimple, QStringLiteral("Simple Step"));
    AddCommand(insert, DVCmd::StepIf, QStringLiteral("If Statement"));
    AddCommand(insert, DVCmd::StepElseIf, QStringLiteral("Else If Statement"));
    AddCommand(insert, DVCmd::StepElse, QStringLiteral("Else Statement"));
    AddCommand(insert, DVCmd::StepFork, QStringLiteral("Fork Node"));
    AddCommand(insert, DVCmd::StepForkThread, QStringLiteral("Fork Thread"));
    AddCommand(insert, DVCmd::StepGoto, QStringLiteral("Goto Statement"));
    AddCommand(insert, DVCmd::StepSuccessfulEnd, QStringLiteral("Successful End"));
    AddCommand(insert, DVCmd::StepUnsuccessfulEnd, QStringLiteral("Unsuccessful End"));
    AddCommand(menu, DVCmd::InsertNewChild, QStringLiteral("Insert New Child-Step"));
    AddStructureCommands(menu);
    AddEmbeddedCommand(menu);
}
