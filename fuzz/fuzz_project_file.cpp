// Opens arbitrary bytes as a whole project file, through the compound-file layer, into a document.
#include "FuzzedDocument.h"

#include "document/CompoundFile.h"
#include "platform/CDVException.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray archive;
    try {
        archive =
            CompoundFile::ReadContents(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)),
                                       QStringLiteral("fuzzed.dvx"));
    } catch (const CDVException&) {
        return 0;
    }
    LoadAndStoreArchive(archive);
    return 0;
}
