// "Matrix Properties": grid lines and alternate row colours, the project's and a linked document's.
#include "ProjectOptionsTest.h"

#include "dialogs/DVColorButton.h"
#include "dialogs/Dlg_Project_General.h"
#include "dialogs/Dlg_Project_ViewProperties.h"

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>

namespace {

using Row = Dlg_Project_ViewProperties::ColourRow;

// Picks an entry of the button's popup by its text or, for palette entries, its tool tip.
void Pick(DVColorButton* button, const QString& entry) {
    button->click();
    ASSERT_NE(button->Popup(), nullptr);
    for (QPushButton* candidate : button->Popup()->findChildren<QPushButton*>()) {
        if (candidate->text() == entry || candidate->toolTip() == entry) {
            candidate->click();
            EXPECT_EQ(button->Popup(), nullptr);
            return;
        }
    }
    ADD_FAILURE() << "no entry " << entry.toStdString();
}

// The background of a row of the view, right inside its ID cell (whose text is short).
QColor RowBackground(CViewDVTreeList* view, int row) {
    CTreeListCtrl* grid = view->GetGrid();
    QRect cell;
    grid->GetItemRect(grid->GetItemOfRow(row), &cell, false, 1);
    return grid->viewport()->grab().toImage().pixelColor(cell.right() - 4, cell.center().y());
}

// The colour just below the row, where a grid line is drawn when there is one.
QColor BelowRow(CViewDVTreeList* view, int row) {
    CTreeListCtrl* grid = view->GetGrid();
    QRect cell;
    grid->GetItemRect(grid->GetItemOfRow(row), &cell, false, 1);
    return grid->viewport()->grab().toImage().pixelColor(cell.right() - 4, cell.bottom());
}

class MatrixPropertiesTest : public ProjectOptionsTest {};

TEST_F(MatrixPropertiesTest, ColoursAndGridLinesChangeWhatTheViewsDraw) {
    CViewDVTreeList* view = ActiveMatrix();
    view->ClearSelection();
    ASSERT_NE(RowBackground(view, 0), RowBackground(view, 1));
    const QColor lineBefore = BelowRow(view, 0);
    ASSERT_NE(lineBefore, RowBackground(view, 0));

    RunSheet([&](Dlg_Project_Options_Sheet& sheet) {
        auto* page = ShowPage<Dlg_Project_ViewProperties>(sheet, Dlg_Project_Options_Sheet::MatrixPage);
        EXPECT_EQ(page->ColourButton(Row::Requirement)->text(), QStringLiteral("Default Color"));
        Pick(page->ColourButton(Row::Requirement), QStringLiteral("#FFF3E0"));
        EXPECT_EQ(page->ColourButton(Row::Requirement)->text(), QStringLiteral("#FFF3E0"));
        page->GridLinesCheck()->click();
    });
    EXPECT_EQ(doc->m_clrAltRequirement, 0x00E0F3FF);
    EXPECT_FALSE(doc->m_bGridLines);
    view->ClearSelection();
    EXPECT_EQ(RowBackground(view, 1), QColor(0xFF, 0xF3, 0xE0));
    EXPECT_EQ(BelowRow(view, 0), RowBackground(view, 0));  // no line
    EXPECT_EQ(view->GetGrid()->GetExtendedStyle() & (TLX_ROWLINES | TLX_COLUMNLINES), 0u);

    // Without alternation every row has the same background.
    RunSheet([&](Dlg_Project_Options_Sheet& sheet) {
        auto* page = ShowPage<Dlg_Project_ViewProperties>(sheet, Dlg_Project_Options_Sheet::MatrixPage);
        page->AlternateCheck(Row::Requirement)->click();
    });
    EXPECT_EQ(doc->m_clrAltRequirement, -1);
    view->ClearSelection();
    EXPECT_EQ(RowBackground(view, 1), RowBackground(view, 0));

    const std::unique_ptr<CReqDoc> reopened = SaveAndReopen();
    EXPECT_EQ(reopened->m_clrAltRequirement, -1);
    EXPECT_FALSE(reopened->m_bGridLines);
}

TEST_F(MatrixPropertiesTest, AClearedBoxStoresNoAlternationAndTheAutomaticEntryTheDefault) {
    doc->m_clrAltActor = 0x00123456;
    RunSheet([&](Dlg_Project_Options_Sheet& sheet) {
        auto* page = ShowPage<Dlg_Project_ViewProperties>(sheet, Dlg_Project_Options_Sheet::MatrixPage);
        QCheckBox* check = page->AlternateCheck(Row::Actor);
        DVColorButton* button = page->ColourButton(Row::Actor);
        EXPECT_TRUE(check->isChecked());
        EXPECT_EQ(button->Colour(), 0x00123456);
        check->click();
        EXPECT_FALSE(button->isEnabled());
    });
    EXPECT_EQ(doc->m_clrAltActor, -1);

    RunSheet([&](Dlg_Project_Options_Sheet& sheet) {
        auto* page = ShowPage<Dlg_Project_ViewProperties>(sheet, Dlg_Project_Options_Sheet::MatrixPage);
        QCheckBox* check = page->AlternateCheck(Row::Actor);
        EXPECT_FALSE(check->isChecked());
        EXPECT_FALSE(page->ColourButton(Row::Actor)->isEnabled());
        check->click();
        EXPECT_TRUE(page->ColourButton(Row::Actor)->isEnabled());
        // From the keyboard: the automatic entry has the focus, the palette lies below it.
        DVColorButton* button = page->ColourButton(Row::Actor);
        button->click();
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return}) {
            ASSERT_NE(button->Popup(), nullptr);
            QTest::keyClick(button->Popup()->focusWidget(), key);
        }
        EXPECT_EQ(button->Colour(), 0x00F8EAD6);  // second row, second column: #D6EAF8
        Pick(page->ColourButton(Row::Actor), QStringLiteral("#808080"));
        Pick(page->ColourButton(Row::Actor), QStringLiteral("Default Color"));
        EXPECT_TRUE(page->ColourButton(Row::Actor)->IsAutomatic());
    });
    EXPECT_EQ(doc->m_clrAltActor, 0x00FFF1FF);
}

