#pragma once

#include <chrono>
#include <functional>
#include <optional>

#include "net/IdTimeout.h"

using TIdClock = std::chrono::steady_clock;

// The limits of one wait for the peer: the wait's own time-out, the deadline of the phase it
// belongs to (connecting and reading a response head share one), and a hook that runs between
// short slices of the wait, where a window repaints and a caller may raise to abandon the
// transfer.
struct TIdWaitLimits {
    TIdTimeout timeout = TIdTimeout::Infinite();  // only a limit limits; every other kind waits
    std::optional<TIdClock::time_point> deadline;
    std::function<void()> onWaiting;

    // True when a wait needs watching at all; otherwise a blocking call may wait by itself.
    bool Bounded() const { return timeout.Limit() || deadline || onWaiting; }
};

enum class TIdWaitEnd { kReady, kTimedOut, kDeadlinePassed };

// How often a wait with a hook comes back to it.
inline constexpr std::chrono::milliseconds kWaitSlice{100};

// Asks `ready` whether the awaited event has come, letting it wait up to the time-out it is
// given (a limit, or Infinite), until it says yes or a limit is reached. With a hook the waits
// are cut into slices of kWaitSlice and the hook runs after each one. A time-out of zero still
// asks once; a deadline that has passed ends the wait without asking.
TIdWaitEnd WaitSliced(const std::function<bool(TIdTimeout wait)>& ready,
                      const TIdWaitLimits& limits);
