// Input and output values of a step: the marker tree and the value dialog it chains into.
#include "DialogTestSupport.h"

#include "dialogs/CDVValueList.h"
#include "dialogs/Dlg_QuickParSelect.h"

namespace {

class StepValues : public QuickSelectTest {
protected:
    StepValues() {
        actor = AddActor(QStringLiteral("Machine"));
        speed = AddParameter(DVParameter::TypeNumber, QStringLiteral("Speed"));
        speed->m_bHasMin = true;
        mode = AddParameter(DVParameter::TypeList, QStringLiteral("Mode"));
        mode->m_items = {QStringLiteral("Auto"), QStringLiteral("Manual")};
        useCase = AddUseCase(QStringLiteral("UC"));
        step = AddStep(useCase, QStringLiteral("Run"));
    }
    DVParameter* AddParameter(int type, const QString& name) {
        auto parameter = std::make_unique<DVParameter>();
        parameter->m_nId = ++doc.m_nLastActorParameterId;
        parameter->m_nType = type;
        parameter->m_strName = name;
        actor->m_actorParameters.push_back(std::move(parameter));
        return actor->m_actorParameters.back().get();
    }
    static DVParameterValue Value(const DVParameter* parameter, double number, int item = -1) {
        DVParameterValue value;
        value.m_nParameterId = parameter->m_nId;
        value.m_dNumber = number;
        value.m_nItem = item;
        return value;
    }
    CActor* actor;
    DVParameter* speed;
    DVParameter* mode;
    CUseCase* useCase;
    CStep* step;
};

TEST_F(StepValues, LeavesShowMarkersThatToggleWhenSelected) {
    step->m_inputValues = {Value(mode, 0, 1)};
    auto dialog = Open(step, Dlg_QuickSelect::StepInputValues);
    QTreeWidgetItem* actorItem = dialog->Tree()->topLevelItem(0);
    ASSERT_EQ(actorItem->childCount(), 2);
    EXPECT_EQ(actorItem->data(0, Dlg_QuickSelect::MarkerRole).toInt(), Dlg_QuickSelect::NoMarker);
    QTreeWidgetItem* speedItem = dialog->FindItem(quint32(speed->m_nId));
    QTreeWidgetItem* modeItem = dialog->FindItem(quint32(mode->m_nId));
    EXPECT_EQ(speedItem->data(0, Dlg_QuickSelect::MarkerRole).toInt(), Dlg_QuickSelect::NotSelected);
    EXPECT_EQ(modeItem->data(0, Dlg_QuickSelect::MarkerRole).toInt(), Dlg_QuickSelect::Selected);

    // Moving down with the keyboard passes the actor (no marker) and toggles the leaf it lands on.
    dialog->show();
    dialog->Tree()->setFocus();
    dialog->Tree()->setCurrentItem(actorItem);
    QTest::keyClick(dialog->Tree(), Qt::Key_Down);
    EXPECT_EQ(actorItem->data(0, Dlg_QuickSelect::MarkerRole).toInt(), Dlg_QuickSelect::NoMarker);
    EXPECT_EQ(speedItem->data(0, Dlg_QuickSelect::MarkerRole).toInt(), Dlg_QuickSelect::Selected);
    QTest::keyClick(dialog->Tree(), Qt::Key_Space);
    EXPECT_EQ(speedItem->data(0, Dlg_QuickSelect::MarkerRole).toInt(), Dlg_QuickSelect::NotSelected);
}

TEST_F(StepValues, ValuesAreCheckedByTheParameterRules) {
    auto dialog = Open(step, Dlg_QuickSelect::StepInputValues);
    dialog->Tree()->setCurrentItem(dialog->FindItem(quint32(speed->m_nId)));
    bool valuesShown = false;
    WhenModal([&](QWidget* modal) {
        auto* values = qobject_cast<Dlg_QuickParSelect*>(modal);
        ASSERT_NE(values, nullptr);
        valuesShown = true;
        EXPECT_EQ(values->windowTitle(), QStringLiteral("Input Parameter Values"));
        CDVValueList* list = values->List();
        ASSERT_EQ(list->rowCount(), 1);
        EXPECT_EQ(list->CellText(0, Dlg_QuickParSelect::ColumnActor), QStringLiteral("Machine"));
        EXPECT_EQ(list->CellText(0, Dlg_QuickParSelect::ColumnName), QStringLiteral("Speed"));
        EXPECT_EQ(list->CellText(0, Dlg_QuickParSelect::ColumnType), QStringLiteral("Number"));

        TypeValue(list, 0, QStringLiteral("-0.5"));
        EXPECT_EQ(messages.texts.value(0),
                  QStringLiteral("Number is smaller than permitted. Minimum value is 0."));
        EXPECT_EQ(list->CellText(0, Dlg_QuickParSelect::ColumnValue), QString());

        // A text in the cell that the rules refuse stops OK.
        list->SetCell(0, Dlg_QuickParSelect::ColumnValue, QStringLiteral("fast"));
        values->accept();
        EXPECT_TRUE(values->isVisible());
        EXPECT_EQ(messages.texts.value(1), QStringLiteral("Invalid Number. Please enter a valid number."));

        TypeValue(list, 0, QStringLiteral("1e3"));
        EXPECT_EQ(list->CellText(0, Dlg_QuickParSelect::ColumnValue), QStringLiteral("1e3"));
        values->accept();
    });
    dialog->accept();
    EXPECT_TRUE(valuesShown);
    ASSERT_TRUE(Accepted(*dialog));
    EXPECT_TRUE(dialog->Changed());
    ASSERT_EQ(step->m_inputValues.size(), 1u);
    EXPECT_EQ(step->m_inputValues[0].m_nParameterId, speed->m_nId);
    EXPECT_EQ(step->m_inputValues[0].m_dNumber, 1000.0);
}

TEST_F(StepValues, AListValueIsChosenFromTheDropDown) {
    step->m_outputValues = {Value(mode, 0, 0)};
    auto dialog = Open(step, Dlg_QuickSelect::StepOutputValues);
    WhenModal([&](QWidget* modal) {
        auto* values = qobject_cast<Dlg_QuickParSelect*>(modal);
        ASSERT_NE(values, nullptr);
        EXPECT_EQ(values->windowTitle(), QStringLiteral("Output Parameter Values"));
        CDVValueList* list = values->List();
        ASSERT_EQ(list->rowCount(), 1);
        EXPECT_EQ(list->CellText(0, Dlg_QuickParSelect::ColumnValue), QStringLiteral("Auto"));
        ChooseItem(list, 0, 1);
        EXPECT_EQ(list->CellText(0, Dlg_QuickParSelect::ColumnValue), QStringLiteral("Manual"));
        values->accept();
    });
    dialog->accept();
    ASSERT_TRUE(Accepted(*dialog));
    EXPECT_TRUE(dialog->Changed());
    ASSERT_EQ(step->m_outputValues.size(), 1u);
    EXPECT_EQ(step->m_outputValues[0].m_nItem, 1);
}

TEST_F(StepValues, OutputValuesWithNothingSelectedAreCleared) {
    step->m_outputValues = {Value(speed, 4)};
    auto dialog = Open(step, Dlg_QuickSelect::StepOutputValues);
    dialog->Tree()->setCurrentItem(dialog->FindItem(quint32(speed->m_nId)));  // deselects it
    WhenModal([](QWidget* modal) {
        auto* values = qobject_cast<Dlg_QuickParSelect*>(modal);
        ASSERT_NE(values, nullptr);
        EXPECT_EQ(values->List()->rowCount(), 0);
        values->accept();
    });
    dialog->accept();
    ASSERT_TRUE(Accepted(*dialog));
    EXPECT_TRUE(dialog->Changed());
    EXPECT_TRUE(step->m_outputValues.empty());
}

TEST_F(StepValues, CancellingTheValuesStaysInTheSelection) {
    step->m_inputValues = {Value(speed, 4)};
    auto dialog = Open(step, Dlg_QuickSelect::StepInputValues);
    WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    dialog->accept();
    EXPECT_FALSE(Accepted(*dialog));
    EXPECT_FALSE(dialog->Changed());
    ASSERT_EQ(step->m_inputValues.size(), 1u);
    EXPECT_EQ(step->m_inputValues[0].m_dNumber, 4.0);
}

TEST_F(StepValues, CallingFunctionsAreMarkedLeaves) {
    auto function = std::make_unique<CFunction>();
    function->m_nId = ++doc.m_nLastFunctionId;
    function->m_strTitle = QStringLiteral("Start");
    function->m_strReturnValue = QStringLiteral("bool");
    actor->m_functions.push_back(std::move(function));
    auto dialog = Open(step, Dlg_QuickSelect::StepCallingFunctions);
    QTreeWidgetItem* leaf = dialog->FindItem(quint32(doc.m_nLastFunctionId));
    ASSERT_NE(leaf, nullptr);
    EXPECT_EQ(leaf->text(0), QStringLiteral("bool = Start(  )"));
    dialog->Tree()->setCurrentItem(leaf);
    dialog->accept();
    ASSERT_TRUE(Accepted(*dialog));
    EXPECT_EQ(step->m_callingFunctions, Ids({quint32(doc.m_nLastFunctionId)}));
}

}  // namespace
