#pragma once

#include <QString>

// `--render OBJECT -o PICTURE.png`: the picture of an embedded object as its server item draws it,
// made without showing a window, and the extent the container is told, printed as "WIDTH HEIGHT" in
// HIMETRIC on standard output.
namespace CEmbeddedRender {

// The process's exit code: 0 done, 2 the object could not be read or the picture not written.
int Run(const QString& objectPath, const QString& picturePath);

}  // namespace CEmbeddedRender
