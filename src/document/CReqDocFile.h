#pragma once

#include <QByteArray>
#include <QString>

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
// container. The application and the command-line tool report a failed result each in their way;
// a failure of the linked file's save is reported here, through DVMessageBox, because the container's
// save goes on.
class CReqDocFile {
public:
    explicit CReqDocFile(CReqDoc& doc) : m_doc(doc) {}

    // Empties the document and loads the file. On failure the document stays emptied.
    DVFileResult OpenDocument(const QString& path);
    // Writes the document to path; the file is replaced only by a complete new one.
    DVFileResult SaveDocument(const QString& path);

    // The archive of the document as SaveDocument writes it into "Contents".
    QByteArray StoreArchive();
    // Loads an archive into the document that DeleteContents emptied; throws CDVException.
    void LoadArchive(const QByteArray& archive);

    // Opens the linked project file (or the file of that name in the application's folder) and
    // loads it into the document. A file that is not yet a compound file is converted only when
    // convert is set: a path read from a container must not rewrite an arbitrary file.
    bool OpenLinkedProject(const QString& path, bool reportErrors, bool convert = false);
    // Writes the document into the open linked project file; a failure is reported.
    bool SaveLinkedProject();

    // The version strings read by the last load: the file's and, for a container, its linked file's.
    const QString& FileFormat() const { return m_fileFormat; }
    const QString& LinkedFileFormat() const { return m_linkedFileFormat; }

private:
    QString OpenLinkedForContainer(const QString& path);
    void SaveLinkedForContainer();
    void LoadLinkedStorage();

    CReqDoc& m_doc;
    QString m_fileFormat;
    QString m_linkedFileFormat;
};
