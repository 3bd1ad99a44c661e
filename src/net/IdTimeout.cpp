#include "net/IdTimeout.h"

namespace {

// The special numbers of the published properties.
constexpr int kNotSet = 0;
constexpr int kDefault = -1;
constexpr int kInfinite = -2;

}  // namespace

TIdTimeoutProperty& TIdTimeoutProperty::operator=(int milliseconds) {
    if (milliseconds > kNotSet) {
        value_ = TIdTimeout::Within(std::chrono::milliseconds(milliseconds));
    } else if (milliseconds == kNotSet) {
        value_ = TIdTimeout::NotSet();
    } else if (milliseconds == kDefault) {
        value_ = TIdTimeout::Default();
    } else {
        value_ = TIdTimeout::Infinite();
    }
    return *this;
}

TIdTimeoutProperty::operator int() const {
    if (const auto limit = value_.Limit()) {
        return static_cast<int>(limit->count());
    }
    if (value_ == TIdTimeout::Default()) {
        return kDefault;
    }
    return value_ == TIdTimeout::Infinite() ? kInfinite : kNotSet;
}
