#pragma once

#include <cstdint>

#include "drivers/ModelDriver.h"

namespace kilnward::drivers {

class Harrier530MKIII_R final : public ModelDriver {
  public:
    static constexpr std::uint8_t kTypeCode = 19;

    Harrier530MKIII_R() : ModelDriver(ModelRowOf(kTypeCode)) {}
};

}  // namespace kilnward::drivers
