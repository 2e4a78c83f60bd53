#pragma once

#include <cstdint>

#include "drivers/ModelDriver.h"
#include "drivers/ModelIds.h"

namespace kilnward::drivers {

class Harrier510PTprot final : public ModelDriver {
  public:
    static constexpr std::uint8_t kTypeCode = model_id::kHarrier510PT;

    Harrier510PTprot() : ModelDriver(ModelRowOf(kTypeCode)) {}
};

}  // namespace kilnward::drivers
