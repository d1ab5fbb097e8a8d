#pragma once

#include <QString>

// The program's string resources: id -> default English text. The ids are the original resource ids,
// so a field id is also the id of its default header text.
QString LoadString(int id);
bool HasString(int id);
