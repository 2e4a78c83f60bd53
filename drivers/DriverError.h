#pragma once

#include <stdexcept>
#include <string>

namespace kilnward::drivers {

// Base of every failure a driver raises on its own (the link control's failures pass through
// as wirelink::Error instead). Callers that only report can catch this one type.
class DriverError : public std::runtime_error {
  public:
    explicit DriverError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace kilnward::drivers
