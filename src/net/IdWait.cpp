#include "net/IdWait.h"

#include <algorithm>

namespace {

// The milliseconds left until `end`, rounded up so that a wait of that length reaches it.
int MillisecondsUntil(TIdClock::time_point end, TIdClock::time_point now) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - now).count();
    return static_cast<int>(std::max<decltype(left)>(left, 0));
}

// The shorter of two waits, where a negative one has no limit.
int ShorterWait(int a, int b) {
    return a < 0 ? b : (b < 0 ? a : std::min(a, b));
}

}  // namespace

TIdWaitEnd WaitSliced(const std::function<bool(int waitMs)>& ready, const TIdWaitLimits& limits) {
    const TIdClock::time_point start = TIdClock::now();
    const auto timeoutEnd = start + std::chrono::milliseconds(std::max(limits.timeoutMs, 0));
    for (bool first = true;; first = false) {
        const TIdClock::time_point now = TIdClock::now();
        if (limits.deadline && now >= *limits.deadline) {
            return TIdWaitEnd::kDeadlinePassed;
        }
        if (limits.timeoutMs >= 0 && now >= timeoutEnd && !first) {
            return TIdWaitEnd::kTimedOut;
        }
        int waitMs = limits.timeoutMs >= 0 ? MillisecondsUntil(timeoutEnd, now) : -1;
        if (limits.deadline) {
            waitMs = ShorterWait(waitMs, MillisecondsUntil(*limits.deadline, now));
        }
        if (limits.onWaiting) {
            waitMs = ShorterWait(waitMs, kWaitSliceMs);
        }
        if (ready(waitMs)) {
            return TIdWaitEnd::kReady;
        }
        if (limits.onWaiting) {
            limits.onWaiting();
        }
    }
}
