#pragma once

#include "model/VersionNumber.h"

#include <QString>

class CReqProject;

// One life-cycle phase record of an object, and the project's default duration and cost of a phase.
class CDVDevelopmentStep {
public:
    enum State { Pending = 0, OutOfDate = 1, Done = 2 };
    enum Phase { Approval = 0, Implementation = 1, Verification = 2, Validation = 3 };

    explicit CDVDevelopmentStep(int phase = Approval, double duration = -1.0, double cost = -1.0);
    // Copies every field except the phase kind.
    CDVDevelopmentStep(const CDVDevelopmentStep& other);
    CDVDevelopmentStep& operator=(const CDVDevelopmentStep& other);
    // Compares everything but the phase kind.
    bool operator==(const CDVDevelopmentStep& other) const;

    bool IsDone() const { return m_nState == Done; }
    // Ever done: the version of the last completion has a non-zero number.
    bool EverDone() const;

    // The duration or cost, the project default of this phase taking the place of -1 in the record.
    double GetEffectiveDuration(CReqProject* doc);
    double GetEffectiveCost(CReqProject* doc);
    // "%G %s" of the effective value and the unit (the project's unit when the one passed is empty).
    QString DurationText(CReqProject* doc, const QString& unit = QString());
    QString CostText(CReqProject* doc, const QString& unit = QString());
    // Last-done texts; a phase never done shows its "never" value name in both.
    QString LastTimeText(const CReqProject* doc) const;
    QString LastVersionText(const CReqProject* doc) const;

    // Every object holds four records, so the members are ordered to leave no padding.
    qint32 m_nState = Pending;
    int m_nPhase = Approval;
    qint64 m_timeLast = 0;
    VersionNumber m_versionLast{true, QString(), 0, 0, 0};
    QString m_strDescription;
    double m_dDuration = -1.0;
    double m_dCost = -1.0;

private:
    QString NeverDoneText(const CReqProject* doc) const;
};
