#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The project file of a linked container, kept while the container is linked: its project is read
// from and written back to the file's "Contents" stream. Writing always produces a compound file, so
// a bare archive that was read as a project becomes a compound file at its first save.
class CLinkedStorage {
public:
    explicit CLinkedStorage(QString path);

    const QString& Path() const { return m_path; }
    bool IsReadOnly() const { return m_readOnly; }

    // The archive of the project; wasCompound tells whether the file is a compound file already.
    // Throws CFileException, also for a compound file without the stream "Contents": that is the
    // document of another program, which a save must never overwrite.
    QByteArray ReadContents(bool* wasCompound = nullptr) const;
    // Replaces the file by a compound file holding contents; throws CFileException, also when the
    // file is read-only.
    void WriteContents(QByteArrayView contents) const;

private:
    QString m_path;
    bool m_readOnly = false;
};
