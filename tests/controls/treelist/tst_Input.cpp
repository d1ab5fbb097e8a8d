// Keyboard, incremental search, mouse and wheel.
#include "TreeListFixture.h"

#include <QWheelEvent>

class InputTest : public TreeListTest {
protected:
    void SetUp() override {
        TreeListTest::SetUp();
        AddColumn("tree", 150);
        AddColumn("one", 100);
        AddColumn("two", 100);
        QApplication::setActiveWindow(tree.get());
        tree->setFocus();
    }
    void AddRows(const std::vector<QString>& texts) {
        for (const QString& t : texts) {
            rows.push_back(Add(t));
        }
    }
    HTREEITEM Caret() { return tree->GetNextItem(0, TVGN_CARET); }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(tree.get(), key, mods);
    }
    void Wheel(int delta, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWheelEvent event(QPointF(50, 50), QPointF(tree->viewport()->mapToGlobal(QPoint(50, 50))), QPoint(),
                          QPoint(0, delta), Qt::NoButton, mods, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Viewport(), &event);
    }
    int TopRow() { return tree->GetRowOfItem(tree->GetNextItem(0, TVGN_FIRSTVISIBLE)); }
    std::vector<HTREEITEM> rows;
};

TEST_F(InputTest, IncrementalSearchTimingAndBufferRules) {
    AddRows({"apple", "abacus", "banana", "avocado", "abbey", "cherry"});
    tree->SelectItem(rows[0], TVGN_CARET);
    QTest::keyClicks(tree.get(), "ab");  // within 750 ms: one search for "ab", from below the caret
    EXPECT_EQ(Caret(), rows[1]);
    EXPECT_EQ(tree->GetISearchString(), "ab");
    QTest::keyClicks(tree.get(), "b");  // continued at the caret: "abb"
    EXPECT_EQ(Caret(), rows[4]);
    QTest::qWait(800);  // three characters wait up to 1000 ms
    EXPECT_EQ(tree->GetISearchString(), QString());
    QTest::keyClicks(tree.get(), "e");  // "abbe" still continues
    EXPECT_EQ(Caret(), rows[4]);
    QTest::qWait(1100);
    QTest::keyClicks(tree.get(), "a");  // a fresh search from below the caret, wrapping around
    EXPECT_EQ(Caret(), rows[0]);
    QTest::keyClicks(tree.get(), "a");  // the same single character again: the next row with "a"
    EXPECT_EQ(Caret(), rows[1]);
    QTest::qWait(800);
    QTest::keyClicks(tree.get(), "B");  // case does not matter
    EXPECT_EQ(Caret(), rows[2]);
    // A continued search that finds nothing starts again with the last character from below the caret.
    QTest::keyClicks(tree.get(), "c");
    EXPECT_EQ(Caret(), rows[5]);
    EXPECT_EQ(tree->GetISearchString(), "c");
}

TEST_F(InputTest, NoIncrementalSearchStyle) {
    AddRows({"one", "two"});
    tree->SelectItem(rows[0], TVGN_CARET);
    tree->SetExtendedStyle(TLX_NOINCREMENTALSEARCH, TLX_NOINCREMENTALSEARCH);
    QTest::qWait(800);
    QTest::keyClicks(tree.get(), "t");
    EXPECT_EQ(Caret(), rows[0]);
}

TEST_F(InputTest, ArrowsHomeEndBackspaceAndTreeKeys) {
    AddRows({"a", "b", "c"});
    const HTREEITEM kid = Add("kid", rows[1]);
    tree->SelectItem(rows[0], TVGN_CARET);
    Key(Qt::Key_Down);
    EXPECT_EQ(Caret(), rows[1]);
    Key(Qt::Key_Right);  // expands
    EXPECT_EQ(tree->GetRowCount(), 4);
    EXPECT_EQ(Caret(), rows[1]);
    Key(Qt::Key_Right);  // to the first child
    EXPECT_EQ(Caret(), kid);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Caret(), rows[1]);
    Key(Qt::Key_Left);  // collapses
    EXPECT_EQ(tree->GetRowCount(), 3);
    Key(Qt::Key_End);
    EXPECT_EQ(Caret(), rows[2]);
    Key(Qt::Key_Home);
    EXPECT_EQ(Caret(), rows[0]);
    Key(Qt::Key_Up);
    EXPECT_EQ(Caret(), rows[0]);
}

