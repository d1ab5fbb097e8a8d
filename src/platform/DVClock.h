#pragma once

#include <QtGlobal>

#include <functional>

// "Now" for modification and phase times: seconds since 1970-01-01 UTC. Replaceable so that tests fix time.
qint64 DVNow();

// Installs a clock; an empty function restores the system clock. Returns the previous clock.
std::function<qint64()> SetDVClock(std::function<qint64()> clock);
