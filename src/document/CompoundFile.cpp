#include "document/CompoundFile.h"

#include "document/CFileException.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <gsf/gsf.h>

#include <memory>
#include <mutex>

namespace {

const char kContentsStream[] = "Contents";
constexpr QByteArrayView kCompoundSignature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
// 512-byte big blocks: the 4096-byte variant of the writer produces an invalid FAT sector count.
constexpr guint kBigBlockSize = 512;
constexpr guint kSmallBlockSize = 64;

thread_local QStringList* t_logCapture = nullptr;
GLogFunc g_previousLogHandler = nullptr;

// The library reports details of broken files through GLib's log; they belong in our error reason,
// not on standard error.
void RouteLogMessage(const gchar* domain, GLogLevelFlags level, const gchar* message, gpointer data) {
    if (t_logCapture)
        t_logCapture->append(QString::fromUtf8(message).trimmed());
    else
        g_previousLogHandler(domain, level, message, data);
}

void InitGsf() {
    static std::once_flag once;
    std::call_once(once, [] {
        gsf_init();
        g_previousLogHandler = g_log_set_default_handler(RouteLogMessage, nullptr);
    });
}

// Collects the log messages of this thread while it lives, and initialises the library.
class GsfSession {
public:
    GsfSession() {
        InitGsf();
        t_logCapture = &m_messages;
    }
    ~GsfSession() { t_logCapture = nullptr; }
    GsfSession(const GsfSession&) = delete;
    GsfSession& operator=(const GsfSession&) = delete;

    // Whether the library complained, which tells a damaged directory from a really missing stream.
    bool HasMessages() const { return !m_messages.isEmpty(); }

    // The reason of a failure: what, then the library's own words.
    QString Reason(const QString& what, const GError* error = nullptr) const {
        QStringList details = m_messages;
        if (error)
            details.prepend(QString::fromUtf8(error->message));
        return details.isEmpty() ? what + QLatin1Char('.')
                                 : what + QStringLiteral(": ") + details.join(u"; ");
    }

private:
    QStringList m_messages;
};

struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T>
using GsfPtr = std::unique_ptr<T, GObjectUnref>;

struct GErrorFree {
    void operator()(GError* error) const { g_error_free(error); }
};

QString Quoted(const QString& path) {
    return QLatin1Char('"') + path + QLatin1Char('"');
}

[[noreturn]] void ThrowReadError(const QString& path, const QFile& file) {
    if (file.error() == QFileDevice::PermissionsError)
        throw CFileException(CFileException::accessDenied,
                             QStringLiteral("Access to %1 was denied.").arg(Quoted(path)));
    throw CFileException(CFileException::accessDenied,
                         QStringLiteral("%1 cannot be read: %2.").arg(Quoted(path), file.errorString()));
}

// Opens a regular, readable file for reading.
void OpenForReading(const QString& path, QFile& file) {
    const QFileInfo info(path);
    if (!info.exists())
        throw CFileException(CFileException::fileNotFound, Quoted(path) + QStringLiteral(" was not found."));
    if (info.isDir())
        throw CFileException(CFileException::notAFile, Quoted(path) + QStringLiteral(" is a directory."));
    // Devices and pipes could feed an endless stream.
    if (!info.isFile())
        throw CFileException(CFileException::notAFile,
                             Quoted(path) + QStringLiteral(" is not a regular file."));
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        ThrowReadError(path, file);
}

// The first child stream named "Contents" in any letter case, or null.
GsfPtr<GsfInput> FindContentsStream(GsfInfile* root) {
    const int count = gsf_infile_num_children(root);
    for (int i = 0; i < count; ++i) {
        const char* name = gsf_infile_name_by_index(root, i);
        if (!name ||
            QString::fromUtf8(name).compare(QLatin1String(kContentsStream), Qt::CaseInsensitive) != 0)
            continue;
        GsfPtr<GsfInput> child(gsf_infile_child_by_index(root, i));
        if (child && !(GSF_IS_INFILE(child.get()) && gsf_infile_num_children(GSF_INFILE(child.get())) >= 0))
            return child;
    }
    return nullptr;
}

QByteArray ReadCompoundContents(const QString& path) {
    GsfSession session;
    auto corrupt = [&](const QString& what, const GError* error = nullptr,
                       CFileException::Cause cause = CFileException::corrupt) {
        return CFileException(cause, session.Reason(what.arg(Quoted(path)), error));
    };
    GError* rawError = nullptr;
    GsfPtr<GsfInput> source(gsf_input_stdio_new(QFile::encodeName(path).constData(), &rawError));
    GsfPtr<GsfInfile> root(source ? gsf_infile_msole_new(source.get(), &rawError) : nullptr);
    const std::unique_ptr<GError, GErrorFree> error(rawError);
    if (!source)
        throw CFileException(
            CFileException::accessDenied,
            session.Reason(QStringLiteral("%1 cannot be read").arg(Quoted(path)), error.get()));
    if (!root)
        throw corrupt(QStringLiteral("%1 is a corrupt compound file"), error.get());
    const GsfPtr<GsfInput> stream = FindContentsStream(root.get());
    if (!stream)
        throw corrupt(QStringLiteral("%1 is corrupt: it has no stream \"Contents\""), nullptr,
                      session.HasMessages() ? CFileException::corrupt : CFileException::missingContents);
    // A stream cannot be larger than the file that holds it.
    const gsf_off_t size = gsf_input_size(stream.get());
    if (size < 0 || size > gsf_input_size(source.get()))
        throw corrupt(QStringLiteral("%1 is corrupt: its stream \"Contents\" has an impossible size"));
    QByteArray contents(qsizetype(size), Qt::Uninitialized);
    if (size > 0 && !gsf_input_read(stream.get(), size_t(size), reinterpret_cast<guint8*>(contents.data())))
        throw corrupt(QStringLiteral("%1 is corrupt: its stream \"Contents\" cannot be read"));
    return contents;
}

}  // namespace

