// A bean-to-cup coffee machine for offices.
#include "tools/make-examples/ExampleBuilder.h"
#include "tools/make-examples/Examples.h"

void BuildCoffeeMachine(CReqDoc& doc) {
    ExampleBuilder b(doc, QStringLiteral("Office Coffee Machine CM-200"), 1704096000);
    doc.m_version.nMajor = 2;
    doc.m_strCurrency = QStringLiteral("EUR");
    doc.m_strDurationUnit = QStringLiteral("hours");

    DVParameter* priority =
        b.Parameter(QStringLiteral("Priority"), DVParameter::TypeList,
                    {QStringLiteral("Must"), QStringLiteral("Should"), QStringLiteral("Could")});
    DVParameter* effort = b.Parameter(QStringLiteral("Effort (hours)"), DVParameter::TypeNumber);
    DVParameter* owner = b.Parameter(QStringLiteral("Owner"), DVParameter::TypeText);

    using R = Requirement;
    R* needs = b.Folder(1);
    R* business = b.Folder(2);
    R* features = b.Folder(3);
    R* specs = b.Folder(4);

    R* fresh =
        b.AddRequirement(needs, QStringLiteral("Freshly brewed coffee"), R::Functional,
                         QStringLiteral("Employees get a cup of freshly ground coffee within a minute."));
    R* choice = b.AddRequirement(needs, QStringLiteral("Choice of beverages"), R::Functional,
                                 QStringLiteral("Espresso, coffee, cappuccino and hot water."), R::Or);
    R* hygiene = b.AddRequirement(needs, QStringLiteral("Hygienic operation"), R::Quality,
                                  QStringLiteral("Milk parts are cleaned automatically."));
    R* cost = b.AddRequirement(business, QStringLiteral("Cost per cup below 0.25 EUR"), R::Constraint,
                               QStringLiteral("Including beans, milk, water and energy."));
    R* service =
        b.AddRequirement(business, QStringLiteral("Service interval of 10,000 cups"), R::Quality,
                         QStringLiteral("Maintenance by the vendor at most every 10,000 cups."), R::Ignore);
    R* brewing = b.AddRequirement(features, QStringLiteral("Brewing"), R::Folder, QString());
    R* grind = b.AddRequirement(brewing, QStringLiteral("Grind beans per cup"), R::Functional,
                                QStringLiteral("The grinder doses 7 to 14 g per cup."));
    R* heat = b.AddRequirement(brewing, QStringLiteral("Heat water to 92 C"), R::Functional,
                               QStringLiteral("Brewing temperature 92 C +/- 2 C."));
    R* milk =
        b.AddRequirement(brewing, QStringLiteral("Froth milk"), R::Functional,
                         QStringLiteral("Milk foam for cappuccino, steam wand cleaned after use."), R::Or);
    R* payment = b.AddRequirement(features, QStringLiteral("Payment by badge"), R::Functional,
                                  QStringLiteral("Cups are booked on the employee badge."), R::Ignore);
    R* pressure = b.AddRequirement(specs, QStringLiteral("Pump pressure 15 bar"), R::Constraint,
                                   QStringLiteral("Vibration pump, 15 bar maximum."));
    R* noise = b.AddRequirement(specs, QStringLiteral("Noise below 65 dB(A)"), R::Quality,
                                QStringLiteral("Measured at 1 m while grinding."));
    R* tank = b.AddRequirement(specs, QStringLiteral("Water tank 4 l with level sensor"), R::Constraint,
                               QStringLiteral("Refill request below 0.3 l."));

    b.SetItem(fresh, priority, 0);
    b.SetNumber(fresh, effort, 40);
    b.SetText(fresh, owner, QStringLiteral("Product management"));
    b.SetItem(choice, priority, 1);
    b.SetItem(payment, priority, 2);
    b.SetText(service, owner, QStringLiteral("After-sales"));
    b.SetNumber(grind, effort, 16.5);
    b.SetText(heat, owner, QStringLiteral("Thermal team"));
    b.SetNumber(pressure, effort, 8);

    b.DeriveRequirement(grind, fresh);
    b.DeriveRequirement(heat, fresh);
    b.DeriveRequirement(milk, choice);
    b.DeriveRequirement(pressure, grind);
    b.DeriveRequirement(tank, heat);
    b.DeriveRequirement(payment, cost);

    CActor* actors = doc.FindActor(1);
    CActor* user = b.AddActor(actors, QStringLiteral("Employee"), QStringLiteral("Orders a beverage."));
    CActor* machine = b.AddActor(actors, QStringLiteral("Machine"), QString(), CActor::KindFolder);
    CActor* controller =
        b.AddActor(machine, QStringLiteral("Controller"), QStringLiteral("Runs the brewing sequence."));
    CActor* grinder =
        b.AddActor(machine, QStringLiteral("Grinder"), QStringLiteral("Burr grinder with doser."));
    CActor* boiler = b.AddActor(machine, QStringLiteral("Boiler"), QStringLiteral("Thermoblock with pump."));
    CFunction* selectFn = b.AddFunction(controller, QStringLiteral("Select"), QStringLiteral("beverage"),
                                        QStringLiteral("bool"));
    CFunction* grindFn =
        b.AddFunction(grinder, QStringLiteral("Grind"), QStringLiteral("grams"), QStringLiteral("void"));
    CFunction* heatFn =
        b.AddFunction(boiler, QStringLiteral("Heat"), QStringLiteral("celsius"), QStringLiteral("bool"));
    CFunction* pumpFn =
        b.AddFunction(boiler, QStringLiteral("Pump"), QStringLiteral("ml, bar"), QStringLiteral("void"));
    DVParameter* beverage =
        b.AddActorParameter(controller, QStringLiteral("Beverage"), DVParameter::TypeText);
    DVParameter* dose = b.AddActorParameter(grinder, QStringLiteral("Dose (g)"), DVParameter::TypeNumber);
    DVParameter* level =
        b.AddActorParameter(boiler, QStringLiteral("Water level (l)"), DVParameter::TypeNumber);

    CUseCase* useCases = doc.FindUseCase(1);
    CUseCase* brew = b.AddUseCase(useCases, QStringLiteral("Brew a coffee"),
                                  QStringLiteral("From the selection to the full cup."));
    CUseCase* clean = b.AddUseCase(useCases, QStringLiteral("Clean the milk system"),
                                   QStringLiteral("Automatic rinse after milk beverages."));
    b.DeriveUseCase(brew, fresh);
    b.DeriveUseCase(brew, grind);
    b.DeriveUseCase(clean, milk);
    b.UseCaseCreates(brew, noise);
    b.UseCaseCreates(clean, hygiene);

    CStep* select =
        b.AddStep(brew, nullptr, CStep::Simple, QStringLiteral("Employee selects a beverage"), user);
    select->m_actsOn = {quint32(controller->m_nId)};
    select->m_callingFunctions = {quint32(selectFn->m_nId)};
    DVParameterValue chosen;
    chosen.m_nParameterId = beverage->m_nId;
    chosen.m_strText = QStringLiteral("Espresso");
    select->m_outputValues = {chosen};
    CStep* check = b.AddStep(brew, nullptr, CStep::If, QStringLiteral("Water tank empty"), controller);
    DVParameterValue tankLevel;
    tankLevel.m_nParameterId = level->m_nId;
    tankLevel.m_dNumber = 0.3;
    check->m_inputValues = {tankLevel};
    check->m_stepRequirements = {quint32(tank->m_nId)};
    b.AddStep(brew, check, CStep::Simple, QStringLiteral("Display \"Refill water\""), controller);
    b.AddStep(brew, check, CStep::UnsuccessfulEnd, QStringLiteral("No beverage"));
    CStep* beans =
        b.AddStep(brew, nullptr, CStep::ElseIf, QStringLiteral("Bean container empty"), controller);
    b.AddStep(brew, beans, CStep::Simple, QStringLiteral("Display \"Fill beans\""), controller);
    CStep* retry = b.AddStep(brew, beans, CStep::Goto, QStringLiteral("Back to the selection"));
    retry->m_strTimeRequirement = QStringLiteral("after 30 s");
    CStep* ready = b.AddStep(brew, nullptr, CStep::Else, QStringLiteral("Machine ready"));
    b.AddStep(brew, ready, CStep::Simple, QStringLiteral("Reserve the cup on the badge"), controller);
    b.AddStep(brew, nullptr, CStep::EndIf, QStringLiteral("End of the checks"));
    CStep* fork = b.AddStep(brew, nullptr, CStep::Fork, QStringLiteral("Prepare in parallel"), controller);
    CStep* threadA = b.AddStep(brew, fork, CStep::Fork, QStringLiteral("Fork Thread A"));
    CStep* grindStep = b.AddStep(brew, threadA, CStep::Simple, QStringLiteral("Grind the dose"), grinder);
    grindStep->m_callingFunctions = {quint32(grindFn->m_nId)};
    DVParameterValue grams;
    grams.m_nParameterId = dose->m_nId;
    grams.m_dNumber = 9.5;
    grindStep->m_inputValues = {grams};
    grindStep->m_stepRequirements = {quint32(grind->m_nId)};
    grindStep->m_strTimeRequirement = QStringLiteral("< 12 s");
    CStep* threadB = b.AddStep(brew, fork, CStep::Fork, QStringLiteral("Fork Thread B"));
    CStep* heatStep = b.AddStep(brew, threadB, CStep::Simple, QStringLiteral("Heat the water"), boiler);
    heatStep->m_callingFunctions = {quint32(heatFn->m_nId)};
    heatStep->m_stepRequirements = {quint32(heat->m_nId)};
    b.AddStep(brew, nullptr, CStep::Join, QStringLiteral("Both ready"));
    CStep* extract = b.AddStep(brew, nullptr, CStep::Simple, QStringLiteral("Extract at 15 bar"), boiler);
    extract->m_callingFunctions = {quint32(pumpFn->m_nId)};
    extract->m_stepRequirements = {quint32(pressure->m_nId), quint32(noise->m_nId)};
    b.AddStep(brew, nullptr, CStep::SuccessfulEnd, QStringLiteral("Cup served"), user);

    b.AddStep(clean, nullptr, CStep::Simple, QStringLiteral("Rinse the milk line with hot water"), boiler);
    b.AddStep(clean, nullptr, CStep::SuccessfulEnd, QStringLiteral("Milk system clean"));
    b.NumberSteps();
    b.ArrangeViews();

    // Phases: done along the tree, a withdrawn approval leaves its child out of date.
    for (R* requirement :
         {needs, fresh, choice, business, cost, features, brewing, grind, heat, milk, specs, pressure, tank})
        b.Approve(requirement);
    b.Approve(useCases);
    b.Approve(brew);
    for (R* requirement : {grind, pressure, tank})
        b.Implement(requirement);
    b.Verify(pressure);
    b.Verify(tank);
    b.WithdrawApproval(choice);
}
