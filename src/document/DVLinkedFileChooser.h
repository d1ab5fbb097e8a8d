#pragma once

#include <QString>

#include <functional>

// When the linked project file of a container cannot be opened and the user wants to link another
// one, the application lets the user pick it (a file dialog). The core asks through this hook; without
// a chooser the answer is "none", which declines.
using DVLinkedFileChooser = std::function<QString(const QString& failedPath)>;

// The path of the file to try instead, empty when the user cancels.
QString DVChooseLinkedFile(const QString& failedPath);

// Installs a chooser; an empty one restores the default. Returns the previous chooser.
DVLinkedFileChooser SetDVLinkedFileChooser(DVLinkedFileChooser chooser);
