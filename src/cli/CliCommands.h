#pragma once

#include <QStringList>

// The commands of dovalintra-cli. Each returns the exit code: 0 success, 1 wrong usage or an object
// that does not exist, 2 a project file that cannot be read or written.
namespace CliCommands {

enum ExitCode { Success = 0, Usage = 1, FileError = 2 };

// arguments without the program name.
int Run(const QStringList& arguments);

}  // namespace CliCommands