TEST_F(MatrixPropertiesTest, ALinkedDocumentEditsOnlyTheLinkedSettings) {
    CReqDoc linked;
    linked.m_bLinked = true;
    linked.m_clrAltUseCase = 0x00ABCDEF;
    for (bool alternate : {false, true}) {
        Dlg_Project_Options_Sheet sheet(&linked, nullptr, true);
        sheet.show();
        auto* page =
            qobject_cast<Dlg_Project_ViewProperties*>(sheet.Page(Dlg_Project_Options_Sheet::MatrixPage));
        ASSERT_TRUE(page->IsInitialised());
        EXPECT_FALSE(sheet.Page(Dlg_Project_Options_Sheet::GeneralPage)->IsInitialised());
        EXPECT_FALSE(page->GridLinesCheck()->isEnabled());
        EXPECT_TRUE(page->GridLinesLinkedCheck()->isEnabled());
        for (Row row : {Row::Requirement, Row::Actor, Row::UseCase, Row::Step}) {
            EXPECT_FALSE(page->AlternateCheck(row)->isEnabled());
            EXPECT_FALSE(page->ColourButton(row)->isEnabled());
        }
        EXPECT_TRUE(page->AlternateCheck(Row::Linked)->isEnabled());
        EXPECT_EQ(page->AlternateCheck(Row::Linked)->isChecked(), linked.m_clrAltLinked != -1);
        if (page->AlternateCheck(Row::Linked)->isChecked() != alternate) {
            page->AlternateCheck(Row::Linked)->click();
        }
        if (alternate) {
            Pick(page->ColourButton(Row::Linked), QStringLiteral("Default Color of Objects"));
            EXPECT_EQ(page->ColourButton(Row::Linked)->text(), QStringLiteral("Default Color of Objects"));
        }
        page->GridLinesLinkedCheck()->click();
        page->GridLinesCheck()->setChecked(false);  // disabled: not the user's, and not applied
        sheet.accept();
        EXPECT_TRUE(sheet.Changed());
        EXPECT_EQ(linked.m_clrAltLinked, alternate ? -2 : -1);
    }
    EXPECT_TRUE(linked.m_bGridLinesLinked);  // clicked twice
    EXPECT_TRUE(linked.m_bGridLines);
    EXPECT_EQ(linked.m_clrAltUseCase, 0x00ABCDEF);
    EXPECT_EQ(linked.m_clrAltRequirement, 0x00FBFBFB);
}

}  // namespace
