#include "FuzzedDocument.h"

#include "document/CArchiveReader.h"
#include "document/CArchiveWriter.h"
#include "document/CReqDoc.h"
#include "document/CReqDocSerializer.h"
#include "platform/CDVException.h"

void LoadAndStoreArchive(const QByteArray& archive) {
    CReqDoc doc;
    try {
        CArchiveReader reader(archive.constData(), archive.size());
        // What opening a linked file without "Contents" leaves behind.
        const auto openEmptyLinkedFile = [&doc](const QString& path) {
            doc.DeleteContents();
            return path;
        };
        CReqDocSerializer(doc, {openEmptyLinkedFile, {}}).Load(reader);
        CArchiveWriter writer;
        CReqDocSerializer(doc).Store(writer);
    } catch (const CDVException&) {
    }
}
