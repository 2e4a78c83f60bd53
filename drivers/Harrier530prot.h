#pragma once

#include <cstdint>

#include "drivers/ModelDriver.h"

namespace kilnward::drivers {

class Harrier530prot final : public ModelDriver {
  public:
    static constexpr std::uint8_t kTypeCode = 10;

    Harrier530prot() : ModelDriver(ModelRowOf(kTypeCode)) {}
};

}  // namespace kilnward::drivers
