#pragma once

#include <QString>

class QWidget;

namespace WindowTitle {

// The title as a title bar shows it: the "[*]" mark becomes "*" while the window is modified and goes
// otherwise.
QString Shown(const QWidget* window);

}  // namespace WindowTitle
