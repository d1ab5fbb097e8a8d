#pragma once

#include <QString>

// Converts 8-bit text of the Windows-1252 code page; its five undefined bytes map to the C1 controls
// of the same value, so that no byte is lost.
QString DecodeWindows1252(const char* bytes, qsizetype size);
