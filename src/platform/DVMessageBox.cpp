#include "platform/DVMessageBox.h"

#include <utility>

namespace {

DVMessageBoxHandler& Handler() {
    static DVMessageBoxHandler handler;
    return handler;
}

}  // namespace

int DVDefaultAnswer(unsigned type) {
    const unsigned buttons = type & DV::MB_TYPEMASK;
    const unsigned def = (type & DV::MB_DEFMASK) >> 8;
    switch (buttons) {
        case DV::MB_OKCANCEL:
            return def == 1 ? DV::IDCANCEL : DV::IDOK;
        case DV::MB_YESNO:
            return def == 1 ? DV::IDNO : DV::IDYES;
        case DV::MB_YESNOCANCEL:
            return def == 1 ? DV::IDNO : def == 2 ? DV::IDCANCEL : DV::IDYES;
        default:
            return DV::IDOK;
    }
}

int DVMessageBox(const QString& text, unsigned type) {
    const DVMessageBoxHandler& handler = Handler();
    return handler ? handler(text, type) : DVDefaultAnswer(type);
}

DVMessageBoxHandler SetDVMessageBoxHandler(DVMessageBoxHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}
