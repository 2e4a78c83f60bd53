#pragma once

#include <string>

#include "drivers/DriverError.h"

namespace kilnward::drivers {

// A value of one kind (text, number, byte array) given where the data type needs another.
class TypeMismatchError : public DriverError {
  public:
    explicit TypeMismatchError(const std::string& message)
        : DriverError("Type mismatch: " + message) {}
};

}  // namespace kilnward::drivers
