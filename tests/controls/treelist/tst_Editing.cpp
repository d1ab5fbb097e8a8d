// Edit modes and the in-place editor.
#include "TreeListFixture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QWheelEvent>

class EditingTest : public TreeListTest {
protected:
    void SetUp() override {
        TreeListTest::SetUp();
        tree->SetExtendedStyle(0, TLX_CELLSELECT | TLX_FULLROWSELECT);
        AddColumn("tree", 120);
        AddColumn("one", 120);
        AddColumn("two", 120);
        row = Add("row");
        other = Add("other");
        QApplication::setActiveWindow(tree.get());
        tree->setFocus();
    }
    QLineEdit* LineEditor() { return qobject_cast<QLineEdit*>(tree->GetEditControl()); }
    void PressEnterOn(int column) {
        ASSERT_TRUE(tree->SelectCell(row, column));
        QTest::keyClick(tree.get(), Qt::Key_Return);
    }

    HTREEITEM row = 0;
    HTREEITEM other = 0;
};

TEST_F(EditingTest, CycleStepsThroughEntriesWithTheImageBase) {
    ASSERT_EQ(tree->SetColumnEdit(TLEditSetting(1, TLE_MODE_CYCLE, 0x55), QString("No|Yes")), 1);
    ASSERT_EQ(tree->SetEditImageBase(1, 7), 1);
    tree->SetItemText(row, 1, "No");
    PressEnterOn(1);
    EXPECT_EQ(tree->GetItemText(row, 1), "Yes");
    EXPECT_EQ(tree->GetItemImage(row, 1), 8);
    const auto stepped = recorder.Of(TLN_CELLSTEPPED);
    ASSERT_EQ(stepped.size(), 1u);
    EXPECT_EQ(stepped[0].itemNew.hItem, row);
    EXPECT_EQ(stepped[0].itemNew.cChildren, 1);
    QTest::keyClick(tree.get(), Qt::Key_Return);
    EXPECT_EQ(tree->GetItemText(row, 1), "No");
    EXPECT_EQ(tree->GetItemImage(row, 1), 7);
    // An unknown text counts as before the first entry.
    tree->SetItemText(row, 1, "Maybe");
    QTest::keyClick(tree.get(), Qt::Key_Return);
    EXPECT_EQ(tree->GetItemText(row, 1), "No");
    // Typing does not start a cycle column (flag 0x10), and no editor opens for it.
    QTest::keyClicks(tree.get(), "x");
    EXPECT_EQ(tree->GetEditControl(), nullptr);
}

TEST_F(EditingTest, CycleByIconClickAndEditBoxOtherwise) {
    TLImageList images;
    images.size = QSize(16, 16);
    for (int i = 0; i < 10; ++i) {
        QPixmap pm(16, 16);
        pm.fill(Qt::blue);
        images.icons.append(QIcon(pm));
    }
    tree->SetImageList(TVSIL_NORMAL, images);
    tree->SetColumnEdit(TLEditSetting(1, TLE_MODE_CYCLEICON, TLE_ICONCLICK), QString("a|b|c"));
    tree->SetEditImageBase(1, 3);
    tree->SetItemText(row, 1, "a");
    tree->SetItemImage(row, 1, 3);
    QRect cell;
    tree->GetItemRect(row, &cell, false, 1);
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, QPoint(cell.left() + 10, cell.top() + 8));
    EXPECT_EQ(tree->GetItemText(row, 1), "b");
    EXPECT_EQ(tree->GetItemImage(row, 1), 4);
    EXPECT_EQ(tree->GetEditControl(), nullptr);
    PressEnterOn(1);
    ASSERT_NE(LineEditor(), nullptr);
    EXPECT_EQ(LineEditor()->text(), "b");
}

TEST_F(EditingTest, CheckModeTogglesAndLockedCellsStay) {
    tree->SetColumnEdit(TLEditSetting(1, TLE_MODE_CHECK, TLE_LOCKBIT), QString());
    EXPECT_FALSE(tree->GetImageList(TLSIL_CELLSTATE).IsEmpty());
    tree->SetItemState(row, 1, INDEXTOSTATEIMAGEMASK(1), TVIS_STATEIMAGEMASK);
    PressEnterOn(1);
    EXPECT_EQ(STATEIMAGEINDEX(tree->GetItemState(row, TVIS_STATEIMAGEMASK, 1)), 2);
    const auto changed = recorder.Of(TLN_STATEIMAGECHANGED);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].column, 1);
    QTest::keyClick(tree.get(), Qt::Key_Return);
    EXPECT_EQ(STATEIMAGEINDEX(tree->GetItemState(row, TVIS_STATEIMAGEMASK, 1)), 1);
    // Any other state image becomes 1.
    tree->SetItemState(row, 1, INDEXTOSTATEIMAGEMASK(5), TVIS_STATEIMAGEMASK);
    QTest::keyClick(tree.get(), Qt::Key_Return);
    EXPECT_EQ(STATEIMAGEINDEX(tree->GetItemState(row, TVIS_STATEIMAGEMASK, 1)), 1);
    // The highest state image bit locks the cell.
    tree->SetItemState(row, 1, INDEXTOSTATEIMAGEMASK(9), TVIS_STATEIMAGEMASK);
    QTest::keyClick(tree.get(), Qt::Key_Return);
    EXPECT_EQ(STATEIMAGEINDEX(tree->GetItemState(row, TVIS_STATEIMAGEMASK, 1)), 9);
}

