// Undo of CViewDVTreeList: the names of its steps and the row a step selects.
#include "views/CViewDVTreeList.h"

#include "views/DVCommandIds.h"

QString CViewDVTreeList::FamilyNoun() const {
    switch (FamilyKind()) {
        case DVFamily::Requirement:
            return QStringLiteral("Requirement");
        case DVFamily::Actor:
            return QStringLiteral("Actor");
        case DVFamily::UseCase:
            return QStringLiteral("Use-Case");
        default:
            return QStringLiteral("Step");
    }
}

QString CViewDVTreeList::TreeStepName(int id) const {
    switch (id) {
        case DVCmd::Cut:
            return QStringLiteral("Cut");
        case DVCmd::Paste:
            return QStringLiteral("Paste");
        case DVCmd::InsertNew:
            return QStringLiteral("Insert New %1").arg(FamilyNoun());
        case DVCmd::InsertNewChild:
            return QStringLiteral("Insert New Child-%1").arg(FamilyNoun());
        case DVCmd::IncreaseIndent:
            return QStringLiteral("Increase Indent");
        case DVCmd::DecreaseIndent:
            return QStringLiteral("Decrease Indent");
        case DVCmd::MoveUp:
            return QStringLiteral("Move Up");
        case DVCmd::MoveDown:
            return QStringLiteral("Move Down");
        case DVCmd::Delete:
            return QStringLiteral("Delete %1").arg(FamilyNoun());
        default:
            return QString();
    }
}

void CViewDVTreeList::ShowObject(int family, qint32 id) {
    if (m_grid == nullptr || family != int(FamilyKind()) || id == 0) {
        return;
    }
    if (const HTREEITEM row = FindRowOfObject(id)) {
        m_grid->SelectCell(row, m_grid->GetCaretColumn());
        m_grid->EnsureVisible(row);
    }
}
