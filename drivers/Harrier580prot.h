#pragma once

#include <cstdint>

#include "drivers/ModelDriver.h"

namespace kilnward::drivers {

class Harrier580prot final : public ModelDriver {
  public:
    static constexpr std::uint8_t kTypeCode = 13;

    Harrier580prot() : ModelDriver(ModelRowOf(kTypeCode)) {}
};

}  // namespace kilnward::drivers
