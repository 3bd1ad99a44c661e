#pragma once

#include <chrono>
#include <optional>

// How long a wait for the peer may last: a limit, or one of the kinds named below. Inside the
// connection layer every time-out is one of these; integer milliseconds with special numbers
// remain only in the published properties (TIdTimeoutProperty).
class TIdTimeout {
public:
    // Whatever the wait's owner sets: a read takes the connection's ReadTimeout, a connect is
    // left to the system.
    static constexpr TIdTimeout Default() { return TIdTimeout(Kind::kDefault); }
    // No limit set: a read waits for ever, a connect as long as the system lets it.
    static constexpr TIdTimeout NotSet() { return TIdTimeout(Kind::kNotSet); }
    // No limit, but watched as a limited wait is: a connect then does not block in the system
    // and reports its failure as EIdConnectException.
    static constexpr TIdTimeout Infinite() { return TIdTimeout(Kind::kInfinite); }
    // At most this long; zero asks once without waiting.
    static constexpr TIdTimeout Within(std::chrono::milliseconds limit) {
        return TIdTimeout(Kind::kWithin, limit);
    }

    // The limit, for a wait that has one.
    constexpr std::optional<std::chrono::milliseconds> Limit() const {
        return kind_ == Kind::kWithin ? std::optional(limit_) : std::nullopt;
    }

    friend constexpr bool operator==(const TIdTimeout&, const TIdTimeout&) = default;

private:
    enum class Kind { kDefault, kNotSet, kInfinite, kWithin };

    constexpr explicit TIdTimeout(Kind kind, std::chrono::milliseconds limit = {})
        : kind_(kind), limit_(limit) {}

    Kind kind_;
    std::chrono::milliseconds limit_;
};

// A published time-out property, set and read in integer milliseconds: 0 sets no limit, -1
// the default, -2 (or less) an infinite wait, and a positive number a limit. A limit of zero,
// which only a TIdTimeout can set, reads back as 0.
class TIdTimeoutProperty {
public:
    TIdTimeoutProperty& operator=(int milliseconds);
    TIdTimeoutProperty& operator=(TIdTimeout timeout) {
        value_ = timeout;
        return *this;
    }
    // Implicit, so that the property reads as the integer it is set as.
    operator int() const;

    TIdTimeout Value() const { return value_; }

private:
    TIdTimeout value_ = TIdTimeout::NotSet();
};
