#include "app/shell/WindowTitle.h"

#include <QWidget>

namespace WindowTitle {

QString Shown(const QWidget* window) {
    QString title = window->windowTitle();
    return title.replace(QStringLiteral("[*]"), window->isWindowModified() ? QStringLiteral("*") : QString());
}

}  // namespace WindowTitle
