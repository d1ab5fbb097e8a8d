#pragma once

#include <QString>

// The incremental-search buffer, shared by all controls of the process as users expect of one keyboard.
class TreeListSearch {
public:
    static constexpr int kMaxChars = 16;
    static constexpr qint64 kShortPause = 750;
    static constexpr qint64 kLongPause = 1000;

    // Adds a typed character at time now (ms); returns true when the buffer started afresh.
    static bool Type(QChar c, qint64 now);
    // After a continued search found nothing: start again with the last character alone.
    static void Restart(QChar c);
    static QString Buffer() { return s_buffer; }
    // The buffer while the last key is recent enough to continue it, else empty.
    static QString Current(qint64 now);
    static qint64 Now();

private:
    static inline QString s_buffer;
    static inline qint64 s_lastKey = 0;
};
