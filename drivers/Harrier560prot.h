#pragma once

#include <cstdint>

#include "drivers/ModelDriver.h"
#include "drivers/ModelIds.h"

namespace kilnward::drivers {

class Harrier560prot final : public ModelDriver {
  public:
    static constexpr std::uint8_t kTypeCode = model_id::kOsprey560;

    Harrier560prot() : ModelDriver(ModelRowOf(kTypeCode)) {}
};

}  // namespace kilnward::drivers
