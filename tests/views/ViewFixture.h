#pragma once

#include "document/CReqDoc.h"
#include "support/DVTestSupport.h"
#include "support/ViewRows.h"
#include "views/CDVViewHost.h"
#include "views/CViewDVTreeList.h"
#include "views/DVCommandIds.h"

#include <gtest/gtest.h>

#include <QTest>

#include <map>
#include <memory>
#include <vector>

// A document with a few objects of each family and a shown view on it. The host hooks are reset for every
// test so that no dialog of another test leaks in.
class ViewTest : public ::testing::Test {
protected:
    ViewTest() : clock(1700000000) {
        CDVViewHost::Instance() = CDVViewHost{};
        doc.m_strProjectName = QStringLiteral("Demo");
    }
    ~ViewTest() override {
        views.clear();
        CDVViewHost::Instance() = CDVViewHost{};
    }

    // Appends in pre-order: the previous sibling is the last listed object with the same parent.
    template <typename T>
    static T* Place(DVObjectList<T>& list, std::unique_ptr<T> object, const QString& title, qint32 parentId) {
        object->m_strTitle = title;
        object->m_nParentId = parentId;
        for (const T* other : list) {
            if (other->m_nParentId == parentId) {
                object->m_nPrevSiblingId = other->m_nId;
            }
        }
        return list.Append(std::move(object));
    }

    Requirement* AddRequirement(const QString& title, qint32 parentId = 0,
                                int type = Requirement::Functional) {
        Requirement* object = Place(doc.m_requirements, doc.NewRequirement(), title, parentId);
        object->m_nType = type;
        return object;
    }
    CActor* AddActor(const QString& title, qint32 parentId = 0) {
        return Place(doc.m_actors, doc.NewActor(), title, parentId);
    }
    CUseCase* AddUseCase(const QString& title, qint32 parentId = 0) {
        return Place(doc.m_useCases, doc.NewUseCase(), title, parentId);
    }
    CStep* AddStep(CUseCase* useCase, const QString& title, qint32 parentId = 0) {
        return Place(useCase->m_steps, doc.NewStep(*useCase), title, parentId);
    }

    // The requirements A (A1, A2 (A21)), B, C; their identifiers by title.
    std::map<QString, qint32> AddOutlineOfRequirements() {
        const qint32 a = AddRequirement(QStringLiteral("A"))->m_nId;
        AddRequirement(QStringLiteral("A1"), a);
        const qint32 a2 = AddRequirement(QStringLiteral("A2"), a)->m_nId;
        AddRequirement(QStringLiteral("A21"), a2);
        AddRequirement(QStringLiteral("B"));
        AddRequirement(QStringLiteral("C"));
        std::map<QString, qint32> ids;
        for (const Requirement* r : doc.m_requirements) {
            ids[r->m_strTitle] = r->m_nId;
        }
        return ids;
    }

    // Creates, shows and builds a view; the fixture owns it.
    template <typename View, typename... Args>
    View* Open(Args&&... args) {
        auto view = std::make_unique<View>(&doc, std::forward<Args>(args)...);
        View* raw = view.get();
        raw->resize(900, 400);
        raw->show();
        raw->OnInitialUpdate();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(raw));
        views.push_back(std::move(view));
        return raw;
    }

    // Selects the row of the object (and the column) as a click would.
    static void Select(CViewDVTreeList* view, qint32 id, int column = 0) {
        const HTREEITEM row = view->FindRowOfObject(id);
        ASSERT_NE(row, 0u) << "no row for " << id;
        view->GetGrid()->SelectCell(row, column);
    }

    // Titles of the rows in pre-order, each with one "." per level.
    static QStringList Outline(CViewDVTreeList* view) {
        QStringList lines;
        CTreeListCtrl* grid = view->GetGrid();
        HTREEITEM row = grid->GetNextItem(0, TVGN_ROOT);
        while (row != 0) {
            int depth = 0;
            for (HTREEITEM up = grid->GetNextItem(row, TVGN_PARENT); up != 0;
                 up = grid->GetNextItem(up, TVGN_PARENT)) {
                ++depth;
            }
            lines.append(QString(depth, u'.') + grid->GetItemText(row, 0));
            row = view->NextInPreOrder(row);
        }
        return lines;
    }

    template <typename T>
    static std::vector<qint32> ListIds(const DVObjectList<T>& list) {
        std::vector<qint32> ids;
        for (const T* object : list) {
            ids.push_back(object->m_nId);
        }
        return ids;
    }

    // The family list equals the rows in pre-order, and every object names the objects of its parent
    // row and of the row above it under the same parent.
    static void ExpectTreeInvariants(CViewDVTreeList* view) {
        EXPECT_EQ(FamilyListIds(view), RowIds(view));
        CTreeListCtrl* grid = view->GetGrid();
        HTREEITEM row = grid->GetNextItem(0, TVGN_ROOT);
        while (row != 0) {
            const CDVData* object = view->ObjectOf(row);
            const CDVData* parent = view->ObjectOf(grid->GetNextItem(row, TVGN_PARENT));
            const CDVData* previous = view->ObjectOf(grid->GetNextItem(row, TVGN_PREVIOUS));
            EXPECT_EQ(object->m_nParentId, parent ? parent->m_nId : 0) << "parent of " << object->m_nId;
            EXPECT_EQ(object->m_nPrevSiblingId, previous ? previous->m_nId : 0)
                << "previous of " << object->m_nId;
            row = view->NextInPreOrder(row);
        }
    }

    static QString Cell(CViewDVTreeList* view, qint32 id, int column) {
        return view->GetGrid()->GetItemText(view->FindRowOfObject(id), column);
    }

    static int FieldColumn(CViewDVTreeList* view, int fieldId) {
        for (int c = 0; c < view->GetGrid()->GetColumnCount(); ++c) {
            if (view->FieldIdOfColumn(c) == fieldId) {
                return c;
            }
        }
        return -1;
    }

    FixedClock clock;
    MessageRecorder messages;
    CReqDoc doc;
    std::vector<std::unique_ptr<CViewChildDV>> views;
};

// Sets a column set of the document from field ids, without widths.
inline void SetColumns(CDVColumn& columns, std::initializer_list<int> fieldIds) {
    columns.Clear();
    for (int id : fieldIds) {
        columns.m_fieldIds.push_back(quint32(id));
        columns.m_flags.push_back(0);
    }
}