TEST_F(EditingTest, FlipStyleTogglesTheLowestStateImageBit) {
    tree->SetStyle(tree->GetStyle() | TLS_FLIPCHECKBIT);
    tree->SetColumnEdit(TLEditSetting(1, TLE_MODE_CHECK, 0), QString());
    tree->SetItemState(row, 1, INDEXTOSTATEIMAGEMASK(2), TVIS_STATEIMAGEMASK);
    PressEnterOn(1);
    EXPECT_EQ(STATEIMAGEINDEX(tree->GetItemState(row, TVIS_STATEIMAGEMASK, 1)), 3);
}

TEST_F(EditingTest, EnterKeepsTheTextAndTheControlStoresItWhenTheParentAnswersZero) {
    ASSERT_NE(tree->EditLabel(row, 1), nullptr);
    ASSERT_NE(LineEditor(), nullptr);
    EXPECT_EQ(recorder.Of(TVN_BEGINLABELEDITW).size(), 1u);
    LineEditor()->selectAll();
    QTest::keyClicks(LineEditor(), "typed");
    QTest::keyClick(LineEditor(), Qt::Key_Return);
    EXPECT_EQ(tree->GetEditControl(), nullptr);
    const auto ends = recorder.Of(TVN_ENDLABELEDITW);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].text, "typed");
    EXPECT_FALSE(ends[0].textNull);
    EXPECT_EQ(ends[0].flags, TLEF_CHANGED | TLEF_ENTER);
    EXPECT_EQ(ends[0].column, 1);
    EXPECT_EQ(tree->GetItemText(row, 1), "typed");
    EXPECT_TRUE(tree->hasFocus());
}

TEST_F(EditingTest, EscapeDropsTheText) {
    tree->SetItemText(row, 1, "before");
    ASSERT_NE(tree->EditLabel(row, 1), nullptr);
    LineEditor()->setText(QString::fromUtf8("änderung"));
    QTest::keyClick(LineEditor(), Qt::Key_Escape);
    const auto ends = recorder.Of(TVN_ENDLABELEDITW);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_TRUE(ends[0].textNull);
    EXPECT_EQ(tree->GetItemText(row, 1), "before");
}

TEST_F(EditingTest, FocusLossKeepsTheTextAndANonZeroAnswerLeavesTheCellToTheParent) {
    QLineEdit elsewhere(tree.get());
    elsewhere.setGeometry(0, 250, 50, 20);
    elsewhere.show();
    recorder.answers[TVN_ENDLABELEDITW] = 1;
    ASSERT_NE(tree->EditLabel(row, 2), nullptr);
    QTest::keyClicks(LineEditor(), "kept");
    elsewhere.setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(tree->GetEditControl(), nullptr);
    const auto ends = recorder.Of(TVN_ENDLABELEDITW);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].text, "kept");
    EXPECT_EQ(ends[0].flags, TLEF_CHANGED);
    EXPECT_EQ(tree->GetItemText(row, 2), QString());
    EXPECT_TRUE(elsewhere.hasFocus());
}

TEST_F(EditingTest, BeginNotificationCanRefuseAndEditSettingsRefuseThePlainEditor) {
    recorder.answers[TVN_BEGINLABELEDITW] = 1;
    EXPECT_EQ(tree->EditLabel(row, 1), nullptr);
    recorder.answers.clear();
    tree->SetColumnEdit(TLEditSetting(2, TLE_MODE_READONLY, 0), QString());
    EXPECT_EQ(tree->EditLabel(row, 2), nullptr);
    recorder.log.clear();
    PressEnterOn(2);
    EXPECT_EQ(tree->GetEditControl(), nullptr);
    EXPECT_EQ(recorder.Of(TVN_BEGINLABELEDITW).size(), 0u);
    EXPECT_EQ(tree->EditLabel(row, 7), nullptr);
    EXPECT_EQ(tree->EditLabel(4242, 1), nullptr);
    Create(0);  // without TVS_EDITLABELS nothing opens
    AddColumn("tree");
    EXPECT_EQ(tree->EditLabel(Add("x"), 0), nullptr);
}

