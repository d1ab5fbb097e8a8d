#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class CReqDoc;

// The outcome of opening or saving a project file. On failure, Message() is the report the user
// sees: the headline, then the reason.
struct DVFileResult {
    bool ok = true;
    QString headline;
    QString reason;

    QString Message() const { return headline + QLatin1Char('\n') + reason; }
};

// Opening and saving a document as a project file, including the linked project file of a linked
// container. The application and the command-line tool report a failed result each in their way.
// A failed save of the linked file does not stop the container's own save, but the result reports it,
// so that the document stays modified and nothing the user changed is taken for saved.
class CReqDocFile {
public:
    explicit CReqDocFile(CReqDoc& doc) : m_doc(doc) {}

    // Empties the document and loads the file. On failure the document stays emptied.
    DVFileResult OpenDocument(const QString& path);
    // Writes the document to path; the file is replaced only by a complete new one.
    DVFileResult SaveDocument(const QString& path);

    // The archive of the document as SaveDocument writes it into "Contents". For a linked container
    // it also writes the linked project file; LinkedSaveFailure tells why that failed.
    QByteArray StoreArchive();
    const std::optional<QString>& LinkedSaveFailure() const { return m_linkedSaveFailure; }
    // Loads an archive into the document that DeleteContents emptied; throws CDVException.
    void LoadArchive(const QByteArray& archive);

    // Opens the linked project file and loads it into the document. A relative path is taken from
    // the folder of the file being opened (the current folder when none is), then from the
    // application's folder. A bare archive that loaded is converted into a compound file in place
    // (unless the file is read-only).
    bool OpenLinkedProject(const QString& path, bool reportErrors);

    // The version strings read by the last load: the file's and, for a container, its linked file's.
    const QString& FileFormat() const { return m_fileFormat; }
    const QString& LinkedFileFormat() const { return m_linkedFileFormat; }

private:
    QString OpenLinkedForContainer(const QString& path);
    void SaveLinkedForContainer();
    // Writes the document into the open linked project file; the reason when that failed.
    std::optional<QString> SaveLinkedProject();
    void LoadLinkedArchive(const QByteArray& archive, bool compound);

    CReqDoc& m_doc;
    QString m_fileFormat;
    QString m_linkedFileFormat;
    // The folder against which relative linked paths are resolved while a file is opened.
    QString m_baseFolder;
    std::optional<QString> m_linkedSaveFailure;
};
