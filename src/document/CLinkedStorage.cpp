#include "document/CLinkedStorage.h"

#include "document/CFileException.h"
#include "document/CompoundFile.h"

#include <QFileInfo>

CLinkedStorage::CLinkedStorage(QString path) : m_path(std::move(path)) {
    bool compound = false;
    const QByteArray contents = CompoundFile::ReadContentsStream(m_path, &compound);
    m_readOnly = !QFileInfo(m_path).isWritable();
    if (!compound)
        WriteContents(contents);
}

QByteArray CLinkedStorage::ReadContents() const {
    return CompoundFile::ReadContentsStream(m_path);
}

void CLinkedStorage::WriteContents(QByteArrayView contents) const {
    if (m_readOnly)
        throw CFileException(CFileException::accessDenied,
                             QStringLiteral("\"%1\" is read-only and cannot be written.").arg(m_path));
    CompoundFile::WriteContentsStream(m_path, contents);
}
