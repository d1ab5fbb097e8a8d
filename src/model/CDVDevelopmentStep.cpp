#include "model/CDVDevelopmentStep.h"

#include "model/CReqProject.h"
#include "model/StringIds.h"
#include "platform/DVFormat.h"

CDVDevelopmentStep::CDVDevelopmentStep(int phase, double duration, double cost)
    : m_nPhase(phase), m_dDuration(duration), m_dCost(cost) {}

CDVDevelopmentStep::CDVDevelopmentStep(const CDVDevelopmentStep& other)
    : m_nState(other.m_nState),
      m_timeLast(other.m_timeLast),
      m_versionLast(other.m_versionLast),
      m_strDescription(other.m_strDescription),
      m_dDuration(other.m_dDuration),
      m_dCost(other.m_dCost) {}

CDVDevelopmentStep& CDVDevelopmentStep::operator=(const CDVDevelopmentStep& other) {
    m_nState = other.m_nState;
    m_timeLast = other.m_timeLast;
    m_versionLast = other.m_versionLast;
    m_strDescription = other.m_strDescription;
    m_dDuration = other.m_dDuration;
    m_dCost = other.m_dCost;
    return *this;
}

bool CDVDevelopmentStep::operator==(const CDVDevelopmentStep& other) const {
    return m_nState == other.m_nState && m_timeLast == other.m_timeLast &&
           m_versionLast == other.m_versionLast && m_strDescription == other.m_strDescription &&
           m_dDuration == other.m_dDuration && m_dCost == other.m_dCost;
}

bool CDVDevelopmentStep::EverDone() const {
    return m_versionLast.nMajor != 0 || m_versionLast.nMinor != 0 || m_versionLast.nCount != 0;
}

double CDVDevelopmentStep::GetEffectiveDuration(CReqProject* doc) {
    if (m_dDuration == -1.0 && doc != nullptr) {
        m_dDuration = doc->DefaultStep(m_nPhase).m_dDuration;
    }
    return m_dDuration;
}

double CDVDevelopmentStep::GetEffectiveCost(CReqProject* doc) {
    if (m_dCost == -1.0 && doc != nullptr) {
        m_dCost = doc->DefaultStep(m_nPhase).m_dCost;
    }
    return m_dCost;
}

QString CDVDevelopmentStep::DurationText(CReqProject* doc, const QString& unit) {
    const double value = GetEffectiveDuration(doc);
    const QString shown = unit.isEmpty() && doc != nullptr ? doc->m_strDurationUnit : unit;
    return QStringLiteral("%1 %2").arg(FormatG(value), shown);
}

QString CDVDevelopmentStep::CostText(CReqProject* doc, const QString& unit) {
    const double value = GetEffectiveCost(doc);
    const QString shown = unit.isEmpty() && doc != nullptr ? doc->m_strCurrency : unit;
    return QStringLiteral("%1 %2").arg(FormatG(value), shown);
}

QString CDVDevelopmentStep::NeverDoneText(const CReqProject* doc) const {
    static constexpr int kNever[] = {VALUE_NEVER_APPROVED, VALUE_NOT_IMPLEMENTED, VALUE_NEVER_VERIFIED,
                                     VALUE_NEVER_VALIDATED};
    const int id = m_nPhase >= 0 && m_nPhase < 4 ? kNever[m_nPhase] : VALUE_NEVER_APPROVED;
    return doc != nullptr ? doc->GetValueName(id) : QString();
}

QString CDVDevelopmentStep::LastTimeText(const CReqProject* doc) const {
    return EverDone() ? FormatTime(m_timeLast) : NeverDoneText(doc);
}

QString CDVDevelopmentStep::LastVersionText(const CReqProject* doc) const {
    return EverDone() ? FormatVersion(m_versionLast) : NeverDoneText(doc);
}
