#include "document/CReqDocFile.h"

#include "document/CArchiveException.h"
#include "document/CArchiveReader.h"
#include "document/CArchiveWriter.h"
#include "document/CFileException.h"
#include "document/CLinkedStorage.h"
#include "document/CReqDoc.h"
#include "document/CReqDocSerializer.h"
#include "document/CompoundFile.h"
#include "document/DVFileError.h"
#include "document/DVLinkedFileChooser.h"
#include "platform/DVMessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <new>
#include <optional>
#include <utility>

namespace {

// Every archive begins with the file-format version, a string with the wide-string tag.
const QByteArray kArchiveStart = QByteArrayLiteral("\xFF\xFE\xFF");

DVFileResult Failure(const char* headline, const QString& reason) {
    return DVFileResult{false, QString::fromLatin1(headline), reason};
}

// Runs an operation that may throw a file or archive error, and returns the reason it failed.
template <typename Operation>
std::optional<QString> FailureReason(Operation&& operation) {
    try {
        operation();
        return std::nullopt;
    } catch (const CDVException& e) {
        return e.Reason();
    } catch (const std::bad_alloc&) {
        return QStringLiteral("There is not enough memory.");
    }
}

// The reason for a file whose archive did not load: a file that is no compound file and does not
// begin like an archive was never a project; otherwise the project file is damaged.
[[noreturn]] void ThrowUnreadable(const QString& path, const QByteArray& archive, bool compound,
                                  const CArchiveException& error) {
    const QString file = QLatin1Char('"') + path + QLatin1Char('"');
    if (!compound && !archive.startsWith(kArchiveStart))
        throw CFileException(CFileException::corrupt, file + QStringLiteral(" is not a project file."));
    if (!error.HasDefaultReason())
        throw error;
    throw CArchiveException(error.GetCause(),
                            file + (error.GetCause() == CArchiveException::endOfFile
                                        ? QStringLiteral(" is damaged: its project data ends too early.")
                                        : QStringLiteral(" is damaged: its project data is not valid.")));
}

// Loads the archive read from the file at path through load, with reasons that name the file.
template <typename Load>
void LoadFileArchive(const QString& path, const QByteArray& archive, bool compound, Load&& load) {
    try {
        load();
    } catch (const CArchiveException& e) {
        ThrowUnreadable(path, archive, compound, e);
    }
}

// Where a linked path is looked for: a relative one in the folder of the file that names it, then,
// as a last resort, in the application's folder.
QStringList LinkedFileCandidates(const QString& path, const QString& baseFolder) {
    if (QDir::isAbsolutePath(path))
        return {path};
    QStringList candidates{baseFolder.isEmpty() ? path : QDir(baseFolder).filePath(path)};
    if (QCoreApplication::instance() != nullptr)
        candidates.append(QCoreApplication::applicationDirPath() + QLatin1Char('/') + path);
    return candidates;
}

// The storage of the first candidate that can be read, with the archive read from it.
std::shared_ptr<CLinkedStorage> OpenStorage(const QStringList& candidates, QByteArray& archive,
                                            bool& compound) {
    std::optional<CFileException> firstError;
    for (const QString& candidate : candidates) {
        try {
            auto storage = std::make_shared<CLinkedStorage>(candidate);
            archive = storage->ReadContents(&compound);
            return storage;
        } catch (const CFileException& e) {
            if (!firstError)
                firstError = e;
        }
    }
    throw *firstError;
}

// A linked project file that is a bare archive becomes a compound file as soon as it loaded, so that
// the file is what every container expects. A file that cannot be written stays as it is, read-only.
void ConvertToCompoundFile(const CLinkedStorage& storage, const QByteArray& archive) {
    if (!storage.IsReadOnly())
        FailureReason([&] { storage.WriteContents(archive); });
}

// Puts the linked file's own extent and view type in place of the container's while it lives.
class LinkedFileScope {
public:
    explicit LinkedFileScope(CReqDoc& doc)
        : m_doc(doc), m_extent(doc.m_sizeExtent), m_viewType(doc.m_nViewType), m_path(doc.m_strLinkedPath) {
        doc.m_sizeExtent = doc.m_sizeExtentLinked;
        doc.m_nViewType = doc.m_nViewTypeLinked;
        doc.m_bLinked = false;
        doc.m_bSavingLinkedProject = true;
        doc.m_strLinkedPath.clear();
    }
    ~LinkedFileScope() {
        m_doc.m_bLinked = true;
        m_doc.m_bSavingLinkedProject = false;
        m_doc.m_strLinkedPath = m_path;
        m_doc.m_sizeExtent = m_extent;
        m_doc.m_nViewType = m_viewType;
    }
    LinkedFileScope(const LinkedFileScope&) = delete;
    LinkedFileScope& operator=(const LinkedFileScope&) = delete;

private:
    CReqDoc& m_doc;
    DVSize m_extent;
    qint32 m_viewType;
    QString m_path;
};

}  // namespace

