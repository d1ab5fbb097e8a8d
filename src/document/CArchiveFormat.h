#pragma once

#include <QtGlobal>

// Constants of the archive encoding shared by its reader and writer.
namespace DVArchive {
inline constexpr quint16 kWideStringTag = 0xFFFE;
inline constexpr quint32 kTimeMarker = 0x8000000A;
inline constexpr qint64 kMaxStringLength = 0x7FFFFFFF;
}  // namespace DVArchive
