// The tree of Dlg_QuickSelect: building it from a family list and the marker icons.
#include "dialogs/Dlg_QuickSelect.h"

#include "app/shell/DVIcons.h"
#include "dialogs/DVOkCancel.h"
#include "document/CReqDoc.h"
#include "views/CDVViewHost.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char*, Dlg_QuickSelect::ModeCount> kTitles = {
    "Quick-Select: Requirements for Use-Case Step",
    "Quick-Select: Input Parameters for Use-Case Step",
    "Quick-Select: Output Parameters of Use-Case Step",
    "Quick-Select: One Actor for Use-Case Step",
    "Quick-Select: Passive Actors for Use-Case Step",
    "Quick-Select: Calling Functions for Use-Case Step",
    "Quick-Select: Created Requirements by Requirement",
    "Quick-Select: Requirement derived from Requirements",
    "Quick-Select: Created Use Cases by Functional Requirement",
    "Quick-Select: Requirement derived from Use Cases",
    "Quick-Select: Use Case derived from Functional Requirements",
    "Quick-Select: Created Requirements by Use Case"};

bool IsActorMode(int mode) {
    return mode >= Dlg_QuickSelect::StepInputValues && mode <= Dlg_QuickSelect::StepCallingFunctions;
}

bool IsUseCaseTreeMode(int mode) {
    return mode == Dlg_QuickSelect::CreatedUseCases || mode == Dlg_QuickSelect::DerivedFromUseCases;
}

QIcon MarkerIcon(int marker) {
    return DVIcons::Named(marker == Dlg_QuickSelect::Selected ? "phase-done" : "phase-open");
}

}  // namespace

Dlg_QuickSelect::Dlg_QuickSelect(QWidget* parent) : QDialog(parent), m_tree(new QTreeWidget(this)) {
    setWindowTitle(QStringLiteral("Quick Select"));
    m_tree->setHeaderHidden(true);
    QDialogButtonBox* buttons = OkCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tree);
    layout->addWidget(buttons);
    resize(420, 480);
    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { ToggleMarker(current); });
}

void Dlg_QuickSelect::SetObject(CDVData* object, CUseCase* stepUseCase) {
    m_pRequirement = nullptr;
    m_pUseCase = nullptr;
    m_pStep = nullptr;
    m_pStepUseCase = stepUseCase;
    if (object == nullptr) {
        return;
    }
    switch (object->Family()) {
        case DVFamily::Requirement:
            m_pRequirement = static_cast<Requirement*>(object);
            break;
        case DVFamily::UseCase:
            m_pUseCase = static_cast<CUseCase*>(object);
            break;
        case DVFamily::Step:
            m_pStep = static_cast<CStep*>(object);
            break;
        default:
            break;
    }
}

void Dlg_QuickSelect::showEvent(QShowEvent* event) {
    InitDialog();
    QDialog::showEvent(event);
}

