#include "platform/DVClock.h"

#include <ctime>
#include <utility>

namespace {

std::function<qint64()>& Clock() {
    static std::function<qint64()> clock;
    return clock;
}

}  // namespace

qint64 DVNow() {
    const auto& clock = Clock();
    return clock ? clock() : static_cast<qint64>(std::time(nullptr));
}

std::function<qint64()> SetDVClock(std::function<qint64()> clock) {
    return std::exchange(Clock(), std::move(clock));
}
