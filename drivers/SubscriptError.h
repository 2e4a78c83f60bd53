#pragma once

#include <string>

#include "drivers/DriverError.h"

namespace kilnward::drivers {

// An address, length or bit number reaches outside the buffer or value it names.
class SubscriptError : public DriverError {
  public:
    explicit SubscriptError(const std::string& message)
        : DriverError("Subscript out of range: " + message) {}
};

}  // namespace kilnward::drivers
