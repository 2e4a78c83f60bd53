#pragma once

#include <cstdint>

#include "drivers/ModelDriver.h"

namespace kilnward::drivers {

class Harrier520Pprot final : public ModelDriver {
  public:
    static constexpr std::uint8_t kTypeCode = 14;

    Harrier520Pprot() : ModelDriver(ModelRowOf(kTypeCode)) {}
};

}  // namespace kilnward::drivers
