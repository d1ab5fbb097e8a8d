// A volumetric infusion pump for hospital wards.
#include "tools/make-examples/ExampleBuilder.h"
#include "tools/make-examples/Examples.h"

void BuildInfusionPump(CReqDoc& doc) {
    ExampleBuilder b(doc, QStringLiteral("Volumetric Infusion Pump VIP-3"), 1719792000);
    doc.m_bValidationPhase = true;
    doc.m_version.nMinor = 4;

    DVParameter* risk =
        b.Parameter(QStringLiteral("Risk class"), DVParameter::TypeList,
                    {QStringLiteral("Low"), QStringLiteral("Medium"), QStringLiteral("High")});
    DVParameter* accuracy = b.Parameter(QStringLiteral("Accuracy (%)"), DVParameter::TypeNumber);
    DVParameter* standard = b.Parameter(QStringLiteral("Standard"), DVParameter::TypeText);

    using R = Requirement;
    R* needs = b.Folder(1);
    R* business = b.Folder(2);
    R* features = b.Folder(3);
    R* specs = b.Folder(4);

    R* deliver =
        b.AddRequirement(needs, QStringLiteral("Deliver the prescribed dose"), R::Functional,
                         QStringLiteral("The pump infuses the programmed volume at the programmed rate."));
    R* safe = b.AddRequirement(needs, QStringLiteral("Protect the patient"), R::Quality,
                               QStringLiteral("No free flow, no air embolism, no unnoticed occlusion."));
    R* approval = b.AddRequirement(business, QStringLiteral("Market approval in the EU"), R::Constraint,
                                   QStringLiteral("Class IIb device under the medical device regulation."));
    R* fleet =
        b.AddRequirement(business, QStringLiteral("Fleet management"), R::Functional,
                         QStringLiteral("Drug libraries are updated over the hospital network."), R::Ignore);
    R* program = b.AddRequirement(features, QStringLiteral("Programming"), R::Folder, QString());
    R* rate = b.AddRequirement(program, QStringLiteral("Enter rate and volume"), R::Functional,
                               QStringLiteral("0.1 to 999 ml/h in steps of 0.1 ml/h."));
    R* library = b.AddRequirement(program, QStringLiteral("Drug library limits"), R::Functional,
                                  QStringLiteral("Soft limits ask, hard limits refuse."), R::Or);
    R* barcode = b.AddRequirement(program, QStringLiteral("Barcode scan of the drug"), R::Functional,
                                  QStringLiteral("Alternative to choosing the drug from the list."), R::Or);
    R* alarms = b.AddRequirement(features, QStringLiteral("Alarms"), R::Folder, QString());
    R* occlusion = b.AddRequirement(alarms, QStringLiteral("Occlusion alarm"), R::Functional,
                                    QStringLiteral("Downstream pressure above the limit stops the pump."));
    R* air = b.AddRequirement(alarms, QStringLiteral("Air-in-line alarm"), R::Functional,
                              QStringLiteral("Bubbles of 50 microlitres or more stop the pump."));
    R* flowAccuracy = b.AddRequirement(specs, QStringLiteral("Flow accuracy +/- 5 %"), R::Quality,
                                       QStringLiteral("Over 24 h at 25 ml/h."));
    R* battery = b.AddRequirement(specs, QStringLiteral("Battery for 8 h at 25 ml/h"), R::Constraint,
                                  QStringLiteral("Lithium-ion pack, hot swappable."));
    R* sensor = b.AddRequirement(specs, QStringLiteral("Pressure sensor 0 to 1500 mmHg"), R::Constraint,
                                 QStringLiteral("Resolution 10 mmHg."), R::Ignore);

    b.SetItem(deliver, risk, 2);
    b.SetText(deliver, standard, QStringLiteral("IEC 60601-2-24"));
    b.SetNumber(flowAccuracy, accuracy, 5);
    b.SetItem(occlusion, risk, 2);
    b.SetItem(fleet, risk, 0);
    b.SetText(approval, standard, QStringLiteral("EU 2017/745"));
    b.SetNumber(air, accuracy, 0.05);
    b.SetText(battery, standard, QStringLiteral("IEC 62133-2"));

    b.DeriveRequirement(rate, deliver);
    b.DeriveRequirement(flowAccuracy, deliver);
    b.DeriveRequirement(occlusion, safe);
    b.DeriveRequirement(air, safe);
    b.DeriveRequirement(sensor, occlusion);
    b.DeriveRequirement(library, approval);

    CActor* actors = doc.FindActor(1);
    CActor* nurse =
        b.AddActor(actors, QStringLiteral("Nurse"), QStringLiteral("Programs and starts infusions."));
    CActor* pump = b.AddActor(actors, QStringLiteral("Pump"), QString(), CActor::KindFolder);
    CActor* ui = b.AddActor(pump, QStringLiteral("User interface"), QStringLiteral("Display and keypad."));
    CActor* drive = b.AddActor(pump, QStringLiteral("Peristaltic drive"), QStringLiteral("Stepper motor."));
    CActor* monitor = b.AddActor(pump, QStringLiteral("Safety monitor"),
                                 QStringLiteral("Independent processor for the alarms."));
    CFunction* enterFn = b.AddFunction(ui, QStringLiteral("EnterProgram"), QStringLiteral("rate, volume"),
                                       QStringLiteral("Program"));
    CFunction* runFn =
        b.AddFunction(drive, QStringLiteral("Run"), QStringLiteral("rate"), QStringLiteral("void"));
    CFunction* stopFn = b.AddFunction(drive, QStringLiteral("Stop"), QString(), QStringLiteral("void"));
    CFunction* alarmFn =
        b.AddFunction(monitor, QStringLiteral("RaiseAlarm"), QStringLiteral("cause"), QStringLiteral("void"));
    DVParameter* rateValue = b.AddActorParameter(ui, QStringLiteral("Rate (ml/h)"), DVParameter::TypeNumber);
    DVParameter* volume = b.AddActorParameter(ui, QStringLiteral("Volume (ml)"), DVParameter::TypeNumber);
    DVParameter* cause = b.AddActorParameter(monitor, QStringLiteral("Alarm cause"), DVParameter::TypeText);

    CUseCase* useCases = doc.FindUseCase(1);
    CUseCase* therapy = b.AddUseCase(useCases, QStringLiteral("Therapy"), QString(), CUseCase::KindFolder);
    CUseCase* start = b.AddUseCase(therapy, QStringLiteral("Start an infusion"),
                                   QStringLiteral("The nurse programs the pump and starts it."));
    CUseCase* occluded = b.AddUseCase(therapy, QStringLiteral("Handle an occlusion"),
                                      QStringLiteral("The line is blocked while the pump runs."));
    b.DeriveUseCase(start, deliver);
    b.DeriveUseCase(start, rate);
    b.DeriveUseCase(occluded, occlusion);
    b.UseCaseCreates(start, barcode);
    b.UseCaseCreates(occluded, sensor);

    CStep* enter =
        b.AddStep(start, nullptr, CStep::Simple, QStringLiteral("Nurse enters rate and volume"), nurse);
    enter->m_actsOn = {quint32(ui->m_nId)};
    enter->m_callingFunctions = {quint32(enterFn->m_nId)};
    DVParameterValue rateIn;
    rateIn.m_nParameterId = rateValue->m_nId;
    rateIn.m_dNumber = 25;
    DVParameterValue volumeIn;
    volumeIn.m_nParameterId = volume->m_nId;
    volumeIn.m_dNumber = 500;
    enter->m_outputValues = {rateIn, volumeIn};
    enter->m_stepRequirements = {quint32(rate->m_nId)};
    CStep* hard = b.AddStep(start, nullptr, CStep::If, QStringLiteral("Rate above the hard limit"), ui);
    hard->m_inputValues = {rateIn};
    hard->m_stepRequirements = {quint32(library->m_nId)};
    b.AddStep(start, hard, CStep::Simple, QStringLiteral("Refuse the program"), ui);
    b.AddStep(start, hard, CStep::Goto, QStringLiteral("Back to the entry"));
    CStep* soft = b.AddStep(start, nullptr, CStep::ElseIf, QStringLiteral("Rate above the soft limit"), ui);
    b.AddStep(start, soft, CStep::Simple, QStringLiteral("Ask the nurse to confirm"), ui)->m_actsOn = {
        quint32(nurse->m_nId)};
    CStep* within = b.AddStep(start, nullptr, CStep::Else, QStringLiteral("Within the limits"));
    b.AddStep(start, within, CStep::Simple, QStringLiteral("Show the summary"), ui);
    b.AddStep(start, nullptr, CStep::EndIf, QStringLiteral("End of the limit check"));
    CStep* fork = b.AddStep(start, nullptr, CStep::Fork, QStringLiteral("Infuse and supervise"));
    CStep* threadA = b.AddStep(start, fork, CStep::Fork, QStringLiteral("Fork Thread A"));
    CStep* run = b.AddStep(start, threadA, CStep::Simple, QStringLiteral("Drive runs at the rate"), drive);
    run->m_callingFunctions = {quint32(runFn->m_nId)};
    run->m_inputValues = {rateIn};
    run->m_stepRequirements = {quint32(flowAccuracy->m_nId)};
    run->m_strTimeRequirement = QStringLiteral("start within 2 s");
    CStep* threadB = b.AddStep(start, fork, CStep::Fork, QStringLiteral("Fork Thread B"));
    b.AddStep(start, threadB, CStep::Simple, QStringLiteral("Monitor checks pressure and air"), monitor)
        ->m_stepRequirements = {quint32(occlusion->m_nId), quint32(air->m_nId)};
    b.AddStep(start, nullptr, CStep::Join, QStringLiteral("Volume delivered"));
    b.AddStep(start, nullptr, CStep::SuccessfulEnd, QStringLiteral("Infusion complete"), nurse);

    CStep* detect =
        b.AddStep(occluded, nullptr, CStep::Simple, QStringLiteral("Pressure exceeds the limit"), monitor);
    DVParameterValue alarmCause;
    alarmCause.m_nParameterId = cause->m_nId;
    alarmCause.m_strText = QStringLiteral("Downstream occlusion");
    detect->m_outputValues = {alarmCause};
    detect->m_callingFunctions = {quint32(alarmFn->m_nId), quint32(stopFn->m_nId)};
    detect->m_strTimeRequirement = QStringLiteral("< 1 s");
    b.AddStep(occluded, nullptr, CStep::UnsuccessfulEnd, QStringLiteral("Infusion interrupted"), nurse);
    b.NumberSteps();
    b.ArrangeViews();

    for (R* requirement : {needs, deliver, safe, business, approval, features, program, rate, library, alarms,
                           occlusion, specs, flowAccuracy})
        b.Approve(requirement);
    for (CUseCase* useCase : {useCases, therapy, start, occluded})
        b.Approve(useCase);
    b.Approve(sensor);
    for (R* requirement : {rate, flowAccuracy, sensor})
        b.Implement(requirement);
    b.Verify(flowAccuracy);
    b.Verify(sensor);
    b.WithdrawApproval(alarms);
}
