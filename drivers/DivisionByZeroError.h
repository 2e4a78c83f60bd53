#pragma once

#include <string>

#include "drivers/DriverError.h"

namespace kilnward::drivers {

// A measurement decoded with a scale of zero.
class DivisionByZeroError : public DriverError {
  public:
    explicit DivisionByZeroError(const std::string& message)
        : DriverError("Division by zero: " + message) {}
};

}  // namespace kilnward::drivers
