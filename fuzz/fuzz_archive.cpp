// Loads arbitrary bytes as the "Contents" of a project file into a document, as opening a file does.
#include "document/CDVException.h"
#include "document/CReqDoc.h"
#include "document/CReqDocFile.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CReqDoc doc;
    CReqDocFile file(doc);
    try {
        file.LoadArchive(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
        file.StoreArchive();
    } catch (const CDVException&) {
    }
    return 0;
}
