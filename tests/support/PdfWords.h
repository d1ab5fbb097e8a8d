#pragma once

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>

#include <vector>

// The words of a PDF file with their boxes (points, origin at the top left of the page), as
// `pdftotext -bbox` (poppler-utils) finds them.
struct PdfWord {
    QString text;
    QRectF box;
};

struct PdfPage {
    QSizeF size;
    std::vector<PdfWord> words;
};

struct PdfText {
    bool read = false;  // pdftotext ran and succeeded
    QString error;
    std::vector<PdfPage> pages;
};

inline PdfText ReadPdfWords(const QString& pdfPath) {
    PdfText result;
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        result.error = QStringLiteral("pdftotext failed (is poppler-utils installed?): ") +
                       process.errorString() + QString::fromUtf8(process.readAllStandardError());
        return result;
    }
    const QString xhtml = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression element(
        QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">|<word xMin=\"([0-9.-]+)\" "
                       "yMin=\"([0-9.-]+)\" xMax=\"([0-9.-]+)\" yMax=\"([0-9.-]+)\">([^<]*)</word>"));
    for (auto it = element.globalMatch(xhtml); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (!m.captured(1).isEmpty()) {
            result.pages.push_back({QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()), {}});
            continue;
        }
        if (result.pages.empty()) {
            continue;
        }
        QString text = m.captured(7);
        text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&apos;"), QStringLiteral("'"))
            .replace(QStringLiteral("&#39;"), QStringLiteral("'"))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        // Ligatures ("ﬀ", "ﬁ") read as the letters they join.
        text = text.normalized(QString::NormalizationForm_KC);
        const QPointF topLeft(m.captured(3).toDouble(), m.captured(4).toDouble());
        const QPointF bottomRight(m.captured(5).toDouble(), m.captured(6).toDouble());
        result.pages.back().words.push_back({text, QRectF(topLeft, bottomRight)});
    }
    result.read = true;
    return result;
}
