#pragma once

#include <QByteArray>
#include <QString>

class CReqDoc;
class QIODevice;

// The project as JSON: every stored field of the document record as the document holds it after
// loading, keyed by member name, keys in sorted order. Doubles read back to the same double (negative
// zero as -0.0, the non-finite values as the strings "NaN", "Infinity", "-Infinity").
namespace ProjectDump {

// Writes the dump as it goes; false when the device did not take all of it. fileFormat is the
// version string read; linkedFileFormat that of a container's linked file.
bool Write(QIODevice& out, const CReqDoc& doc, const QString& fileFormat,
           const QString& linkedFileFormat = QString());

// The whole dump at once.
QByteArray Dump(const CReqDoc& doc, const QString& fileFormat, const QString& linkedFileFormat = QString());

}  // namespace ProjectDump
