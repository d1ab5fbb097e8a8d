#include "controls/treelist/TreeListSearch.h"

#include <QElapsedTimer>

qint64 TreeListSearch::Now() {
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed() + kLongPause + 1;  // never "recent" before the first key
}

bool TreeListSearch::Type(QChar c, qint64 now) {
    const qint64 pause = now - s_lastKey;
    const qint64 limit = s_buffer.size() >= 3 ? kLongPause : kShortPause;
    const bool fresh = s_buffer.isEmpty() || pause > limit || s_buffer.size() >= kMaxChars ||
                       (s_buffer.size() == 1 && s_buffer[0] == c);
    if (fresh) {
        s_buffer.clear();
    }
    s_buffer.append(c);
    s_lastKey = now;
    return fresh;
}

void TreeListSearch::Restart(QChar c) {
    s_buffer = QString(c);
}

QString TreeListSearch::Current(qint64 now) {
    return now - s_lastKey <= kShortPause ? s_buffer : QString();
}
