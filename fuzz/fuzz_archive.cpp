// Feeds arbitrary bytes to the archive reader: each step a selector byte picks the next primitive.
#include "document/CArchiveException.h"
#include "document/CArchiveReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CArchiveReader reader(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        while (!reader.AtEnd()) {
            switch (reader.ReadByte() % 8) {
                case 0:
                    reader.ReadString();
                    break;
                case 1:
                    reader.ReadTime();
                    break;
                case 2:
                    reader.ReadIdArray();
                    break;
                case 3:
                    reader.ReadCount(4);
                    break;
                case 4:
                    reader.ReadDouble();
                    break;
                case 5:
                    reader.ReadBool();
                    break;
                case 6:
                    reader.ReadInt16();
                    break;
                default:
                    reader.ReadInt32();
                    break;
            }
        }
    } catch (const CArchiveException&) {
    }
    return 0;
}
