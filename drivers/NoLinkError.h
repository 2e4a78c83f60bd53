#pragma once

#include "drivers/DriverError.h"

namespace kilnward::drivers {

// A member that talks through the link control was called before linktowirelinkctrl.
class NoLinkError : public DriverError {
  public:
    NoLinkError() : DriverError("No link control assigned to the driver") {}
};

}  // namespace kilnward::drivers
