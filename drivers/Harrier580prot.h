#pragma once

#include <cstdint>

#include "drivers/ModelDriver.h"
#include "drivers/ModelIds.h"

namespace kilnward::drivers {

class Harrier580prot final : public ModelDriver {
  public:
    static constexpr std::uint8_t kTypeCode = model_id::kKestrel580;

    Harrier580prot() : ModelDriver(ModelRowOf(kTypeCode)) {}
};

}  // namespace kilnward::drivers
