#pragma once

#include <QByteArray>
#include <QString>

class CReqDoc;

// The project as JSON: every stored field of the document record as the document holds it after
// loading, keyed by member name. Doubles read back to the same double (negative zero as -0.0, the
// non-finite values as the strings "NaN", "Infinity", "-Infinity").
namespace ProjectDump {

// fileFormat is the version string read; linkedFileFormat that of a container's linked file.
QByteArray Dump(const CReqDoc& doc, const QString& fileFormat, const QString& linkedFileFormat = QString());

}  // namespace ProjectDump