TEST_F(InputTest, CellSelectMovesBetweenColumns) {
    tree->SetExtendedStyle(TLX_CELLSELECT, TLX_CELLSELECT);
    AddRows({"a", "b"});
    Add("kid", rows[0]);
    tree->SelectItem(rows[0], TVGN_CARET);
    Key(Qt::Key_Right);
    EXPECT_EQ(tree->GetCaretColumn(), 1);
    EXPECT_EQ(tree->GetRowCount(), 2);  // no expansion
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    EXPECT_EQ(tree->GetCaretColumn(), 2);
    const auto changed = recorder.Of(TVN_SELCHANGEDW);
    EXPECT_EQ(changed.back().itemOld.cChildren, 1);
    EXPECT_EQ(changed.back().itemNew.cChildren, 2);
    Key(Qt::Key_Left);
    EXPECT_EQ(tree->GetCaretColumn(), 1);
}

TEST_F(InputTest, PageKeysMoveByTheWhollyFittingLinesLessOne) {
    std::vector<QString> texts;
    for (int i = 0; i < 100; ++i) {
        texts.push_back(QString("r%1").arg(i));
    }
    AddRows(texts);
    tree->SelectItem(rows[0], TVGN_CARET);
    const int step = tree->GetVisibleCount() - 1;
    Key(Qt::Key_PageDown);
    EXPECT_EQ(Caret(), rows[size_t(step)]);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(Caret(), rows[size_t(2 * step)]);
    EXPECT_GT(TopRow(), 0);
    Key(Qt::Key_PageUp);
    EXPECT_EQ(Caret(), rows[size_t(step)]);
}

TEST_F(InputTest, EnterSendsReturnBeforeItsOwnHandling) {
    tree->SetExtendedStyle(TLX_CELLSELECT, TLX_CELLSELECT);
    AddRows({"a"});
    tree->SetColumnEdit(TLEditSetting(1, TLE_MODE_CYCLE, 0), QString("x|y"));
    tree->SelectCell(rows[0], 1);
    recorder.log.clear();
    Key(Qt::Key_Return);
    EXPECT_EQ(recorder.Codes(), (std::vector<int>{NM_RETURN, TLN_CELLSTEPPED}));
    EXPECT_EQ(recorder.log[0].hItem, rows[0]);
    EXPECT_EQ(recorder.log[0].column, 1);
    // A parent that takes Enter keeps the control from acting.
    recorder.answers[NM_RETURN] = 1;
    Key(Qt::Key_Return);
    EXPECT_EQ(tree->GetItemText(rows[0], 1), "x");
}

TEST_F(InputTest, ClicksSelectAndReportItemAndColumn) {
    tree->SetExtendedStyle(0, TLX_CELLSELECT | TLX_MULTISELECT);
    AddRows({"a", "b", "c", "d"});
    recorder.log.clear();
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, CellCentre(rows[1], 2));
    EXPECT_EQ(Caret(), rows[1]);
    EXPECT_EQ(tree->GetCaretColumn(), 2);
    EXPECT_EQ(recorder.Codes(), (std::vector<int>{TVN_SELCHANGINGW, TVN_SELCHANGEDW, NM_CLICK}));
    EXPECT_EQ(recorder.log[2].hItem, rows[1]);
    EXPECT_EQ(recorder.log[2].column, 2);
    QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::ShiftModifier, CellCentre(rows[3], 1));
    EXPECT_EQ(tree->GetSelectedCount(), 3);
    QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::ControlModifier, CellCentre(rows[2], 1));
    EXPECT_EQ(tree->GetSelectedCount(), 2);
    EXPECT_EQ(tree->GetItemState(rows[2], TVIS_SELECTED), 0u);
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, CellCentre(rows[0], 1));
    EXPECT_EQ(tree->GetSelectedCount(), 1);
    // A refused selection change leaves everything as it was.
    recorder.answers[TVN_SELCHANGINGW] = 1;
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, CellCentre(rows[3], 1));
    EXPECT_EQ(Caret(), rows[0]);
    EXPECT_EQ(tree->GetSelectedCount(), 1);
}

