#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The project file of a linked container, kept open while the container is linked: its project is
// read from and written back to the file's "Contents" stream.
class CLinkedStorage {
public:
    // Opens the file at path; a file that is not a compound file yet is converted into one in place.
    // Throws CFileException.
    explicit CLinkedStorage(QString path);

    const QString& Path() const { return m_path; }
    bool IsReadOnly() const { return m_readOnly; }

    // Empty when the file has no stream "Contents" yet.
    QByteArray ReadContents() const;
    // Replaces the stream "Contents"; throws CFileException, also when the file is read-only.
    void WriteContents(QByteArrayView contents) const;

private:
    QString m_path;
    bool m_readOnly = false;
};
