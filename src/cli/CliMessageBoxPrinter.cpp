#include "cli/CliMessageBoxPrinter.h"

#include "platform/DVMessageBox.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace CliMessageBoxPrinter {

namespace {

// MB_ICONWARNING and MB_ICONEXCLAMATION are one value: questions show it as a warning, notices as an
// exclamation mark.
QString IconName(unsigned type) {
    switch (type & DV::MB_ICONMASK) {
        case DV::MB_ICONHAND:
            return QStringLiteral("exclamation");
        case DV::MB_ICONQUESTION:
            return QStringLiteral("question");
        case DV::MB_ICONEXCLAMATION:
            return (type & DV::MB_TYPEMASK) == DV::MB_OK ? QStringLiteral("exclamation")
                                                         : QStringLiteral("warning");
        case DV::MB_ICONINFORMATION:
            return QStringLiteral("information");
        default:
            return QStringLiteral("none");
    }
}

QString ButtonsName(unsigned type) {
    switch (type & DV::MB_TYPEMASK) {
        case DV::MB_OKCANCEL:
            return QStringLiteral("okcancel");
        case DV::MB_YESNO:
            return QStringLiteral("yesno");
        case DV::MB_YESNOCANCEL:
            return QStringLiteral("yesnocancel");
        default:
            return QStringLiteral("ok");
    }
}

QString AnswerName(int answer) {
    switch (answer) {
        case DV::IDYES:
            return QStringLiteral("yes");
        case DV::IDNO:
            return QStringLiteral("no");
        case DV::IDCANCEL:
            return QStringLiteral("cancel");
        default:
            return QStringLiteral("ok");
    }
}

}  // namespace

QByteArray Line(const QString& text, unsigned type, int answer) {
    const QJsonObject box{{"box", text},
                          {"icon", IconName(type)},
                          {"buttons", ButtonsName(type)},
                          {"answer", AnswerName(answer)}};
    return QJsonDocument(box).toJson(QJsonDocument::Compact);
}

void Install() {
    SetDVMessageBoxHandler([](const QString& text, unsigned type) {
        const int answer = DVDefaultAnswer(type);
        std::fprintf(stderr, "%s\n", Line(text, type, answer).constData());
        std::fflush(stderr);
        return answer;
    });
}

}  // namespace CliMessageBoxPrinter
