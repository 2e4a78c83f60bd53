#pragma once

#include <cstdint>

#include "drivers/ModelDriver.h"
#include "drivers/ModelIds.h"

namespace kilnward::drivers {

class Harrier530prot final : public ModelDriver {
  public:
    static constexpr std::uint8_t kTypeCode = model_id::kHarrier530;

    Harrier530prot() : ModelDriver(ModelRowOf(kTypeCode)) {}
};

}  // namespace kilnward::drivers
