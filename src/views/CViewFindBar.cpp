#include "views/CViewFindBar.h"

#include "platform/DVMessageBox.h"
#include "views/CDVCommandTarget.h"
#include "views/CViewDVTreeList.h"
#include "views/DVCommandIds.h"
#include "views/DVViewReplace.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <limits>

namespace {

QString FamilyNoun(DVFamily family) {
    switch (family) {
        case DVFamily::Requirement:
            return QStringLiteral("requirement");
        case DVFamily::Actor:
            return QStringLiteral("actor");
        case DVFamily::Function:
            return QStringLiteral("function");
        case DVFamily::UseCase:
            return QStringLiteral("use case");
        case DVFamily::Step:
            return QStringLiteral("step");
    }
    return QString();
}

QPushButton* NewButton(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

}  // namespace

CViewFindBar::CViewFindBar(CViewDVTreeList& view) : QWidget(&view), m_view(view) {
    setAutoFillBackground(true);
    // Two rows on one grid, so that the fields and buttons of the replacement line up with those above.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(4);
    const auto addField = [this, grid](int row, const QString& label) {
        auto* field = new QLineEdit(this);
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 30);
        auto* caption = new QLabel(label, this);
        caption->setBuddy(field);
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row, 1);
        return field;
    };

    m_find = addField(0, QStringLiteral("Fi&nd:"));
    m_find->setClearButtonEnabled(true);
    QPushButton* previous = NewButton(QStringLiteral("Previous"), this);
    previous->setToolTip(QStringLiteral("Previous match (Shift+F3)"));
    grid->addWidget(previous, 0, 2);
    QPushButton* next = NewButton(QStringLiteral("Next"), this);
    next->setToolTip(QStringLiteral("Next match (F3)"));
    grid->addWidget(next, 0, 3);
    m_matchCase = new QCheckBox(QStringLiteral("Match &case"), this);
    grid->addWidget(m_matchCase, 0, 4);
    m_status = new QLabel(this);
    m_status->setMinimumWidth(
        m_status->fontMetrics().horizontalAdvance(QStringLiteral("No replaceable matches")));
    grid->addWidget(m_status, 0, 5);
    grid->setColumnStretch(5, 1);
    auto* idLabel = new QLabel(QStringLiteral("&Go to ID:"), this);
    grid->addWidget(idLabel, 0, 6);
    m_id = new QLineEdit(this);
    idLabel->setBuddy(m_id);
    m_id->setValidator(new QIntValidator(1, std::numeric_limits<int>::max(), m_id));
    m_id->setMaximumWidth(m_id->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 16);
    grid->addWidget(m_id, 0, 7);
    auto* close = new QToolButton(this);
    close->setText(QStringLiteral("\u2715"));
    close->setAutoRaise(true);
    close->setToolTip(QStringLiteral("Close (Escape)"));
    grid->addWidget(close, 0, 8);

    m_replace = addField(1, QStringLiteral("Re&place with:"));
    QPushButton* replace = NewButton(QStringLiteral("&Replace"), this);
    grid->addWidget(replace, 1, 2);
    QPushButton* replaceAll = NewButton(QStringLiteral("Replace &All"), this);
    grid->addWidget(replaceAll, 1, 3);
    for (int column = 0; column < 4; ++column) {
        m_replaceRow.append(grid->itemAtPosition(1, column)->widget());
    }
    SetReplaceShown(false);
    // The texts first, then the buttons, then the rest.
    const QList<QWidget*> tabOrder = {m_find,     m_replace,   previous, next, replace,
                                      replaceAll, m_matchCase, m_id,     close};
    for (qsizetype i = 1; i < tabOrder.size(); ++i) {
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }

    for (QLineEdit* field : {m_find, m_replace, m_id}) {
        field->installEventFilter(this);
    }
    connect(m_find, &QLineEdit::textEdited, this, &CViewFindBar::OnTextEdited);
    connect(m_matchCase, &QCheckBox::toggled, this, &CViewFindBar::OnTextEdited);
    connect(previous, &QPushButton::clicked, this, [this] { FindNext(true); });
    connect(next, &QPushButton::clicked, this, [this] { FindNext(false); });
    connect(replace, &QPushButton::clicked, this, &CViewFindBar::ReplaceCurrent);
    connect(replaceAll, &QPushButton::clicked, this, &CViewFindBar::ReplaceAll);
    connect(close, &QToolButton::clicked, this, &CViewFindBar::Close);
    hide();
}

