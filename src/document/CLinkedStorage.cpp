#include "document/CLinkedStorage.h"

#include "document/CFileException.h"
#include "document/CompoundFile.h"

#include <QFileInfo>

namespace {
// A linked project file may lack the stream "Contents": it then holds an empty project.
QByteArray ReadLinkedContents(const QString& path, bool* wasCompound = nullptr) {
    try {
        return CompoundFile::ReadContentsStream(path, wasCompound);
    } catch (const CFileException& e) {
        if (e.GetCause() != CFileException::missingContents)
            throw;
        return {};
    }
}
}  // namespace

CLinkedStorage::CLinkedStorage(QString path) : m_path(std::move(path)) {
    bool compound = true;
    const QByteArray contents = ReadLinkedContents(m_path, &compound);
    m_readOnly = !QFileInfo(m_path).isWritable();
    if (!compound)
        WriteContents(contents);
}

QByteArray CLinkedStorage::ReadContents() const {
    return ReadLinkedContents(m_path);
}

void CLinkedStorage::WriteContents(QByteArrayView contents) const {
    if (m_readOnly)
        throw CFileException(CFileException::accessDenied,
                             QStringLiteral("\"%1\" is read-only and cannot be written.").arg(m_path));
    CompoundFile::WriteContentsStream(m_path, contents);
}
