#pragma once

#include <cstdint>

#include "drivers/ModelDriver.h"
#include "drivers/ModelIds.h"

namespace kilnward::drivers {

class Harrier520prot final : public ModelDriver {
  public:
    static constexpr std::uint8_t kTypeCode = model_id::kHarrier520;

    Harrier520prot() : ModelDriver(ModelRowOf(kTypeCode)) {}
};

}  // namespace kilnward::drivers