CViewFindBar* CViewFindBar::Of(const CViewDVTreeList& view) {
    return view.findChild<CViewFindBar*>(QString(), Qt::FindDirectChildrenOnly);
}

bool CViewFindBar::RunCommand(CViewDVTreeList& view, int id) {
    CViewFindBar* bar = Of(view);
    const bool open = bar != nullptr && !bar->isHidden();
    switch (id) {
        case DVCmd::Find:
        case DVCmd::Replace:
        case DVCmd::GoToId:
            if (bar == nullptr) {
                bar = new CViewFindBar(view);
            }
            bar->Open(id == DVCmd::Find ? Mode::Find : id == DVCmd::Replace ? Mode::Replace : Mode::GoToId);
            return true;
        case DVCmd::FindNext:
        case DVCmd::FindPrevious:
            // Without a text to look for the keys ask for one.
            if (!open || bar->m_find->text().isEmpty()) {
                return RunCommand(view, DVCmd::Find);
            }
            bar->FindNext(id == DVCmd::FindPrevious);
            return true;
        case DVCmd::Escape:
            if (!open) {
                return false;
            }
            bar->Close();
            return true;
        default:
            return false;
    }
}

bool CViewFindBar::UpdateCommand(CViewDVTreeList& view, int id, CDVCommandState& state) {
    switch (id) {
        case DVCmd::Find:
        case DVCmd::FindNext:
        case DVCmd::FindPrevious:
        case DVCmd::Replace:
        case DVCmd::GoToId:
            state.enabled = true;
            return true;
        case DVCmd::Escape: {
            // Escape belongs to whoever else handles it while no bar is open.
            const CViewFindBar* bar = Of(view);
            if (bar == nullptr || bar->isHidden()) {
                return false;
            }
            state.enabled = true;
            return true;
        }
        default:
            return false;
    }
}

void CViewFindBar::Open(Mode mode) {
    if (mode != Mode::GoToId) {
        SetReplaceShown(mode == Mode::Replace);
    }
    show();
    QLineEdit* field = mode == Mode::GoToId ? m_id : m_find;
    field->setFocus(Qt::ShortcutFocusReason);
    field->selectAll();
}

void CViewFindBar::Close() {
    hide();
    if (CTreeListCtrl* grid = m_view.GetGrid()) {
        grid->setFocus(Qt::OtherFocusReason);
    }
}

void CViewFindBar::SetReplaceShown(bool shown) {
    for (QWidget* widget : m_replaceRow) {
        widget->setVisible(shown);
    }
    m_view.PlaceGrid();
}

void CViewFindBar::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_view.PlaceGrid();
}

void CViewFindBar::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Only the bar's own closing gives its room back; a bar hidden with its view (the view may be
    // closing or being destroyed) leaves the view alone.
    if (isHidden()) {
        m_view.PlaceGrid();
    }
}

bool CViewFindBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (watched == m_find) {
                FindNext(key->modifiers().testFlag(Qt::ShiftModifier));
            } else if (watched == m_replace) {
                ReplaceCurrent();
            } else {
                GoToId();
            }
            return true;
        case Qt::Key_Escape:
            // Reached only where the window's Escape did not take the key first.
            Close();
            return true;
        default:
            return QWidget::eventFilter(watched, event);
    }
}

