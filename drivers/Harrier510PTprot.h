#pragma once

#include <cstdint>

#include "drivers/ModelDriver.h"

namespace kilnward::drivers {

class Harrier510PTprot final : public ModelDriver {
  public:
    static constexpr std::uint8_t kTypeCode = 15;

    Harrier510PTprot() : ModelDriver(ModelRowOf(kTypeCode)) {}
};

}  // namespace kilnward::drivers
