#pragma once

#include "document/DVExportWriter.h"

#include <QString>

// Exports to a file that is replaced only by a complete export: a failure leaves the earlier file as
// it was and no half-written file behind.
namespace DVExportFile {

// False with the reason in error when the file cannot be written.
bool Write(DVExportWriter::Format format, const DVExportSource& source, const QString& path, QString& error);

}  // namespace DVExportFile
