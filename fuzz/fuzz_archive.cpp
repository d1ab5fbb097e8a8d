// Loads arbitrary bytes as the "Contents" of a project file into a document, as opening a file does.
#include "FuzzedDocument.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    LoadAndStoreArchive(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
