#pragma once

#include <cstdint>

#include "drivers/ModelDriver.h"
#include "drivers/ModelIds.h"

namespace kilnward::drivers {

class Harrier540prot final : public ModelDriver {
  public:
    static constexpr std::uint8_t kTypeCode = model_id::kHarrier540;

    Harrier540prot() : ModelDriver(ModelRowOf(kTypeCode)) {}
};

}  // namespace kilnward::drivers
