#include "document/DVLinkedFileChooser.h"

#include <utility>

namespace {

DVLinkedFileChooser& Chooser() {
    static DVLinkedFileChooser chooser;
    return chooser;
}

}  // namespace

QString DVChooseLinkedFile(const QString& failedPath) {
    const DVLinkedFileChooser& chooser = Chooser();
    return chooser ? chooser(failedPath) : QString();
}

DVLinkedFileChooser SetDVLinkedFileChooser(DVLinkedFileChooser chooser) {
    return std::exchange(Chooser(), std::move(chooser));
}