DVFileResult CReqDocFile::OpenDocument(const QString& path) {
    m_doc.DeleteContents();
    m_doc.m_pLinkedStorage.reset();
    m_fileFormat.clear();
    m_linkedFileFormat.clear();
    m_baseFolder = QFileInfo(path).absolutePath();
    const auto reason = FailureReason([&] {
        bool compound = false;
        const QByteArray archive = CompoundFile::ReadContentsStream(path, &compound);
        LoadFileArchive(path, archive, compound, [&] { LoadArchive(archive); });
    });
    m_baseFolder.clear();
    if (reason) {
        m_doc.DeleteContents();
        m_doc.m_pLinkedStorage.reset();
        m_doc.m_bLinked = false;
        m_doc.m_strLinkedPath.clear();
        return Failure(kDVFailedToOpenDocument, *reason);
    }
    m_doc.m_nNextViewType = m_doc.m_nViewType;
    m_doc.m_nNextStepsUseCaseId = m_doc.m_nStepsUseCaseId;
    m_doc.AdjustPhaseSelection();
    m_doc.SetModifiedFlag(false);
    return {};
}

DVFileResult CReqDocFile::SaveDocument(const QString& path) {
    if (const auto reason = FailureReason([&] { CompoundFile::WriteContentsStream(path, StoreArchive()); }))
        return Failure(kDVFailedToSaveDocument, *reason);
    // The container is written, but what was edited lives in the linked file.
    if (m_linkedSaveFailure)
        return Failure(kDVFailedToSaveDocument, *std::exchange(m_linkedSaveFailure, std::nullopt));
    m_doc.SetModifiedFlag(false);
    return {};
}

QByteArray CReqDocFile::StoreArchive() {
    m_linkedSaveFailure.reset();
    CArchiveWriter writer;
    CReqDocSerializer serializer(m_doc, {{}, [this] { SaveLinkedForContainer(); }});
    serializer.Store(writer);
    return writer.TakeBytes();
}

void CReqDocFile::LoadArchive(const QByteArray& archive) {
    CArchiveReader reader(archive.constData(), archive.size());
    CReqDocSerializer serializer(m_doc,
                                 {[this](const QString& path) { return OpenLinkedForContainer(path); }, {}});
    serializer.Load(reader);
    m_fileFormat = serializer.FileFormat();
}

QString CReqDocFile::OpenLinkedForContainer(const QString& path) {
    QString current = path;
    while (!OpenLinkedProject(current, false)) {
        const int answer = current.isEmpty()
                               ? DV::IDNO
                               : DVMessageBox(QStringLiteral("Error on opening %1.\n\nDo you want to link to "
                                                             "another project?")
                                                  .arg(current),
                                              DV::MB_YESNO | DV::MB_ICONWARNING | DV::MB_DEFBUTTON2);
        const QString chosen = answer == DV::IDYES ? DVChooseLinkedFile(current) : QString();
        if (chosen.isEmpty())
            throw CArchiveException(CArchiveException::generic,
                                    QStringLiteral("The linked project \"%1\" cannot be opened.").arg(path));
        current = chosen;
    }
    return current;
}

bool CReqDocFile::OpenLinkedProject(const QString& path, bool reportErrors) {
    if (path.isEmpty())
        return false;
    m_doc.DeleteContents();
    const auto reason = FailureReason([&] {
        QByteArray archive;
        bool compound = false;
        if (m_doc.m_pLinkedStorage)
            archive = m_doc.m_pLinkedStorage->ReadContents(&compound);
        else
            m_doc.m_pLinkedStorage = OpenStorage(LinkedFileCandidates(path, m_baseFolder), archive, compound);
        LoadLinkedArchive(archive, compound);
        if (!compound)
            ConvertToCompoundFile(*m_doc.m_pLinkedStorage, archive);
    });
    if (reason) {
        m_doc.DeleteContents();
        // A storage that opened but did not load must not be reused for another path.
        m_doc.m_pLinkedStorage.reset();
        if (reportErrors)
            DVMessageBox(Failure(kDVFailedToOpenDocument, *reason).Message(),
                         DV::MB_ICONEXCLAMATION | DV::MB_OK);
        return false;
    }
    m_doc.SetModifiedFlag(false);
    return true;
}

void CReqDocFile::LoadLinkedArchive(const QByteArray& archive, bool compound) {
    m_linkedFileFormat.clear();
    // An empty "Contents" stream holds an empty project.
    if (archive.isEmpty() && compound)
        return;
    LoadFileArchive(m_doc.m_pLinkedStorage->Path(), archive, compound, [&] {
        CArchiveReader reader(archive.constData(), archive.size());
        CReqDocSerializer serializer(m_doc);
        serializer.Load(reader);
        m_linkedFileFormat = serializer.FileFormat();
    });
}

void CReqDocFile::SaveLinkedForContainer() {
    const LinkedFileScope scope(m_doc);
    m_linkedSaveFailure = SaveLinkedProject();
}

std::optional<QString> CReqDocFile::SaveLinkedProject() {
    return FailureReason([&] {
        if (!m_doc.m_pLinkedStorage)
            throw CFileException(CFileException::fileNotFound,
                                 QStringLiteral("No linked project file is open."));
        CArchiveWriter writer;
        CReqDocSerializer(m_doc).Store(writer);
        m_doc.m_pLinkedStorage->WriteContents(writer.TakeBytes());
    });
}