namespace CompoundFile {

QByteArray ReadContentsStream(const QString& path, bool* wasCompound) {
    QFile file;
    OpenForReading(path, file);
    const QByteArray signature = file.read(kCompoundSignature.size());
    const bool compound = signature == kCompoundSignature;
    if (wasCompound)
        *wasCompound = compound;
    if (compound)
        return ReadCompoundContents(path);
    QByteArray whole = signature + file.readAll();
    if (file.error() != QFileDevice::NoError)
        ThrowReadError(path, file);
    return whole;
}

void WriteContentsStream(const QString& path, QByteArrayView contents) {
    GsfSession session;
    auto failed = [&](const QString& what) {
        return CFileException(CFileException::writeFailed, session.Reason(what.arg(Quoted(path))));
    };
    GsfPtr<GsfOutput> sink(gsf_output_memory_new());
    GsfPtr<GsfOutfile> root(gsf_outfile_msole_new_full(sink.get(), kBigBlockSize, kSmallBlockSize));
    GsfPtr<GsfOutput> stream(root ? gsf_outfile_new_child(root.get(), kContentsStream, FALSE) : nullptr);
    if (!stream)
        throw failed(QStringLiteral("%1 cannot be written as a compound file"));
    const bool written =
        (contents.isEmpty() || gsf_output_write(stream.get(), size_t(contents.size()),
                                                reinterpret_cast<const guint8*>(contents.data()))) &&
        gsf_output_close(stream.get()) && gsf_output_close(GSF_OUTPUT(root.get()));
    if (!written)
        throw failed(QStringLiteral("%1 cannot be written as a compound file"));
    const auto* bytes =
        reinterpret_cast<const char*>(gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink.get())));
    const qint64 size = gsf_output_size(sink.get());

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes, size) != size || !file.commit())
        throw CFileException(
            file.error() == QFileDevice::PermissionsError ? CFileException::accessDenied
                                                          : CFileException::writeFailed,
            QStringLiteral("%1 cannot be written: %2.").arg(Quoted(path), file.errorString()));
}

}  // namespace CompoundFile
