#pragma once

#include <cstdint>

#include "drivers/ModelDriver.h"
#include "drivers/ModelIds.h"

namespace kilnward::drivers {

class Merlin7H final : public ModelDriver {
  public:
    static constexpr std::uint8_t kTypeCode = model_id::kMerlin7H;

    Merlin7H() : ModelDriver(ModelRowOf(kTypeCode)) {}
};

}  // namespace kilnward::drivers
