#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Converts 8-bit text of the Windows-1252 code page; its five undefined bytes map to the C1 controls
// of the same value, so that no byte is lost.
QString DecodeWindows1252(const char* bytes, qsizetype size);

// Converts text to the Windows-1252 code page, one byte per UTF-16 code unit; a unit the code page
// cannot represent (a surrogate half included) becomes "?".
QByteArray EncodeWindows1252(QStringView text);