TEST_F(InputTest, ButtonClickAndDoubleClickToggleExpansion) {
    AddRows({"parent"});
    Add("kid", rows[0]);
    TLHitTestInfo hit;
    QRect row;
    tree->GetItemRect(rows[0], &row, false, 0);
    // The button sits in the root level's indent.
    hit.pt = QPoint(tree->GetIndent() / 2 - 1, row.top() + tree->GetItemHeight() / 2);
    ASSERT_EQ(tree->HitTest(hit), rows[0]);
    ASSERT_EQ(hit.flags, TVHT_ONITEMBUTTON);
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, hit.pt);
    EXPECT_EQ(tree->GetRowCount(), 2);
    QTest::mouseDClick(Viewport(), Qt::LeftButton, {}, CellCentre(rows[0], 1));
    EXPECT_EQ(tree->GetRowCount(), 1);
    EXPECT_EQ(recorder.Of(NM_DBLCLK).size(), 1u);
}

TEST_F(InputTest, DragStartsOncePerPressForEitherButton) {
    AddRows({"a", "b"});
    const QPoint start = CellCentre(rows[0], 1);
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        recorder.log.clear();
        QTest::mousePress(Viewport(), button, {}, start);
        QMouseEvent move(QEvent::MouseMove, QPointF(start + QPoint(3, 3)),
                         QPointF(Viewport()->mapToGlobal(start)), Qt::NoButton, button, Qt::NoModifier);
        QApplication::sendEvent(Viewport(), &move);
        QApplication::sendEvent(Viewport(), &move);
        QTest::mouseRelease(Viewport(), button, {}, start);
        const int code = button == Qt::LeftButton ? TVN_BEGINDRAGW : TVN_BEGINRDRAGW;
        ASSERT_EQ(recorder.Of(code).size(), 1u);
        EXPECT_EQ(recorder.Of(code)[0].itemNew.hItem, rows[0]);
    }
    Create(TVS_DISABLEDRAGDROP);
    AddColumn("tree", 100);
    const HTREEITEM h = Add("x");
    QTest::mousePress(Viewport(), Qt::LeftButton, {}, CellCentre(h, 0));
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), QPointF(10, 10), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(Viewport(), &move);
    EXPECT_TRUE(recorder.Of(TVN_BEGINDRAGW).empty());
}

TEST_F(InputTest, WheelScrollsOneRowPerSixtyUnitsUnlessBlocked) {
    std::vector<QString> texts;
    for (int i = 0; i < 100; ++i) {
        texts.push_back(QString("r%1").arg(i));
    }
    AddRows(texts);
    Wheel(-120);
    EXPECT_EQ(TopRow(), 2);
    Wheel(-30);
    EXPECT_EQ(TopRow(), 2);
    Wheel(-30);
    EXPECT_EQ(TopRow(), 3);
    Wheel(-120, Qt::ShiftModifier);
    Wheel(-120, Qt::ControlModifier);
    EXPECT_EQ(TopRow(), 3);
    tree->EditLabel(rows[3], 0);
    ASSERT_NE(tree->GetEditControl(), nullptr);
    Wheel(-120);
    EXPECT_EQ(TopRow(), 3);
    tree->EndEditLabelNow(true);
    Wheel(600);
    EXPECT_EQ(TopRow(), 0);
}

