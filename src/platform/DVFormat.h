#pragma once

#include <QString>

#include <ctime>

// Text forms the program shows: numbers as printf's "%G" (always with a decimal point, whatever the
// user's locale) and times as strftime's "%x %X" in local time under the user's locale.
QString FormatG(double value);
QString FormatTime(qint64 seconds);
// strftime's text of the time in the format, under the user's locale.
QString FormatTm(const char* format, const std::tm& time);
