#include "net/IdWait.h"

#include <algorithm>

namespace {

// The time left until `end`, rounded up so that a wait of that length reaches it.
std::chrono::milliseconds Until(TIdClock::time_point end, TIdClock::time_point now) {
    return std::max(std::chrono::ceil<std::chrono::milliseconds>(end - now),
                    std::chrono::milliseconds::zero());
}

// The shorter of a wait and a limit; a wait without a limit is the longer.
TIdTimeout Shorter(TIdTimeout wait, std::chrono::milliseconds limit) {
    const auto waitLimit = wait.Limit();
    return TIdTimeout::Within(waitLimit ? std::min(*waitLimit, limit) : limit);
}

}  // namespace

TIdWaitEnd WaitSliced(const std::function<bool(TIdTimeout wait)>& ready,
                      const TIdWaitLimits& limits) {
    const auto timeout = limits.timeout.Limit();
    const auto timeoutEnd = TIdClock::now() + timeout.value_or(std::chrono::milliseconds::zero());
    for (bool first = true;; first = false) {
        const TIdClock::time_point now = TIdClock::now();
        if (limits.deadline && now >= *limits.deadline) {
            return TIdWaitEnd::kDeadlinePassed;
        }
        if (timeout && now >= timeoutEnd && !first) {
            return TIdWaitEnd::kTimedOut;
        }
        TIdTimeout wait =
            timeout ? TIdTimeout::Within(Until(timeoutEnd, now)) : TIdTimeout::Infinite();
        if (limits.deadline) {
            wait = Shorter(wait, Until(*limits.deadline, now));
        }
        if (limits.onWaiting) {
            wait = Shorter(wait, kWaitSlice);
        }
        if (ready(wait)) {
            return TIdWaitEnd::kReady;
        }
        if (limits.onWaiting) {
            limits.onWaiting();
        }
    }
}