TEST_F(EditingTest, DropDownListStoresTheChosenEntryWithItsImage) {
    tree->SetColumnEdit(TLEditSetting(1, TLE_MODE_LIST, TLE_WHOLECELL), QString("low|mid|high"));
    tree->SetEditImageBase(1, 20);
    tree->SetItemText(row, 1, "mid");
    PressEnterOn(1);
    auto* combo = qobject_cast<QComboBox*>(tree->GetEditControl());
    ASSERT_NE(combo, nullptr);
    EXPECT_FALSE(combo->isEditable());
    EXPECT_EQ(combo->currentText(), "mid");
    QRect cell;
    tree->GetItemRect(row, &cell, false, 1);
    EXPECT_EQ(combo->geometry().left(), cell.left());
    EXPECT_EQ(combo->geometry().width(), cell.width());
    combo->setCurrentIndex(2);
    Q_EMIT combo->activated(2);
    EXPECT_EQ(tree->GetEditControl(), nullptr);
    EXPECT_EQ(tree->GetItemText(row, 1), "high");
    EXPECT_EQ(tree->GetItemImage(row, 1), 22);
}

TEST_F(EditingTest, TypingStartsAnEditBoxWithTheTypedCharacter) {
    tree->SetColumnEdit(TLEditSetting(1, TLE_MODE_EDIT, 0), QString());
    ASSERT_TRUE(tree->SelectCell(row, 1));
    QTest::keyClicks(tree.get(), "q");
    ASSERT_NE(LineEditor(), nullptr);
    EXPECT_EQ(LineEditor()->text(), "q");
    QTest::keyClicks(LineEditor(), "rs");
    QTest::keyClick(LineEditor(), Qt::Key_Return);
    EXPECT_EQ(tree->GetItemText(row, 1), "qrs");
}

TEST_F(EditingTest, EditorGeometryFollowsTheCellText) {
    tree->SetItemText(row, 1, "abc");
    QWidget* editor = tree->EditLabel(row, 1);
    ASSERT_NE(editor, nullptr);
    QRect cell;
    tree->GetItemRect(row, &cell, false, 1);
    const QFontMetrics fm(tree->font());
    EXPECT_EQ(editor->geometry().left(), cell.left() + 2 + 2);
    EXPECT_EQ(editor->geometry().top(), cell.top() + 1);
    EXPECT_EQ(editor->width(), std::max(48, std::max(20, fm.horizontalAdvance("abc") + 10) + 3));
    EXPECT_EQ(editor->height(), fm.height() + 4);
    tree->EndEditLabelNow(true);
    EXPECT_EQ(tree->GetEditControl(), nullptr);
    EXPECT_TRUE(recorder.Of(TVN_ENDLABELEDITW).back().textNull);
}

TEST_F(EditingTest, WheelStepsAnOpenListByOneEntryPerNotch) {
    QStringList entries;
    for (int i = 0; i < 60; ++i) {
        entries << QString("entry %1").arg(i);
    }
    tree->SetColumnEdit(TLEditSetting(1, TLE_MODE_LIST, 0), entries);
    PressEnterOn(1);
    auto* combo = qobject_cast<QComboBox*>(tree->GetEditControl());
    ASSERT_NE(combo, nullptr);
    QScrollBar* bar = combo->view()->verticalScrollBar();
    bar->setRange(0, 50);  // the list is not laid out while it is closed
    bar->setValue(10);
    QWidget* list = combo->view()->viewport();
    QWheelEvent notch(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(list, &notch);
    EXPECT_EQ(bar->value(), 11);
    QWheelEvent half(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 60), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(list, &half);
    EXPECT_EQ(bar->value(), 11);
    QApplication::sendEvent(list, &half);
    EXPECT_EQ(bar->value(), 10);
}

TEST_F(EditingTest, CtrlEnterActsAsAClickOnTheCellIcon) {
    tree->SetColumnEdit(TLEditSetting(1, TLE_MODE_CYCLEICON, TLE_ICONCLICK), QString("a|b"));
    tree->SetItemText(row, 1, "a");
    ASSERT_TRUE(tree->SelectCell(row, 1));
    QTest::keyClick(tree.get(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(tree->GetItemText(row, 1), "b");
    EXPECT_EQ(tree->GetEditControl(), nullptr);
}