Qt::CaseSensitivity CViewFindBar::CaseSensitivity() const {
    return m_matchCase->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

DVViewSearch::Result CViewFindBar::Search() const {
    const CTreeListCtrl* grid = m_view.GetGrid();
    const DVViewSearch::Cell from{m_view.SelectedItem(), grid != nullptr ? grid->GetCaretColumn() : 0};
    return DVViewSearch::Find(m_view, m_find->text(), CaseSensitivity(), from);
}

void CViewFindBar::ShowMatch(const DVViewSearch::Result& result, int index) {
    if (index < 0) {
        m_status->setText(m_find->text().isEmpty() ? QString() : QStringLiteral("No matches"));
        return;
    }
    const DVViewSearch::Cell& cell = result.matches[size_t(index)];
    m_view.GetGrid()->SelectCell(cell.row, cell.column);
    m_status->setText(QStringLiteral("%1 of %2").arg(index + 1).arg(result.matches.size()));
}

void CViewFindBar::OnTextEdited() {
    // Typing keeps the selected cell while it still matches.
    const DVViewSearch::Result result = Search();
    ShowMatch(result, result.AtOrAfter());
}

bool CViewFindBar::FindNext(bool backward) {
    const DVViewSearch::Result result = Search();
    ShowMatch(result, backward ? result.Previous() : result.Next());
    return !result.matches.empty();
}

void CViewFindBar::ReplaceCurrent() {
    DVViewSearch::Result result = Search();
    if (result.atFrom && DVViewReplace::IsReplaceable(m_view, result.matches[size_t(result.before)].column)) {
        DVViewReplace::ReplaceInCells(m_view, {result.matches[size_t(result.before)]}, m_find->text(),
                                      m_replace->text(), CaseSensitivity());
        result = Search();
    }
    // On to the next match that Replace may change.
    const int count = int(result.matches.size());
    for (int k = 0; k < count; ++k) {
        const int index = (result.Next() + k) % count;
        if (DVViewReplace::IsReplaceable(m_view, result.matches[size_t(index)].column)) {
            ShowMatch(result, index);
            return;
        }
    }
    ShowMatch(result, -1);
    if (count > 0) {
        m_status->setText(QStringLiteral("No replaceable matches"));
    }
}

int CViewFindBar::ReplaceAll() {
    const DVViewSearch::Result result = Search();
    const int changed = DVViewReplace::ReplaceInCells(m_view, result.matches, m_find->text(),
                                                      m_replace->text(), CaseSensitivity());
    m_status->setText(QStringLiteral("%1 replaced").arg(changed));
    return changed;
}

void CViewFindBar::GoToId() {
    bool ok = false;
    const qint32 id = m_id->text().toInt(&ok);
    CTreeListCtrl* grid = m_view.GetGrid();
    if (!ok || grid == nullptr) {
        return;
    }
    HTREEITEM row = 0;
    const QString noun = FamilyNoun(m_view.FamilyKind());
    switch (DVViewSearch::LookUpId(m_view, id, row)) {
        case DVViewSearch::IdState::Shown: {
            const int first = m_view.ViewColumns().m_bFirstColumnHidden ? 1 : 0;
            grid->SelectCell(row, std::max(grid->GetCaretColumn(), first));
            grid->setFocus(Qt::OtherFocusReason);
            break;
        }
        case DVViewSearch::IdState::Deleted:
            DVMessageBox(QStringLiteral("The %1 with the ID %2 has been deleted.").arg(noun).arg(id),
                         DV::MB_OK | DV::MB_ICONEXCLAMATION);
            break;
        case DVViewSearch::IdState::Unknown:
            DVMessageBox(QStringLiteral("There is no %1 with the ID %2 in this view.").arg(noun).arg(id),
                         DV::MB_OK | DV::MB_ICONEXCLAMATION);
            break;
    }
}

QString CViewFindBar::StatusText() const {
    return m_status->text();
}
