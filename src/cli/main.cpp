// dovalintra-cli: project files without a display, through the same core the application runs.
#include "cli/CliCommands.h"
#include "cli/CliMessageBoxPrinter.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    CliMessageBoxPrinter::Install();
    return CliCommands::Run(QCoreApplication::arguments().mid(1));
}