TEST_F(InputTest, CheckBoxesToggleBySpaceAndClick) {
    Create(kStyle | TVS_CHECKBOXES);
    AddColumn("tree", 150);
    const HTREEITEM h = Add("check me");
    QApplication::setActiveWindow(tree.get());
    tree->setFocus();
    tree->SelectItem(h, TVGN_CARET);
    Key(Qt::Key_Space);
    EXPECT_EQ(STATEIMAGEINDEX(tree->GetItemState(h, TVIS_STATEIMAGEMASK)), 2);
    TLHitTestInfo hit;
    QRect text;
    tree->GetItemRect(h, &text, true, 0);
    hit.pt = QPoint(text.left() - 8, text.top() + tree->GetItemHeight() / 2);
    ASSERT_EQ(tree->HitTest(hit), h);
    ASSERT_EQ(hit.flags, TVHT_ONITEMSTATEICON);
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, hit.pt);
    EXPECT_EQ(STATEIMAGEINDEX(tree->GetItemState(h, TVIS_STATEIMAGEMASK)), 1);
    EXPECT_EQ(recorder.Of(TLN_STATEIMAGECHANGED).size(), 2u);
}

TEST_F(InputTest, SingleExpandOpensTheNewAndClosesTheOldSelection) {
    Create(kStyle | TVS_SINGLEEXPAND);
    AddColumn("tree", 150);
    const HTREEITEM a = Add("a");
    Add("a1", a);
    const HTREEITEM b = Add("b");
    Add("b1", b);
    tree->SelectItem(a, TVGN_CARET);
    EXPECT_TRUE(tree->GetItemState(a, TVIS_EXPANDED));
    recorder.log.clear();
    tree->SelectItem(b, TVGN_CARET);
    EXPECT_FALSE(tree->GetItemState(a, TVIS_EXPANDED));
    EXPECT_TRUE(tree->GetItemState(b, TVIS_EXPANDED));
    EXPECT_EQ(recorder.Of(TVN_SINGLEEXPAND).size(), 1u);
    EXPECT_EQ(recorder.Codes().back(), TVN_SELCHANGEDW);
}

TEST_F(InputTest, NewRowsGetAnUncheckedBoxWithCheckBoxes) {
    Create(kStyle | TVS_CHECKBOXES);
    AddColumn("tree", 150);
    EXPECT_EQ(STATEIMAGEINDEX(tree->GetItemState(Add("x"), TVIS_STATEIMAGEMASK)), 1);
}

TEST_F(InputTest, ShiftExtendsAndCtrlMovesOnlyTheCaretWithMultipleSelection) {
    tree->SetExtendedStyle(TLX_MULTISELECT, TLX_MULTISELECT);
    AddRows({"a", "b", "c", "d"});
    tree->SelectItem(rows[0], TVGN_CARET);
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, CellCentre(rows[0], 1));  // sets the anchor
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(tree->GetSelectedCount(), 3);
    Key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Caret(), rows[3]);
    EXPECT_EQ(tree->GetItemState(rows[3], TVIS_SELECTED), 0u);
    EXPECT_EQ(tree->GetSelectedCount(), 3);
    Key(Qt::Key_Up);
    EXPECT_EQ(tree->GetSelectedCount(), 1);
    EXPECT_EQ(tree->GetNextItem(TVI_ROOT, TVGN_NEXTSELECTED), rows[2]);
}

TEST_F(InputTest, TrackSelectHighlightsTheRowUnderTheMouse) {
    Create(kStyle | TVS_TRACKSELECT);
    AddColumn("tree", 150);
    AddRows({"a", "b"});
    QTest::mouseMove(Viewport(), CellCentre(rows[1], 0));
    EXPECT_EQ(tree->GetNextItem(0, TVGN_DROPHILITE), rows[1]);
    QTest::mouseMove(Viewport(), CellCentre(rows[0], 0));
    EXPECT_EQ(tree->GetNextItem(0, TVGN_DROPHILITE), rows[0]);
}
