#pragma once

#include <QString>

// The command-line tool's answer to the core's message boxes: each box is printed to standard error
// as one JSON line and answered with its default button.
namespace CliMessageBoxPrinter {

// The JSON line of a box and its answer.
QByteArray Line(const QString& text, unsigned type, int answer);

// Installs the printing handler.
void Install();

}  // namespace CliMessageBoxPrinter
