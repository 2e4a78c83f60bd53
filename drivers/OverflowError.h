#pragma once

#include <string>

#include "drivers/DriverError.h"

namespace kilnward::drivers {

// A value does not fit the field or the number type it is converted to.
class OverflowError : public DriverError {
  public:
    explicit OverflowError(const std::string& message) : DriverError("Overflow: " + message) {}
};

}  // namespace kilnward::drivers
