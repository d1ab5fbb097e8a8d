#include "model/CFunction.h"

CFunction::CFunction(const CFunction& source)
    : CDVData(source.m_nId, source),
      m_strParameters(source.m_strParameters),
      m_strReturnValue(source.m_strReturnValue) {}

QString CFunction::FunctionText() const {
    return QStringLiteral("%1 = %2( %3 )").arg(m_strReturnValue, m_strTitle, m_strParameters);
}
