#include "document/CLinkedStorage.h"

#include "document/CFileException.h"
#include "document/CompoundFile.h"

#include <QFileInfo>

CLinkedStorage::CLinkedStorage(QString path)
    : m_path(std::move(path)), m_readOnly(!QFileInfo(m_path).isWritable()) {}

QByteArray CLinkedStorage::ReadContents(bool* wasCompound) const {
    return CompoundFile::ReadContentsStream(m_path, wasCompound);
}

void CLinkedStorage::WriteContents(QByteArrayView contents) const {
    if (m_readOnly)
        throw CFileException(CFileException::accessDenied,
                             QStringLiteral("\"%1\" is read-only and cannot be written.").arg(m_path));
    CompoundFile::WriteContentsStream(m_path, contents);
}
