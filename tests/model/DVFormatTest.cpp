// Times formatted without strftime for their numeric fields read exactly as strftime writes them.
#include "platform/DVFormat.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

QString Strftime(const char* format, const std::tm& time) {
    char buffer[256];
    const std::size_t n = std::strftime(buffer, sizeof buffer, format, &time);
    return QString::fromLocal8Bit(buffer, qsizetype(n));
}

std::tm Local(qint64 seconds) {
    const std::time_t t = std::time_t(seconds);
    std::tm local{};
    localtime_r(&t, &local);
    return local;
}

TEST(DVFormatTest, TimeFieldsReadAsStrftimeWritesThem) {
    // Midnight, noon, a late evening, a leap day, early and late years, and a year strftime alone writes.
    const qint64 times[] = {0,          43200,       1700000000,   951825599,
                            1709208000, -2208988800, 253402300799, -62135596800};
    const char* formats[] = {"%x %X", "%d.%m.%Y %H:%M:%S", "%D %T",    "%F %R",   "%e/%m/%y %I:%M %p",
                             "%r",    "100%% at %H",       "%A %B %j", "%Ex %EX", "%a %d %b %Y"};
    for (const qint64 seconds : times) {
        const std::tm time = Local(seconds);
        for (const char* format : formats) {
            EXPECT_EQ(FormatTm(format, time), Strftime(format, time)) << seconds << " " << format;
        }
        EXPECT_EQ(FormatTime(seconds), Strftime("%x %X", time)) << seconds;
    }
}

}  // namespace
