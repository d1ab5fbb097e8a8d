#include "document/DVExportFile.h"

#include "document/CFileException.h"
#include "document/DVAtomicFile.h"

namespace DVExportFile {

bool Write(DVExportWriter::Format format, const DVExportSource& source, const QString& path, QString& error) {
    try {
        DVAtomicFile::Replace(path, [&](int fd) {
            DVExportWriter::Write(format, source,
                                  [&](QByteArrayView bytes) { DVAtomicFile::Write(fd, path, bytes); });
        });
    } catch (const CFileException& failure) {
        error = failure.Reason();
        return false;
    }
    return true;
}

}  // namespace DVExportFile
