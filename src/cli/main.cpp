// dovalintra-cli: project files without a display, through the same core the application runs.
#include "cli/CliCommands.h"
#include "cli/CliMessageBoxPrinter.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QTextStream>

#include <cstdio>

namespace {

// Standard error carries the tool's messages and JSON lines only; the library's own diagnostics
// would break both.
void DropQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg)
        std::fputs(qPrintable(message + u'\n'), stderr);
}

// An argument that is not UTF-8 cannot name a file through Qt without being changed on the way.
bool IsUtf8(const char* argument) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder(QByteArrayView(argument));
    return !decoder.hasError();
}

}  // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(DropQtMessages);
    QCoreApplication app(argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (!IsUtf8(argv[i])) {
            QTextStream(stderr) << "Argument " << i
                                << " is not valid UTF-8; rename the file to a UTF-8 name to use it here."
                                << Qt::endl;
            return CliCommands::Usage;
        }
    }
    CliMessageBoxPrinter::Install();
    return CliCommands::Run(QCoreApplication::arguments().mid(1));
}
