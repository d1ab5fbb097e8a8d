#pragma once

#include <QString>
#include <vector>

class QFontMetrics;

// Line breaks of wrapped cell texts.
class TreeListTextWrap {
public:
    // Start positions of the lines after the first: each line is the longest prefix that fits the
    // width, cut back to its last space when it has one.
    static std::vector<int> Breaks(const QFontMetrics& fm, const QString& text, int width);
    // The text of line i of a wrapped text.
    static QString Line(const QString& text, const std::vector<int>& breaks, size_t i);
    // How many times breaks were computed in this process; lets profiling see that only painted rows pay.
    static quint64 Computations() { return s_computations; }

private:
    static inline quint64 s_computations = 0;
};
