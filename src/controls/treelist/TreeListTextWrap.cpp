#include "controls/treelist/TreeListTextWrap.h"

#include <QFontMetrics>

std::vector<int> TreeListTextWrap::Breaks(const QFontMetrics& fm, const QString& text, int width) {
    ++s_computations;
    std::vector<int> breaks;
    const int n = int(text.size());
    if (fm.horizontalAdvance(text) <= width) {
        return breaks;
    }
    int start = 0;
    while (start < n) {
        int x = 0;
        int end = start;
        int lastSpace = -1;
        while (end < n) {
            const int w = fm.horizontalAdvance(text[end]);
            if (x + w > width && end > start) {
                break;
            }
            if (text[end] == u' ') {
                lastSpace = end;
            }
            x += w;
            ++end;
        }
        if (end >= n) {
            break;
        }
        // Break after the last space of the line; a line without spaces is cut where it is full.
        const int next = lastSpace > start ? lastSpace + 1 : end;
        breaks.push_back(next);
        start = next;
    }
    return breaks;
}

QString TreeListTextWrap::Line(const QString& text, const std::vector<int>& breaks, size_t i) {
    const int start = i == 0 ? 0 : breaks[i - 1];
    const int end = i < breaks.size() ? breaks[i] : int(text.size());
    QString line = text.mid(start, end - start);
    while (line.endsWith(u' ')) {
        line.chop(1);
    }
    return line;
}
