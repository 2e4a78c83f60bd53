#pragma once

#include <cstdint>

#include "drivers/ModelDriver.h"

namespace kilnward::drivers {

class Harrier520prot final : public ModelDriver {
  public:
    static constexpr std::uint8_t kTypeCode = 9;

    Harrier520prot() : ModelDriver(ModelRowOf(kTypeCode)) {}
};

}  // namespace kilnward::drivers