bool Dlg_QuickSelect::eventFilter(QObject* watched, QEvent* event) {
    // Space toggles the current leaf without moving away from it.
    if (watched == m_tree && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        ToggleMarker(m_tree->currentItem());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool Dlg_QuickSelect::UsesMarkers() const {
    return m_nMode == StepInputValues || m_nMode == StepOutputValues || m_nMode == StepCallingFunctions;
}

void Dlg_QuickSelect::InitDialog() {
    if (m_bInitialised || m_pDocument == nullptr || m_nMode < 0 || m_nMode >= ModeCount) {
        return;
    }
    const bool hasObject = m_nMode <= StepCallingFunctions  ? m_pStep != nullptr
                           : m_nMode <= DerivedFromUseCases ? m_pRequirement != nullptr
                                                            : m_pUseCase != nullptr;
    if (!hasObject || (m_nMode == StepRequirements && m_pStepUseCase == nullptr)) {
        return;
    }
    m_bInitialised = true;
    SetReference();
    {
        // Building selects nothing; the markers toggle only on the user's moves.
        const QSignalBlocker block(m_tree);
        if (IsActorMode(m_nMode)) {
            AddFamily(m_pDocument->m_actors);
        } else if (IsUseCaseTreeMode(m_nMode)) {
            AddFamily(m_pDocument->m_useCases);
        } else {
            AddFamily(m_pDocument->m_requirements);
        }
        for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
            m_tree->topLevelItem(i)->setExpanded(true);
        }
    }
    if (UsesMarkers()) {
        m_tree->installEventFilter(this);
    }
    setWindowIcon(IsActorMode(m_nMode)         ? DVIcons::Named("view-actors")
                  : IsUseCaseTreeMode(m_nMode) ? DVIcons::Named("view-usecases")
                                               : DVIcons::Named("view-requirements"));
    setWindowTitle(QString::fromLatin1(kTitles[size_t(m_nMode)]));
}

void Dlg_QuickSelect::SetReference() {
    if (m_nMode == StepRequirements || m_nMode == UseCaseRequirements) {
        // The first requirement in document order that the use case derives from.
        const Requirement* first = nullptr;
        int firstPosition = -1;
        for (const quint32 id : *UseCaseDerivedFromList()) {
            const Requirement* requirement = m_pDocument->FindRequirement(qint32(id));
            const int position = m_pDocument->m_requirements.IndexOf(requirement);
            if (position >= 0 && (first == nullptr || position < firstPosition)) {
                first = requirement;
                firstPosition = position;
            }
        }
        m_nReferenceId = first != nullptr ? quint32(first->m_nId) : 0;
        m_strReferenceName = first != nullptr ? first->GetTitle() : QString();
    } else {
        const CDVData* object = m_pStep != nullptr          ? static_cast<const CDVData*>(m_pStep)
                                : m_pRequirement != nullptr ? static_cast<const CDVData*>(m_pRequirement)
                                                            : static_cast<const CDVData*>(m_pUseCase);
        m_nReferenceId = quint32(object->m_nId);
        m_strReferenceName = object->GetTitle();
    }
    switch (m_nMode) {
        case StepRequirements:
        case CreatedRequirements:
        case UseCaseRequirements:
            m_bCheckAbove = true;
            m_bReferenceCheckOff = false;
            break;
        case DerivedFromRequirements:
            m_bCheckBelow = true;
            m_bReferenceCheckOff = false;
            break;
        default:
            break;
    }
    if (m_nReferenceId == 0) {
        m_bCheckAbove = m_bCheckBelow = false;
        m_bReferenceCheckOff = true;
    }
}

// The family list is in tree pre-order: an object whose parent is the current level's parent joins that
// level, one whose parent is the level's last item opens a level below it, any other ends the level.
template <typename List>
void Dlg_QuickSelect::AddFamily(const List& list) {
    struct Level {
        QTreeWidgetItem* parent;
        qint32 parentId;
        QTreeWidgetItem* last;
        qint32 lastId;
    };
    std::vector<Level> levels{{m_tree->invisibleRootItem(), 0, nullptr, 0}};
    for (const auto* object : list) {
        if (object->m_bDeleted) {
            continue;
        }
        while (true) {
            Level& level = levels.back();
            if (object->m_nParentId == level.parentId) {
                level.last = AddItem(level.parent, *object);
                level.lastId = object->m_nId;
                break;
            }
            if (level.last != nullptr && object->m_nParentId == level.lastId) {
                const Level below{level.last, level.lastId, nullptr, 0};
                levels.push_back(below);
                continue;
            }
            if (levels.size() == 1) {
                // Out of tree order at the top: left out, the rest still shown.
                break;
            }
            levels.pop_back();
        }
    }
}

QTreeWidgetItem* Dlg_QuickSelect::AddItem(QTreeWidgetItem* parent, const CDVData& object) {
    auto* item = new QTreeWidgetItem(parent, {object.GetTitle()});
    const QList<QIcon>& icons = CDVViewHost::Instance().imageList;
    const int image = object.GetImageIndex();
    item->setIcon(0, image >= 0 && image < icons.size() ? icons.at(image) : DVIcons::ImageListIcon(image));
    const quint32 id = quint32(object.m_nId);
    item->setData(0, IdRole, id);
    if (UsesMarkers()) {
        AddActorLeaves(item, id);
    } else {
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, IsInEditedList(id) ? Qt::Checked : Qt::Unchecked);
    }
    return item;
}

void Dlg_QuickSelect::AddActorLeaves(QTreeWidgetItem* item, quint32 actorId) {
    const CActor* actor = m_pDocument->FindActor(qint32(actorId));
    if (actor == nullptr) {
        return;
    }
    if (m_nMode == StepCallingFunctions) {
        for (const auto& function : actor->m_functions) {
            const quint32 id = quint32(function->m_nId);
            AddLeaf(item, id, function->FunctionText(), IsInEditedList(id));
        }
        return;
    }
    const std::vector<DVParameterValue>& values =
        m_nMode == StepInputValues ? m_pStep->m_inputValues : m_pStep->m_outputValues;
    for (const auto& parameter : actor->m_actorParameters) {
        const bool selected = std::any_of(values.begin(), values.end(), [&](const DVParameterValue& value) {
            return value.m_nParameterId == parameter->m_nId;
        });
        AddLeaf(item, quint32(parameter->m_nId), parameter->m_strName, selected);
    }
}

void Dlg_QuickSelect::AddLeaf(QTreeWidgetItem* parent, quint32 id, const QString& text, bool selected) {
    auto* leaf = new QTreeWidgetItem(parent, {text});
    const int marker = selected ? Selected : NotSelected;
    leaf->setData(0, IdRole, id);
    leaf->setData(0, MarkerRole, marker);
    leaf->setIcon(0, MarkerIcon(marker));
}

bool Dlg_QuickSelect::IsInEditedList(quint32 id) const {
    if (m_nMode == StepActor) {
        return m_pStep->m_nActorId != 0 && quint32(m_pStep->m_nActorId) == id;
    }
    const DVIdArray* list = EditedList();
    return list != nullptr && std::find(list->begin(), list->end(), id) != list->end();
}

void Dlg_QuickSelect::ToggleMarker(QTreeWidgetItem* item) {
    if (item == nullptr) {
        return;
    }
    const int marker = item->data(0, MarkerRole).toInt();
    if (marker == NoMarker) {
        return;
    }
    const int toggled = marker == Selected ? NotSelected : Selected;
    item->setData(0, MarkerRole, toggled);
    item->setIcon(0, MarkerIcon(toggled));
}

QTreeWidgetItem* Dlg_QuickSelect::FindItem(quint32 id) const {
    for (QTreeWidgetItemIterator it(m_tree); *it != nullptr; ++it) {
        const bool counts = !UsesMarkers() || (*it)->data(0, MarkerRole).toInt() != NoMarker;
        if (counts && (*it)->data(0, IdRole).toUInt() == id) {
            return *it;
        }
    }
    return nullptr;
}
