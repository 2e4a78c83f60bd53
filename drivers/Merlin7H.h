#pragma once

#include <cstdint>

#include "drivers/ModelDriver.h"

namespace kilnward::drivers {

class Merlin7H final : public ModelDriver {
  public:
    static constexpr std::uint8_t kTypeCode = 20;

    Merlin7H() : ModelDriver(ModelRowOf(kTypeCode)) {}
};

}  // namespace kilnward::drivers
