#pragma once

#include <QtGlobal>

// The count, cost and duration of one phase over a set of requirements, and of those done.
struct PhaseTally {
    qint32 n = 0;
    double cost = 0.0;
    double duration = 0.0;
    qint32 nDone = 0;
    double costDone = 0.0;
    double durationDone = 0.0;

    PhaseTally& operator+=(const PhaseTally& other) {
        n += other.n;
        cost += other.cost;
        duration += other.duration;
        nDone += other.nDone;
        costDone += other.costDone;
        durationDone += other.durationDone;
        return *this;
    }
    bool operator==(const PhaseTally&) const = default;
};
