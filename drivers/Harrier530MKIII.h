#pragma once

#include <cstdint>

#include "drivers/ModelDriver.h"

namespace kilnward::drivers {

class Harrier530MKIII final : public ModelDriver {
  public:
    static constexpr std::uint8_t kTypeCode = 16;

    Harrier530MKIII() : ModelDriver(ModelRowOf(kTypeCode)) {}
};

}  // namespace kilnward::drivers
