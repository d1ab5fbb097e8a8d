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
#include "document/DVMessageBox.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <new>
#include <optional>

namespace {

constexpr QByteArrayView kCompoundSignature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);

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

bool IsPlainFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(kCompoundSignature.size()) != kCompoundSignature;
}

// The storage of the linked file at path, or of the file of that name in the application's folder.
std::shared_ptr<CLinkedStorage> OpenStorage(const QString& path, bool convert) {
    QStringList candidates{path};
    if (QCoreApplication::instance() != nullptr)
        candidates.append(QCoreApplication::applicationDirPath() + QLatin1Char('/') + path);
    std::optional<CFileException> firstError;
    for (const QString& candidate : candidates) {
        try {
            if (!convert && IsPlainFile(candidate))
                throw CFileException(CFileException::corrupt,
                                     QStringLiteral("\"%1\" is not a project file.").arg(candidate));
            return std::make_shared<CLinkedStorage>(candidate);
        } catch (const CFileException& e) {
            if (!firstError)
                firstError = e;
        }
    }
    throw *firstError;
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
    if (const auto reason = FailureReason([&] { LoadArchive(CompoundFile::ReadContentsStream(path)); })) {
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
    m_doc.SetModifiedFlag(false);
    return {};
}

QByteArray CReqDocFile::StoreArchive() {
    QByteArray archive;
    CArchiveWriter writer(archive);
    CReqDocSerializer serializer(m_doc, {{}, [this] { SaveLinkedForContainer(); }});
    serializer.Store(writer);
    return archive;
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

bool CReqDocFile::OpenLinkedProject(const QString& path, bool reportErrors, bool convert) {
    if (path.isEmpty())
        return false;
    m_doc.DeleteContents();
    const auto reason = FailureReason([&] {
        if (!m_doc.m_pLinkedStorage)
            m_doc.m_pLinkedStorage = OpenStorage(path, convert);
        LoadLinkedStorage();
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

void CReqDocFile::LoadLinkedStorage() {
    const QByteArray archive = m_doc.m_pLinkedStorage->ReadContents();
    m_linkedFileFormat.clear();
    if (archive.isEmpty())
        return;
    CArchiveReader reader(archive.constData(), archive.size());
    CReqDocSerializer serializer(m_doc);
    serializer.Load(reader);
    m_linkedFileFormat = serializer.FileFormat();
}

void CReqDocFile::SaveLinkedForContainer() {
    const LinkedFileScope scope(m_doc);
    SaveLinkedProject();
}

bool CReqDocFile::SaveLinkedProject() {
    const auto reason = FailureReason([&] {
        if (!m_doc.m_pLinkedStorage)
            throw CFileException(CFileException::fileNotFound,
                                 QStringLiteral("No linked project file is open."));
        QByteArray archive;
        CArchiveWriter writer(archive);
        CReqDocSerializer(m_doc).Store(writer);
        m_doc.m_pLinkedStorage->WriteContents(archive);
    });
    if (reason)
        DVMessageBox(Failure(kDVFailedToSaveDocument, *reason).Message(), DV::MB_ICONEXCLAMATION | DV::MB_OK);
    return !reason;
}
