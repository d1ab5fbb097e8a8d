#pragma once

#include "MainFrameFixture.h"
#include "app/framework/CChildFrame.h"
#include "app/framework/CDVCommandManager.h"
#include "app/framework/CDocManager.h"
#include "app/framework/CommandIds.h"
#include "document/CReqDoc.h"
#include "document/CReqDocFile.h"
#include "views/CViewDVTreeList.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMdiArea>
#include <QTemporaryDir>

// Identifiers of objects of the project below.
namespace ProjectIds {
constexpr qint32 BusinessRequirements = 2;
constexpr qint32 Features = 3;
constexpr qint32 Specifications = 6;
constexpr qint32 MakeCoffee = 2;  // a use case
constexpr qint32 InsertCup = 1;   // steps of "Make coffee"
constexpr qint32 PressButton = 2;
}  // namespace ProjectIds

// The main window on a small project opened from a file: a few requirements, actors, use cases and
// steps, every family shown with its title and ID columns. Commands run as the user runs them, on the
// active window.
class ProjectWindowsTest : public MainFrameFixture {
protected:
    void SetUp() override {
        MainFrameFixture::SetUp();
        const QString path = dir.filePath(QStringLiteral("windows.dvx"));
        {
            CReqDoc project;
            project.CreateDefaultContent();
            for (CDVColumn* columns : {&project.m_colsRequirements, &project.m_colsActors,
                                       &project.m_colsUseCases, &project.m_colsSteps}) {
                columns->Clear();
                columns->AddColumn(407, 200, 1);
                columns->AddColumn(402, 80, 1);
            }
            // The family lists are in pre-order: children follow their parent.
            project.m_requirements.DeleteAll();
            project.m_nLastRequirementId = 0;
            for (const auto& [title, parent] : std::initializer_list<std::pair<const char*, qint32>>{
                     {"User Needs", 0},
                     {"Business Requirements", 0},
                     {"Features", 0},
                     {"Brewing", ProjectIds::Features},
                     {"Payment", ProjectIds::Features},
                     {"Specifications", 0},
                     {"Pump", ProjectIds::Specifications}}) {
                Add(project.m_requirements, project.NewRequirement(), title, parent);
            }
            Add(project.m_actors, project.NewActor(), "Operator", 1);
            Add(project.m_actors, project.NewActor(), "Service", 1);
            CUseCase* useCase = Add(project.m_useCases, project.NewUseCase(), "Make coffee", 1);
            Add(useCase->m_steps, project.NewStep(*useCase), "Insert cup", 0);
            Add(useCase->m_steps, project.NewStep(*useCase), "Press button", 0);
            Add(useCase->m_steps, project.NewStep(*useCase), "Take cup", 0);
            Add(project.m_useCases, project.NewUseCase(), "Clean", 1);
            ASSERT_TRUE(CReqDocFile(project).SaveDocument(path).ok);
        }
        doc = frame->Documents().OpenDocument(path);
        ASSERT_NE(doc, nullptr);
    }
    // Appends in pre-order; the previous sibling is the last listed object with the same parent.
    template <typename T>
    static T* Add(DVObjectList<T>& list, std::unique_ptr<T> object, const char* title, qint32 parentId) {
        object->m_strTitle = QString::fromUtf8(title);
        object->m_nParentId = parentId;
        for (const T* other : list) {
            if (other->m_nParentId == parentId) {
                object->m_nPrevSiblingId = other->m_nId;
            }
        }
        return list.Append(std::move(object));
    }

    CViewDVTreeList* ActiveMatrix() const { return dynamic_cast<CViewDVTreeList*>(frame->ActiveView()); }
    // Runs a command on the active window, as the ribbon, a menu or a key does once the states have
    // been brought up to date at idle time.
    void Run(int id) {
        frame->Commands().UpdateActions();
        frame->Commands().Action(id)->trigger();
    }
    // Opens another window through a command; its view is the active one afterwards.
    CViewDVTreeList* OpenWindow(int id) {
        Run(id);
        return ActiveMatrix();
    }
    void Activate(const CViewDVTreeList* view) {
        for (CChildFrame* window : frame->WindowsOf(doc)) {
            if (window->GetActiveView() == view) {
                frame->MdiArea()->setActiveSubWindow(window);
            }
        }
        ASSERT_EQ(ActiveMatrix(), view);
    }
    // The matrix views of all windows of the project, in the order the windows opened.
    std::vector<CViewDVTreeList*> Views() const {
        std::vector<CViewDVTreeList*> views;
        for (CChildFrame* window : frame->WindowsOf(doc)) {
            if (auto* view = dynamic_cast<CViewDVTreeList*>(window->GetActiveView())) {
                views.push_back(view);
            }
        }
        return views;
    }
    // A steps window of the use case "Make coffee", opened from a use-case window.
    CViewDVTreeList* OpenStepsWindow() {
        OpenWindow(CommandIds::ID_VIEW_USE_CASES_WINDOW);
        Select(ActiveMatrix(), ProjectIds::MakeCoffee);
        return OpenWindow(DVCmd::EditUseCaseSteps);
    }
    static void Select(CViewDVTreeList* view, qint32 id) {
        const HTREEITEM row = view->FindRowOfObject(id);
        ASSERT_NE(row, 0u) << "no row for " << id;
        view->GetGrid()->SelectCell(row, 0);
    }

    QTemporaryDir dir;
    CReqDoc* doc = nullptr;
};
