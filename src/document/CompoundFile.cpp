#include "document/CompoundFile.h"

#include "document/CFileException.h"
#include "document/CompoundFileScreen.h"
#include "document/DVAtomicFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

#include <gsf/gsf.h>

#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <mutex>

namespace {

const char kContentsStream[] = "Contents";
constexpr QByteArrayView kCompoundSignature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
// 512-byte big blocks: the 4096-byte variant of the writer produces an invalid FAT sector count.
constexpr guint kBigBlockSize = 512;
constexpr guint kSmallBlockSize = 64;

thread_local bool* t_libraryComplained = nullptr;
GLogFunc g_previousLogHandler = nullptr;

// The library reports details of broken files through GLib's log. They speak of its internals, not of
// the file, so they go neither to standard error nor into the reason the user reads.
void RouteLogMessage(const gchar* domain, GLogLevelFlags level, const gchar* message, gpointer data) {
    if (t_libraryComplained)
        *t_libraryComplained = true;
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

// Takes the log messages of this thread while it lives, and initialises the library.
class GsfSession {
public:
    GsfSession() {
        InitGsf();
        t_libraryComplained = &m_complained;
    }
    ~GsfSession() { t_libraryComplained = nullptr; }
    GsfSession(const GsfSession&) = delete;
    GsfSession& operator=(const GsfSession&) = delete;

    // Whether the library complained, which tells a damaged directory from a really missing stream.
    bool HasMessages() const { return m_complained; }

    // The reason of a failure; the library's own words stay out of it.
    QString Reason(const QString& what) const { return what + QLatin1Char('.'); }

private:
    bool m_complained = false;
};

struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T>
using GsfPtr = std::unique_ptr<T, GObjectUnref>;

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

// The first child stream of that name in any letter case, or null.
GsfPtr<GsfInput> FindStream(GsfInfile* root, const char* streamName) {
    const int count = gsf_infile_num_children(root);
    for (int i = 0; i < count; ++i) {
        const char* name = gsf_infile_name_by_index(root, i);
        if (!name || QString::fromUtf8(name).compare(QLatin1String(streamName), Qt::CaseInsensitive) != 0)
            continue;
        GsfPtr<GsfInput> child(gsf_infile_child_by_index(root, i));
        if (child && !(GSF_IS_INFILE(child.get()) && gsf_infile_num_children(GSF_INFILE(child.get())) >= 0))
            return child;
    }
    return nullptr;
}

CFileException Damaged(const QString& name, const char* what) {
    return CFileException(CFileException::corrupt,
                          QStringLiteral("%1 is damaged: %2.").arg(Quoted(name), QLatin1String(what)));
}

// The stream streamName of the compound file that image holds; openSource makes the library's input on
// it once the screen passed it. name is the file's name for the reasons.
template <typename OpenSource>
QByteArray ReadCompoundStream(QIODevice& image, const QString& name, const char* streamName,
                              OpenSource openSource) {
    const char* const unreadableStructure = "its compound-file structure cannot be read";
    const char* const unreadableContents = "its project data cannot be read";
    GsfSession session;
    if (!CompoundFileScreen::Accepts(image))
        throw Damaged(name, unreadableStructure);
    const GsfPtr<GsfInput> source = openSource();
    const GsfPtr<GsfInfile> root(gsf_infile_msole_new(source.get(), nullptr));
    if (!root)
        throw Damaged(name, unreadableStructure);
    const GsfPtr<GsfInput> stream = FindStream(root.get(), streamName);
    if (!stream && session.HasMessages())
        throw Damaged(name, unreadableStructure);
    if (!stream && qstrcmp(streamName, kContentsStream) == 0)
        throw CFileException(CFileException::missingContents,
                             QStringLiteral("%1 is not a project file.").arg(Quoted(name)));
    if (!stream)
        throw CFileException(
            CFileException::missingContents,
            QStringLiteral("%1 has no stream \"%2\".").arg(Quoted(name), QLatin1String(streamName)));
    // A stream cannot be larger than the file that holds it.
    const gsf_off_t size = gsf_input_size(stream.get());
    if (size < 0 || size > gsf_input_size(source.get()))
        throw Damaged(name, unreadableContents);
    QByteArray contents(qsizetype(size), Qt::Uninitialized);
    if (size > 0 && !gsf_input_read(stream.get(), size_t(size), reinterpret_cast<guint8*>(contents.data())))
        throw Damaged(name, unreadableContents);
    return contents;
}

// The library's input on the open file rather than on its path, so that the library reads the very
// file that the screen read.
GsfPtr<GsfInput> InputOf(const QFile& file, const QString& path) {
    const int fd = dup(file.handle());
    FILE* const stream = fd >= 0 ? fdopen(fd, "rb") : nullptr;
    if (!stream) {
        const int error = errno;
        if (fd >= 0)
            close(fd);
        throw CFileException(
            CFileException::accessDenied,
            QStringLiteral("%1 cannot be read: %2.").arg(Quoted(path), qt_error_string(error)));
    }
    // The library takes the position of a new input for its start.
    rewind(stream);
    return GsfPtr<GsfInput>(gsf_input_stdio_new_FILE(QFile::encodeName(path).constData(), stream, FALSE));
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
        return ReadCompoundStream(file, path, kContentsStream, [&] { return InputOf(file, path); });
    QByteArray whole = signature + file.readAll();
    if (file.error() != QFileDevice::NoError)
        ThrowReadError(path, file);
    return whole;
}

QByteArray ReadContents(QByteArrayView fileImage, const QString& displayName, bool* wasCompound) {
    const bool compound = fileImage.startsWith(kCompoundSignature);
    if (wasCompound)
        *wasCompound = compound;
    if (!compound)
        return fileImage.toByteArray();
    QByteArray bytes = QByteArray::fromRawData(fileImage.data(), fileImage.size());
    QBuffer image(&bytes);
    image.open(QIODevice::ReadOnly);
    return ReadCompoundStream(image, displayName, kContentsStream, [&] {
        return GsfPtr<GsfInput>(
            gsf_input_memory_new(reinterpret_cast<const guint8*>(fileImage.data()), fileImage.size(), FALSE));
    });
}

void WriteContentsStream(const QString& path, QByteArrayView contents) {
    WriteStreams(path, {{kContentsStream, contents}});
}

QByteArray ReadStream(const QString& path, const char* streamName) {
    QFile file;
    OpenForReading(path, file);
    if (file.read(kCompoundSignature.size()) != kCompoundSignature)
        throw CFileException(CFileException::corrupt,
                             QStringLiteral("%1 is not a compound file.").arg(Quoted(path)));
    return ReadCompoundStream(file, path, streamName, [&] { return InputOf(file, path); });
}

void WriteStreams(const QString& path, const std::vector<Stream>& streams) {
    // The library writes straight into the new file, so that a large project is not held twice.
    DVAtomicFile::Replace(path, [&](int fd) {
        GsfSession session;
        const int copy = dup(fd);
        FILE* const file = copy >= 0 ? fdopen(copy, "wb") : nullptr;
        if (!file) {
            const int error = errno;
            if (copy >= 0)
                close(copy);
            DVAtomicFile::ThrowSystemError(path, error);
        }
        const std::unique_ptr<FILE, int (*)(FILE*)> closer(file, fclose);
        GsfPtr<GsfOutput> sink(gsf_output_stdio_new_FILE(QFile::encodeName(path).constData(), file, TRUE));
        GsfPtr<GsfOutfile> root(sink ? gsf_outfile_msole_new_full(sink.get(), kBigBlockSize, kSmallBlockSize)
                                     : nullptr);
        errno = 0;
        bool written = root != nullptr;
        for (const Stream& entry : streams) {
            GsfPtr<GsfOutput> stream(written ? gsf_outfile_new_child(root.get(), entry.name, FALSE)
                                             : nullptr);
            written = stream &&
                      (entry.bytes.isEmpty() ||
                       gsf_output_write(stream.get(), size_t(entry.bytes.size()),
                                        reinterpret_cast<const guint8*>(entry.bytes.data()))) &&
                      gsf_output_close(stream.get());
        }
        written = written && gsf_output_close(GSF_OUTPUT(root.get())) &&
                  (gsf_output_is_closed(sink.get()) || gsf_output_close(sink.get())) && fflush(file) == 0 &&
                  !ferror(file);
        if (!written)
            DVAtomicFile::ThrowSystemError(path, errno != 0 ? errno : EIO);
    });
}

}  // namespace CompoundFile
