#pragma once

#include <QByteArray>

// Loads an archive into a new document as opening a project file does, then stores it again. The
// project file of a linked container is taken for an empty project without a look at the file system,
// so that no input makes a fuzzer open or write a file that it names.
void LoadAndStoreArchive(const QByteArray& archive);
